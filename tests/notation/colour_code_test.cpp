// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/colour_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "tables/band_tables.h"

namespace {

using notation::BandProblem;
using notation::Colour;
using notation::Value;

std::vector<std::string> words(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
}

TEST(ColourCode, NamesAreTheWindowsAndReadInAnyCase) {
    for (int digit = 0; digit < 10; ++digit) {
        const Colour colour = notation::AllColours[static_cast<std::size_t>(digit)];
        EXPECT_EQ(notation::nameOf(colour),
                  tables::DigitColorList[static_cast<std::size_t>(digit)].item);
        EXPECT_EQ(notation::digitOf(colour), digit);
    }
    EXPECT_EQ(notation::nameOf(Colour::Or), tables::MultiplierColorList[1].item);
    EXPECT_EQ(notation::nameOf(Colour::Argent), tables::MultiplierColorList[0].item);
    EXPECT_EQ(notation::parseColour("marron"), Colour::Marron);
    EXPECT_EQ(notation::parseColour("Or"), Colour::Or);
    EXPECT_EQ(notation::parseColour("ARGENT"), Colour::Argent);
    EXPECT_EQ(notation::parseColour("Purple"), Colour::Violet);
    EXPECT_EQ(notation::parseColour("gray"), notation::parseColour("GREY"));
    EXPECT_EQ(notation::parseColour("silver"), Colour::Argent);
    EXPECT_EQ(notation::parseColour("rose"), std::nullopt);
    EXPECT_EQ(notation::parseColour(""), std::nullopt);
    EXPECT_EQ(notation::parseColour("marro"), std::nullopt);
}

// The window's tolerance and coefficient tables mean what the tool decodes.
TEST(ColourCode, TolerancesAndCoefficientsAgreeWithTheWindow) {
    const std::vector<std::pair<Colour, int>> tolerances{
        {Colour::Argent, 1000}, {Colour::Or, 500},  {Colour::Rouge, 200}, {Colour::Marron, 100},
        {Colour::Vert, 50},     {Colour::Bleu, 25}, {Colour::Violet, 10}, {Colour::Gris, 5}};
    for (const auto& [colour, basisPoints] : tolerances) {
        EXPECT_EQ(notation::toleranceOf(colour), basisPoints) << notation::nameOf(colour);
    }
    for (const tables::BandEntry& entry : tables::TempCoeffList) {
        const std::string ppm(entry.readout.substr(2));  // "±100" -> "100"
        EXPECT_EQ(notation::tempCoefficientOf(*notation::parseColour(entry.item)), std::stoi(ppm));
    }
    EXPECT_EQ(notation::tempCoefficientOf(Colour::Noir), 250);
    EXPECT_EQ(notation::toleranceOf(Colour::Orange), std::nullopt);
    EXPECT_EQ(notation::multiplierPowerOf(Colour::Argent), -2);
    EXPECT_EQ(notation::multiplierPowerOf(Colour::Blanc), 9);
}

struct DecodeRow {
    std::vector<std::string> bands;
    Value value;
    int tolerance;
    std::optional<int> coefficient;
};

TEST(ColourCode, DecodesThreeToSixBands) {
    const std::vector<DecodeRow> rows{
        {words({"marron", "noir", "rouge"}), Value(1, 3), 2000, std::nullopt},
        {words({"marron", "noir", "rouge", "or"}), Value(1, 3), 500, std::nullopt},
        {words({"jaune", "violet", "argent", "argent"}), Value(47, -2), 1000, std::nullopt},
        {words({"jaune", "violet", "vert", "marron", "marron"}), Value(475, 1), 100, std::nullopt},
        {words({"blanc", "blanc", "blanc", "blanc", "gris"}), Value(999, 9), 5, std::nullopt},
        {words({"marron", "noir", "noir", "noir", "marron", "noir"}), Value(1, 2), 100, 250},
        {words({"rouge", "rouge", "noir", "or", "violet", "jaune"}), Value(22, 0), 10, 25},
    };
    for (const DecodeRow& row : rows) {
        const notation::Decoded decoded = notation::decode(row.bands);
        ASSERT_TRUE(std::holds_alternative<notation::Reading>(decoded)) << row.bands.front();
        const auto& reading = std::get<notation::Reading>(decoded);
        EXPECT_EQ(reading.value, row.value) << reading.value.french();
        EXPECT_EQ(reading.toleranceBasisPoints, row.tolerance);
        EXPECT_EQ(reading.tempCoefficient, row.coefficient);
        EXPECT_EQ(reading.bands, static_cast<int>(row.bands.size()));
    }
}

struct ProblemRow {
    std::vector<std::string> bands;
    BandProblem::Kind kind;
    int position;
};

TEST(ColourCode, SaysWhichBandCannotStandWhere) {
    const std::vector<ProblemRow> rows{
        {words({"marron", "noir"}), BandProblem::Kind::TooFewBands, 0},
        {words({}), BandProblem::Kind::TooFewBands, 0},
        {words({"marron", "noir", "noir", "noir", "marron", "noir", "noir"}),
         BandProblem::Kind::TooManyBands, 0},
        {words({"marron", "rose", "rouge"}), BandProblem::Kind::UnknownColour, 2},
        {words({"or", "noir", "rouge", "or"}), BandProblem::Kind::NotADigit, 1},
        {words({"marron", "noir", "argent", "rouge", "or"}), BandProblem::Kind::NotADigit, 3},
        {words({"noir", "marron", "rouge", "or"}), BandProblem::Kind::ZeroFirstDigit, 1},
        {words({"marron", "noir", "rouge", "orange"}), BandProblem::Kind::NotATolerance, 4},
        {words({"marron", "noir", "noir", "rouge", "marron", "blanc"}),
         BandProblem::Kind::NotATempCoefficient, 6},
    };
    for (const ProblemRow& row : rows) {
        const notation::Decoded decoded = notation::decode(row.bands);
        ASSERT_TRUE(std::holds_alternative<BandProblem>(decoded));
        EXPECT_EQ(std::get<BandProblem>(decoded).kind, row.kind);
        EXPECT_EQ(std::get<BandProblem>(decoded).position, row.position);
    }
}

// A palette offers at each place exactly the colours with which the code
// still reads there, every other band valid.
TEST(ColourCode, EachPlaceOffersWhatReadsThere) {
    for (int bands = 3; bands <= 6; ++bands) {
        const std::vector<Colour> valid = std::get<std::vector<Colour>>(
            notation::encode(Value(47, 2), bands, bands == 3 ? 2000 : 100));
        for (int position = 1; position <= bands; ++position) {
            const std::vector<Colour> offered = notation::coloursAt(bands, position);
            for (const Colour colour : notation::AllColours) {
                std::vector<Colour> trial = valid;
                trial[static_cast<std::size_t>(position - 1)] = colour;
                EXPECT_EQ(std::holds_alternative<notation::Reading>(notation::decode(trial)),
                          std::find(offered.begin(), offered.end(), colour) != offered.end())
                    << bands << " bands, band " << position << ", " << notation::nameOf(colour);
            }
        }
    }
}

TEST(ColourCode, EncodingRefusesWhatNoBandsCanSay) {
    using Kind = notation::EncodeProblem::Kind;
    const auto problem = [](const notation::Encoded& encoded) {
        return std::get<notation::EncodeProblem>(encoded).kind;
    };
    EXPECT_EQ(problem(notation::encode(Value(475, 0), 4, 500)), Kind::TooManyDigits);
    EXPECT_EQ(problem(notation::encode(Value(1, -3), 4, 500)), Kind::OutOfRange);
    EXPECT_EQ(problem(notation::encode(Value(1, 12), 4, 500)), Kind::OutOfRange);
    EXPECT_EQ(problem(notation::encode(Value(47, 0), 4, 300)), Kind::NoToleranceColour);
    EXPECT_EQ(problem(notation::encode(Value(47, 0), 3, 500)), Kind::NoToleranceColour);
    EXPECT_EQ(problem(notation::encode(Value(47, 0), 6, 100, 7)), Kind::NoTempCoefficientColour);
    EXPECT_EQ(problem(notation::encode(Value(47, 0), 7, 100)), Kind::BadBandCount);
    EXPECT_EQ(
        notation::joined(std::get<std::vector<Colour>>(notation::encode(Value(47, 2), 4, 500))),
        "JAUNE VIOLET ROUGE OR");
    EXPECT_EQ(notation::joined(std::get<std::vector<Colour>>(notation::encode(Value(1, 0), 5, 25))),
              "MARRON NOIR NOIR ARGENT BLEU");
}

}  // namespace
