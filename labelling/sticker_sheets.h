// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sticker sheets people buy, by their maker's product code, with the
// geometry of the maker's template.
#include <span>
#include <string_view>

#include "labelling/sheet_layout.h"

namespace labelling {

struct StickerSheet {
    std::string_view code;  // "L7160"
    std::string_view size;  // the label as the maker names it: "63,5 × 38,1 mm", "2 5/8 × 1 in"
    PageSize page;
    int columns;
    int rows;
    SheetMeasures measures;

    [[nodiscard]] SheetLayout layout() const {
        return {page,
                columns,
                rows,
                measures.width,
                measures.height,
                measures.left,
                measures.top,
                measures.pitchAcross,
                measures.pitchDown};
    }
};

std::span<const StickerSheet> stickerSheets();
// In any case: "l7160" is L7160; nothing for a code not in the table.
const StickerSheet* stickerSheetNamed(std::string_view code);

}  // namespace labelling
