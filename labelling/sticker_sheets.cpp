// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/sticker_sheets.h"

#include <algorithm>
#include <array>

#include "strings/text.h"

namespace labelling {

namespace {

constexpr double Inch = 25.4;
constexpr double Point = Inch / 72;

// The geometry of each sheet is its template's as gLabels' template database
// records it (Debian 12's glabels-data 3.4.1, templates/*.xml): the row of
// the maker's own code where it gives the maker's figures, else the row of a
// sheet with the same layout, named here. Sizes, then pitches, then the first
// label's corner.
constexpr std::array<StickerSheet, 8> Sheets{{
    // Avery L7160 (J8160): Endisch 6406338x, the same 21 labels.
    {"L7160", "63,5 × 38,1 mm", A4, 3, 7, {63.5, 38.1, 66.04, 38.1, 7.21, 15.15}},
    // Avery L7163 (J8163): Endisch 6409938x, the same 14 labels.
    {"L7163", "99,1 × 38,1 mm", A4, 2, 7, {99.1, 38.1, 101.64, 38.1, 4.63, 15.15}},
    // Avery Zweckform 3474: 24 labels to the paper's edges, left and right.
    {"3474", "70 × 37 mm", A4, 3, 8, {70, 37, 70, 37, 0, 0}},
    // Avery L7651 (J8651): its row, in points.
    {"L7651",
     "38,1 × 21,2 mm",
     A4,
     5,
     13,
     {108 * Point, 60.09 * Point, 115.09 * Point, 60.09 * Point, 13.32 * Point, 30.90 * Point}},
    // Avery Zweckform 3657: Igepa EA-485x254, the same 40 labels.
    {"3657", "48,5 × 25,4 mm", A4, 4, 10, {48.5, 25.4, 48.5, 25.4, 8, 21.5}},
    // Avery 5160, 5161 and 5167: their rows, in inches.
    {"5160",
     "2 5/8 × 1 in",
     Letter,
     3,
     10,
     {2.625 * Inch, Inch, 2.78125 * Inch, Inch, 0.15625 * Inch, 0.5 * Inch}},
    {"5161",
     "4 × 1 in",
     Letter,
     2,
     10,
     {4 * Inch, Inch, 4.1875 * Inch, Inch, 0.15625 * Inch, 0.5 * Inch}},
    {"5167",
     "1 3/4 × 1/2 in",
     Letter,
     4,
     20,
     {1.75 * Inch, 0.5 * Inch, 2.0625 * Inch, 0.5 * Inch, 0.28125 * Inch, 0.5 * Inch}},
}};

}  // namespace

std::span<const StickerSheet> stickerSheets() {
    return Sheets;
}

const StickerSheet* stickerSheetNamed(std::string_view code) {
    const std::string wanted = strings::asciiUppered(strings::trimmed(code));
    const auto found = std::find_if(Sheets.begin(), Sheets.end(), [&](const StickerSheet& sheet) {
        return sheet.code == wanted;
    });
    return found == Sheets.end() ? nullptr : &*found;
}

}  // namespace labelling
