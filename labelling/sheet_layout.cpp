// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/sheet_layout.h"

#include <cmath>

namespace labelling {

std::optional<SheetLayout> gridLayout(PageSize page, int columns, int rows, double margin) {
    if (columns < 1 || columns > MostAcross || rows < 1 || rows > MostAcross || !(margin >= 0)) {
        return std::nullopt;
    }
    const double width = (page.width - 2 * margin) / columns;
    const double height = (page.height - 2 * margin) / rows;
    if (!(width >= SmallestLabelSide && height >= SmallestLabelSide)) {
        return std::nullopt;
    }
    return SheetLayout{page, columns, rows, width, height, margin, margin};
}

std::optional<SheetLayout> sizedLayout(PageSize page, double width, double height, double margin) {
    if (!(width >= SmallestLabelSide && height >= SmallestLabelSide && margin >= 0)) {
        return std::nullopt;
    }
    const auto columns = static_cast<int>(std::floor((page.width - 2 * margin) / width + 1e-9));
    const auto rows = static_cast<int>(std::floor((page.height - 2 * margin) / height + 1e-9));
    if (columns < 1 || rows < 1) {
        return std::nullopt;
    }
    return SheetLayout{page,
                       columns,
                       rows,
                       width,
                       height,
                       (page.width - columns * width) / 2,
                       (page.height - rows * height) / 2};
}

}  // namespace labelling
