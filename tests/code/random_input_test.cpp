// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "code/value.h"

namespace {

// Random command lines built from the tool's own words, near misses and
// arbitrary bytes: whatever comes, the tool answers with status 0, 1 or 2,
// says something, and complains on the error stream exactly when it gives 2.
TEST(RandomInput, NeverCrashesAndAlwaysAnswers) {
    const std::vector<std::string> vocabulary{"lire",
                                              "read",
                                              "trouver",
                                              "find",
                                              "verifier",
                                              "check",
                                              "vecteurs",
                                              "--help",
                                              "--version",
                                              "--bandes",
                                              "--tolerance",
                                              "--coefficient",
                                              "--mesure",
                                              "--bandes=5",
                                              "noir",
                                              "marron",
                                              "rouge",
                                              "orange",
                                              "jaune",
                                              "vert",
                                              "bleu",
                                              "violet",
                                              "gris",
                                              "blanc",
                                              "or",
                                              "argent",
                                              "OR",
                                              "Argent",
                                              "rose",
                                              "4,7k",
                                              "472",
                                              "4R7",
                                              "0R22",
                                              "01C",
                                              "68x",
                                              "00C",
                                              "97A",
                                              "01G",
                                              "106",
                                              "47R",
                                              "000",
                                              "--cms",
                                              "combiner",
                                              "combine",
                                              "--serie",
                                              "E6",
                                              "e192",
                                              "--parties",
                                              "--nombre",
                                              "--de",
                                              "--a",
                                              "--valeurs",
                                              "4k7,10k,220",
                                              "--stock",
                                              "--smd",
                                              "4k7",
                                              "R47",
                                              "0",
                                              "1e3",
                                              "999G",
                                              "1000G",
                                              "0,0001",
                                              "4,7 k\u03A9",
                                              "5%",
                                              "0,05%",
                                              "3%",
                                              "4",
                                              "5",
                                              "6",
                                              "7",
                                              "100",
                                              "250",
                                              "-1",
                                              ",",
                                              ".",
                                              "k",
                                              "",
                                              " ",
                                              "\u00B1",
                                              "%",
                                              "\xFF\xFE",
                                              "123456789012",
                                              "1234567890123"};
    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    constexpr int Lines = 200'000;
    for (int i = 0; i < Lines; ++i) {
        std::vector<std::string> arguments(pick(8));
        for (std::string& argument : arguments) {
            if (pick(6) == 0) {
                argument.resize(pick(6));
                for (char& c : argument) {
                    c = static_cast<char>(pick(256));
                }
            } else {
                argument = vocabulary[pick(vocabulary.size())];
            }
        }
        if (!arguments.empty() && pick(3) == 0) {
            arguments.front() = vocabulary[pick(4) * 2];  // a real command, often
        }
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::run(arguments, out, err);
        ASSERT_TRUE(status == 0 || status == 1 || status == 2) << status;
        ASSERT_EQ(status == 2, !err.str().empty()) << err.str();
        ASSERT_TRUE(status == 2 || !out.str().empty());
    }
}

// The value reader alone, on arbitrary short texts.
TEST(RandomInput, TheValueReaderTakesAnyBytes) {
    std::mt19937 random(1208);
    const std::string alphabet = "0123456789,.kKMGRr \u03A9ohms-+eE";
    for (int i = 0; i < 200'000; ++i) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 10)(random), ' ');
        for (char& c : text) {
            c = alphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    alphabet.size() - 1)(random)];
        }
        std::string why;
        const std::optional<code::Value> value = code::parseValue(text, &why);
        ASSERT_EQ(value.has_value(), why.empty()) << text;
        if (value) {
            ASSERT_TRUE(value->isPositive()) << text;
            ASSERT_LE(value->digits(), 12) << text;
        }
    }
}

}  // namespace
