// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sheet an etiquettes command prints on, and how, read from its command
// line: each part a complaint where it does not hold.
#include <string>

#include "cli/options.h"
#include "labelling/drawing.h"
#include "labelling/sheet_layout.h"
#include "labelling/sticker_sheets.h"

namespace cli {

// --planche; --taille with --pas, --origine and --grille; --grille or
// --taille alone, inside --marges; on --page.
labelling::SheetLayout sheetLayoutOf(const CommandLine& line);
// --debut, --decalage, --bord-imprimante and --contours, checked against the
// sheet.
labelling::SheetOptions sheetOptionsOf(const CommandLine& line,
                                       const labelling::SheetLayout& layout);
// A sheet as --planches lists it: "L7160  A4     3 × 7 étiquettes de 63,5 × 38,1 mm".
std::string stickerSheetLine(const labelling::StickerSheet& sheet);
// The sheets --planche knows, a line each, for --planches.
std::string stickerSheetList();

}  // namespace cli
