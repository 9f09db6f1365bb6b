// SPDX-License-Identifier: GPL-3.0-or-later
// The page's build has no PDF writer: it prints the SVG sheet itself.
#include "cli/label_drawing.h"

namespace cli {

std::optional<std::string> pdfOf(std::span<const Page> /*pages*/,
                                 const code::SheetLayout& /*layout*/) {
    return std::nullopt;
}

}  // namespace cli
