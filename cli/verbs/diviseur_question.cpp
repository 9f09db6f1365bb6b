// SPDX-License-Identifier: GPL-3.0-or-later
// What a diviseur command asks: the way of asking and its target, the
// circuit around the divider, the totals and a given leg, each checked.
#include "cli/verbs/diviseur_question.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

#include "cli/readers.h"
#include "notation/french.h"
#include "notation/reading.h"
#include "strings/terminal.h"

namespace cli {

namespace {

using notation::Value;
using searches::Goal;

// A gain or a quotient: a plain decimal above `floor`.
double numberOf(std::string_view text, std::string_view what, double floor,
                std::string_view tooLow) {
    // A negative or zero number is one that is too low, not an unreadable one.
    const bool negative = !text.empty() && text.front() == '-';
    const notation::Read<notation::Decimal> read =
        notation::readNumber(text.substr(negative ? 1 : 0));
    const auto* problem = std::get_if<notation::ReadProblem>(&read);
    if (problem != nullptr && *problem != notation::ReadProblem::Zero) {
        complain(std::string(what) + " illisible " + strings::quoted(text) + " : " +
                 reasonFor(*problem, Quantity::Number) + ". Exemples : 11, 4,7, 2.5.");
    }
    const auto* number = std::get_if<notation::Decimal>(&read);
    const double value = number != nullptr && !negative ? static_cast<double>(number->amount()) : 0;
    if (!(value > floor)) {
        complain(std::string(tooLow));
    }
    return value;
}

// A regulator's reference and output, from --reference or --ajustable.
Asked regulatorOf(const CommandLine& line, const std::vector<std::string>& words,
                  std::string_view option) {
    const bool adjustable = option == "--ajustable";
    if (words.size() != 1) {
        complain("avec " + std::string(option) +
                 ", donnez la tension de sortie seule. Exemple : " + std::string(Program) +
                 " diviseur " + std::string(option) + (adjustable ? " 1,25 5" : " 0,8 3,3"));
    }
    const double vref = voltageOf(*line.option(option), "tension de référence");
    const double vout = voltageOf(words[0], "tension de sortie");
    const std::string_view law =
        adjustable ? "Vs = Vréf × (1 + R2 / R1)" : "Vs = Vréf × (1 + R1 / R2)";
    if (!(vref < vout)) {
        complain("la sortie (" + volts(vout) + ") doit être au-dessus de la référence (" +
                 volts(vref) + ") : " + std::string(law) + ".");
    }
    if (adjustable) {
        return {Goal::adjustable(vref, vout),
                "Régulateur ajustable pour " + volts(vout) + " sur une référence de " +
                    volts(vref) + " : " + std::string(law) +
                    " + Iadj × R2 ; R1 de la sortie à la broche d'ajustement, aux bornes de la "
                    "référence, R2 de cette broche à la masse."};
    }
    return {Goal::feedback(vref, vout),
            "Contre-réaction pour " + volts(vout) + " sur une référence de " + volts(vref) + " : " +
                std::string(law) +
                " ; R1 de la sortie à la broche de contre-réaction, R2 de cette broche à la "
                "masse."};
}

}  // namespace

Asked askedOf(const CommandLine& line) {
    const bool reference = line.has("--reference");
    const bool adjustable = line.has("--ajustable");
    const bool gain = line.has("--gain");
    const bool ratio = line.has("--rapport");
    if (int{reference} + int{adjustable} + int{gain} + int{ratio} > 1) {
        complain(
            "--reference, --ajustable, --gain et --rapport sont quatre façons de demander : une "
            "seule.");
    }
    const std::vector<std::string> words = joinedUnits(line.words());
    if (gain || ratio) {
        if (!words.empty()) {
            complain(std::string(gain ? "--gain" : "--rapport") + " ne prend pas de tension : " +
                     strings::quoted(words.front()) + " est de trop.");
        }
        if (gain) {
            const double g = numberOf(*line.option("--gain"), "gain", 1,
                                      "un gain de 1 ou moins est impossible : un amplificateur "
                                      "non inverseur a G = 1 + R1 / R2, au-dessus de 1.");
            return {Goal::gain(g),
                    "Amplificateur non inverseur de gain " + notation::frenchNumber(g) +
                        " : G = 1 + R1 / R2 ; R1 de la sortie à l'entrée inverseuse, "
                        "R2 de l'entrée inverseuse à la masse."};
        }
        const double q = numberOf(*line.option("--rapport"), "rapport", 0,
                                  "le rapport R1 / R2 doit être au-dessus de 0.");
        return {Goal::ratio(q), "Rapport R1 / R2 de " + notation::frenchNumber(q) + "."};
    }
    if (reference || adjustable) {
        return regulatorOf(line, words, reference ? "--reference" : "--ajustable");
    }
    if (words.size() != 2) {
        complain(
            "il faut deux tensions, l'entrée puis la sortie. Exemple : " + std::string(Program) +
            std::string(DiviseurExample) + " ; ou --reference, --ajustable, --gain, --rapport.");
    }
    const double vin = voltageOf(words[0], "tension d'entrée");
    const double vout = voltageOf(words[1], "tension de sortie");
    if (!(vout < vin)) {
        complain("la sortie (" + volts(vout) + ") doit être en dessous de l'entrée (" + volts(vin) +
                 ") : un diviseur ne fait que baisser la tension.");
    }
    return {Goal::divider(vin, vout),
            "Diviseur de " + volts(vin) + " à " + volts(vout) +
                " : Vs = Ve × R2 / (R1 + R2) ; R1 de l'entrée à la sortie, R2 de la sortie à la "
                "masse."};
}

// Options that only some ways of asking take.
void refuseWhatDoesNotApply(const CommandLine& line, Goal::Kind kind) {
    const bool divider = kind == Goal::Kind::Divider;
    const bool regulator = kind == Goal::Kind::Feedback || kind == Goal::Kind::Adjustable;
    const auto refuse = [&](std::string_view option, bool applies, std::string_view why) {
        if (line.has(option) && !applies) {
            complain(std::string(option) + " ne va pas ici : " + std::string(why));
        }
    };
    refuse("--charge", divider, "une charge se branche à la sortie d'un diviseur.");
    refuse("--tolerance-entree", divider, "seul un diviseur a une tension d'entrée.");
    refuse("--courant-broche", regulator, "il va avec --reference ou --ajustable.");
    refuse("--courant-broche-max", regulator, "il va avec --reference ou --ajustable.");
    refuse("--tolerance-reference", regulator, "il va avec --reference ou --ajustable.");
    refuse("--courant-max", divider || regulator, "un gain ou un rapport ne tire pas de courant.");
    refuse("--courant-min", divider || regulator, "un gain ou un rapport ne tire pas de courant.");
    if (line.has("--fixe-r1") && line.has("--fixe-r2")) {
        complain(
            "--fixe-r1 et --fixe-r2 ensemble ne laissent rien à chercher : fixez une "
            "branche au plus.");
    }
}

Goal withCircuit(const CommandLine& line, Goal goal) {
    if (const std::optional<std::string> load = line.option("--charge")) {
        goal = goal.loaded(static_cast<double>(valueOf(*load).ohms()));
    }
    if (const std::optional<std::string> pin = line.option("--courant-broche")) {
        goal = goal.withPinCurrent(currentOf(*pin, "courant de broche", true));
    }
    return goal;
}

namespace {

const Value DefaultLowest(1, 3);
const Value DefaultHighest(1, 6);

// A total of twelve digits at or near `ohms`, rounded up or down.
Value roundedTotal(double ohms, bool upwards) {
    const int exponent = static_cast<int>(std::floor(std::log10(ohms))) - 11;
    const double scaled = ohms / std::pow(10.0, exponent);
    return {static_cast<std::int64_t>(upwards ? std::ceil(scaled) : std::floor(scaled)), exponent};
}

}  // namespace

Totals totalsOf(const CommandLine& line, const Goal& goal) {
    Totals totals;
    totals.lowest = DefaultLowest;
    totals.highest = DefaultHighest;
    const auto amperes = [&](const char* option, std::string_view what) {
        const std::optional<std::string> text = line.option(option);
        return text ? std::optional(currentOf(*text, what)) : std::nullopt;
    };
    totals.draw = {amperes("--courant-max", "courant maximal"),
                   amperes("--courant-min", "courant minimal")};
    if (totals.draw.most && totals.draw.least && *totals.draw.most < *totals.draw.least) {
        complain("les courants sont à l'envers : --courant-min " +
                 notation::frenchQuantity(*totals.draw.least, "A") +
                 " est au-dessus de --courant-max " +
                 notation::frenchQuantity(*totals.draw.most, "A") + ".");
    }
    // The bounds the person set on the totals, a current's at the wished output.
    const double across = goal.kind() == Goal::Kind::Divider ? goal.given() : goal.wanted();
    std::optional<double> ownLowest;
    std::optional<double> ownHighest;
    if (const std::optional<std::string> text = line.option("--total-min")) {
        totals.lowest = valueOf(*text);
        totals.lowestFrom = "--total-min";
        ownLowest = static_cast<double>(totals.lowest.ohms());
    }
    if (const std::optional<std::string> text = line.option("--total-max")) {
        totals.highest = valueOf(*text);
        totals.highestFrom = "--total-max";
        ownHighest = static_cast<double>(totals.highest.ohms());
    }
    // A default moves out of the way below, so only two of the person's own cross.
    if (ownLowest && ownHighest && totals.highest < totals.lowest) {
        complain("les totaux sont à l'envers : --total-min " + totals.lowest.french() +
                 " est au-dessus de --total-max " + totals.highest.french() + ".");
    }
    if (totals.draw.most) {
        ownLowest = std::max(ownLowest.value_or(0), across / *totals.draw.most);
    }
    if (totals.draw.least) {
        ownHighest = std::min(ownHighest.value_or(std::numeric_limits<double>::infinity()),
                              across / *totals.draw.least);
    }
    constexpr double Decade = 10;
    if (totals.lowestFrom.empty() && ownHighest &&
        *ownHighest < static_cast<double>(DefaultLowest.ohms()) * Decade) {
        totals.lowest = roundedTotal(*ownHighest / Decade, false);
        totals.lowestYielded = true;
    }
    if (totals.highestFrom.empty() && ownLowest &&
        *ownLowest > static_cast<double>(DefaultHighest.ohms()) / Decade) {
        totals.highest = roundedTotal(*ownLowest * Decade, true);
        totals.highestYielded = true;
    }
    return totals;
}

searches::GivenLeg givenLegOf(const CommandLine& line) {
    for (const auto& [option, which] : {std::pair{"--fixe-r1", searches::GivenLeg::Which::R1},
                                        std::pair{"--fixe-r2", searches::GivenLeg::Which::R2}}) {
        if (const std::optional<std::string> text = line.option(option)) {
            return {which, static_cast<double>(valueOf(*text).ohms())};
        }
    }
    return {};
}

}  // namespace cli
