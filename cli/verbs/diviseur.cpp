// SPDX-License-Identifier: GPL-3.0-or-later
// diviseur (divider): the best two legs R1 and R2 of standard resistors, or of
// a person's own, for a voltage divider (with its load), a regulator's
// feedback or a three-terminal adjustable regulator (with the current of the
// pin), the gain of a non-inverting amplifier, or a quotient R1 / R2; one leg
// may be given. Each answer says how far off it can be, and what each part
// burns.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "cli/part_source.h"
#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/diviseur_bounds.h"
#include "cli/verbs/diviseur_question.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "notation/french.h"
#include "notation/reading.h"
#include "searches/divider.h"
#include "searches/power.h"
#include "strings/terminal.h"
namespace cli {

namespace {

using notation::Value;
using searches::Goal;

// What the worst case spans: "±5 %, référence ±1 %, courant de broche de 0 à 100 µA".
std::string spreadText(const searches::Spread& spread, const Goal& goal) {
    std::string text = notation::frenchTolerance(spread.partsBasisPoints);
    if (spread.givenFraction > 0) {
        text += std::string(goal.kind() == Goal::Kind::Divider ? ", entrée " : ", référence ") +
                "±" + notation::frenchNumber(spread.givenFraction * 100) + " %";
    }
    if (spread.pinCurrentUpTo) {
        text +=
            ", courant de broche de 0 à " + notation::frenchQuantity(*spread.pinCurrentUpTo, "A");
    }
    return text;
}

struct Settings {
    const PartSource& source;
    searches::Spread spread;
    searches::PowerRule power;
};

// The voltage across each leg at the nominal point; nothing for a gain or a
// quotient.
std::optional<std::pair<double, double>> legVoltages(const Goal& goal, double quantity) {
    switch (goal.kind()) {
        case Goal::Kind::Divider:
            return std::pair{goal.given() - quantity, quantity};
        case Goal::Kind::Feedback:
            return std::pair{quantity - goal.given(), goal.given()};
        case Goal::Kind::Adjustable:
            return std::pair{goal.given(), quantity - goal.given()};
        case Goal::Kind::Gain:
        case Goal::Kind::Ratio:
            break;
    }
    return std::nullopt;
}

// "R1 39 kΩ 97,4 µW (1/16 W) ; R2 ...": what each part burns, and the
// smallest common rating that carries it.
std::string powerLine(const searches::Divider& divider, std::pair<double, double> across,
                      const Settings& settings) {
    struct Leg {
        const char* name;
        const searches::Network* network;
        double volts;
    };
    std::string text;
    for (const Leg& leg :
         {Leg{"R1", &divider.r1, across.first}, Leg{"R2", &divider.r2, across.second}}) {
        text += std::string(text.empty() ? "" : " ; ") + leg.name + " " +
                partPowersText(*leg.network, settings.source.values, leg.volts, settings.power);
    }
    return text;
}

void writeAnswer(Answer& out, int rank, const Goal& goal, const searches::Divider& divider,
                 const Settings& settings) {
    const auto leg = [&](const searches::Network& network) {
        return network.partCount() == 0 ? notation::frenchApproximate(network.ohms()) + " (fixée)"
                                        : networkText(network, settings.source.values);
    };
    out << rank << ". R1 = " << leg(divider.r1) << " ; R2 = " << leg(divider.r2) << "\n";
    const double deviation = (divider.quantity - goal.wanted()) / goal.wanted() * 100;
    out << "   " << shown(goal, divider.quantity) << deviationText(deviation) << " ; total "
        << notation::frenchApproximate(divider.total());
    if (goal.kind() != Goal::Kind::Gain && goal.kind() != Goal::Kind::Ratio) {
        out << ", "
            << notation::frenchQuantity(goal.drawn(divider.r1.ohms(), divider.r2.ohms()), "A")
            << (goal.kind() == Goal::Kind::Divider ? " tirés de l'entrée" : " tirés de la sortie");
    }
    const auto [low, high] =
        searches::worstCase(goal, divider, settings.source.values, settings.spread);
    out << "\n   au pire à " << spreadText(settings.spread, goal) << " : de " << shown(goal, low)
        << " à " << shown(goal, high) << "\n";
    if (!divider.otherTotals.empty()) {
        out << (divider.otherTotals.size() == 1 ? "   aussi au total de "
                                                : "   aussi aux totaux de ");
        for (std::size_t i = 0; i < divider.otherTotals.size(); ++i) {
            out << (i == 0                                ? ""
                    : i + 1 == divider.otherTotals.size() ? " et "
                                                          : ", ")
                << notation::frenchApproximate(divider.otherTotals[i]);
        }
        out << " (les mêmes valeurs, à une puissance de dix près)\n";
    }
    if (const auto across = legVoltages(goal, divider.quantity)) {
        out << "   puissance : " << powerLine(divider, *across, settings) << "\n";
    }
    std::vector<int> parts = divider.r1.distinctParts();
    const std::vector<int> more = divider.r2.distinctParts();
    parts.insert(parts.end(), more.begin(), more.end());
    std::sort(parts.begin(), parts.end(), std::greater<>());
    parts.erase(std::unique(parts.begin(), parts.end()), parts.end());
    const int tolerance = settings.spread.partsBasisPoints;
    for (const int part : parts) {
        const Value& value = settings.source.values[static_cast<std::size_t>(part)];
        out << "   " << value.french() << " : "
            << usualBands(value, settings.source.series,
                          tolerance <= notation::WidestBandTolerance ? std::optional(tolerance)
                                                                     : std::nullopt)
            << "\n";
    }
}

}  // namespace

std::string diviseurUsage() {
    return "  diviseur VENTRÉE VSORTIE         (divider) pont diviseur : Vs = Ve × R2 / (R1 + "
           "R2),\n"
           "                                   R1 de l'entrée à la sortie, R2 de la sortie à la "
           "masse\n"
           "  diviseur --reference VREF VSORTIE\n"
           "                                   contre-réaction d'un régulateur : Vs = Vréf × (1 + "
           "R1 / R2)\n"
           "  diviseur --ajustable VREF VSORTIE\n"
           "                                   régulateur ajustable à trois broches :\n"
           "                                   Vs = Vréf × (1 + R2 / R1) + Iadj × R2\n"
           "  diviseur --gain G                amplificateur non inverseur : G = 1 + R1 / R2\n"
           "  diviseur --rapport Q             le rapport R1 / R2 lui-même\n"
           "      [--serie E24] [--de 1] [--a 10M] | --stock FICHIER | --valeurs 4k7,10k,220\n"
           "      [--parties 1|" +
           std::to_string(searches::MostLegParts) +
           "] (par branche) [--nombre 3] [--total-min 1k] [--total-max 1M]\n"
           "      [--tolerance T] (défaut : celle de la série, 1 % pour un stock)\n"
           "      [--charge R] (de la sortie à la masse) [--fixe-r1 R | --fixe-r2 R]\n"
           "      [--courant-broche I] [--courant-broche-max I] (pire cas de 0 à I)\n"
           "      [--courant-max I] [--courant-min I] (tirés de l'entrée, ou de la sortie)\n"
           "      [--tolerance-entree P | --tolerance-reference P]\n"
           "      [--marge 50] (% de sa puissance nominale que chaque partie garde libre)\n"
           "      [--puissance 1/4] (celle des parties)\n"
           "                                   meilleures paires, avec l'écart, le total, le pire "
           "cas\n"
           "                                   à la tolérance et les bagues ; une paire aux mêmes\n"
           "                                   valeurs à une puissance de dix près n'est donnée "
           "qu'une\n"
           "                                   fois. Tensions : 5, 3,3, 3V3, \"3,3 V\", 500mV\n";
}

int diviseur(const CommandLine& line, Answer& out, const InputFiles& files) {
    if (line.words().empty() && !line.has("--gain") && !line.has("--rapport") &&
        !line.has("--reference") && !line.has("--ajustable")) {
        complain("quelles tensions ? Exemple : " + std::string(Program) +
                 std::string(DiviseurExample) +
                 " ; ou --reference 0,8 3,3, --ajustable 1,25 5, --gain 11, --rapport 4,7.");
    }
    const Asked asked = askedOf(line);
    refuseWhatDoesNotApply(line, asked.goal.kind());
    const Goal goal = withCircuit(line, asked.goal);
    const searches::GivenLeg given = givenLegOf(line);
    const int parts = line.count("--parties", 1, "nombre de parties par branche");
    const int howMany = line.count("--nombre", 3, "nombre de réponses");
    const Totals totals = totalsOf(line, goal);
    const PartSource source = partSourceOf(line, files);
    searches::Spread spread;
    spread.partsBasisPoints = line.has("--tolerance")    ? toleranceOf(*line.option("--tolerance"))
                              : source.series != nullptr ? source.series->toleranceBasisPoints
                                                         : 100;
    for (const char* option : {"--tolerance-entree", "--tolerance-reference"}) {
        if (const std::optional<std::string> text = line.option(option)) {
            spread.givenFraction = percentOf(*text, "tolérance");
        }
    }
    if (const std::optional<std::string> most = line.option("--courant-broche-max")) {
        spread.pinCurrentUpTo = currentOf(*most, "courant de broche maximal", true);
    }
    const Settings settings{source, spread, powerRuleOf(line)};

    const searches::DividerQuestion question{source.values,  goal,  parts,      totals.lowest,
                                             totals.highest, given, totals.draw};
    const std::vector<searches::Divider> found = searches::bestDividers(question, howMany);
    if (found.empty()) {
        complain("aucune paire de branches de " + source.described + " n'a " +
                 boundsText(goal, totals) + "." + whatWouldAnswer(question, totals));
    }
    out << asked.headline << "\n";
    if (std::isfinite(goal.load())) {
        out << "Avec une charge de " << notation::frenchApproximate(goal.load())
            << " de la sortie à la masse : R2 ∥ RL en place de R2.\n";
    }
    if (goal.pinCurrent() != 0) {
        out << "Avec un courant de broche de " << notation::frenchQuantity(goal.pinCurrent(), "A")
            << ".\n";
    }
    const std::string searched = given.which == searches::GivenLeg::Which::None ? "par branche"
                                 : given.which == searches::GivenLeg::Which::R1
                                     ? "pour R2, R1 fixée"
                                     : "pour R1, R2 fixée";
    out << "Avec " << source.described << ", " << (parts == 1 ? "1 partie" : "1 ou 2 parties")
        << " " << searched << ", " << boundsText(goal, totals) << " :\n";
    int rank = 0;
    for (const searches::Divider& divider : found) {
        writeAnswer(out, ++rank, goal, divider, settings);
    }
    writeShortfall(out, question, totals, found.front(), spread.partsBasisPoints);
    return Done;
}

}  // namespace cli
