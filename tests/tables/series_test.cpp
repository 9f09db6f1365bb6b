// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/series.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(tables::TextList list) {
    return {list.begin(), list.end()};
}

TEST(DecadeList, SpellsTheFractionsWithTheLetterO) {
    // Item 0 and item 4 use the digit zero, items 1 and 3 the capital letter O.
    EXPECT_EQ(texts(tables::DecadeList),
              (std::vector<std::string>{"x0,01 (Ohm)", "xO,1 (Ohm)", "x1 (Ohm)", "x1O (Ohm)",
                                        "x100 (Ohm)", "x1k (Ohm)", "x10k (Ohm)", "x100k (Ohm)",
                                        "x1M (Ohm)"}));
    EXPECT_EQ(tables::DecadeList[1][1], 'O');
    EXPECT_EQ(tables::DecadeList[3][2], 'O');
    EXPECT_EQ(tables::DecadeList[0][1], '0');
    EXPECT_EQ(tables::DecadeList[4][2], '0');
}

TEST(PreferredValues, E12AndE24AreTheStandardTwoDigitValues) {
    EXPECT_EQ(texts(tables::E12Values),
              (std::vector<std::string>{"10", "12", "15", "18", "22", "27", "33", "39", "47", "56",
                                        "68", "82"}));
    EXPECT_EQ(texts(tables::E24Values),
              (std::vector<std::string>{"10", "11", "12", "13", "15", "16", "18", "20",
                                        "22", "24", "27", "30", "33", "36", "39", "43",
                                        "47", "51", "56", "62", "68", "75", "82", "91"}));
}

struct RoundedSeries {
    const char* name;
    tables::TextList values;
    int steps;
};

class ThreeDigitSeries : public testing::TestWithParam<RoundedSeries> {};

TEST_P(ThreeDigitSeries, ItemIIsTenToTheIOverNRounded) {
    const RoundedSeries& series = GetParam();
    ASSERT_EQ(series.values.size(), static_cast<std::size_t>(series.steps));
    for (int i = 0; i < series.steps; ++i) {
        const double exact = 100.0 * std::pow(10.0, static_cast<double>(i) / series.steps);
        // No value lies near a half, so the rounding is unambiguous.
        ASSERT_GT(std::abs(exact - std::floor(exact) - 0.5), 0.001) << i;
        const long rounded = std::lround(exact);
        EXPECT_EQ(std::string(series.values[static_cast<std::size_t>(i)]), std::to_string(rounded))
            << series.name << " item " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Series, ThreeDigitSeries,
                         testing::Values(RoundedSeries{"E48", tables::E48Values, 48},
                                         RoundedSeries{"E96", tables::E96Values, 96}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(PreferredValues, E96EvenItemsAreTheE48Values) {
    for (std::size_t k = 0; k < tables::E48Values.size(); ++k) {
        EXPECT_EQ(tables::E96Values[2 * k], tables::E48Values[k]) << k;
    }
    EXPECT_EQ(tables::E48Values.front(), "100");
    EXPECT_EQ(tables::E48Values.back(), "953");
    EXPECT_EQ(tables::E96Values.front(), "100");
    EXPECT_EQ(tables::E96Values.back(), "976");
}

struct DigitRow {
    tables::TextList series;
    int item;
    std::vector<int> digits;
};

TEST(PreferredValues, EachCharacterNamesTheDigitBand) {
    const std::vector<DigitRow> rows{
        {tables::E12Values, 0, {1, 0}},     {tables::E12Values, 5, {2, 7}},
        {tables::E12Values, 8, {4, 7}},     {tables::E12Values, 11, {8, 2}},
        {tables::E24Values, 15, {4, 3}},    {tables::E24Values, 23, {9, 1}},
        {tables::E48Values, 0, {1, 0, 0}},  {tables::E48Values, 20, {2, 6, 1}},
        {tables::E48Values, 47, {9, 5, 3}}, {tables::E96Values, 1, {1, 0, 2}},
        {tables::E96Values, 67, {4, 9, 9}}, {tables::E96Values, 95, {9, 7, 6}},
    };
    for (const DigitRow& row : rows) {
        const std::string_view value = *tables::textAt(row.series, row.item);
        for (std::size_t position = 0; position < row.digits.size(); ++position) {
            EXPECT_EQ(tables::digitAt(value, position), row.digits[position])
                << value << " position " << position;
        }
        EXPECT_FALSE(tables::digitAt(value, row.digits.size()).has_value());
    }
    EXPECT_FALSE(tables::digitAt("1x", 1).has_value());
}

TEST(PreferredValues, NoFirstDigitIsZero) {
    for (const tables::TextList series :
         {tables::TextList(tables::E12Values), tables::TextList(tables::E24Values),
          tables::TextList(tables::E48Values), tables::TextList(tables::E96Values)}) {
        for (const std::string_view value : series) {
            EXPECT_NE(value.front(), '0') << value;
        }
    }
}

TEST(TextLookup, AnIndexOutsideTheListHasNoText) {
    for (const int outside : {-1, 9, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(tables::textAt(tables::DecadeList, outside).has_value()) << outside;
    }
    EXPECT_EQ(*tables::textAt(tables::DecadeList, 8), "x1M (Ohm)");
}

}  // namespace
