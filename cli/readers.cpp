// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/readers.h"

#include <variant>

#include "cli/printable.h"
#include "cli/wording.h"

namespace cli {

using code::Reading;
using code::Value;

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string reasonFor(code::ReadProblem problem, Quantity quantity) {
    using code::ReadProblem;
    switch (problem) {
        case ReadProblem::NoDigit:
            return "aucun chiffre";
        case ReadProblem::UnexpectedCharacter:
            return "un caractère inattendu";
        case ReadProblem::SeveralSeparators:
            return "plus d'un séparateur décimal";
        case ReadProblem::TooManyDigits:
            return "plus de 12 chiffres significatifs";
        case ReadProblem::Zero:
            return "une valeur nulle";
        case ReadProblem::TooSmall:
            return quantity == Quantity::Voltage ? "moins de 1 µV" : "moins de 0,001 Ω";
        case ReadProblem::TooLarge:
            return quantity == Quantity::Voltage ? "plus de 999 kV" : "plus de 999 GΩ";
    }
    return "illisible";
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
    const code::Read<Value> read = code::readValue(text);
    if (const auto* problem = std::get_if<code::ReadProblem>(&read)) {
        complain("valeur illisible " + quoted(text) + " : " +
                 reasonFor(*problem, Quantity::Resistance) +
                 ". Exemples : 4700, 4,7k, 4.7k, 4k7, \"4,7 kΩ\", R47, 0,47.");
    }
    return std::get<Value>(read);
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
    // The percentage reads as a value does, with its digits exact.
    const code::Read<Value> percent = code::readValue(number);
    if (const auto* read = std::get_if<Value>(&percent)) {
        const code::Decimal basisPoints(read->significand(), read->exponent() + 2);
        for (const int candidate : codeTolerances()) {
            if (basisPoints == code::Decimal(candidate, 0)) {
                return candidate;
            }
        }
    }
    complain("tolérance impossible " + quoted(text) + ". Tolérances : " + toleranceSteps() + ".");
}

const code::Series& seriesOf(const CommandLine& line, int fallback) {
    const std::optional<std::string> option = line.option("--tolerance");
    return *code::seriesForTolerance(option ? toleranceOf(*option) : fallback);
}

}  // namespace cli
