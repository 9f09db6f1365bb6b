// SPDX-License-Identifier: GPL-3.0-or-later
#include "reactive/quantities.h"

#include <array>
#include <optional>

#include "strings/text.h"

namespace reactive {

namespace {

struct Prefix {
    int power;
    std::string_view symbol;
};

constexpr std::array<Prefix, 5> FaradPrefixes{
    {{-12, "p"}, {-9, "n"}, {-6, "µ"}, {-3, "m"}, {0, ""}}};
constexpr std::array<Prefix, 4> HenryPrefixes{{{-9, "n"}, {-6, "µ"}, {-3, "m"}, {0, ""}}};

// The largest prefix not above the value's first digit; the smallest for a
// value below all of them.
template <std::size_t Count>
Prefix prefixFor(const notation::Decimal& value, const std::array<Prefix, Count>& prefixes) {
    Prefix chosen = prefixes.front();
    for (const Prefix& prefix : prefixes) {
        if (prefix.power <= magnitudeOf(value)) {
            chosen = prefix;
        }
    }
    return chosen;
}

template <std::size_t Count>
std::string written(const notation::Decimal& value, const std::array<Prefix, Count>& prefixes,
                    std::string_view unit) {
    const Prefix prefix = prefixFor(value, prefixes);
    return notation::Decimal(value.significand(), value.exponent() - prefix.power).french() + " " +
           std::string(prefix.symbol) + std::string(unit);
}

// "4,7" with the letter for the comma: "4n7"; "100n"; "0,25" gives "p25".
template <std::size_t Count>
std::string compacted(const notation::Decimal& value, const std::array<Prefix, Count>& prefixes,
                      std::string_view unitLetter) {
    const Prefix prefix = prefixFor(value, prefixes);
    const std::string letter(prefix.symbol.empty() ? unitLetter : prefix.symbol);
    std::string digits =
        notation::Decimal(value.significand(), value.exponent() - prefix.power).french();
    const std::size_t comma = digits.find(',');
    if (comma == std::string::npos) {
        return digits + letter;
    }
    digits.replace(comma, 1, letter);
    return digits.starts_with("0") ? digits.substr(1) : digits;
}

// The micro sign and the Greek mu look alike; bills use either, or "u".
std::string withPlainMicro(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\u00B5") || rest.starts_with("\u03BC")) {
            plain += 'u';
            ++i;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

std::optional<int> subunitPrefix(char letter) {
    switch (letter) {
        case 'p':
        case 'P':
            return -12;
        case 'n':
        case 'N':
            return -9;
        case 'u':
        case 'U':
            return -6;
        case 'm':
            return -3;
        default:
            return std::nullopt;
    }
}

std::string_view trimmed(std::string_view text) {
    return strings::trimmed(text, " \t");
}

bool strip(std::string_view& text, std::string_view unit) {
    if (text.size() <= unit.size() ||
        !strings::startsWithIgnoringCase(text.substr(text.size() - unit.size()), unit)) {
        return false;
    }
    text = trimmed(text.substr(0, text.size() - unit.size()));
    return true;
}

// Digits with a prefix after them or for their comma; `plain` is the power
// of a number written with neither, `plainWithComma` of one with a comma.
notation::Read<notation::Decimal> readPrefixed(std::string_view text, int plain, int plainWithComma,
                                               notation::Range range) {
    std::optional<int> power;
    if (!text.empty() && subunitPrefix(text.back())) {
        power = subunitPrefix(text.back());
        text = trimmed(text.substr(0, text.size() - 1));
    }
    const bool lettered = power || text.find_first_of("pPnNuUm") != std::string_view::npos;
    if (!lettered) {
        power = text.find_first_of(",.") == std::string_view::npos ? plain : plainWithComma;
    }
    return notation::withinRange(notation::readDigits(text, power, subunitPrefix), range);
}

template <typename Quantity>
notation::Read<Quantity> as(const notation::Read<notation::Decimal>& read) {
    if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
        return *problem;
    }
    const auto& decimal = std::get<notation::Decimal>(read);
    return Quantity(decimal.significand(), decimal.exponent());
}

}  // namespace

int magnitudeOf(const notation::Decimal& value) {
    return value.exponent() + value.digits() - 1;
}

std::string Capacitance::french() const {
    return written(*this, FaradPrefixes, "F");
}

std::string Capacitance::compact() const {
    return compacted(*this, FaradPrefixes, "F");
}

std::string Inductance::french() const {
    return written(*this, HenryPrefixes, "H");
}

std::string Inductance::compact() const {
    return compacted(*this, HenryPrefixes, "H");
}

notation::Read<Capacitance> readCapacitance(std::string_view text) {
    const std::string plain = withPlainMicro(trimmed(text));
    std::string_view rest = plain;
    // "10 MFD", as older bodies write microfarads.
    if (strip(rest, "MFD")) {
        return as<Capacitance>(notation::withinRange(
            notation::readDigits(rest, -6, [](char) { return std::optional<int>(); }),
            CapacitanceRange));
    }
    // "1F": the unit alone means whole farads.
    if (strip(rest, "F")) {
        return as<Capacitance>(readPrefixed(rest, 0, 0, CapacitanceRange));
    }
    return as<Capacitance>(readPrefixed(rest, -12, -6, CapacitanceRange));
}

notation::Read<Inductance> readInductance(std::string_view text) {
    const std::string plain = withPlainMicro(trimmed(text));
    std::string_view rest = plain;
    const int plainPower = strip(rest, "H") ? 0 : -6;
    return as<Inductance>(readPrefixed(rest, plainPower, plainPower, InductanceRange));
}

}  // namespace reactive
