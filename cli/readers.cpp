// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/readers.h"

#include <cmath>
#include <variant>

#include "cli/wording.h"
#include "notation/french.h"
#include "notation/reading.h"
#include "strings/terminal.h"
#include "strings/text.h"

namespace cli {

using notation::Reading;
using notation::Value;

std::string reasonFor(notation::ReadProblem problem, Quantity quantity) {
    using notation::ReadProblem;
    switch (problem) {
        case ReadProblem::NoDigit:
            return "aucun chiffre";
        case ReadProblem::UnexpectedCharacter:
            return "un caractère inattendu";
        case ReadProblem::SeveralSeparators:
            return "plus d'un séparateur décimal";
        case ReadProblem::TooManyDigits:
            return "plus de " + std::to_string(notation::MostDigits) + " chiffres significatifs";
        case ReadProblem::Zero:
            return "une valeur nulle";
        case ReadProblem::EndlessFraction:
            return "une fraction qui ne tombe pas juste";
        case ReadProblem::TooSmall:
        case ReadProblem::TooLarge:
            break;
    }
    const bool small = problem == ReadProblem::TooSmall;
    // The ends of the reader's range, as its messages name them.
    const auto end = [&](notation::Range range, std::string_view unit) {
        return small ? "moins de " + notation::frenchQuantity(std::pow(10.0L, range.lowest), unit)
                     : "plus de " +
                           notation::frenchQuantity(999 * std::pow(10.0L, range.highest - 2), unit);
    };
    switch (quantity) {
        case Quantity::Voltage:
            return end(notation::VoltageRange, "V");
        case Quantity::Current:
            return end(notation::CurrentRange, "A");
        case Quantity::Power:
            return end(notation::PowerRange, "W");
        case Quantity::Resistance:
        case Quantity::Number:
            break;
    }
    // Ohms as values are written: "0,001 Ω", never "1 mΩ".
    const notation::Range range = notation::ResistanceRange;
    return small ? "moins de " + notation::Value(1, range.lowest).french()
                 : "plus de " + notation::Value(999, range.highest - 2).french();
}

namespace {

// "black, brown, red": the first English names, to show they are taken.
std::string englishExamples() {
    const std::vector<std::string> names = englishColourNames();
    return strings::joined(std::span(names).first(3), ", ");
}

std::string explain(const notation::BandProblem& problem, int bandCount) {
    using Kind = notation::BandProblem::Kind;
    const std::string band = " (bague " + std::to_string(problem.position) + ")";
    switch (problem.kind) {
        case Kind::TooFewBands:
        case Kind::TooManyBands:
            return std::to_string(bandCount) + (bandCount > 1 ? " bagues" : " bague") +
                   " ; il en faut de " + std::to_string(notation::FewestBands) + " à " +
                   std::to_string(notation::MostBands) + ".";
        case Kind::UnknownColour:
            return "couleur inconnue " + strings::quoted(problem.word) + band +
                   ". Couleurs : " + colourList() + " ; les noms anglais (" + englishExamples() +
                   "...) sont acceptés aussi.";
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
    const notation::Decoded decoded = notation::decode(words);
    if (const auto* problem = std::get_if<notation::BandProblem>(&decoded)) {
        complain(explain(*problem, static_cast<int>(words.size())));
    }
    return std::get<Reading>(decoded);
}

std::optional<Reading> reversedReadingOf(std::span<const std::string> words) {
    const std::vector<std::string> reversed(words.rbegin(), words.rend());
    const notation::Decoded decoded = notation::decode(reversed);
    if (const auto* reading = std::get_if<Reading>(&decoded)) {
        return *reading;
    }
    return std::nullopt;
}

Value valueOf(std::string_view text) {
    const notation::Read<Value> read = notation::readValue(text);
    if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
        complain("valeur illisible " + strings::quoted(text) + " : " +
                 reasonFor(*problem, Quantity::Resistance) +
                 ". Exemples : " + std::string(ValueExamples) + ".");
    }
    return std::get<Value>(read);
}

std::vector<std::string> joinedUnits(const std::vector<std::string>& words) {
    std::vector<std::string> joined;
    for (const std::string& word : words) {
        const bool unit = word == "V" || word == "v" || word == "mV" || word == "mv" ||
                          word == "A" || word == "mA" || word == "µA" || word == "uA";
        if (unit && !joined.empty()) {
            joined.back() += " " + word;
        } else {
            joined.push_back(word);
        }
    }
    return joined;
}

notation::Voltage exactVoltageOf(std::string_view text, std::string_view what) {
    if (!text.empty() && text.front() == '-') {
        complain(std::string(what) + " négative " + strings::quoted(text) +
                 " : les tensions se donnent positives.");
    }
    const notation::Read<notation::Voltage> read = notation::readVoltage(text);
    if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
        if (*problem == notation::ReadProblem::Zero) {
            complain(std::string(what) + " nulle " + strings::quoted(text) +
                     " : une tension se donne au-dessus de 0.");
        }
        complain(std::string(what) + " illisible " + strings::quoted(text) + " : " +
                 reasonFor(*problem, Quantity::Voltage) +
                 ". Exemples : " + std::string(VoltageExamples) + ".");
    }
    return std::get<notation::Voltage>(read);
}

double voltageOf(std::string_view text, std::string_view what) {
    return exactVoltageOf(text, what).volts();
}

double currentOf(std::string_view text, std::string_view what, bool signedCurrent) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative && !signedCurrent) {
        complain(std::string(what) + " négatif " + strings::quoted(text) +
                 " : ce courant se donne positif.");
    }
    const notation::Read<notation::Current> read =
        notation::readCurrent(text.substr(negative ? 1 : 0));
    if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
        if (*problem == notation::ReadProblem::Zero && signedCurrent) {
            return 0;
        }
        if (*problem == notation::ReadProblem::Zero) {
            complain(std::string(what) + " nul " + strings::quoted(text) +
                     " : ce courant se donne au-dessus de 0.");
        }
        complain(std::string(what) + " illisible " + strings::quoted(text) + " : " +
                 reasonFor(*problem, Quantity::Current) +
                 ". Exemples : " + std::string(CurrentExamples) + ".");
    }
    const double amperes = std::get<notation::Current>(read).amperes();
    return negative ? -amperes : amperes;
}

double percentOf(std::string_view text, std::string_view what) {
    std::string number;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "±") == 0) {
            ++i;
        } else if (text[i] != '%' && text[i] != ' ') {
            number += text[i];
        }
    }
    const notation::Read<notation::Decimal> read = notation::readNumber(number);
    if (const auto* percent = std::get_if<notation::Decimal>(&read);
        percent != nullptr && percent->amount() < 100) {
        return static_cast<double>(percent->amount()) / 100;
    }
    if (std::get_if<notation::ReadProblem>(&read) != nullptr &&
        std::get<notation::ReadProblem>(read) == notation::ReadProblem::Zero) {
        return 0;
    }
    complain(std::string(what) + " impossible " + strings::quoted(text) +
             " : un pourcentage de 0 à moins de 100. Exemples : 1, 0,5 %, ±2 %.");
}

searches::PowerRule powerRuleOf(const CommandLine& line) {
    searches::PowerRule rule;
    if (const std::optional<std::string> margin = line.option("--marge")) {
        rule.margin = percentOf(*margin, "marge");
    }
    if (const std::optional<std::string> text = line.option("--puissance")) {
        const notation::Read<notation::Power> read = notation::readPower(*text);
        if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
            complain("puissance illisible " + strings::quoted(*text) + " : " +
                     reasonFor(*problem, Quantity::Power) +
                     ". Exemples : " + std::string(PowerExamples) + ".");
        }
        rule.partsRating = std::get<notation::Power>(read).watts();
    }
    return rule;
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
    const notation::Read<Value> percent = notation::readValue(number);
    if (const auto* read = std::get_if<Value>(&percent)) {
        const notation::Decimal basisPoints(read->significand(), read->exponent() + 2);
        for (const int candidate : notation::codeTolerances()) {
            if (basisPoints == notation::Decimal(candidate, 0)) {
                return candidate;
            }
        }
    }
    complain("tolérance impossible " + strings::quoted(text) +
             ". Tolérances : " + toleranceSteps() + ".");
}

const notation::Series& seriesOf(const CommandLine& line, int fallback) {
    const std::optional<std::string> option = line.option("--tolerance");
    return *notation::seriesForTolerance(option ? toleranceOf(*option) : fallback);
}

}  // namespace cli
