// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "cli/run.h"
#include "notation/quantity.h"
#include "notation/reading.h"

namespace {

// Stock files a user may give by mistake or on purpose: a FIFO, a device, a
// folder, a long line, binary, a byte-order mark, a good one.
std::vector<std::string> nastyStocks() {
    const std::string folder = testing::TempDir() + "nasty/";
    std::filesystem::create_directories(folder);
    std::remove((folder + "fifo").c_str());
    mkfifo((folder + "fifo").c_str(), 0600);
    std::ofstream(folder + "long") << std::string(5000, '1');
    std::ofstream(folder + "binary") << std::string("4k7\n\0\x1B[31m\xFF\xFE\n10k\n", 18);
    std::ofstream(folder + "bom") << "\xEF\xBB\xBF"
                                     "4k7\n1k # comment\r\n";
    std::ofstream(folder + "good") << "1k\n2k2\n4,7k\n10k\n";
    std::ofstream(folder + "bill.csv") << "Designator;Comment;Quantity\nR1,R4;4k7;2\nC1;100n;1\n"
                                          "R7;??;1\n";
    return {folder + "fifo", "/dev/zero",        folder,
            folder + "long", folder + "binary",  folder + "bom",
            folder + "good", folder + "missing", folder + "bill.csv"};
}

// Random command lines built from the tool's own words, near misses and
// arbitrary bytes: whatever comes, the tool answers with status 0, 1 or 2,
// says something (or writes the file asked for), and complains on the error
// stream when it gives 2; only a bill of materials' notes come with 0.
TEST(RandomInput, NeverCrashesAndAlwaysAnswers) {
    const std::vector<std::string> stocks = nastyStocks();
    // "--stock -" reads standard input: an empty one here, never the terminal.
    const int nothing = open("/dev/null", O_RDONLY);
    dup2(nothing, STDIN_FILENO);
    close(nothing);
    const std::vector<std::string> commands{"lire",     "trouver",  "verifier",     "vecteurs",
                                            "combiner", "diviseur", "led",          "etiquettes",
                                            "cap",      "inductor", "condensateur", "inductance"};
    const std::string sheet = testing::TempDir() + "nasty/sheet";
    const std::vector<std::string> vocabulary{"lire",
                                              "--tension",
                                              "2A473J",
                                              "473J",
                                              "2A",
                                              "2X",
                                              "107C",
                                              "A475",
                                              ".1K63",
                                              "4n7",
                                              "n47",
                                              "4µ7",
                                              "470µF",
                                              "25V",
                                              "6V3",
                                              "0R25",
                                              "229",
                                              "A5",
                                              "b3",
                                              "KA2",
                                              "47N",
                                              "2N2",
                                              "0,25pF",
                                              "J",
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
                                              "-",
                                              "--smd",
                                              "4k7",
                                              "R47",
                                              "0",
                                              "1e3",
                                              "999G",
                                              "1000G",
                                              "0,0001",
                                              "4,7 kΩ",
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
                                              "±",
                                              "%",
                                              "\xFF\xFE",
                                              "123456789012",
                                              "1234567890123",
                                              "diviseur",
                                              "divider",
                                              "--reference",
                                              "--gain",
                                              "--rapport",
                                              "--total-min",
                                              "--total-max",
                                              "3V3",
                                              "500mV",
                                              "V",
                                              "0V8",
                                              "1,2",
                                              "-h",
                                              "1M",
                                              "led",
                                              "--leds",
                                              "--ajustable",
                                              "--charge",
                                              "--fixe-r1",
                                              "--fixe-r2",
                                              "--courant-broche",
                                              "--courant-broche-max",
                                              "--courant-max",
                                              "--courant-min",
                                              "--tolerance-reference",
                                              "--tolerance-entree",
                                              "--marge",
                                              "--puissance",
                                              "--tension",
                                              "--courant",
                                              "20mA",
                                              "20 mA",
                                              "50µ",
                                              "-50u",
                                              "1/4",
                                              "1/3",
                                              "250mW",
                                              "999A"};
    std::vector<std::string> words = vocabulary;
    words.insert(words.end(), {"etiquettes", "labels",     "--nomenclature", "--format",
                               "svg",        "pdf",        "--sortie",       "--page",
                               "A4",         "Letter",     "--grille",       "3x8",
                               "20x20",      "--taille",   "48x17",          "0x0",
                               "--marges",   "5",          "--planche",      "L7160",
                               "5167",       "--planches", "--pas",          "66,04x38,1",
                               "--origine",  "7,21x15,15", "--debut",        "23",
                               "--decalage", "-0,5x1",     "1.5,-2",         "--bord-imprimante",
                               "--contours", "--essai"});
    words.insert(words.end(), stocks.begin(), stocks.end());
    words.push_back(sheet);
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
                argument = words[pick(words.size())];
            }
        }
        if (!arguments.empty() && pick(3) == 0) {
            arguments.front() = commands[pick(commands.size())];  // a real command, often
        }
        // A sheet goes to the test's own file, never over a stock or into a FIFO.
        for (std::size_t k = 0; k + 1 < arguments.size(); ++k) {
            if (arguments[k] == "--sortie") {
                arguments[k + 1] = sheet;
            }
        }
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::run(arguments, out, err);
        ASSERT_TRUE(status == 0 || status == 1 || status == 2) << status;
        const auto given = [&](std::string_view word) {
            return std::find(arguments.begin(), arguments.end(), word) != arguments.end();
        };
        ASSERT_TRUE(status != 2 || !err.str().empty());
        ASSERT_TRUE(status == 2 || err.str().empty() || given("--nomenclature")) << err.str();
        ASSERT_TRUE(status == 2 || !out.str().empty() || given("--sortie"));
    }
}

// The value, voltage, current, power and number readers alone, on arbitrary short texts.
TEST(RandomInput, TheValueReaderTakesAnyBytes) {
    std::mt19937 random(1208);
    const std::string alphabet = "0123456789,.kKMGRr Ωohms-+eEVvmAWuµn/";
    for (int i = 0; i < 200'000; ++i) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 10)(random), ' ');
        for (char& c : text) {
            c = alphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    alphabet.size() - 1)(random)];
        }
        // Whatever reads is positive and short.
        const auto check = [&](const auto& read) {
            std::visit(
                [&](const auto& got) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(got)>,
                                                  notation::ReadProblem>) {
                        ASSERT_TRUE(got.isPositive()) << text;
                        ASSERT_LE(got.digits(), 12) << text;
                    }
                },
                read);
        };
        check(notation::readValue(text));
        check(notation::readVoltage(text));
        check(notation::readNumber(text));
        check(notation::readCurrent(text));
        check(notation::readPower(text));
    }
}

}  // namespace
