// SPDX-License-Identifier: GPL-3.0-or-later
// verifier (check): a measurement against a colour code.
#include <algorithm>

#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "notation/french.h"

namespace cli {

namespace {

long double magnitude(long double percent) {
    return percent < 0 ? -percent : percent;
}

}  // namespace

std::string verifierUsage() {
    return "  verifier COULEUR... --mesure VALEUR\n"
           "                                   (check) la mesure est-elle dans la tolérance ?\n";
}

int verifier(const CommandLine& line, Answer& out, const InputFiles& /*files*/) {
    const std::optional<std::string> measured = line.option("--mesure");
    const notation::Reading reading = readingOf(line.words());
    if (!measured) {
        complain("il manque la mesure. Exemple : " + std::string(Program) +
                 " verifier marron noir rouge or --mesure 1030");
    }
    const notation::Value measurement = valueOf(*measured);
    const long double deviation = notation::percentFrom(reading.value, measurement);
    const notation::Value low = reading.value.scaledByBasisPoints(-reading.toleranceBasisPoints);
    const notation::Value high = reading.value.scaledByBasisPoints(reading.toleranceBasisPoints);
    const bool within = low <= measurement && measurement <= high;

    out << "Lecture : "
        << headline(reading.value, reading.toleranceBasisPoints, reading.tempCoefficient) << " ("
        << limits(reading.value, reading.toleranceBasisPoints) << ")\n";
    out << "Mesure : " << measurement.french() << ", écart " << notation::frenchPercent(deviation);
    if (within) {
        out << " : dans la tolérance.\n";
    } else {
        const long double beyond =
            magnitude(deviation) - static_cast<long double>(reading.toleranceBasisPoints) / 100.0L;
        out << " : hors tolérance, de " << notation::frenchPercent(beyond).substr(1)
            << " au-delà.\n";
    }

    const long double distance = magnitude(deviation);
    bool better = false;
    if (const std::optional<notation::Reading> reversed = reversedReadingOf(line.words())) {
        const long double reversedDeviation = notation::percentFrom(reversed->value, measurement);
        if (magnitude(reversedDeviation) < distance) {
            out << "La lecture à l'envers, "
                << headline(reversed->value, reversed->toleranceBasisPoints,
                            reversed->tempCoefficient)
                << ", s'accorde mieux avec la mesure (écart "
                << notation::frenchPercent(reversedDeviation) << ").\n";
            better = true;
        }
    }
    const notation::Series* series =
        notation::seriesForTolerance(std::min(reading.toleranceBasisPoints, 2000));
    if (series != nullptr) {
        const notation::Neighbours near = notation::neighbours(*series, measurement);
        const long double below = notation::percentFrom(near.below, measurement);
        const long double above = notation::percentFrom(near.above, measurement);
        const bool belowIsNearer = magnitude(below) <= magnitude(above);
        const notation::Value& nearest = belowIsNearer ? near.below : near.above;
        const long double nearestDeviation = belowIsNearer ? below : above;
        if (nearest != reading.value && magnitude(nearestDeviation) < distance) {
            out << "La valeur normalisée voisine " << nearest.french() << " (" << series->name
                << ") est plus proche de la mesure (écart "
                << notation::frenchPercent(nearestDeviation) << ").\n";
            better = true;
        }
    }
    if (!better) {
        out << "Ni la lecture à l'envers ni une valeur normalisée voisine ne s'accordent "
               "mieux.\n";
    }
    return within ? Done : OutOfTolerance;
}

}  // namespace cli
