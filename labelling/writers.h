// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sheet's pages put on paper: as SVG for a browser, as PDF for a printer.
#include <optional>
#include <span>
#include <string>

#include "labelling/drawing.h"

namespace labelling {

// One SVG document of every page, one under the other, in millimetres, each
// text as text.
std::string svgOf(std::span<const Page> pages, const SheetLayout& layout);
// The same as a PDF, a page a sheet, each text as text in one embedded font;
// nothing where this build has no PDF writer (the page's WebAssembly).
std::optional<std::string> pdfOf(std::span<const Page> pages, const SheetLayout& layout);

}  // namespace labelling
