// SPDX-License-Identifier: GPL-3.0-or-later
#include "code/value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using code::Value;

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
        const std::optional<Value> parsed = code::parseValue(row.text);
        ASSERT_TRUE(parsed.has_value()) << row.text;
        EXPECT_EQ(*parsed, row.value) << row.text;
    }
}

TEST(ValueText, RejectsWhatIsNoResistanceAndSaysWhy) {
    const std::vector<std::pair<const char*, const char*>> rows{
        {"", "aucun chiffre"},
        {"k", "aucun chiffre"},
        {"4x7", "un caractère inattendu"},
        {"4,7,1", "plus d'un séparateur décimal"},
        {"4k7k", "un caractère inattendu"},
        {"4,7k5", "plus d'un séparateur décimal"},
        {"4.7.", "plus d'un séparateur décimal"},
        {"0", "une valeur nulle"},
        {"0k0", "une valeur nulle"},
        {"1000G", "plus de 999 GΩ"},
        {"0,0001", "moins de 0,001 Ω"},
        {"-47", "un caractère inattendu"},
        {"1234567890123", "plus de 12 chiffres significatifs"},
        {"4 7", "un caractère inattendu"},
        {"4,7m", "un caractère inattendu"},
    };
    for (const auto& [text, reason] : rows) {
        std::string why;
        EXPECT_FALSE(code::parseValue(text, &why).has_value()) << text;
        EXPECT_EQ(why, reason) << text;
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
    EXPECT_EQ(code::frenchTolerance(500), "±5 %");
    EXPECT_EQ(code::frenchTolerance(25), "±0,25 %");
    EXPECT_EQ(code::frenchPercent(-2.0833L), "-2,08 %");
    EXPECT_EQ(code::frenchPercent(6.25L), "+6,25 %");
}

TEST(ValueArithmetic, ExactOrderAndTolerances) {
    EXPECT_EQ(Value(4700, 0), Value(47, 2));
    EXPECT_LT(Value(469, 1), Value(47, 2));
    EXPECT_GT(Value(1, 0), Value(999, -3));
    EXPECT_LT(Value(1, -3), Value(1, 9));
    EXPECT_EQ(Value(1, 3).scaledByBasisPoints(-500), Value(95, 1));
    EXPECT_EQ(Value(1, 3).scaledByBasisPoints(500), Value(105, 1));
    EXPECT_EQ(Value(22, 1).scaledByBasisPoints(100), Value(2222, -1));
    EXPECT_NEAR(static_cast<double>(code::percentFrom(Value(1, 3), Value(103, 1))), 3.0, 1e-9);
}

}  // namespace
