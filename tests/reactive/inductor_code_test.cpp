// SPDX-License-Identifier: GPL-3.0-or-later
// Every combination of colours read as an inductor, against a decoding
// written here; every code, and every value written back.
#include "reactive/inductor_code.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

using notation::Colour;

struct Expected {
    double microhenries;
    int tolerance;
};

// The code as a chart at the bench gives it.
std::optional<Expected> decodedHere(const std::vector<Colour>& bands) {
    const auto index = [](Colour c) { return static_cast<int>(c); };
    const auto digit = [&](Colour c) {
        return index(c) <= 9 ? std::optional<int>(index(c)) : std::nullopt;
    };
    const auto multiplier = [&](Colour c) -> std::optional<double> {
        if (c == Colour::Or)
            return 0.1;
        if (c == Colour::Argent)
            return 0.01;
        if (index(c) <= 4)
            return std::pow(10.0, index(c));
        return std::nullopt;
    };
    const auto tolerance = [](Colour c) -> std::optional<int> {
        switch (c) {
            case Colour::Noir:
                return 2000;
            case Colour::Marron:
                return 100;
            case Colour::Rouge:
                return 200;
            case Colour::Orange:
                return 300;
            case Colour::Jaune:
                return 400;
            case Colour::Or:
                return 500;
            case Colour::Argent:
                return 1000;
            default:
                return std::nullopt;
        }
    };
    const std::optional<int> spread = tolerance(bands.back());
    if (!spread) {
        return std::nullopt;
    }
    std::optional<double> value;
    if (bands.size() == 4) {
        if (digit(bands[0]) && *digit(bands[0]) > 0 && digit(bands[1]) && multiplier(bands[2])) {
            value = (*digit(bands[0]) * 10 + *digit(bands[1])) * *multiplier(bands[2]);
        }
    } else if (bands[0] == Colour::Argent) {
        if (bands[1] == Colour::Or && digit(bands[2]) && digit(bands[3])) {
            value = *digit(bands[2]) / 10.0 + *digit(bands[3]) / 100.0;
        } else if (bands[1] != Colour::Or && bands[2] == Colour::Or && digit(bands[1]) &&
                   digit(bands[3])) {
            value = *digit(bands[1]) + *digit(bands[3]) / 10.0;
        } else if (digit(bands[1]) && *digit(bands[1]) > 0 && digit(bands[2]) &&
                   multiplier(bands[3])) {
            value = (*digit(bands[1]) * 10 + *digit(bands[2])) * *multiplier(bands[3]);
        }
    }
    if (!value || *value <= 0) {
        return std::nullopt;
    }
    return Expected{*value, *spread};
}

void expectReadAsHere(const std::vector<Colour>& bands) {
    const reactive::InductorDecoded decoded = reactive::decodeInductorBands(bands);
    const std::optional<Expected> expected = decodedHere(bands);
    const auto* reading = std::get_if<reactive::InductorReading>(&decoded);
    ASSERT_EQ(reading != nullptr, expected.has_value()) << notation::joined(bands);
    if (reading == nullptr) {
        return;
    }
    const double microhenries = static_cast<double>(reading->value.microhenries().amount());
    EXPECT_NEAR(microhenries, expected->microhenries, expected->microhenries * 1e-12)
        << notation::joined(bands);
    EXPECT_EQ(reading->toleranceBasisPoints, expected->tolerance);
    // Written back in either code, the bands read as the same value.
    for (const auto& written :
         {reactive::inductorBandsOf(reading->value, reading->toleranceBasisPoints),
          reactive::militaryBandsOf(reading->value, reading->toleranceBasisPoints)}) {
        if (written) {
            const auto again = reactive::decodeInductorBands(*written);
            EXPECT_EQ(std::get<reactive::InductorReading>(again).value, reading->value)
                << notation::joined(bands) << " -> " << notation::joined(*written);
        }
    }
}

TEST(InductorColourCode, EveryCombinationOfFourAndFiveBandsReadsAsTheChartSays) {
    std::vector<Colour> bands(4);
    for (const Colour a : notation::AllColours) {
        for (const Colour b : notation::AllColours) {
            for (const Colour c : notation::AllColours) {
                for (const Colour d : notation::AllColours) {
                    expectReadAsHere({a, b, c, d});
                    expectReadAsHere({Colour::Argent, a, b, c, d});
                }
            }
        }
    }
    // Only a wide silver band starts the military code.
    EXPECT_TRUE(std::holds_alternative<reactive::InductorBandProblem>(
        reactive::decodeInductorBands(std::vector<Colour>{Colour::Or, Colour::Jaune, Colour::Or,
                                                          Colour::Violet, Colour::Argent})));
    EXPECT_TRUE(std::holds_alternative<reactive::InductorBandProblem>(reactive::decodeInductorBands(
        std::vector<Colour>{Colour::Jaune, Colour::Violet, Colour::Or})));
}

TEST(InductorCodes, EveryCodeReadsAndEveryValueWritesBack) {
    for (int n = 10; n <= 999; ++n) {
        const std::string code = (n < 100 ? "0" : "") + std::to_string(n);
        const int last = code[2] - '0';
        const auto read = reactive::readInductorCode(code);
        ASSERT_EQ(read.has_value(), last <= 7) << code;
        if (!read) {
            continue;
        }
        const double expected = std::stod(code.substr(0, 2)) * std::pow(10.0, last);
        EXPECT_NEAR(static_cast<double>(read->microhenries().amount()), expected, expected * 1e-12);
        for (const std::string& written : reactive::inductorCodesOf(*read)) {
            EXPECT_EQ(reactive::readInductorCode(written), *read) << code << " " << written;
        }
    }
    const std::vector<std::pair<std::string, reactive::Inductance>> rows{
        {"101", {1, -4}},  {"4R7", {47, -7}},  {"R47", {47, -8}},  {"1R0", {1, -6}},
        {"47N", {47, -9}}, {"2N2", {22, -10}}, {"N47", {47, -11}}, {"100", {1, -5}}};
    for (const auto& [code, value] : rows) {
        EXPECT_EQ(reactive::readInductorCode(code), value) << code;
        const std::vector<std::string> written = reactive::inductorCodesOf(value);
        EXPECT_NE(std::find(written.begin(), written.end(), code == "N47" ? "0N47" : code),
                  written.end())
            << code;
    }
    for (const std::string bad : {"", "4R7N", "1001", "R", "N", "109", "4X7"}) {
        EXPECT_FALSE(reactive::readInductorCode(bad)) << bad;
    }
}

}  // namespace
