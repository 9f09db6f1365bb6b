// SPDX-License-Identifier: GPL-3.0-or-later
// vecteurs (vectors): the published test vectors, of the colour code or of
// the markings.
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "notation/marking.h"
#include "notation/series.h"
#include "strings/terminal.h"

namespace cli {

std::string vecteursUsage() {
    return "  vecteurs [--cms]                 (vectors [--smd]) vecteurs de test CSV de toutes\n"
           "                                   les séries, en bagues ou en marquages CMS\n";
}

int vecteurs(const CommandLine& line, Answer& out, const InputFiles& /*files*/) {
    if (!line.words().empty()) {
        complain("la commande vecteurs ne prend pas d'argument (" +
                 strings::quoted(line.words().front()) + ").");
    }
    const bool markings = line.has("--cms");
    out << (markings ? notation::markingVectorsCsv() : notation::testVectorsCsv());
    return Done;
}

}  // namespace cli
