// SPDX-License-Identifier: GPL-3.0-or-later
// inductance (inductor): an inductor's bands or code read, and a value
// written as its bands and codes.
#include <cmath>
#include <variant>

#include "cli/reactive_wording.h"
#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "notation/french.h"
#include "reactive/inductor_code.h"
#include "strings/terminal.h"
#include "strings/text.h"

namespace cli {

namespace {

using notation::Colour;
using reactive::Inductance;

// Most inductors are sold at ±10 %, silver.
constexpr int UsualTolerance = 1000;

std::string written(const notation::Decimal& value) {
    return Inductance(value.significand(), value.exponent()).french();
}

std::string colourNames(const std::vector<Colour>& colours) {
    std::string names;
    for (const Colour colour : colours) {
        names += (names.empty() ? "" : ", ") + strings::asciiLowered(notation::nameOf(colour));
    }
    return names;
}

std::string toleranceColours() {
    std::string list;
    for (const Colour colour : reactive::inductorColoursAt(4, 4)) {
        list += (list.empty() ? "" : ", ") + strings::asciiLowered(notation::nameOf(colour)) + " " +
                notation::frenchTolerance(*reactive::inductorToleranceOf(colour));
    }
    return list;
}

std::string complaintAbout(const reactive::InductorBandProblem& problem,
                           const std::vector<std::string>& words) {
    using Kind = reactive::InductorBandProblem::Kind;
    const int bands = static_cast<int>(words.size());
    if (problem.kind == Kind::BandCount) {
        return std::to_string(bands) +
               " bagues : une inductance en a 4 (deux chiffres, un multiplicateur, une "
               "tolérance), ou 5 au code militaire (ARGENT d'abord).";
    }
    const std::string word = strings::quoted(words[static_cast<std::size_t>(problem.position - 1)]);
    const std::string band = " en bague " + std::to_string(problem.position);
    const std::string allowed = ". Couleurs possibles : " +
                                colourNames(reactive::inductorColoursAt(bands, problem.position)) +
                                ".";
    switch (problem.kind) {
        case Kind::NotMilitary:
            return "5 bagues : le code militaire commence par une large bague ARGENT, pas " + word +
                   ".";
        case Kind::ZeroFirstDigit:
            return "NOIR (0) ne peut pas être le premier chiffre" + band + allowed;
        case Kind::NotAMultiplier:
            return word + " ne peut pas être un multiplicateur" + band +
                   " : de ARGENT (×0,01) et OR (×0,1) à JAUNE (×10 000)" + allowed;
        case Kind::NotATolerance:
            return word + " n'est pas une tolérance" + band +
                   ". Tolérances : " + toleranceColours() + ".";
        case Kind::ZeroValue:
            return "les chiffres font une valeur nulle.";
        case Kind::BandCount:
        case Kind::NotADigit:
            break;
    }
    return word + " ne peut pas être un chiffre" + band + allowed;
}

struct Read {
    Inductance value;
    std::optional<int> tolerance;
};

Read readBands(const std::vector<std::string>& words, Answer& out) {
    std::vector<Colour> colours;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::optional<Colour> colour = notation::parseColour(words[i]);
        if (!colour) {
            complain("couleur inconnue " + strings::quoted(words[i]) + " en bague " +
                     std::to_string(i + 1) + ". Couleurs : " + colourList() + ".");
        }
        colours.push_back(*colour);
    }
    const reactive::InductorDecoded decoded = reactive::decodeInductorBands(colours);
    if (const auto* problem = std::get_if<reactive::InductorBandProblem>(&decoded)) {
        complain(complaintAbout(*problem, words));
    }
    const auto& reading = std::get<reactive::InductorReading>(decoded);
    out << (reading.military ? "Code militaire " : "") << notation::joined(colours) << " : "
        << reading.value.french() << " " << notation::frenchTolerance(reading.toleranceBasisPoints)
        << "\n  "
        << limitsOf(reading.value, reading.toleranceBasisPoints, reading.toleranceBasisPoints,
                    written)
        << "\n";
    return {reading.value, reading.toleranceBasisPoints};
}

// "101", "4R7", "47N": a code has no prefix but R or N.
bool looksLikeCode(std::string_view word) {
    return word.find_first_not_of("0123456789RrNn") == std::string_view::npos &&
           (word.size() == 3 || word.find_first_of("RrNn") != std::string_view::npos);
}

std::string codeExplanation(std::string_view code) {
    if (code.find_first_of("Rr") != std::string_view::npos) {
        return "R pour la virgule, en µH";
    }
    if (code.find_first_of("Nn") != std::string_view::npos) {
        return "N pour la virgule, en nH";
    }
    return figuresTimesPower(code.substr(0, 2), code[2] - '0', "µH");
}

Read readWord(const std::string& word, Answer& out) {
    if (looksLikeCode(word)) {
        const std::optional<Inductance> value = reactive::readInductorCode(word);
        if (!value) {
            complain("code d'inductance impossible " + strings::quoted(word) +
                     " : trois chiffres, le dernier de 0 à 7 pour la puissance de dix (101), ou R "
                     "pour la virgule en µH (4R7, R47), ou N en nH (47N, 2N2).");
        }
        out << word << " : " << value->french() << " (" << codeExplanation(word) << ")\n";
        return {*value, std::nullopt};
    }
    const notation::Read<Inductance> read = reactive::readInductance(word);
    if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
        complain("ni bagues, ni code, ni valeur " + strings::quoted(word) + " : " +
                 reasonFor(*problem, Quantity::Number) +
                 ". Exemples : JAUNE VIOLET OR ARGENT, 101, 4R7, 47N, 4,7µH, 10mH, 47nH.");
    }
    return {std::get<Inductance>(read), std::nullopt};
}

int toleranceOption(const CommandLine& line, std::optional<int> read) {
    const std::optional<std::string> text = line.option("--tolerance");
    if (!text) {
        return read.value_or(UsualTolerance);
    }
    if (read) {
        complain("les bagues portent déjà la tolérance : --tolerance est de trop.");
    }
    const int basisPoints = static_cast<int>(std::llround(percentOf(*text, "tolérance") * 10'000));
    if (!reactive::inductorToleranceColour(basisPoints)) {
        complain("tolérance sans couleur " + strings::quoted(*text) +
                 ". Tolérances : " + toleranceColours() + ".");
    }
    return basisPoints;
}

void writeMarkings(Answer& out, const Inductance& value, int tolerance) {
    out << "Marquages de " << value.french() << " " << notation::frenchTolerance(tolerance)
        << " :\n";
    const auto bands = reactive::inductorBandsOf(value, tolerance);
    out << "  4 bagues : "
        << (bands ? notation::joined(*bands)
                  : "impossible (deux chiffres, multiplicateur de ×0,01 à ×10 000 µH)")
        << "\n";
    if (const auto military = reactive::militaryBandsOf(value, tolerance)) {
        out << "  code militaire, 5 bagues : " << notation::joined(*military) << "\n";
    }
    const std::vector<std::string> codes = reactive::inductorCodesOf(value);
    std::string list;
    for (const std::string& code : codes) {
        list += (list.empty() ? "" : ", ") + code;
    }
    out << "  code : " << (list.empty() ? "impossible (deux chiffres significatifs)" : list)
        << "\n";
    out << "Séries :\n" << seriesLines(value, written);
}

}  // namespace

std::string inductanceUsage() {
    return "  inductance COULEUR...|CODE|VALEUR [--tolerance T]\n"
           "                                   (inductor) bagues (4, ou 5 au code militaire) "
           "ou code\n"
           "                                   (101, 4R7, 47N) d'une inductance lus, puis ses "
           "marquages\n"
           "                                   et les valeurs voisines des séries E3 à E24\n";
}

int inductance(const CommandLine& line, Answer& out, const InputFiles& /*files*/) {
    const std::vector<std::string>& words = line.words();
    if (words.empty() || (words.size() == 1 && words.front().empty())) {
        complain(
            "quelles bagues, quel code ou quelle valeur ? Exemples : JAUNE VIOLET OR "
            "ARGENT, 101, 4R7, 4,7µH.");
    }
    const bool bands = notation::parseColour(words.front()).has_value();
    // What was read is said once the options are known to be right.
    Answer said;
    const Read read = bands ? readBands(words, said) : readWord(line.joinedWords(), said);
    const int tolerance = toleranceOption(line, read.tolerance);
    out << said.text();
    writeMarkings(out, read.value, tolerance);
    return Done;
}

}  // namespace cli
