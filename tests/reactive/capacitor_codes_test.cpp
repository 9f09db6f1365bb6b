// SPDX-License-Identifier: GPL-3.0-or-later
// Every capacitor code read against a decoding written here, and written
// back; the voltage and tolerance tables against the values they stand for.
#include "reactive/capacitor_codes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "notation/series.h"
#include "reactive/capacitor_marking.h"

namespace {

using reactive::Capacitance;

// The code's picofarads as a person works them out: the figures, then as
// many zeros as the last digit says, or a tenth or a hundredth for 9 and 8.
double picofaradsOf(const std::string& code) {
    if (code.find('R') != std::string::npos) {
        std::string decimal = code;
        decimal[code.find('R')] = '.';
        return std::stod("0" + decimal);
    }
    const int last = code[2] - '0';
    const double figures = std::stod(code.substr(0, 2));
    return figures * (last == 9 ? 0.1 : last == 8 ? 0.01 : std::pow(10.0, last));
}

TEST(CapacitorCodes, EveryThreeDigitCodeAndItsRFormsReadAndWriteBack) {
    std::vector<std::string> codes;
    for (int n = 10; n <= 999; ++n) {
        std::string digits = std::to_string(n);
        codes.push_back(std::string(3 - digits.size(), '0') + digits);
    }
    for (int n = 1; n <= 999; ++n) {
        const std::string digits = std::to_string(n);
        for (std::size_t r = 0; r <= digits.size(); ++r) {
            codes.push_back(digits.substr(0, r) + "R" + digits.substr(r));
        }
    }
    for (const std::string& code : codes) {
        const auto units = reactive::readThreeDigitCode(code, true);
        if (code.size() == 3 && code.substr(0, 2) == "00") {
            EXPECT_FALSE(units) << code;
            continue;
        }
        ASSERT_TRUE(units) << code;
        EXPECT_NEAR(static_cast<double>(units->amount()), picofaradsOf(code),
                    1e-9 * picofaradsOf(code))
            << code;
        // Written back, whichever form it takes, it reads as the same value.
        const auto written = reactive::threeDigitCodeOf(*units, true);
        const auto withR = reactive::rCodeOf(*units);
        // Three whole figures ("101R") need the value written out.
        EXPECT_TRUE(written || withR || (units->digits() == 3 && units->exponent() >= 0)) << code;
        for (const auto& form : {written, withR}) {
            if (form) {
                EXPECT_EQ(reactive::readThreeDigitCode(*form, true), *units)
                    << code << " " << *form;
            }
        }
    }
    for (const std::string bad : {"", "1", "1045", "RR1", "R", "1R2R", "12345R", "4X7", "000"}) {
        EXPECT_FALSE(reactive::readThreeDigitCode(bad, true)) << bad;
    }
    EXPECT_FALSE(reactive::readThreeDigitCode("479", false));  // no tenths on inductors
    // 8 and 9 are tenths and hundredths: 1 mF and up have no code.
    for (const int power : {9, 10, 11}) {
        EXPECT_FALSE(reactive::threeDigitCodeOf(notation::Decimal(1, power), true)) << power;
    }
}

// The markings other tools get wrong, and those of the issue's examples.
TEST(CapacitorMarkings, ReadWholeInTheOrderPeoplePrintThem) {
    struct Row {
        std::string marking;
        Capacitance value;
        std::string tolerance;  // empty: none
        double volts;           // 0: none
    };
    const std::vector<Row> rows{
        {"0R25", {25, -14}, "", 0},
        {"1R2", {12, -13}, "", 0},
        {"104", {1, -7}, "", 0},
        {"229", {22, -13}, "", 0},
        {"2A473J", {47, -9}, "±5 %", 100},
        {"473J 2A", {47, -9}, "±5 %", 100},
        {"473J2A", {47, -9}, "±5 %", 100},
        {"2J 104 K", {1, -7}, "±10 %", 630},
        {"107C", {1, -4}, "", 16},
        {"A475", {47, -7}, "", 10},
        {".1K63", {1, -7}, "±10 %", 63},
        {"4n7", {47, -10}, "", 0},
        {"n47", {47, -11}, "", 0},
        {"4µ7", {47, -7}, "", 0},
        {"0,1µ", {1, -7}, "", 0},
        {"470µF 25V", {47, -5}, "", 25},
        {"4.7uF/25V", {47, -7}, "", 25},
        {"2R2C", {22, -13}, "±0,25 pF", 0},
        {"105Z", {1, -6}, "+80 % / -20 %", 0},
        {"10µ 6V3 ±20 %", {1, -5}, "±20 %", 6.3},
    };
    for (const Row& row : rows) {
        const reactive::CapacitorRead read = reactive::readCapacitorMarking(row.marking, false);
        const auto* readings = std::get_if<std::vector<reactive::CapacitorReading>>(&read);
        ASSERT_NE(readings, nullptr) << row.marking;
        const reactive::CapacitorReading& first = readings->front();
        EXPECT_EQ(first.value, row.value) << row.marking;
        EXPECT_EQ(first.tolerance ? reactive::frenchTolerance(*first.tolerance) : "", row.tolerance)
            << row.marking;
        EXPECT_DOUBLE_EQ(first.voltage ? first.voltage->volts.volts() : 0, row.volts)
            << row.marking;
    }
    // A code that is also a plain value, and a letter that is a tolerance
    // or a tantalum's voltage, read both ways.
    for (const std::string both : {"100", "470", "105J", "107C"}) {
        const auto read = reactive::readCapacitorMarking(both, false);
        EXPECT_EQ(std::get<std::vector<reactive::CapacitorReading>>(read).size(), 2U) << both;
    }
    using Kind = reactive::CapacitorProblem::Kind;
    const std::vector<std::pair<std::string, Kind>> refused{{"", Kind::Empty},
                                                            {"  ", Kind::Empty},
                                                            {"J", Kind::NoValue},
                                                            {"1045", Kind::TooManyDigits},
                                                            {"104X", Kind::UnknownLetter},
                                                            {"5A104", Kind::UnknownVoltage},
                                                            {"2X", Kind::UnknownVoltage},
                                                            {"104 2X", Kind::UnknownVoltage},
                                                            {"zz", Kind::Unreadable},
                                                            {"104 223", Kind::SeveralValues},
                                                            {"2A104 25V", Kind::SeveralVoltages},
                                                            {"104J K", Kind::SeveralTolerances}};
    for (const auto& [marking, kind] : refused) {
        const auto read = reactive::readCapacitorMarking(marking, false);
        const auto* problem = std::get_if<reactive::CapacitorProblem>(&read);
        ASSERT_NE(problem, nullptr) << marking;
        EXPECT_EQ(problem->kind, kind) << marking;
    }
}

TEST(CapacitorCodes, VoltageCodesStandForTheirVoltagesAndNoOthersExist) {
    const std::vector<std::pair<std::string, double>> printed{
        {"0G", 4},   {"0L", 5.5}, {"0J", 6.3}, {"1A", 10},   {"1C", 16},  {"1E", 25},  {"1V", 35},
        {"1H", 50},  {"1J", 63},  {"1K", 80},  {"2A", 100},  {"2Q", 110}, {"2B", 125}, {"2C", 160},
        {"2Z", 180}, {"2D", 200}, {"2P", 220}, {"2E", 250},  {"2F", 315}, {"2V", 350}, {"2G", 400},
        {"2W", 450}, {"2H", 500}, {"2J", 630}, {"3A", 1000}, {"2T", 150}};
    for (const auto& [code, volts] : printed) {
        const auto voltage = reactive::readVoltageCode(code);
        ASSERT_TRUE(voltage) << code;
        EXPECT_DOUBLE_EQ(voltage->volts(), volts) << code;
    }
    // The digit is the power of ten of the letter's figures, whatever the digit.
    for (const std::string& code : reactive::voltageCodes()) {
        const auto voltage = reactive::readVoltageCode(code);
        ASSERT_TRUE(voltage) << code;
        const auto atZero = reactive::readVoltageCode(std::string("0") + code[1]);
        EXPECT_DOUBLE_EQ(voltage->volts(), atZero->volts() * std::pow(10, code[0] - '0')) << code;
        EXPECT_EQ(reactive::voltageCodeOf(*voltage), code);
    }
    for (const std::string bad : {"4A", "2I", "2O", "2R", "2X", "A2", "2a", "", "2AA"}) {
        EXPECT_FALSE(reactive::readVoltageCode(bad)) << bad;
    }
    const std::vector<std::pair<char, double>> tantalum{{'e', 2.5}, {'G', 4},  {'J', 6.3},
                                                        {'A', 10},  {'C', 16}, {'D', 20},
                                                        {'E', 25},  {'V', 35}, {'T', 50}};
    for (const auto& [letter, volts] : tantalum) {
        EXPECT_DOUBLE_EQ(reactive::readTantalumLetter(letter)->volts(), volts) << letter;
        EXPECT_EQ(reactive::tantalumLetterOf(*reactive::readTantalumLetter(letter)), letter);
    }
}

TEST(CapacitorCodes, EveryToleranceLetterMeansItsTolerance) {
    const Capacitance small(47, -13);  // 4,7 pF: B to G in picofarads
    const Capacitance large(1, -7);
    const std::vector<std::tuple<char, std::string, std::string>> letters{
        {'B', "±0,1 pF", "±0,1 %"},
        {'C', "±0,25 pF", "±0,25 %"},
        {'D', "±0,5 pF", "±0,5 %"},
        {'F', "±1 pF", "±1 %"},
        {'G', "±2 pF", "±2 %"},
        {'J', "±5 %", "±5 %"},
        {'K', "±10 %", "±10 %"},
        {'M', "±20 %", "±20 %"},
        {'N', "±30 %", "±30 %"},
        {'Q', "+30 % / -10 %", "+30 % / -10 %"},
        {'S', "+50 % / -20 %", "+50 % / -20 %"},
        {'T', "+50 % / -10 %", "+50 % / -10 %"},
        {'W', "±0,05 %", "±0,05 %"},
        {'Z', "+80 % / -20 %", "+80 % / -20 %"}};
    for (const auto& [letter, atSmall, atLarge] : letters) {
        EXPECT_EQ(reactive::frenchTolerance(*reactive::toleranceLetter(letter, small)), atSmall);
        EXPECT_EQ(reactive::frenchTolerance(*reactive::toleranceLetter(letter, large)), atLarge);
    }
    for (const char none : {'A', 'E', 'H', 'L', 'P', 'R', 'X', 'j', '1'}) {
        EXPECT_FALSE(reactive::toleranceLetter(none, large)) << none;
    }
    EXPECT_EQ(reactive::letterOfTolerance(500, large), 'J');
    EXPECT_EQ(reactive::letterOfAbsoluteTolerance(250, small), 'C');
    EXPECT_FALSE(reactive::letterOfAbsoluteTolerance(250, large));
}

// The capitals but I and O stand for E24 in order; the small letters for the
// halves and tenths between.
TEST(CapacitorCodes, EveryEia198CodeReadsAsItsLetterAndPower) {
    std::vector<std::pair<char, int>> letters;
    const notation::Series& e24 = *notation::seriesNamed("E24");
    std::size_t next = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter != 'I' && letter != 'O') {
            letters.emplace_back(letter, e24.values[next++]);
        }
    }
    for (const auto& [letter, figures] : std::vector<std::pair<char, int>>{{'a', 25},
                                                                           {'b', 35},
                                                                           {'d', 40},
                                                                           {'e', 45},
                                                                           {'f', 50},
                                                                           {'m', 60},
                                                                           {'n', 70},
                                                                           {'t', 80},
                                                                           {'y', 90}}) {
        letters.emplace_back(letter, figures);
    }
    for (const auto& [letter, figures] : letters) {
        for (int digit = 0; digit <= 9; ++digit) {
            const std::string code{letter, static_cast<char>('0' + digit)};
            const auto read = reactive::readEia198(code);
            ASSERT_TRUE(read) << code;
            const double picofarads = figures / 10.0 * std::pow(10.0, digit == 9 ? -1 : digit);
            EXPECT_NEAR(static_cast<double>(read->value.picofarads().amount()), picofarads,
                        picofarads * 1e-12)
                << code;
            EXPECT_EQ(reactive::eia198CodeOf(read->value), code);
            EXPECT_EQ(reactive::readEia198("K" + code)->maker, 'K');
        }
    }
    EXPECT_EQ(reactive::readEia198("b3")->otherTable, Capacitance(3, -9));
    EXPECT_EQ(reactive::readEia198("g2")->value, Capacitance(9, -10));
    for (const std::string bad : {"I3", "O3", "c", "A", "AA", "1A", "h3", ""}) {
        EXPECT_FALSE(reactive::readEia198(bad)) << bad;
    }
}

}  // namespace
