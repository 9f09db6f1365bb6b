// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>

#include "notation/colour_code.h"
#include "tables/series.h"

namespace {

using notation::Series;
using notation::Value;

const Series& named(std::string_view name) {
    return *notation::seriesNamed(name);
}

TEST(Series, TheWindowsListsAreTheStandardsValues) {
    const std::vector<std::pair<tables::TextList, std::string_view>> lists{
        {tables::E12Values, "E12"},
        {tables::E24Values, "E24"},
        {tables::E48Values, "E48"},
        {tables::E96Values, "E96"}};
    for (const auto& [window, name] : lists) {
        const Series& series = named(name);
        ASSERT_EQ(window.size(), series.values.size()) << name;
        for (std::size_t i = 0; i < window.size(); ++i) {
            EXPECT_EQ(std::string(window[i]), std::to_string(series.values[i])) << name << " " << i;
        }
    }
}

TEST(Series, ThreeDigitSeriesFollowTheRoundingRuleButE192Has920) {
    for (const std::string_view name : {"E48", "E96", "E192"}) {
        const Series& series = named(name);
        const int steps = static_cast<int>(series.values.size());
        for (int i = 0; i < steps; ++i) {
            const long rule = std::lround(100.0 * std::pow(10.0, static_cast<double>(i) / steps));
            if (name == "E192" && i == 185) {
                EXPECT_EQ(rule, 919);
                EXPECT_EQ(series.values[185], 920);  // the standard's value, not the rule's
                continue;
            }
            EXPECT_EQ(series.values[static_cast<std::size_t>(i)], rule) << name << " " << i;
        }
    }
}

TEST(Series, EachSeriesHoldsTheCoarserOnesAndItsCountAndTolerance) {
    const std::vector<std::tuple<std::string_view, std::size_t, int>> expected{
        {"E3", 3, 4000},  {"E6", 6, 2000},  {"E12", 12, 1000}, {"E24", 24, 500},
        {"E48", 48, 200}, {"E96", 96, 100}, {"E192", 192, 50}};
    for (const auto& [name, count, tolerance] : expected) {
        EXPECT_EQ(named(name).values.size(), count);
        EXPECT_EQ(named(name).toleranceBasisPoints, tolerance);
        EXPECT_TRUE(std::is_sorted(named(name).values.begin(), named(name).values.end()));
    }
    for (const auto& [coarse, fine] : std::vector<std::pair<std::string_view, std::string_view>>{
             {"E3", "E6"}, {"E6", "E12"}, {"E12", "E24"}, {"E48", "E96"}, {"E96", "E192"}}) {
        for (const int value : named(coarse).values) {
            EXPECT_TRUE(notation::contains(named(fine), Value(value, 0))) << coarse << " " << value;
        }
    }
}

struct NearestRow {
    std::string_view series;
    Value value;
    Value below;
    Value above;
};

TEST(Series, NearestValuesAtBetweenAndAcrossDecadeEnds) {
    const std::vector<NearestRow> rows{
        {"E24", Value(47, 2), Value(47, 2), Value(47, 2)},      // a value itself
        {"E24", Value(48, 2), Value(47, 2), Value(51, 2)},      // between
        {"E24", Value(95, 0), Value(91, 0), Value(10, 1)},      // the next decade's first
        {"E24", Value(105, -1), Value(10, 0), Value(11, 0)},    // 10,5
        {"E12", Value(9, 0), Value(82, -1), Value(10, 0)},      // 9 Ω
        {"E48", Value(98, 1), Value(953, 0), Value(1, 3)},      // 980 -> 953, 1000
        {"E96", Value(1, 2), Value(1, 2), Value(1, 2)},         // 100 in E96
        {"E192", Value(919, 0), Value(909, 0), Value(920, 0)},  // not 919
        {"E6", Value(1, 6), Value(1, 6), Value(1, 6)},
        {"E3", Value(7, 3), Value(47, 2), Value(10, 3)},
    };
    for (const NearestRow& row : rows) {
        const notation::Neighbours near = notation::neighbours(named(row.series), row.value);
        EXPECT_EQ(near.below, row.below) << row.series << " " << row.value.french();
        EXPECT_EQ(near.above, row.above) << row.series << " " << row.value.french();
    }
}

TEST(Series, TheCoarsestSeriesHoldingAValue) {
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(1, 3))->name, "E3");
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(33, 4))->name, "E6");
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(56, 0))->name, "E12");
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(43, -2))->name, "E24");
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(487, 3))->name, "E48");
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(499, 1))->name, "E96");
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(920, 0))->name, "E192");
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(919, 0)), nullptr);
    EXPECT_EQ(notation::coarsestSeriesHolding(Value(4701, 0)), nullptr);
}

// Every value of every series, over the window's decades, encodes and decodes
// back to itself with every band count that can hold it.
TEST(Series, EveryValueRoundTripsThroughItsBands) {
    int roundTrips = 0;
    for (const Series& series : notation::allSeries()) {
        for (int decade = -2; decade <= 6; ++decade) {
            for (const int number : series.values) {
                const Value value(number, decade);
                for (const int bands : {3, 4, 5, 6}) {
                    const int tolerance = bands == 3 ? 2000 : 100;
                    const notation::Encoded encoded = notation::encode(value, bands, tolerance, 50);
                    const auto* colours = std::get_if<std::vector<notation::Colour>>(&encoded);
                    const bool fits = value.digits() <= (bands >= 5 ? 3 : 2);
                    if (!fits) {
                        EXPECT_EQ(colours, nullptr);
                        continue;
                    }
                    if (colours == nullptr) {
                        // Only a multiplier below x0,01 fails: 0,1 Ω in five bands.
                        EXPECT_LT(value.exponent() - ((bands >= 5 ? 3 : 2) - value.digits()), -2)
                            << value.french() << " " << bands;
                        continue;
                    }
                    ASSERT_EQ(colours->size(), static_cast<std::size_t>(bands));
                    const notation::Decoded decoded = notation::decode(*colours);
                    const auto& reading = std::get<notation::Reading>(decoded);
                    EXPECT_EQ(reading.value, value) << notation::joined(*colours);
                    EXPECT_EQ(reading.toleranceBasisPoints, tolerance);
                    EXPECT_EQ(reading.tempCoefficient,
                              bands == 6 ? std::optional<int>(50) : std::nullopt);
                    ++roundTrips;
                }
            }
        }
    }
    EXPECT_GT(roundTrips, 8000);  // the loops really ran
}

}  // namespace
