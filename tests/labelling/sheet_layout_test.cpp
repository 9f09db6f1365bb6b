// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/sheet_layout.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace {

// A grid fills the page inside its margins, 1 to 20 labels each way; labels of
// a size are packed as many as fit and centred.
TEST(SheetLayout, AGridFillsThePageAndSizedLabelsAreCentred) {
    const auto grid = labelling::gridLayout(labelling::A4, 3, 8, 0);
    ASSERT_TRUE(grid);
    EXPECT_DOUBLE_EQ(grid->labelWidth, 70);
    EXPECT_DOUBLE_EQ(grid->yOf(23) + grid->labelHeight, 297);
    for (const auto& [columns, rows] : std::vector<std::pair<int, int>>{{0, 8}, {21, 8}, {3, 21}}) {
        EXPECT_FALSE(labelling::gridLayout(labelling::A4, columns, rows, 0)) << columns << rows;
    }
    EXPECT_FALSE(labelling::gridLayout(labelling::Letter, 3, 8, 110));

    const auto sized = labelling::sizedLayout(labelling::Letter, 48, 17, 10);
    ASSERT_TRUE(sized);
    EXPECT_EQ(sized->columns, 4);
    EXPECT_DOUBLE_EQ(sized->left * 2 + 4 * 48, labelling::Letter.width);
    EXPECT_FALSE(labelling::sizedLayout(labelling::A4, 300, 17, 0));

    // A sheet by its measures holds as many labels as its paper, or refuses.
    const labelling::SheetMeasures measured{63.5, 38.1, 66.04, 38.1, 7.21, 15.15};
    const auto sheet = labelling::measuredLayout(labelling::A4, measured, 0, 0);
    ASSERT_TRUE(std::holds_alternative<labelling::SheetLayout>(sheet));
    EXPECT_EQ(std::get<labelling::SheetLayout>(sheet).perPage(), 21);
    EXPECT_EQ(std::get<labelling::SheetProblem>(
                  labelling::measuredLayout(labelling::Letter, measured, 3, 7)),
              labelling::SheetProblem::OffThePaper);
}

}  // namespace
