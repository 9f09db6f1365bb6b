// SPDX-License-Identifier: GPL-3.0-or-later
// lire (read): colour bands or a surface-mount marking, read both ways.
#include <variant>

#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "notation/marking.h"
#include "strings/terminal.h"

namespace cli {

namespace {

using notation::Marking;

// One reading, or two from either end, each "headline\n  limits ; standing".
struct Described {
    std::string headline;
    notation::Value value;
    std::string detail;  // limits and standing
};

// Both readings, and which of the two lands on a standard value.
void bothWays(Answer& out, const Described& forward, const Described& backward) {
    out << "À l'endroit : " << forward.headline << "\n  " << forward.detail << "\n";
    out << "À l'envers : " << backward.headline << "\n  " << backward.detail << "\n";
    const bool ahead = notation::coarsestSeriesHolding(forward.value) != nullptr;
    const bool behind = notation::coarsestSeriesHolding(backward.value) != nullptr;
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

int readBands(const std::vector<std::string>& words, Answer& out) {
    const notation::Reading reading = readingOf(words);
    const auto describe = [](const notation::Reading& r) {
        return Described{headline(r.value, r.toleranceBasisPoints, r.tempCoefficient), r.value,
                         limits(r.value, r.toleranceBasisPoints) + " ; " + standing(r.value)};
    };
    if (const std::optional<notation::Reading> reversed = reversedReadingOf(words)) {
        bothWays(out, describe(reading), describe(*reversed));
        return Done;
    }
    out << headline(reading.value, reading.toleranceBasisPoints, reading.tempCoefficient) << "\n"
        << limits(reading.value, reading.toleranceBasisPoints) << "\n"
        << standing(reading.value) << "\n";
    return Done;
}

std::string complaintAbout(const notation::MarkingProblem& problem) {
    using Kind = notation::MarkingProblem::Kind;
    switch (problem.kind) {
        case Kind::NoShape:
            break;
        case Kind::LeadingZero:
            return "marquage impossible " + strings::quoted(problem.part) +
                   " : seuls un strap (0, 000) et un marquage en 0R (0R22) commencent par 0.";
        case Kind::Eia96Index:
            return "index EIA-96 impossible " + strings::quoted(problem.part) + " : de 01 à 96.";
        case Kind::Eia96Letter:
            return "lettre de multiplicateur EIA-96 inconnue " + strings::quoted(problem.part) +
                   ". Lettres : " + notation::eia96Letters() + ".";
    }
    return "ni couleurs ni marquage " + strings::quoted(problem.part) +
           ". Marquages : 3 ou 4 chiffres (472, 4701), R pour la virgule (4R7, R47, 0R22), "
           "EIA-96 (01C, 68X).";
}

std::vector<Marking> meaningsOf(const std::string& text) {
    notation::MarkingRead read = notation::readMarking(text);
    if (const auto* problem = std::get_if<notation::MarkingProblem>(&read)) {
        complain(complaintAbout(*problem));
    }
    return std::get<std::vector<Marking>>(std::move(read));
}

std::string title(const Marking& marking) {
    return marking.text + " (" + std::string(notation::frenchName(marking.system)) + ")";
}

Described describe(const Marking& marking) {
    const int tolerance = notation::usualToleranceOf(marking.system);
    if (!marking.value.isPositive()) {
        return {title(marking) + " : 0 Ω, un strap", marking.value,
                "résistance nulle, sans tolérance"};
    }
    return {title(marking) + " : " + headline(marking.value, tolerance), marking.value,
            limits(marking.value, tolerance) + " ; " + standing(marking.value)};
}

int readMarking(const std::string& text, Answer& out) {
    const std::vector<Marking> meanings = meaningsOf(text);
    const Marking& marking = meanings.front();
    const Described forward = describe(marking);

    std::optional<Marking> turned;
    if (const std::optional<std::string> rotated = notation::turnedRound(marking.text)) {
        const notation::MarkingRead back = notation::readMarking(*rotated);
        if (const auto* others = std::get_if<std::vector<Marking>>(&back)) {
            turned = others->front();
        }
    }
    if (turned && turned->text != marking.text) {
        bothWays(out, forward, describe(*turned));
    } else {
        out << "Marquage " << forward.headline << "\n  " << forward.detail << "\n";
        if (turned) {
            out << "Retourné, il se lit de même.\n";
        }
    }
    for (std::size_t i = 1; i < meanings.size(); ++i) {
        const Described other = describe(meanings[i]);
        out << "Autre lecture possible, " << other.headline << "\n  " << other.detail << "\n";
    }
    return Done;
}

}  // namespace

std::string lireUsage() {
    return "  lire COULEUR...                  (read) valeur, tolérance et limites d'une "
           "résistance\n"
           "                                   de " +
           std::to_string(notation::FewestBands) + " à " + std::to_string(notation::MostBands) +
           " bagues, lue dans les deux sens\n"
           "  lire MARQUAGE                    (read) marquage d'une résistance CMS (472, 4701, "
           "4R7,\n"
           "                                   01C), lu aussi retourné\n";
}

int lire(const CommandLine& line, Answer& out, const InputFiles& /*files*/) {
    const std::vector<std::string>& words = line.words();
    if (words.size() == 1 && notation::looksLikeMarking(words.front())) {
        return readMarking(words.front(), out);
    }
    return readBands(words, out);
}

}  // namespace cli
