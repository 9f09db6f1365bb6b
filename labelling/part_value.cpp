// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/part_value.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <variant>
#include <vector>

#include "notation/french.h"
#include "notation/reading.h"
#include "reactive/quantities.h"
#include "strings/text.h"

namespace labelling {

namespace {

// The imperial size codes of chip resistors, smallest first.
constexpr std::array<std::string_view, 12> SizeCodes{"01005", "0201", "0402", "0603",
                                                     "0805",  "1206", "1210", "1218",
                                                     "1812",  "2010", "2512", "2816"};

bool isSizeCode(std::string_view word) {
    return std::find(SizeCodes.begin(), SizeCodes.end(), word) != SizeCodes.end();
}

bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           strings::asciiLowered(text.substr(text.size() - end.size())) == end;
}

// Words of a unit alone, which a number before them takes: "15 OHM", "27 Ω".
bool isUnitAlone(std::string_view word) {
    constexpr std::array<std::string_view, 10> Units{"ω",  "Ω",  "\u2126", "ohm",  "ohms",
                                                     "kω", "kΩ", "mω",     "kohm", "kohms"};
    const std::string low = strings::asciiLowered(word);
    return std::find(Units.begin(), Units.end(), low) != Units.end() || low == "k\u2126" ||
           low == "m\u2126" || low == "mohm" || low == "mohms";
}

bool startsWithDigit(std::string_view word) {
    return !word.empty() && std::isdigit(static_cast<unsigned char>(word.front())) != 0;
}

// "1%", "±1%", "+/-5%", "0,5 %" (joined before): basis points, from 0,01 % to 50 %.
std::optional<int> toleranceOf(std::string_view word) {
    const std::optional<int> basisPoints = notation::readPercent(word);
    if (!basisPoints || *basisPoints < 1 || *basisPoints > 5000) {
        return std::nullopt;
    }
    return basisPoints;
}

// "0.1W", "1/16W", "1/10WATT", "100mW", "0,25 W" (joined before).
std::optional<std::string> powerOf(std::string_view word) {
    std::string text(word);
    for (const std::string_view unit : {"watts", "watt", "w"}) {
        if (endsWithIgnoringCase(text, unit)) {
            text.resize(text.size() - unit.size());
            break;
        }
        if (unit == "w") {
            return std::nullopt;
        }
    }
    if (text.empty() || !startsWithDigit(text)) {
        return std::nullopt;
    }
    const notation::Read<notation::Power> read = notation::readPower(text + "W");
    const auto* power = std::get_if<notation::Power>(&read);
    if (power == nullptr) {
        return std::nullopt;
    }
    // A rating is named by its fraction of a watt where it is written so.
    return text.find('/') != std::string::npos ? text + " W"
                                               : notation::frenchQuantity(power->amount(), "W");
}

// "10k", "4k7", "0R15", "4.7kR", "49.9R", "2.2KOHMS", "10kΩ": a resistance,
// zero for a link ("0R", "0").
std::optional<notation::Value> resistanceOf(std::string_view word) {
    if (!startsWithDigit(word) && !(word.size() > 1 && (word[0] == 'R' || word[0] == 'r'))) {
        return std::nullopt;
    }
    std::string text(word);
    for (const std::string_view unit : {"ohms", "ohm"}) {
        if (endsWithIgnoringCase(text, unit)) {
            text.resize(text.size() - unit.size());
            break;
        }
    }
    // "4.7kR": an R after the multiplier only repeats the unit.
    if (text.size() > 2 && (text.back() == 'R' || text.back() == 'r') &&
        std::string_view("kKmMgG").find(text[text.size() - 2]) != std::string_view::npos) {
        text.pop_back();
    }
    const notation::Read<notation::Value> read = notation::readValue(text);
    if (const auto* value = std::get_if<notation::Value>(&read)) {
        return *value;
    }
    if (std::get<notation::ReadProblem>(read) == notation::ReadProblem::Zero) {
        return notation::Value(0, 0);
    }
    return std::nullopt;
}

// The words of a value or a description: split at blanks, then at slashes
// where they do not write a fraction of a watt ("10k/1%"); a unit alone joins
// the number before it, a percent sign the number it follows.
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    const auto take = [&] {
        if (word.empty()) {
            return;
        }
        const bool joins =
            !words.empty() && startsWithDigit(words.back()) && (isUnitAlone(word) || word == "%");
        if (joins) {
            words.back() += word;
        } else if (word.find('/') != std::string::npos && !powerOf(word)) {
            std::size_t start = 0;
            for (std::size_t slash = word.find('/');; slash = word.find('/', start)) {
                if (slash > start) {
                    words.push_back(word.substr(start, slash - start));
                }
                if (slash == std::string::npos) {
                    break;
                }
                start = slash + 1;
            }
        } else {
            words.push_back(word);
        }
        word.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // A comma between digits is a decimal one: "4,7k".
        const bool decimalComma = c == ',' && i + 1 < text.size() &&
                                  startsWithDigit(text.substr(i + 1)) && !word.empty() &&
                                  startsWithDigit(word.substr(word.size() - 1));
        if (c == ' ' || c == '\t' || (c == ',' && !decimalComma) || c == ';' || c == '(' ||
            c == ')') {
            take();
        } else {
            word += c;
        }
    }
    take();
    return words;
}

}  // namespace

std::optional<PartValue> readPartValue(std::string_view text) {
    std::optional<notation::Value> resistance;
    PartValue part{notation::Value(0, 0), std::nullopt, {}, {}};
    for (const std::string& word : wordsOf(strings::trimmed(text))) {
        if (isSizeCode(word)) {
            part.package = part.package.empty() ? word : part.package;
        } else if (const std::optional<int> tolerance = toleranceOf(word)) {
            part.tolerance = part.tolerance ? part.tolerance : tolerance;
        } else if (std::optional<std::string> power = powerOf(word)) {
            part.power = part.power.empty() ? *std::move(power) : part.power;
        } else if (const std::optional<notation::Value> read = resistanceOf(word)) {
            if (resistance && !(*resistance == *read)) {
                return std::nullopt;  // "10k 4k7": which one?
            }
            resistance = read;
        }
    }
    if (!resistance) {
        return std::nullopt;
    }
    part.resistance = *resistance;
    return part;
}

std::optional<int> toleranceIn(std::string_view text) {
    for (const std::string& word : wordsOf(text)) {
        if (const std::optional<int> tolerance = toleranceOf(word)) {
            return tolerance;
        }
    }
    return std::nullopt;
}

std::string powerIn(std::string_view text) {
    // A power column may leave out the unit: "0.25", "1/4".
    for (const std::string& word : wordsOf(text)) {
        if (std::optional<std::string> power = powerOf(word)) {
            return *std::move(power);
        }
        if (std::optional<std::string> power = powerOf(word + "W")) {
            return *std::move(power);
        }
    }
    return {};
}

bool saysNotFitted(std::string_view text) {
    constexpr std::array<std::string_view, 8> Whole{
        "x",          "n/a",        "na",       "do not populate", "do not place",
        "do not fit", "not fitted", "non monté"};
    constexpr std::array<std::string_view, 4> Marks{"dnp", "dnf", "nc", "nf"};
    const std::string low = strings::asciiLowered(strings::trimmed(text));
    if (std::find(Whole.begin(), Whole.end(), low) != Whole.end()) {
        return true;
    }
    std::string word;
    for (const char c : low + ' ') {
        if (c == ' ' || c == '_' || c == '/' || c == ',' || c == '(' || c == ')' || c == '-') {
            if (std::find(Marks.begin(), Marks.end(), word) != Marks.end()) {
                return true;
            }
            word.clear();
        } else {
            word += c;
        }
    }
    return false;
}

std::string packageIn(std::string_view footprint) {
    for (const std::string_view code : SizeCodes) {
        for (std::size_t at = footprint.find(code); at != std::string_view::npos;
             at = footprint.find(code, at + 1)) {
            const auto digitAt = [&](std::size_t i) {
                return i < footprint.size() &&
                       std::isdigit(static_cast<unsigned char>(footprint[i])) != 0;
            };
            if ((at == 0 || !digitAt(at - 1)) && !digitAt(at + code.size())) {
                return std::string(code);
            }
        }
    }
    return {};
}

namespace {

constexpr std::array<std::string_view, 11> Dielectrics{"X7R", "X5R", "X6S", "X7S", "X8R", "C0G",
                                                       "COG", "NP0", "NPO", "Y5V", "Z5U"};

// "nF", "µH": a prefix and unit alone, which the number before them takes.
bool isReactiveUnitAlone(std::string_view word) {
    constexpr std::array<std::string_view, 12> Units{"pf", "nf", "uf", "µf", "μf", "mf",
                                                     "f",  "nh", "uh", "µh", "μh", "mh"};
    const std::string low = strings::asciiLowered(word);
    return std::find(Units.begin(), Units.end(), low) != Units.end() || low == "h";
}

// "25V", "6V3", "16 V" (joined before): the voltage as a French reader writes it.
std::optional<std::string> voltageOf(std::string_view word) {
    if (word.find_first_of("Vv") == std::string_view::npos || !startsWithDigit(word)) {
        return std::nullopt;
    }
    const notation::Read<notation::Voltage> read = notation::readVoltage(word);
    if (const auto* volts = std::get_if<notation::Voltage>(&read)) {
        return volts->french() + " V";
    }
    return std::nullopt;
}

// A word that writes a value with a prefix or a unit: "100n", "0.1UF", "10µ".
std::optional<notation::Decimal> amountOf(std::string_view word, ReactiveKind kind, bool alone) {
    const bool capacitor = kind == ReactiveKind::Capacitor;
    const bool lettered =
        word.find_first_of(capacitor ? "pPnNuUmFf" : "nNuUmHh") != std::string_view::npos ||
        word.find("\u00B5") != std::string_view::npos ||
        word.find("\u03BC") != std::string_view::npos;
    if (!startsWithDigit(word) && !word.starts_with(".") && !word.starts_with(",") && !lettered) {
        return std::nullopt;
    }
    if (!lettered && !alone) {
        return std::nullopt;
    }
    if (capacitor) {
        const auto read = reactive::readCapacitance(word);
        if (const auto* value = std::get_if<reactive::Capacitance>(&read)) {
            return *value;
        }
        return std::nullopt;
    }
    const auto read = reactive::readInductance(word);
    if (const auto* value = std::get_if<reactive::Inductance>(&read)) {
        return *value;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ReactiveValue> readReactiveValue(std::string_view text, ReactiveKind kind) {
    std::vector<std::string> words;
    for (std::string& word : wordsOf(text)) {
        if (!words.empty() && startsWithDigit(words.back()) && isReactiveUnitAlone(word)) {
            words.back() += word;
        } else {
            words.push_back(std::move(word));
        }
    }
    std::optional<ReactiveValue> read;
    ReactiveValue part;
    for (const std::string& word : words) {
        const std::string upper = strings::asciiUppered(word);
        if (isSizeCode(word)) {
            part.package = word;
        } else if (std::find(Dielectrics.begin(), Dielectrics.end(), upper) != Dielectrics.end()) {
            part.dielectric = upper == "COG" ? "C0G" : upper == "NPO" ? "NP0" : upper;
        } else if (const std::optional<int> tolerance = toleranceOf(word)) {
            part.tolerance = tolerance;
        } else if (const std::optional<std::string> volts = voltageOf(word)) {
            part.voltage = *volts;
        } else if (const auto amount = amountOf(word, kind, words.size() == 1)) {
            if (read && read->amount != *amount) {
                return std::nullopt;  // two values: not one part's
            }
            part.amount = *amount;
            read = part;
        }
    }
    if (!read) {
        return std::nullopt;
    }
    part.amount = read->amount;
    return part;
}

}  // namespace labelling
