// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a diviseur answer says of its bounds: which held, and, when the best
// pair misses the wish by more than the parts' tolerance, which bound keeps
// it from a better one and what relaxing that bound would give.
#include <string>

#include "cli/answer.h"
#include "cli/verbs/diviseur_question.h"
#include "searches/divider.h"

namespace cli {

// The quantity as the person asked for it: volts, or a plain number.
std::string shown(const searches::Goal& goal, double quantity);

// "R1 + R2 de 100 Ω (1 kΩ par défaut, abaissé) à 1 MΩ, au moins 5 mA tirés
// de la sortie".
std::string boundsText(const searches::Goal& goal, const Totals& totals);

// The pair in one line: "R1 = 1 kΩ ; R2 = 3 kΩ, 5 V, exact ; total 4 kΩ".
std::string pairLine(const searches::Goal& goal, const searches::Divider& divider,
                     std::span<const notation::Value> available);

// Nothing when the best answer is within `toleranceBasisPoints` of the wish;
// otherwise the lines that say so and name the bounds to blame.
void writeShortfall(Answer& out, const searches::DividerQuestion& question, const Totals& totals,
                    const searches::Divider& best, int toleranceBasisPoints);

// For a question nothing answers: "; sans --courant-min 5 mA : R1 = ..."
// for each bound whose relaxation finds a pair, or nothing.
std::string whatWouldAnswer(const searches::DividerQuestion& question, const Totals& totals);

}  // namespace cli
