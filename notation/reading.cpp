// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/reading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "strings/text.h"

namespace notation {

namespace {

// A person's words may come padded with spaces or tabs, never other blanks.
std::string_view trimmed(std::string_view text) {
    return strings::trimmed(text, " \t");
}

// The power of ten a multiplier letter stands for.
std::optional<int> prefixPower(char letter) {
    switch (letter) {
        case 'R':
        case 'r':
            return 0;
        case 'k':
        case 'K':
            return 3;
        case 'M':
            return 6;
        case 'G':
        case 'g':
            return 9;
        default:
            return std::nullopt;
    }
}

}  // namespace

Read<Decimal> readDigits(std::string_view text, std::optional<int> power, PrefixLetter letter) {
    std::int64_t significand = 0;
    int exponent = 0;
    int significantDigits = 0;
    bool seenDigit = false;
    bool seenSeparator = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            if ((significand != 0 || c != '0') && ++significantDigits > MostDigits) {
                return ReadProblem::TooManyDigits;
            }
            significand = significand * 10 + (c - '0');
            exponent -= seenSeparator ? 1 : 0;
        } else if (c == ',' || c == '.' || (letter(c) && !power)) {
            if (seenSeparator) {
                return ReadProblem::SeveralSeparators;
            }
            if (c != ',' && c != '.') {
                power = letter(c);
            }
            seenSeparator = true;
        } else {
            return ReadProblem::UnexpectedCharacter;
        }
    }
    if (!seenDigit) {
        return ReadProblem::NoDigit;
    }
    const Decimal read(significand, exponent + power.value_or(0));
    if (!read.isPositive()) {
        return ReadProblem::Zero;
    }
    return read;
}

Read<Decimal> withinRange(const Read<Decimal>& read, Range range) {
    if (const auto* problem = std::get_if<ReadProblem>(&read)) {
        return *problem;
    }
    const Decimal& decimal = std::get<Decimal>(read);
    const int magnitude = decimal.exponent() + decimal.digits() - 1;
    if (magnitude > range.highest) {
        return ReadProblem::TooLarge;
    }
    if (magnitude < range.lowest) {
        return ReadProblem::TooSmall;
    }
    return decimal;
}

namespace {

// The reading as a `Quantity`, or a problem where its first digit stands
// outside the range.
template <typename Quantity>
Read<Quantity> within(const Read<Decimal>& read, Range range) {
    const Read<Decimal> kept = withinRange(read, range);
    if (const auto* problem = std::get_if<ReadProblem>(&kept)) {
        return *problem;
    }
    const Decimal& decimal = std::get<Decimal>(kept);
    return Quantity(decimal.significand(), decimal.exponent());
}

// Removes `unit` from the end of the text, ignoring case.
bool strip(std::string_view& text, std::string_view unit) {
    if (text.size() < unit.size() ||
        !strings::startsWithIgnoringCase(text.substr(text.size() - unit.size()), unit)) {
        return false;
    }
    text = trimmed(text.substr(0, text.size() - unit.size()));
    return true;
}

}  // namespace

Read<Value> readValue(std::string_view text) {
    text = trimmed(text);
    // The unit may follow: "Ω", the ohm sign, "ohms", "ohm".
    for (const std::string_view unit : {std::string_view("Ω"), std::string_view("\u2126"),
                                        std::string_view("ohms"), std::string_view("ohm")}) {
        if (strip(text, unit)) {
            break;
        }
    }
    // A multiplier letter last, maybe after a blank: "4,7k", "4,7 k", "100R".
    std::optional<int> power;
    if (!text.empty() && prefixPower(text.back())) {
        power = prefixPower(text.back());
        text = trimmed(text.substr(0, text.size() - 1));
    }
    // "4k7", "R47": a letter may stand where the comma would.
    return within<Value>(readDigits(text, power, prefixPower), ResistanceRange);
}

Read<Decimal> readNumber(std::string_view text) {
    return readDigits(trimmed(text), std::nullopt, [](char) { return std::optional<int>(); });
}

std::optional<int> readPercent(std::string_view text) {
    if (!text.ends_with('%')) {
        return std::nullopt;
    }
    text.remove_suffix(1);
    for (const std::string_view sign : {"\u00B1", "+/-", "+-"}) {
        if (text.starts_with(sign)) {
            text.remove_prefix(sign.size());
        }
    }
    const Read<Decimal> read = readNumber(text);
    const auto* number = std::get_if<Decimal>(&read);
    // Below a hundredth of a percent is no tolerance anybody marks.
    if (number == nullptr || number->exponent() < -2 || *number >= Decimal(100, 0)) {
        return std::nullopt;
    }
    std::int64_t basisPoints = number->significand();
    for (int i = 0; i < number->exponent() + 2; ++i) {
        basisPoints *= 10;
    }
    return static_cast<int>(basisPoints);
}

Read<Voltage> readVoltage(std::string_view text) {
    text = trimmed(text);
    std::optional<int> power;
    if (text.size() >= 2 && text[text.size() - 2] == 'm' && strip(text, "mV")) {
        power = -3;
    } else if (strip(text, "V")) {
        power = 0;
    }
    // "3V3", "0V8": the unit where the comma would be.
    const auto letter = [](char c) {
        return c == 'V' || c == 'v' ? std::optional<int>(0) : std::nullopt;
    };
    return within<Voltage>(readDigits(text, power, letter), VoltageRange);
}

namespace {

// The power of ten a prefix before a unit stands for: "m", "µ" (either
// sign), "u", "n"; the text without it.
std::optional<int> stripPrefix(std::string_view& text) {
    for (const auto& [prefix, power] : {std::pair<std::string_view, int>{"m", -3},
                                        {"\u00B5", -6},  // the micro sign
                                        {"\u03BC", -6},  // Greek mu, which looks the same
                                        {"u", -6},
                                        {"n", -9}}) {
        if (text.size() > prefix.size() && text.substr(text.size() - prefix.size()) == prefix) {
            text = trimmed(text.substr(0, text.size() - prefix.size()));
            return power;
        }
    }
    return std::nullopt;
}

const auto NoLetter = [](char) { return std::optional<int>(); };

}  // namespace

Read<Current> readCurrent(std::string_view text) {
    text = trimmed(text);
    strip(text, "A");
    const std::optional<int> power = stripPrefix(text);
    return within<Current>(readDigits(text, power, NoLetter), CurrentRange);
}

Read<Power> readPower(std::string_view text) {
    text = trimmed(text);
    strip(text, "W");
    // "1/4": a fraction of a watt, exact where the denominator makes it so.
    if (const std::size_t slash = text.find('/'); slash != std::string_view::npos) {
        const Read<Decimal> top =
            readDigits(trimmed(text.substr(0, slash)), std::nullopt, NoLetter);
        const Read<Decimal> bottom =
            readDigits(trimmed(text.substr(slash + 1)), std::nullopt, NoLetter);
        if (const auto* problem = std::get_if<ReadProblem>(&top)) {
            return *problem;
        }
        if (const auto* problem = std::get_if<ReadProblem>(&bottom)) {
            return *problem;
        }
        const Decimal& numerator = std::get<Decimal>(top);
        const Decimal& denominator = std::get<Decimal>(bottom);
        if (numerator.exponent() < 0 || denominator.exponent() < 0) {
            return ReadProblem::UnexpectedCharacter;
        }
        // Ratings are fractions of small whole numbers; larger terms would
        // overflow the exact arithmetic below.
        if (numerator.digits() + numerator.exponent() > 6 ||
            denominator.digits() + denominator.exponent() > 6) {
            return ReadProblem::TooLarge;
        }
        // Exact when the denominator divides a power of ten of the numerator.
        std::int64_t over = denominator.significand();
        for (int i = 0; i < denominator.exponent(); ++i) {
            over *= 10;
        }
        for (int decimals = 0; decimals <= 6; ++decimals) {
            std::int64_t scaled = numerator.significand();
            for (int i = 0; i < numerator.exponent() + decimals; ++i) {
                scaled *= 10;
            }
            if (scaled % over == 0) {
                return within<Power>(Decimal(scaled / over, -decimals), PowerRange);
            }
        }
        return ReadProblem::EndlessFraction;
    }
    const std::optional<int> power =
        text.size() >= 2 && text.back() == 'm' ? std::optional<int>(-3) : std::nullopt;
    if (power) {
        text = trimmed(text.substr(0, text.size() - 1));
    }
    return within<Power>(readDigits(text, power, NoLetter), PowerRange);
}

}  // namespace notation
