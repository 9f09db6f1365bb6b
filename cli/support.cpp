// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/support.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <variant>

namespace cli {

using code::Colour;
using code::Reading;
using code::Value;

void complain(std::string message) {
    throw Complaint{std::move(message)};
}

namespace {

// The length of the UTF-8 sequence at the start of `text`, or 0 if it is not
// a valid one (overlong, a surrogate, beyond U+10FFFF, cut short).
std::size_t sequenceLength(std::string_view text, char32_t& point) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0FU;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07U;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80) {
            return 0;
        }
        point = point << 6U | (byte(i) & 0x3FU);
    }
    const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
    const bool outside = point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF);
    return overlong || outside ? 0 : length;
}

// Characters that move the cursor, ring, or turn the text round on a
// terminal: C0 and C1 controls, bidirectional and zero-width marks.
bool invisible(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) ||
           (point >= 0x200B && point <= 0x200F) || (point >= 0x202A && point <= 0x202E) ||
           (point >= 0x2066 && point <= 0x2069) || point == 0xFEFF;
}

}  // namespace

std::string printable(std::string_view text) {
    std::string shown;
    while (!text.empty()) {
        char32_t point = 0;
        const std::size_t length = sequenceLength(text, point);
        std::array<char, 16> escape{};
        if (length == 0) {
            std::snprintf(escape.data(), escape.size(), "\\x%02X",
                          static_cast<unsigned char>(text.front()));
        } else if (invisible(point)) {
            std::snprintf(escape.data(), escape.size(), point < 0x100 ? "\\x%02X" : "\\u%04X",
                          static_cast<unsigned>(point));
        } else {
            shown.append(text.substr(0, length));
            text.remove_prefix(length);
            continue;
        }
        shown += escape.data();
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return shown;
}

std::string quoted(std::string_view text) {
    return "« " + printable(text) + " »";
}

CommandLine::CommandLine(std::span<const std::string> arguments,
                         std::initializer_list<std::string_view> known,
                         std::initializer_list<std::string_view> flags) {
    const auto listed = [](std::initializer_list<std::string_view> names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            words_.push_back(argument);
            continue;
        }
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const bool isFlag = listed(flags, name);
        if (!isFlag && !listed(known, name)) {
            std::string accepted;
            for (const auto& names : {known, flags}) {
                for (const std::string_view option : names) {
                    accepted += (accepted.empty() ? "" : ", ") + std::string(option);
                }
            }
            complain("option inconnue " + quoted(name) +
                     (accepted.empty() ? "; cette commande n'en prend aucune."
                                       : ". Options : " + accepted + "."));
        }
        if (isFlag && value) {
            complain("l'option " + name + " ne prend pas de valeur.");
        }
        if (!isFlag && !value) {
            if (i + 1 >= arguments.size()) {
                complain("l'option " + name + " attend une valeur.");
            }
            value = arguments[++i];
        }
        if (has(name)) {
            complain("l'option " + name + " est donnée deux fois.");
        }
        options_.emplace_back(name, value.value_or(""));
    }
}

std::optional<std::string> CommandLine::option(std::string_view name) const {
    for (const auto& [key, value] : options_) {
        if (key == name) {
            return value;
        }
    }
    return std::nullopt;
}

std::string CommandLine::joinedWords() const {
    std::string text;
    for (const std::string& word : words_) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

namespace {

// The colours that mean something at a place, each as `describe` puts it.
template <typename Describe>
std::string describedColours(Describe describe) {
    std::string list;
    for (const Colour colour : code::AllColours) {
        if (const std::optional<std::string> text = describe(colour)) {
            list += (list.empty() ? "" : ", ") + *text;
        }
    }
    return list;
}

}  // namespace

std::string colourList() {
    return describedColours(
        [](Colour colour) { return std::optional<std::string>(code::nameOf(colour)); });
}

std::string toleranceList() {
    return describedColours([](Colour colour) -> std::optional<std::string> {
        const std::optional<int> tolerance = code::toleranceOf(colour);
        if (!tolerance) {
            return std::nullopt;
        }
        return std::string(code::nameOf(colour)) + " " + code::frenchTolerance(*tolerance);
    });
}

std::string coefficientList() {
    return describedColours([](Colour colour) -> std::optional<std::string> {
               const std::optional<int> coefficient = code::tempCoefficientOf(colour);
               if (!coefficient) {
                   return std::nullopt;
               }
               return std::string(code::nameOf(colour)) + " " + std::to_string(*coefficient);
           }) +
           " ppm/°C";
}

namespace {

std::string explain(const code::BandProblem& problem, int bandCount) {
    using Kind = code::BandProblem::Kind;
    const std::string band = " (bague " + std::to_string(problem.position) + ")";
    switch (problem.kind) {
        case Kind::TooFewBands:
        case Kind::TooManyBands:
            return std::to_string(bandCount) + (bandCount > 1 ? " bagues" : " bague") +
                   " ; il en faut de 3 à 6.";
        case Kind::UnknownColour:
            return "couleur inconnue " + quoted(problem.word) + band +
                   ". Couleurs : " + colourList() +
                   " ; les noms anglais (black, brown, red...) sont acceptés aussi.";
        case Kind::NotADigit:
            return problem.word + " ne peut pas être un chiffre" + band +
                   ". Chiffres : NOIR (0) à BLANC (9).";
        case Kind::ZeroFirstDigit:
            return "NOIR (0) ne peut pas être le premier chiffre" + band + ".";
        case Kind::NotAMultiplier:
            return problem.word + " ne peut pas être un multiplicateur" + band + ".";
        case Kind::NotATolerance:
            return problem.word + " n'est pas une tolérance" + band +
                   ". Tolérances : " + toleranceList() + ".";
        case Kind::NotATempCoefficient:
            return problem.word + " n'est pas un coefficient de température" + band +
                   ". Coefficients : " + coefficientList() + ".";
    }
    return "bagues illisibles.";
}

}  // namespace

Reading readingOf(std::span<const std::string> words) {
    const code::Decoded decoded = code::decode(words);
    if (const auto* problem = std::get_if<code::BandProblem>(&decoded)) {
        complain(explain(*problem, static_cast<int>(words.size())));
    }
    return std::get<Reading>(decoded);
}

std::optional<Reading> reversedReadingOf(std::span<const std::string> words) {
    const std::vector<std::string> reversed(words.rbegin(), words.rend());
    const code::Decoded decoded = code::decode(reversed);
    if (const auto* reading = std::get_if<Reading>(&decoded)) {
        return *reading;
    }
    return std::nullopt;
}

Value valueOf(std::string_view text) {
    std::string why;
    const std::optional<Value> value = code::parseValue(text, &why);
    if (!value) {
        complain("valeur illisible " + quoted(text) + " : " + why +
                 ". Exemples : 4700, 4,7k, 4.7k, 4k7, \"4,7 kΩ\", R47, 0,47.");
    }
    return *value;
}

int toleranceOf(const std::string& text) {
    std::string number;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "±") == 0) {
            ++i;
        } else if (text[i] != '%' && text[i] != ' ' && text[i] != '+') {
            number += text[i];
        }
    }
    const std::optional<Value> percent = code::parseValue(number);
    if (percent) {
        const Value basisPoints(percent->significand(), percent->exponent() + 2);
        for (const int candidate : {1000, 500, 200, 100, 50, 25, 10, 5}) {
            if (basisPoints == Value(candidate, 0)) {
                return candidate;
            }
        }
    }
    complain("tolérance impossible " + quoted(text) +
             ". Tolérances : 10 %, 5 %, 2 %, 1 %, 0,5 %, 0,25 %, 0,1 %, 0,05 %.");
}

const code::Series& seriesOf(const CommandLine& line, int fallback) {
    const std::optional<std::string> option = line.option("--tolerance");
    return *code::seriesForTolerance(option ? toleranceOf(*option) : fallback);
}

std::string headline(const Value& value, int toleranceBasisPoints,
                     std::optional<int> tempCoefficient) {
    std::string text = value.french() + " " + code::frenchTolerance(toleranceBasisPoints);
    if (tempCoefficient) {
        text += ", " + std::to_string(*tempCoefficient) + " ppm/°C";
    }
    return text;
}

std::string limits(const Value& value, int toleranceBasisPoints) {
    return "min " + value.scaledByBasisPoints(-toleranceBasisPoints).french() + ", max " +
           value.scaledByBasisPoints(toleranceBasisPoints).french();
}

std::string standing(const Value& value) {
    if (const code::Series* series = code::coarsestSeriesHolding(value)) {
        return "valeur normalisée de la série " + std::string(series->name);
    }
    return "hors des séries normalisées";
}

void bothWays(Answer& out, const Described& forward, const Described& backward) {
    out << "À l'endroit : " << forward.headline << "\n  " << forward.detail << "\n";
    out << "À l'envers : " << backward.headline << "\n  " << backward.detail << "\n";
    const bool ahead = code::coarsestSeriesHolding(forward.value) != nullptr;
    const bool behind = code::coarsestSeriesHolding(backward.value) != nullptr;
    if (ahead && behind) {
        out << "Les deux lectures tombent sur une valeur normalisée.\n";
    } else if (ahead) {
        out << "Seule la lecture à l'endroit tombe sur une valeur normalisée.\n";
    } else if (behind) {
        out << "Seule la lecture à l'envers tombe sur une valeur normalisée.\n";
    } else {
        out << "Aucune des deux lectures ne tombe sur une valeur normalisée.\n";
    }
}

std::vector<Value> seriesBetween(const code::Series& series, const Value& low, const Value& high) {
    std::vector<Value> values;
    // Values run from 0,001 Ω to 999 GΩ: series integers times 10^-5 to 10^11.
    for (int exponent = -5; exponent <= 11; ++exponent) {
        for (const int integer : series.values) {
            const Value value(integer, exponent);
            if (low <= value && value <= high) {
                values.push_back(value);
            }
        }
    }
    return values;
}

std::string networkLine(const code::Network& network, std::span<const Value> available,
                        const Value& target) {
    std::string line = network.written(available);
    if (network.partCount() > 1) {
        line += " = " + code::frenchApproximate(network.ohms());
    }
    const long double wanted = target.ohms();
    const long double deviation = (network.ohms() - wanted) / wanted * 100.0L;
    if (std::fabs(deviation) <= code::SameDeviation * 100.0L) {
        return line + ", exact";
    }
    return line + ", écart " + code::frenchDeviation(deviation);
}

}  // namespace cli
