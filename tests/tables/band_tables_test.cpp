// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/band_tables.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tables/palette.h"

namespace {

using tables::BandEntry;
using tables::BandTable;
using tables::Colour;
using tables::Paint;

// Texts are spelled with escapes so that a wrong byte in the tables (a hyphen for
// the plus-minus sign, a zero for a letter O) cannot hide behind the same glyph.
constexpr const char* PlusMinus = "\u00B1";  // '±'

std::string pm(const char* rest) {
    return std::string(PlusMinus) + rest;
}

Paint fill(int r, int g, int b) {
    return Paint::fill(Colour::rgb(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                   static_cast<std::uint8_t>(b)));
}

struct Row {
    std::string item;
    std::string readout;
    Paint paint;
};

struct TableCase {
    const char* name;
    BandTable table;
    std::vector<Row> rows;
};

class BandTableContents : public testing::TestWithParam<TableCase> {};

TEST_P(BandTableContents, EveryItemHasItsTextReadoutAndPaintInOrder) {
    const TableCase& expected = GetParam();
    ASSERT_EQ(expected.table.size(), expected.rows.size());
    for (std::size_t i = 0; i < expected.rows.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        const BandEntry& entry = expected.table[i];
        EXPECT_EQ(std::string(entry.item), expected.rows[i].item);
        EXPECT_EQ(std::string(entry.readout), expected.rows[i].readout);
        EXPECT_EQ(entry.paint, expected.rows[i].paint);
    }
}

const Paint Hidden = Paint::hidden();

INSTANTIATE_TEST_SUITE_P(Tables, BandTableContents,
                         testing::Values(TableCase{"DigitColorList",
                                                   tables::DigitColorList,
                                                   {{"NOIR", "0", fill(0, 0, 0)},
                                                    {"MARRON", "1", fill(128, 0, 0)},
                                                    {"ROUGE", "2", fill(255, 0, 0)},
                                                    {"ORANGE", "3", fill(237, 127, 16)},
                                                    {"JAUNE", "4", fill(255, 255, 0)},
                                                    {"VERT", "5", fill(0, 255, 0)},
                                                    {"BLEU", "6", fill(0, 0, 255)},
                                                    {"VIOLET", "7", fill(128, 0, 128)},
                                                    {"GRIS", "8", fill(128, 128, 128)},
                                                    {"BLANC", "9", fill(255, 255, 255)}}},
                                         TableCase{"MultiplierColorList",
                                                   tables::MultiplierColorList,
                                                   {{"ARGENT", "x0,01", fill(192, 192, 192)},
                                                    {"OR", "x0,1", Hidden},
                                                    {"NOIR", "", fill(0, 0, 0)},
                                                    {"MARRON", "0", fill(128, 0, 0)},
                                                    {"ROUGE", "00", fill(255, 0, 0)},
                                                    {"ORANGE", "000", fill(237, 127, 16)},
                                                    {"JAUNE",
                                                     "0\x20"
                                                     "000",
                                                     fill(255, 255, 0)},
                                                    {"VERT",
                                                     "00\x20"
                                                     "000",
                                                     fill(0, 255, 0)},
                                                    {"BLEU",
                                                     "000\x20"
                                                     "000",
                                                     fill(0, 0, 255)}}},
                                         TableCase{"CarbonToleranceList",
                                                   tables::CarbonToleranceList,
                                                   {{"Argent", pm("10%"), fill(192, 192, 192)},
                                                    {"Or", pm("5%"), Hidden}}},
                                         TableCase{"MetalToleranceList",
                                                   tables::MetalToleranceList,
                                                   {{"ARGENT", pm("10%"), fill(192, 192, 192)},
                                                    {"OR", pm("5%"), Hidden},
                                                    {"ROUGE", pm("2%"), fill(255, 0, 0)},
                                                    {"MARRON", pm("1%"), fill(128, 0, 0)},
                                                    {"VERT", pm("0,5%"), fill(0, 255, 0)},
                                                    {"BLEU", pm("0,25%"), fill(0, 0, 255)},
                                                    {"VIOLET", pm("0,1%"), fill(128, 0, 128)},
                                                    {"GRIS", pm("0,05%"), fill(128, 128, 128)}}},
                                         TableCase{"TempCoeffList",
                                                   tables::TempCoeffList,
                                                   {{"MARRON", pm("100"), fill(128, 0, 0)},
                                                    {"ROUGE", pm("50"), fill(255, 0, 0)},
                                                    {"JAUNE", pm("25"), fill(255, 255, 0)},
                                                    {"ORANGE", pm("15"), fill(237, 127, 16)}}}),
                         [](const testing::TestParamInfo<TableCase>& test) {
                             return std::string(test.param.name);
                         });

TEST(BandPalette, EveryRolePaintsEachColourNameAsThePaletteDoes) {
    for (const BandTable table :
         {BandTable(tables::DigitColorList), BandTable(tables::MultiplierColorList),
          BandTable(tables::CarbonToleranceList), BandTable(tables::MetalToleranceList),
          BandTable(tables::TempCoeffList)}) {
        for (const BandEntry& entry : table) {
            SCOPED_TRACE(std::string(entry.item));
            ASSERT_TRUE(tables::findPaint(entry.item).has_value());
            EXPECT_EQ(entry.paint, *tables::findPaint(entry.item));
        }
    }
}

TEST(BandPalette, GoldIsNeverPaintedAndSilverIsOneColour) {
    EXPECT_TRUE(tables::findPaint("OR")->isHidden());
    EXPECT_TRUE(tables::findPaint("Or")->isHidden());
    EXPECT_EQ(*tables::findPaint("ARGENT"), fill(192, 192, 192));
    EXPECT_EQ(*tables::findPaint("Argent"), fill(192, 192, 192));
    EXPECT_EQ(*tables::findPaint("GRIS"), fill(128, 128, 128));
    EXPECT_EQ(*tables::findPaint("ORANGE"), fill(237, 127, 16));
    EXPECT_FALSE(tables::findPaint("ROSE").has_value());
    EXPECT_FALSE(tables::findPaint("noir").has_value());
}

TEST(BandLookup, AnIndexOutsideTheTableHasNoEntry) {
    for (const BandTable table :
         {BandTable(tables::DigitColorList), BandTable(tables::MultiplierColorList),
          BandTable(tables::CarbonToleranceList), BandTable(tables::MetalToleranceList),
          BandTable(tables::TempCoeffList)}) {
        const int size = static_cast<int>(table.size());
        for (const int outside : {-1, -2, size, size + 1, INT_MIN, INT_MAX}) {
            EXPECT_FALSE(tables::entryAt(table, outside).has_value()) << outside;
        }
        EXPECT_EQ(tables::entryAt(table, 0)->item, table.front().item);
        EXPECT_EQ(tables::entryAt(table, size - 1)->item, table.back().item);
    }
}

TEST(Colour, NoColorIsNoRgbValueAndZeroIsBlack) {
    EXPECT_TRUE(tables::NoColor.isNone());
    EXPECT_NE(tables::NoColor, Colour::rgb(0, 0, 0));
    EXPECT_EQ(Colour{}, Colour::rgb(0, 0, 0));
    EXPECT_FALSE(Colour{}.isNone());
}

}  // namespace
