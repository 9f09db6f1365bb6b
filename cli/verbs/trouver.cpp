// SPDX-License-Identifier: GPL-3.0-or-later
// trouver (find): the bands or the markings of a value, or of the nearest
// standard values.
#include <algorithm>
#include <variant>

#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "notation/french.h"
#include "notation/marking.h"
#include "notation/reading.h"
#include "strings/terminal.h"

namespace cli {

namespace {

using notation::Colour;
using notation::Value;

std::string bandsIn(const Value& value, int bands, int tolerance, int coefficient) {
    const notation::Encoded encoded = notation::encode(value, bands, tolerance, coefficient);
    if (const auto* colours = std::get_if<std::vector<Colour>>(&encoded)) {
        return notation::joined(*colours);
    }
    return "impossible avec " + std::to_string(bands) +
           " bagues (multiplicateur hors de x0,01 à x1G)";
}

int coefficientOf(const CommandLine& line) {
    const std::optional<std::string> option = line.option("--coefficient");
    if (!option) {
        return 100;
    }
    const notation::Read<Value> read = notation::readValue(*option);
    const Value* ppm = std::get_if<Value>(&read);
    const bool known =
        ppm != nullptr && ppm->exponent() >= 0 && ppm->digits() <= 3 &&
        std::any_of(notation::AllColours.begin(), notation::AllColours.end(), [&](Colour c) {
            return notation::tempCoefficientOf(c) &&
                   Value(*notation::tempCoefficientOf(c), 0) == *ppm;
        });
    if (!known) {
        complain("coefficient de température impossible " + strings::quoted(*option) +
                 ". Coefficients : " + coefficientList() + ".");
    }
    return static_cast<int>(ppm->ohms() + 0.5L);
}

int bandCountOf(const CommandLine& line) {
    const std::optional<std::string> option = line.option("--bandes");
    if (!option) {
        return 4;
    }
    if (*option != "4" && *option != "5" && *option != "6") {
        complain("nombre de bagues impossible " + strings::quoted(*option) +
                 ". Nombres : 4, 5 ou 6.");
    }
    return std::stoi(*option);
}

int findBands(const CommandLine& line, const Value& value, Answer& out) {
    const int bands = bandCountOf(line);
    const int tolerance =
        line.has("--tolerance")
            ? toleranceOf(*line.option("--tolerance"))
            : (bands == 4 ? notation::UsualTwoDigitTolerance : notation::UsualThreeDigitTolerance);
    const int coefficient = coefficientOf(line);
    const notation::Series& series = *notation::seriesForTolerance(tolerance);
    if (series.digits == 3 && bands == 4) {
        complain("une tolérance de " + notation::frenchTolerance(tolerance).substr(2) +
                 " va avec la série " + std::string(series.name) +
                 ", dont les valeurs ont trois chiffres : utilisez --bandes 5 ou 6.");
    }
    const std::string described = std::to_string(bands) + " bagues : ";
    if (notation::contains(series, value)) {
        out << value.french() << " " << notation::frenchTolerance(tolerance) << " (série "
            << series.name << ")\n"
            << described << bandsIn(value, bands, tolerance, coefficient) << "\n";
        return Done;
    }
    const notation::Neighbours near = notation::neighbours(series, value);
    out << value.french() << " n'est pas une valeur de la série " << series.name << " ("
        << notation::frenchTolerance(tolerance) << "). Les plus proches, en " << bands
        << " bagues :\n";
    for (const Value& neighbour : {near.below, near.above}) {
        out << "  " << neighbour.french() << " ("
            << notation::frenchPercent(notation::percentFrom(value, neighbour))
            << ") : " << bandsIn(neighbour, bands, tolerance, coefficient) << "\n";
    }
    // Two standard parts often do better than either neighbour.
    const std::vector<Value> parts = notation::valuesBetween(series, Value(1, 0), Value(1, 7));
    const auto best = searches::bestNetworks(parts, value, 2, 1);
    out << "Avec deux résistances de la série " << series.name << " : "
        << networkLine(best.back().front(), parts, value) << "\n";
    return Done;
}

// "472, 4701": the markings of a value, in the order of the systems.
std::string markingList(const Value& value) {
    std::string list;
    for (const notation::Marking& marking : notation::markingsOf(value)) {
        list += (list.empty() ? "" : ", ") + marking.text;
    }
    return list.empty() ? "aucun marquage" : list;
}

int findMarkings(const CommandLine& line, const Value& value, Answer& out) {
    for (const std::string_view option : {"--bandes", "--coefficient"}) {
        if (line.has(option)) {
            complain("l'option " + std::string(option) +
                     " ne va pas avec --cms : un marquage n'a pas de bagues.");
        }
    }
    const notation::Series& series = seriesOf(line, notation::UsualTwoDigitTolerance);
    const std::vector<notation::Marking> markings = notation::markingsOf(value);
    const notation::Neighbours near = notation::neighbours(series, value);
    const bool standard = notation::coarsestSeriesHolding(value) != nullptr;
    if (markings.empty()) {
        complain("aucun marquage ne peut écrire " + value.french() +
                 " : ni 3 chiffres (deux chiffres significatifs, jusqu'à 99 GΩ), ni 4 "
                 "chiffres (trois chiffres significatifs), ni EIA-96 (valeurs de la série "
                 "E96, de 0,1 Ω à 97,6 MΩ). Valeurs normalisées voisines : " +
                 near.below.french() + " (" + markingList(near.below) + ") et " +
                 near.above.french() + " (" + markingList(near.above) + ").");
    }
    out << value.french() << ", " << standing(value) << " :\n";
    for (const notation::Marking& marking : markings) {
        out << "  " << notation::frenchName(marking.system) << " ("
            << notation::frenchTolerance(notation::usualToleranceOf(marking.system))
            << ") : " << marking.text << "\n";
    }
    if (!standard) {
        out << "Les valeurs de la série " << series.name << " les plus proches :\n";
        for (const Value& neighbour : {near.below, near.above}) {
            out << "  " << neighbour.french() << " ("
                << notation::frenchPercent(notation::percentFrom(value, neighbour))
                << ") : " << markingList(neighbour) << "\n";
        }
    }
    return Done;
}

}  // namespace

std::string trouverUsage() {
    return "  trouver VALEUR [--bandes 4|5|6] [--tolerance T] [--coefficient PPM]\n"
           "                                   (find) bagues d'une valeur normalisée, ou des "
           "valeurs\n"
           "                                   normalisées les plus proches avec l'écart\n"
           "  trouver VALEUR --cms [--tolerance T]\n"
           "                                   (find --smd) marquages CMS de la valeur, et des "
           "valeurs\n"
           "                                   normalisées les plus proches si elle n'en est pas "
           "une\n";
}

int trouver(const CommandLine& line, Answer& out, const InputFiles& /*files*/) {
    if (line.words().empty()) {
        complain("quelle valeur ? Exemple : " + std::string(Program) + " trouver 4,7k");
    }
    const Value value = valueOf(line.joinedWords());
    if (line.has("--cms")) {
        return findMarkings(line, value, out);
    }
    return findBands(line, value, out);
}

}  // namespace cli
