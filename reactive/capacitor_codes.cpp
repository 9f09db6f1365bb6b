// SPDX-License-Identifier: GPL-3.0-or-later
#include "reactive/capacitor_codes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

#include "notation/french.h"

namespace reactive {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A letter and the voltage it stands for, significand × 10^exponent volts.
struct VoltageLetter {
    char letter;
    std::int64_t significand;
    int exponent;
};

// "A, Q, B": the letters of a table, in its order, for messages.
template <typename Row, std::size_t Count>
std::string lettersOf(const std::array<Row, Count>& rows) {
    std::string letters;
    for (const Row& row : rows) {
        letters += (letters.empty() ? "" : ", ") + std::string(1, row.letter);
    }
    return letters;
}

// A value as two figures, 10 to 99, and a power of ten; nothing where it
// has more than two.
struct TwoFigures {
    int figures;
    int power;
};
std::optional<TwoFigures> twoFiguresOf(const notation::Decimal& value) {
    if (!value.isPositive() || value.digits() > 2) {
        return std::nullopt;
    }
    if (value.digits() == 1) {
        return TwoFigures{static_cast<int>(value.significand()) * 10, value.exponent() - 1};
    }
    return TwoFigures{static_cast<int>(value.significand()), value.exponent()};
}

}  // namespace

std::optional<notation::Decimal> readThreeDigitCode(std::string_view code, bool tenthsDigits) {
    if (code.size() == 3 && std::all_of(code.begin(), code.end(), isDigit)) {
        const int figures = (code[0] - '0') * 10 + (code[1] - '0');
        int power = code[2] - '0';
        if (power >= 8) {
            if (!tenthsDigits) {
                return std::nullopt;
            }
            power -= 10;  // 8 is ×0,01 and 9 ×0,1
        }
        if (figures == 0) {
            return std::nullopt;
        }
        return notation::Decimal(figures, power);
    }
    // "1R5", "R47", "0R25": R stands for the comma among at most three figures.
    const auto r =
        std::count_if(code.begin(), code.end(), [](char c) { return c == 'R' || c == 'r'; });
    const auto figures = std::count_if(code.begin(), code.end(), isDigit);
    if (r != 1 || figures < 1 || figures > 3 ||
        static_cast<std::size_t>(r + figures) != code.size()) {
        return std::nullopt;
    }
    std::int64_t significand = 0;
    int exponent = 0;
    bool afterR = false;
    for (const char c : code) {
        if (isDigit(c)) {
            significand = significand * 10 + (c - '0');
            exponent -= afterR ? 1 : 0;
        } else {
            afterR = true;
        }
    }
    if (significand == 0) {
        return std::nullopt;
    }
    return notation::Decimal(significand, exponent);
}

std::optional<std::string> threeDigitCodeOf(const notation::Decimal& units, bool tenthsDigits) {
    const std::optional<TwoFigures> two = twoFiguresOf(units);
    if (!two) {
        return std::nullopt;
    }
    // 8 and 9 stand for ×0,01 and ×0,1, so no power above 7 has a digit.
    int digit = two->power;
    if (digit < 0 && tenthsDigits && digit >= -2) {
        digit += 10;
    } else if (digit < 0 || digit > 7) {
        return std::nullopt;
    }
    return std::to_string(two->figures) + static_cast<char>('0' + digit);
}

std::optional<std::string> rCodeOf(const notation::Decimal& units) {
    // Only a value with a fraction needs the R: whole ones take the code.
    if (!units.isPositive() || units.exponent() >= 0) {
        return std::nullopt;
    }
    std::string digits = units.french();  // "2,2", "0,25", "12,5"
    const std::size_t comma = digits.find(',');
    digits[comma] = 'R';
    if (digits.size() > 4 && digits.starts_with("0R")) {
        digits.erase(0, 1);  // "R101": three figures below one
    }
    if (digits.size() > 4 || comma > 2) {
        return std::nullopt;
    }
    return digits;
}

namespace {

struct ToleranceRow {
    char letter;
    int minus;
    int plus;
    int femtofarads;  // the letter's meaning at 10 pF or less; 0 where it has none
};
constexpr std::array<ToleranceRow, 14> ToleranceRows{{
    {'B', 10, 10, 100},
    {'C', 25, 25, 250},
    {'D', 50, 50, 500},
    {'F', 100, 100, 1000},
    {'G', 200, 200, 2000},
    {'J', 500, 500, 0},
    {'K', 1000, 1000, 0},
    {'M', 2000, 2000, 0},
    {'N', 3000, 3000, 0},
    {'Q', 1000, 3000, 0},
    {'S', 2000, 5000, 0},
    {'T', 1000, 5000, 0},
    {'W', 5, 5, 0},
    {'Z', 2000, 8000, 0},
}};

bool atMostTenPicofarads(const Capacitance& value) {
    return value <= notation::Decimal(10, -12);
}

}  // namespace

std::optional<ToleranceLetter> toleranceLetter(char letter, const Capacitance& value) {
    const auto* row = std::find_if(ToleranceRows.begin(), ToleranceRows.end(),
                                   [&](const ToleranceRow& r) { return r.letter == letter; });
    if (row == ToleranceRows.end()) {
        return std::nullopt;
    }
    if (row->femtofarads > 0 && atMostTenPicofarads(value)) {
        return ToleranceLetter{letter, 0, 0, row->femtofarads};
    }
    return ToleranceLetter{letter, row->minus, row->plus, 0};
}

std::optional<char> letterOfTolerance(int basisPoints, const Capacitance& value) {
    for (const ToleranceRow& row : ToleranceRows) {
        const bool absolute = row.femtofarads > 0 && atMostTenPicofarads(value);
        if (!absolute && row.minus == basisPoints && row.plus == basisPoints) {
            return row.letter;
        }
    }
    return std::nullopt;
}

std::optional<char> letterOfAbsoluteTolerance(int femtofarads, const Capacitance& value) {
    if (!atMostTenPicofarads(value)) {
        return std::nullopt;
    }
    for (const ToleranceRow& row : ToleranceRows) {
        if (row.femtofarads == femtofarads) {
            return row.letter;
        }
    }
    return std::nullopt;
}

std::string frenchTolerance(const ToleranceLetter& tolerance) {
    if (tolerance.absoluteFemtofarads > 0) {
        return "±" + notation::Decimal(tolerance.absoluteFemtofarads, -3).french() + " pF";
    }
    if (tolerance.minusBasisPoints == tolerance.plusBasisPoints) {
        return notation::frenchTolerance(tolerance.plusBasisPoints);
    }
    return "+" + notation::Decimal(tolerance.plusBasisPoints, -2).french() + " % / -" +
           notation::Decimal(tolerance.minusBasisPoints, -2).french() + " %";
}

std::string toleranceLetters() {
    return lettersOf(ToleranceRows);
}

namespace {

// The code's letters, at the digit 0: the figures of its voltage.
constexpr std::array<VoltageLetter, 17> VoltageLetters{{
    {'A', 1, 0},
    {'Q', 11, -1},
    {'B', 125, -2},
    {'T', 15, -1},
    {'C', 16, -1},
    {'Z', 18, -1},
    {'D', 2, 0},
    {'P', 22, -1},
    {'E', 25, -1},
    {'F', 315, -2},
    {'V', 35, -1},
    {'G', 4, 0},
    {'W', 45, -1},
    {'H', 5, 0},
    {'L', 55, -1},
    {'J', 63, -1},
    {'K', 8, 0},
}};
constexpr int HighestVoltageDigit = 3;

}  // namespace

std::optional<notation::Voltage> readVoltageCode(std::string_view code) {
    if (code.size() != 2 || code[0] < '0' || code[0] > '0' + HighestVoltageDigit) {
        return std::nullopt;
    }
    const auto* row = std::find_if(VoltageLetters.begin(), VoltageLetters.end(),
                                   [&](const VoltageLetter& v) { return v.letter == code[1]; });
    if (row == VoltageLetters.end()) {
        return std::nullopt;
    }
    return notation::Voltage(row->significand, row->exponent + (code[0] - '0'));
}

std::optional<std::string> voltageCodeOf(const notation::Voltage& voltage) {
    for (int digit = 0; digit <= HighestVoltageDigit; ++digit) {
        for (const VoltageLetter& row : VoltageLetters) {
            if (notation::Decimal(row.significand, row.exponent + digit) == voltage) {
                return std::string{static_cast<char>('0' + digit), row.letter};
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> voltageCodes() {
    std::vector<std::pair<notation::Voltage, std::string>> codes;
    for (int digit = 0; digit <= HighestVoltageDigit; ++digit) {
        for (const VoltageLetter& row : VoltageLetters) {
            codes.emplace_back(notation::Voltage(row.significand, row.exponent + digit),
                               std::string{static_cast<char>('0' + digit), row.letter});
        }
    }
    std::sort(codes.begin(), codes.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> texts;
    texts.reserve(codes.size());
    for (auto& [voltage, code] : codes) {
        texts.push_back(std::move(code));
    }
    return texts;
}

std::string voltageLetters() {
    return lettersOf(VoltageLetters);
}

namespace {

// T and H both mark 50 V, after the maker; T is written.
constexpr std::array<VoltageLetter, 10> TantalumLetters{{
    {'e', 25, -1},
    {'G', 4, 0},
    {'J', 63, -1},
    {'A', 1, 1},
    {'C', 16, 0},
    {'D', 2, 1},
    {'E', 25, 0},
    {'V', 35, 0},
    {'T', 5, 1},
    {'H', 5, 1},
}};

}  // namespace

std::optional<notation::Voltage> readTantalumLetter(char letter) {
    for (const VoltageLetter& row : TantalumLetters) {
        if (row.letter == letter) {
            return notation::Voltage(row.significand, row.exponent);
        }
    }
    return std::nullopt;
}

std::string tantalumLetters() {
    return lettersOf(TantalumLetters);
}

std::optional<char> tantalumLetterOf(const notation::Voltage& voltage) {
    for (const VoltageLetter& row : TantalumLetters) {
        if (notation::Decimal(row.significand, row.exponent) == voltage) {
            return row.letter;
        }
    }
    return std::nullopt;
}

namespace {

// The figures of each EIA-198 letter, ×10: the table most makers print.
struct Eia198Letter {
    char letter;
    int figures;
};
constexpr std::array<Eia198Letter, 33> Eia198Letters{{
    {'A', 10}, {'B', 11}, {'C', 12}, {'D', 13}, {'E', 15}, {'F', 16}, {'G', 18},
    {'H', 20}, {'J', 22}, {'K', 24}, {'L', 27}, {'M', 30}, {'N', 33}, {'P', 36},
    {'Q', 39}, {'R', 43}, {'S', 47}, {'T', 51}, {'U', 56}, {'V', 62}, {'W', 68},
    {'X', 75}, {'Y', 82}, {'Z', 91}, {'a', 25}, {'b', 35}, {'d', 40}, {'e', 45},
    {'f', 50}, {'m', 60}, {'n', 70}, {'t', 80}, {'y', 90},
}};
// Where the EIA-198-D table, as some makers print it, differs: b 3,0,
// c 3,5, g 9,0.
constexpr std::array<Eia198Letter, 3> Eia198DLetters{{{'b', 30}, {'c', 35}, {'g', 90}}};

std::optional<int> figuresOf(char letter, std::span<const Eia198Letter> table) {
    for (const Eia198Letter& row : table) {
        if (row.letter == letter) {
            return row.figures;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Eia198Reading> readEia198(std::string_view code) {
    char maker = 0;
    if (code.size() == 3 && std::isupper(static_cast<unsigned char>(code[0])) != 0) {
        maker = code[0];
        code.remove_prefix(1);
    }
    if (code.size() != 2 || !isDigit(code[1])) {
        return std::nullopt;
    }
    const int digit = code[1] - '0';
    const int power = (digit == 9 ? -1 : digit) - 1;  // the figures are tenths
    const std::optional<int> common = figuresOf(code[0], Eia198Letters);
    const std::optional<int> revised = figuresOf(code[0], Eia198DLetters);
    if (!common && !revised) {
        return std::nullopt;
    }
    const auto picofarads = [&](int figures) { return fromPicofarads({figures, power}); };
    Eia198Reading reading{picofarads(common.value_or(revised.value_or(0))), std::nullopt, maker};
    if (common && revised && *common != *revised) {
        reading.otherTable = picofarads(*revised);
    }
    return reading;
}

std::optional<std::string> eia198CodeOf(const Capacitance& value) {
    const std::optional<TwoFigures> two = twoFiguresOf(value.picofarads());
    if (!two) {
        return std::nullopt;
    }
    const int power = two->power + 1;
    if (power < -1 || power > 8) {
        return std::nullopt;
    }
    for (const Eia198Letter& row : Eia198Letters) {
        if (row.figures == two->figures) {
            return std::string{row.letter, static_cast<char>('0' + (power == -1 ? 9 : power))};
        }
    }
    return std::nullopt;
}

}  // namespace reactive
