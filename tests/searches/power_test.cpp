// SPDX-License-Identifier: GPL-3.0-or-later
#include "searches/power.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The smallest common rating whose kept share still carries the power; none
// past the largest.
TEST(Power, TheSmallestRatingThatCarriesThePowerWithItsMargin) {
    struct Row {
        double watts;
        double margin;
        const char* rating;  // empty: none
    };
    for (const Row& row : std::vector<Row>{{0.001, 0.5, "1/16 W"},
                                           {0.04, 0.5, "1/10 W"},
                                           {0.04, 0, "1/16 W"},
                                           {0.2, 0.5, "1/2 W"},
                                           {0.9, 0.8, "5 W"},
                                           {2.6, 0.5, ""},
                                           {6, 0, ""},
                                           // Exactly at the share allowed, as the
                                           // arithmetic of typed values gives it.
                                           {2.5 * 0.0125, 0.5, "1/16 W"},
                                           {2.5 * 0.025, 0.5, "1/8 W"},
                                           {5 * 0.05, 0.5, "1/2 W"},
                                           {10 * 0.1, 0.5, "2 W"},
                                           {0.1 * 0.7, 0.3, "1/10 W"}}) {
        const auto rating = searches::ratingFor(row.watts, row.margin);
        EXPECT_EQ(rating ? rating->french() : "", row.rating) << row.watts << " W";
    }
}

// Two equal parts in series share the power; in parallel too, each at the
// full voltage.
TEST(Power, EachPartOfANetworkBurnsItsShare) {
    const std::vector<notation::Value> parts{notation::Value(1, 3)};
    const searches::Network series({searches::Join::Series, {0, 0}, {}}, 2000);
    const searches::Network parallel({searches::Join::Parallel, {0, 0}, {}}, 500);
    using testing::DoubleEq;
    EXPECT_THAT(searches::partPowers(series, parts, 10),
                testing::ElementsAre(DoubleEq(0.025), DoubleEq(0.025)));
    EXPECT_THAT(searches::partPowers(parallel, parts, 10),
                testing::ElementsAre(DoubleEq(0.1), DoubleEq(0.1)));
}

}  // namespace
