// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the labels of a sticker sheet lie on the page, in millimetres: a grid
// of columns and rows filling the page inside its margins, labels of a given
// size as many as fit, or a sheet as its maker measures it (label size,
// pitch, the first label's corner).
#include <optional>
#include <string_view>
#include <variant>

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
    double pitchAcross;  // from a label's left edge to the next one's: label and gap
    double pitchDown;

    [[nodiscard]] int perPage() const { return columns * rows; }
    // The corner of label `index` of a page, counted along the rows.
    [[nodiscard]] double xOf(int index) const { return left + (index % columns) * pitchAcross; }
    [[nodiscard]] double yOf(int index) const {
        const int row = index / columns;  // whole rows above it
        return top + row * pitchDown;
    }
};

// A sheet as measured on it: its labels' size, their pitch each way and the
// first one's corner.
struct SheetMeasures {
    double width;
    double height;
    double pitchAcross;
    double pitchDown;
    double left;
    double top;
};

// Why measures describe no sheet.
enum class SheetProblem { TooSmall, PitchBelowSize, OffThePaper };

// `columns` × `rows` labels filling the page inside `margin` on every side;
// nothing where the margins leave no room or the count is not 1 to MostAcross
// each way.
std::optional<SheetLayout> gridLayout(PageSize page, int columns, int rows, double margin);
// Labels of `width` × `height`, as many as fit inside `margin`, the block
// centred on the page; nothing where not one fits.
std::optional<SheetLayout> sizedLayout(PageSize page, double width, double height, double margin);
// A sheet by its measures: `columns` × `rows` labels, or as many as the
// paper holds where a count is 0; a problem where a label is smaller than
// SmallestLabelSide, a pitch is below the label's size, or a label leaves
// the paper.
std::variant<SheetLayout, SheetProblem> measuredLayout(PageSize page, const SheetMeasures& measures,
                                                       int columns, int rows);

}  // namespace labelling
