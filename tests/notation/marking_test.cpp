// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/marking.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <variant>

#include "notation/series.h"
#include "source_paths.h"

namespace {

using notation::Marking;
using notation::MarkingSystem;
using notation::Value;

std::vector<Marking> meanings(std::string_view text) {
    const notation::MarkingRead read = notation::readMarking(text);
    const auto* found = std::get_if<std::vector<Marking>>(&read);
    return found != nullptr ? *found : std::vector<Marking>{};
}

struct Row {
    const char* marking;
    MarkingSystem system;
    const char* ohms;  // plain decimal ohms
};

TEST(Markings, EveryShapeAtTheEndsOfItsRange) {
    const std::vector<Row> rows{
        {"100", MarkingSystem::ThreeDigits, "10"},
        {"472", MarkingSystem::ThreeDigits, "4700"},
        {"999", MarkingSystem::ThreeDigits, "99000000000"},
        {"000", MarkingSystem::ThreeDigits, "0"},
        {"0", MarkingSystem::ThreeDigits, "0"},
        {"1000", MarkingSystem::FourDigits, "100"},
        {"4701", MarkingSystem::FourDigits, "4700"},
        {"9999", MarkingSystem::FourDigits, "999000000000"},
        {"R47", MarkingSystem::ThreeDigits, "0.47"},
        {"4R7", MarkingSystem::ThreeDigits, "4.7"},
        {"47R", MarkingSystem::ThreeDigits, "47"},
        {"r01", MarkingSystem::ThreeDigits, "0.01"},
        {"R047", MarkingSystem::FourDigits, "0.047"},
        {"0R22", MarkingSystem::FourDigits, "0.22"},
        {"4R70", MarkingSystem::FourDigits, "4.7"},
        {"10R0", MarkingSystem::FourDigits, "10"},
        {"470R", MarkingSystem::FourDigits, "470"},
        {"01C", MarkingSystem::Eia96, "10000"},
        {"68x", MarkingSystem::Eia96, "49.9"},
        {"96F", MarkingSystem::Eia96, "97600000"},
    };
    for (const Row& row : rows) {
        const std::vector<Marking> read = meanings(row.marking);
        ASSERT_FALSE(read.empty()) << row.marking;
        EXPECT_EQ(read.front().system, row.system) << row.marking;
        EXPECT_EQ(read.front().value.plainOhms(), row.ohms) << row.marking;
    }
    // Two digits and R: R notation first, the EIA-96 letter R as the other reading.
    ASSERT_EQ(meanings("47R").size(), 2U);
    EXPECT_EQ(meanings("47R")[1].value.plainOhms(), "3.01");
}

TEST(Markings, EveryEia96IndexAndLetterReadsAndWritesBack) {
    const std::array<std::pair<char, int>, 12> letters{{{'Z', -3},
                                                        {'Y', -2},
                                                        {'R', -2},
                                                        {'X', -1},
                                                        {'S', -1},
                                                        {'A', 0},
                                                        {'B', 1},
                                                        {'H', 1},
                                                        {'C', 2},
                                                        {'D', 3},
                                                        {'E', 4},
                                                        {'F', 5}}};
    const std::span<const int> e96 = notation::seriesNamed("E96")->values;
    for (int index = 1; index <= 96; ++index) {
        for (const auto& [letter, power] : letters) {
            std::array<char, 4> text{};
            std::snprintf(text.data(), text.size(), "%02d%c", index, letter);
            const Value expected(e96[static_cast<std::size_t>(index - 1)], power);
            const std::vector<Marking> read = meanings(text.data());
            ASSERT_FALSE(read.empty()) << text.data();
            EXPECT_EQ(read.back().system, MarkingSystem::Eia96) << text.data();
            EXPECT_EQ(read.back().value, expected) << text.data();
            // Written back with the usual letter of that power.
            const std::vector<Marking> written = notation::markingsOf(expected);
            ASSERT_FALSE(written.empty()) << text.data();
            EXPECT_EQ(written.back().system, MarkingSystem::Eia96) << text.data();
            EXPECT_EQ(meanings(written.back().text).back().value, expected) << text.data();
        }
    }
}

TEST(Markings, TurnedRoundByHalfATurn) {
    const std::vector<std::pair<const char*, std::optional<std::string>>> rows{
        {"106", "901"},        {"1000", "0001"},      {"689", "689"},        {"101", "101"},
        {"472", std::nullopt}, {"4R7", std::nullopt}, {"01C", std::nullopt},
    };
    for (const auto& [marking, turned] : rows) {
        EXPECT_EQ(notation::turnedRound(marking), turned) << marking;
    }
}

TEST(Markings, WhatNoSystemCanWrite) {
    EXPECT_TRUE(notation::markingsOf(Value(4567, 0)).empty());  // four significant digits
    EXPECT_TRUE(notation::markingsOf(Value(1, 12)).empty());    // beyond every power of ten
    EXPECT_TRUE(notation::markingsOf(Value(47, -4)).empty());   // 0,0047 Ω needs five characters
}

// The published vectors are what the tool prints, and every row reads back
// as its value in its system.
TEST(Markings, TheCommittedVectorsReadBack) {
    std::ifstream file(MarkingVectorsFile);
    ASSERT_TRUE(file.good()) << MarkingVectorsFile;
    const std::string committed((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
    EXPECT_EQ(notation::markingVectorsCsv(), committed)
        << "regenerate with: resistances-code vecteurs --cms > docs/marquages.csv";
    std::istringstream lines(committed);
    std::string line;
    std::getline(lines, line);
    int rows = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string series, ohms, system, marking;
        std::getline(fields, series, ',');
        std::getline(fields, ohms, ',');
        std::getline(fields, system, ',');
        std::getline(fields, marking);
        const std::vector<Marking> read = meanings(marking);
        ASSERT_FALSE(read.empty()) << line;
        EXPECT_EQ(read.front().value.plainOhms(), ohms) << line;
        EXPECT_EQ(notation::frenchName(read.front().system), system) << line;
        ++rows;
    }
    EXPECT_GT(rows, 5000);
}

}  // namespace
