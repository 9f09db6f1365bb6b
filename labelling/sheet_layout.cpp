// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/sheet_layout.h"

#include <algorithm>
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
    return SheetLayout{page, columns, rows, width, height, margin, margin, width, height};
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
                       (page.height - rows * height) / 2,
                       width,
                       height};
}

std::variant<SheetLayout, SheetProblem> measuredLayout(PageSize page, const SheetMeasures& measures,
                                                       int columns, int rows) {
    // A hundredth of a millimetre over is a rounding in the maker's figures.
    constexpr double Slack = 0.01;
    const SheetMeasures& m = measures;
    if (!(m.width >= SmallestLabelSide && m.height >= SmallestLabelSide)) {
        return SheetProblem::TooSmall;
    }
    if (!(m.pitchAcross >= m.width - Slack && m.pitchDown >= m.height - Slack)) {
        return SheetProblem::PitchBelowSize;
    }
    const auto most = [&](double start, double size, double pitch, double extent) {
        return static_cast<int>(std::floor((extent + Slack - start - size) / pitch)) + 1;
    };
    columns = columns > 0 ? columns
                          : std::min(most(m.left, m.width, m.pitchAcross, page.width), MostAcross);
    rows = rows > 0 ? rows : std::min(most(m.top, m.height, m.pitchDown, page.height), MostAcross);
    const SheetLayout layout{page,   columns, rows,          m.width,    m.height,
                             m.left, m.top,   m.pitchAcross, m.pitchDown};
    const double right = layout.xOf(columns - 1) + m.width;
    const double bottom = layout.yOf(columns * rows - 1) + m.height;
    if (columns < 1 || rows < 1 || columns > MostAcross || rows > MostAcross || !(m.left >= 0) ||
        !(m.top >= 0) || right > page.width + Slack || bottom > page.height + Slack) {
        return SheetProblem::OffThePaper;
    }
    return layout;
}

}  // namespace labelling
