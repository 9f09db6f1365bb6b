// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/marking.h"

#include <algorithm>
#include <array>

#include "notation/series.h"
#include "strings/text.h"

namespace notation {

namespace {

struct MultiplierLetter {
    char letter;
    int power;
    bool usual;  // the letter written when encoding; R, S and H are older spellings
};

// EIA-96 multipliers. R and S stand beside Y and X because some makers print
// them; H beside B likewise.
constexpr std::array<MultiplierLetter, 12> Letters{{
    {'Z', -3, true},
    {'Y', -2, true},
    {'R', -2, false},
    {'X', -1, true},
    {'S', -1, false},
    {'A', 0, true},
    {'B', 1, true},
    {'H', 1, false},
    {'C', 2, true},
    {'D', 3, true},
    {'E', 4, true},
    {'F', 5, true},
}};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::int64_t number(std::string_view digits) {
    std::int64_t n = 0;
    for (const char c : digits) {
        n = n * 10 + (c - '0');
    }
    return n;
}

std::span<const int> e96() {
    return seriesNamed("E96")->values;
}

MarkingSystem digitSystem(std::size_t length) {
    return length == 3 ? MarkingSystem::ThreeDigits : MarkingSystem::FourDigits;
}

std::variant<Marking, MarkingProblem> eia96(const std::string& text) {
    const auto index = static_cast<int>(number(std::string_view(text).substr(0, 2)));
    if (index < 1 || index > 96) {
        return MarkingProblem{MarkingProblem::Kind::Eia96Index, text.substr(0, 2)};
    }
    const auto letter =
        std::find_if(Letters.begin(), Letters.end(),
                     [&](const MultiplierLetter& l) { return l.letter == text[2]; });
    if (letter == Letters.end()) {
        return MarkingProblem{MarkingProblem::Kind::Eia96Letter, text.substr(2)};
    }
    return Marking{text, MarkingSystem::Eia96,
                   Value(e96()[static_cast<std::size_t>(index - 1)], letter->power)};
}

// Digits and a power of ten: "472", "4701".
Marking digitsAndPower(const std::string& text) {
    const Value value(number(std::string_view(text).substr(0, text.size() - 1)), text.back() - '0');
    return Marking{text, digitSystem(text.size()), value};
}

// Digits with R for the decimal point: "4R7", "R22", "10R0", "0R22".
Marking rNotation(const std::string& text) {
    const std::size_t point = text.find('R');
    std::string digits = text;
    digits.erase(point, 1);
    const auto decimals = static_cast<int>(text.size() - 1 - point);
    return Marking{text, digitSystem(text.size()), Value(number(digits), -decimals)};
}

// The value in R notation with exactly `digitCount` digits, if it fits:
// integer part, R, decimals padded with zeros ("4R70", "R047", "10R0").
std::optional<std::string> inRNotation(const Value& value, std::size_t digitCount) {
    std::string plain = value.plainOhms();  // "4.7", "0.047", "10"
    const std::size_t point = plain.find('.');
    std::string whole = plain.substr(0, point);
    std::string decimals = point == std::string::npos ? "" : plain.substr(point + 1);
    if (whole == "0") {
        whole.clear();
    }
    if (whole.size() + decimals.size() > digitCount) {
        return std::nullopt;
    }
    decimals.append(digitCount - whole.size() - decimals.size(), '0');
    return whole + "R" + decimals;
}

// Significand and power of ten with exactly `digitCount` significant digits.
std::optional<std::pair<std::int64_t, int>> padded(const Value& value, int digitCount) {
    if (value.digits() > digitCount) {
        return std::nullopt;
    }
    std::int64_t significand = value.significand();
    int power = value.exponent();
    for (int i = value.digits(); i < digitCount; ++i) {
        significand *= 10;
        --power;
    }
    return std::pair{significand, power};
}

std::optional<Marking> inDigits(const Value& value, MarkingSystem system) {
    const int significantDigits = system == MarkingSystem::ThreeDigits ? 2 : 3;
    const auto digits = padded(value, significantDigits);
    if (!digits) {
        return std::nullopt;
    }
    const auto [significand, power] = *digits;
    if (power > 9) {
        return std::nullopt;
    }
    if (power >= 0) {
        return Marking{std::to_string(significand) + static_cast<char>('0' + power), system, value};
    }
    if (const auto text = inRNotation(value, static_cast<std::size_t>(significantDigits))) {
        return Marking{*text, system, value};
    }
    return std::nullopt;
}

std::optional<Marking> inEia96(const Value& value) {
    const auto digits = padded(value, 3);
    if (!digits) {
        return std::nullopt;
    }
    const std::int64_t significand = digits->first;
    const int power = digits->second;
    const std::span<const int> values = e96();
    const auto found = std::find(values.begin(), values.end(), significand);
    const auto letter =
        std::find_if(Letters.begin(), Letters.end(),
                     [&](const MultiplierLetter& l) { return l.usual && l.power == power; });
    if (found == values.end() || letter == Letters.end()) {
        return std::nullopt;
    }
    const auto index = found - values.begin() + 1;
    std::string text{static_cast<char>('0' + index / 10), static_cast<char>('0' + index % 10),
                     letter->letter};
    return Marking{text, MarkingSystem::Eia96, value};
}

}  // namespace

std::string_view frenchName(MarkingSystem system) {
    switch (system) {
        case MarkingSystem::ThreeDigits:
            return "3 chiffres";
        case MarkingSystem::FourDigits:
            return "4 chiffres";
        case MarkingSystem::Eia96:
            return "EIA-96";
    }
    return "";
}

int usualToleranceOf(MarkingSystem system) {
    return system == MarkingSystem::ThreeDigits ? 500 : 100;
}

bool looksLikeMarking(std::string_view word) {
    return std::any_of(word.begin(), word.end(), isDigit);
}

MarkingRead readMarking(std::string_view raw) {
    const std::string text = strings::asciiUppered(raw);
    const auto digits = std::count_if(text.begin(), text.end(), isDigit);
    const auto points = std::count(text.begin(), text.end(), 'R');
    const std::size_t length = text.size();
    const bool digitLength = length == 3 || length == 4;

    if (text == "0" || text == "000" || text == "0000") {
        return std::vector{Marking{text, digitSystem(std::max<std::size_t>(length, 3)), Value()}};
    }
    if (digitLength && digits + points == static_cast<std::ptrdiff_t>(length) && points <= 1) {
        std::vector<Marking> meanings;
        // Only a zero link, or a zero right before the point, starts with 0.
        const bool leadingZero = text[0] == '0' && text[1] != 'R';
        if (!leadingZero) {
            meanings.push_back(points == 0 ? digitsAndPower(text) : rNotation(text));
        }
        // Two digits and R may also be EIA-96 with its letter R.
        if (length == 3 && text[2] == 'R') {
            if (auto other = eia96(text); std::holds_alternative<Marking>(other)) {
                meanings.push_back(std::get<Marking>(std::move(other)));
            }
        }
        if (meanings.empty()) {
            return MarkingProblem{MarkingProblem::Kind::LeadingZero, text};
        }
        return meanings;
    }
    if (length == 3 && digits == 2 && isDigit(text[0]) && isDigit(text[1]) && text[2] >= 'A' &&
        text[2] <= 'Z') {
        std::variant<Marking, MarkingProblem> read = eia96(text);
        if (const auto* problem = std::get_if<MarkingProblem>(&read)) {
            return *problem;
        }
        return std::vector{std::get<Marking>(read)};
    }
    return MarkingProblem{MarkingProblem::Kind::NoShape, std::string(raw)};
}

std::optional<std::string> turnedRound(std::string_view marking) {
    std::string turned;
    for (const char c : marking) {
        switch (c) {
            case '0':
            case '1':
            case '8':
                turned += c;
                break;
            case '6':
                turned += '9';
                break;
            case '9':
                turned += '6';
                break;
            default:
                return std::nullopt;
        }
    }
    // Half a turn also reverses the order.
    std::reverse(turned.begin(), turned.end());
    return turned;
}

std::vector<Marking> markingsOf(const Value& value) {
    if (!value.isPositive()) {
        return {Marking{"000", MarkingSystem::ThreeDigits, Value()}};
    }
    std::vector<Marking> markings;
    for (const MarkingSystem system : {MarkingSystem::ThreeDigits, MarkingSystem::FourDigits}) {
        if (auto marking = inDigits(value, system)) {
            markings.push_back(std::move(*marking));
        }
    }
    if (auto marking = inEia96(value)) {
        markings.push_back(std::move(*marking));
    }
    return markings;
}

std::string eia96Letters() {
    std::string list;
    for (std::size_t i = 0; i < Letters.size(); ++i) {
        if (i > 0) {
            list += Letters[i].power == Letters[i - 1].power ? " ou " : ", ";
        }
        list += Letters[i].letter;
    }
    return list;
}

std::string markingVectorsCsv() {
    std::string csv = "serie,valeur_ohms,systeme,marquage\n";
    for (const Series& series : allSeries()) {
        // Decade i of the window multiplies the series' integers by 10^(i - 2).
        for (int decade = 0; decade < 9; ++decade) {
            for (const int integer : series.values) {
                const Value value(integer, decade - 2);
                for (const Marking& marking : markingsOf(value)) {
                    csv += std::string(series.name) + "," + value.plainOhms() + "," +
                           std::string(frenchName(marking.system)) + "," + marking.text + "\n";
                }
            }
        }
    }
    return csv;
}

}  // namespace notation
