// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notation/french.h"
#include "notation/quantity.h"

namespace {

using notation::Value;

struct Spelling {
    const char* text;
    Value value;
};

TEST(ValueText, EveryAcceptedSpelling) {
    const std::vector<Spelling> rows{
        {"4,7k", Value(47, 2)},      {"4.7k", Value(47, 2)},        {"4k7", Value(47, 2)},
        {"4700", Value(47, 2)},      {"4,7 kΩ", Value(47, 2)},      {"4,7 K", Value(47, 2)},
        {"4K7", Value(47, 2)},       {"R47", Value(47, -2)},        {"0,47", Value(47, -2)},
        {"0.47", Value(47, -2)},     {".47", Value(47, -2)},        {"2M2", Value(22, 5)},
        {"100R", Value(1, 2)},       {"4R7", Value(47, -1)},        {"1,5 ohm", Value(15, -1)},
        {"1,5 ohms", Value(15, -1)}, {"22Ω", Value(22, 0)},         {"1G", Value(1, 9)},
        {"  10  ", Value(1, 1)},     {"4700 \u2126", Value(47, 2)}, {"0,001", Value(1, -3)},
        {"999G", Value(999, 9)},     {"4.990k", Value(499, 1)},
    };
    for (const Spelling& row : rows) {
        const notation::Read<Value> read = notation::readValue(row.text);
        ASSERT_TRUE(std::holds_alternative<Value>(read)) << row.text;
        EXPECT_EQ(std::get<Value>(read), row.value) << row.text;
    }
}

TEST(ValueText, RejectsWhatIsNoResistanceAndSaysWhy) {
    using notation::ReadProblem;
    const std::vector<std::pair<const char*, ReadProblem>> rows{
        {"", ReadProblem::NoDigit},
        {"k", ReadProblem::NoDigit},
        {"4x7", ReadProblem::UnexpectedCharacter},
        {"4,7,1", ReadProblem::SeveralSeparators},
        {"4k7k", ReadProblem::UnexpectedCharacter},
        {"4,7k5", ReadProblem::SeveralSeparators},
        {"4.7.", ReadProblem::SeveralSeparators},
        {"0", ReadProblem::Zero},
        {"0k0", ReadProblem::Zero},
        {"1000G", ReadProblem::TooLarge},
        {"0,0001", ReadProblem::TooSmall},
        {"-47", ReadProblem::UnexpectedCharacter},
        {"1234567890123", ReadProblem::TooManyDigits},
        {"4 7", ReadProblem::UnexpectedCharacter},
        {"4,7m", ReadProblem::UnexpectedCharacter},
    };
    for (const auto& [text, problem] : rows) {
        const notation::Read<Value> read = notation::readValue(text);
        ASSERT_TRUE(std::holds_alternative<ReadProblem>(read)) << text;
        EXPECT_EQ(std::get<ReadProblem>(read), problem) << text;
    }
}

TEST(ValueText, FrenchWithTheRightPrefix) {
    const std::vector<std::pair<Value, const char*>> rows{
        {Value(47, 2), "4,7 kΩ"},  {Value(47, 1), "470 Ω"},      {Value(47, -2), "0,47 Ω"},
        {Value(1, 6), "1 MΩ"},     {Value(499, 1), "4,99 kΩ"},   {Value(1, -3), "0,001 Ω"},
        {Value(22, 10), "220 GΩ"}, {Value(1001, 0), "1,001 kΩ"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(value.french(), text);
    }
    EXPECT_EQ(Value(47, -2).plainOhms(), "0.47");
    EXPECT_EQ(Value(47, 2).plainOhms(), "4700");
    EXPECT_EQ(notation::frenchTolerance(500), "±5 %");
    EXPECT_EQ(notation::frenchTolerance(25), "±0,25 %");
    EXPECT_EQ(notation::frenchPercent(-2.0833L), "-2,08 %");
    EXPECT_EQ(notation::frenchPercent(6.25L), "+6,25 %");
}

TEST(ValueArithmetic, ExactOrderAndTolerances) {
    EXPECT_EQ(Value(4700, 0), Value(47, 2));
    EXPECT_LT(Value(469, 1), Value(47, 2));
    EXPECT_GT(Value(1, 0), Value(999, -3));
    EXPECT_LT(Value(1, -3), Value(1, 9));
    EXPECT_EQ(Value(1, 3).scaledByBasisPoints(-500), Value(95, 1));
    EXPECT_EQ(Value(1, 3).scaledByBasisPoints(500), Value(105, 1));
    EXPECT_EQ(Value(22, 1).scaledByBasisPoints(100), Value(2222, -1));
    EXPECT_NEAR(static_cast<double>(notation::percentFrom(Value(1, 3), Value(103, 1))), 3.0, 1e-9);
}

}  // namespace
