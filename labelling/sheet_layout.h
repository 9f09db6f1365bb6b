// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the labels of a sticker sheet lie on the page, in millimetres: a grid
// of columns and rows filling the page inside its margins, or labels of a
// given size, as many as fit.
#include <optional>
#include <string_view>

namespace labelling {

struct PageSize {
    std::string_view name;  // "A4", "Letter"
    double width;
    double height;
};

// A grid has at most this many columns, and as many rows.
inline constexpr int MostAcross = 20;

// Smaller, a label holds neither its value nor its bands, in millimetres.
inline constexpr double SmallestLabelSide = 10;

inline constexpr PageSize A4{"A4", 210, 297};
inline constexpr PageSize Letter{"Letter", 215.9, 279.4};

struct SheetLayout {
    PageSize page;
    int columns;
    int rows;
    double labelWidth;
    double labelHeight;
    double left;  // the first label's corner
    double top;

    [[nodiscard]] int perPage() const { return columns * rows; }
    // The corner of label `index` of a page, counted along the rows.
    [[nodiscard]] double xOf(int index) const { return left + (index % columns) * labelWidth; }
    [[nodiscard]] double yOf(int index) const {
        const int row = index / columns;  // whole rows above it
        return top + row * labelHeight;
    }
};

// `columns` × `rows` labels filling the page inside `margin` on every side;
// nothing where the margins leave no room or the count is not 1 to MostAcross
// each way.
std::optional<SheetLayout> gridLayout(PageSize page, int columns, int rows, double margin);
// Labels of `width` × `height`, as many as fit inside `margin`, the block
// centred on the page; nothing where not one fits.
std::optional<SheetLayout> sizedLayout(PageSize page, double width, double height, double margin);

}  // namespace labelling
