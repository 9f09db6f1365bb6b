// SPDX-License-Identifier: GPL-3.0-or-later
// vecteurs (vectors): the published test vectors, of the colour code or of
// the markings.
#include "cli/commands.h"
#include "cli/printable.h"
#include "cli/verbs.h"
#include "code/marking.h"
#include "code/series.h"

namespace cli {

int vecteurs(const CommandLine& line, Answer& out, const StockFiles& /*stocks*/) {
    if (!line.words().empty()) {
        complain("la commande vecteurs ne prend pas d'argument (" + quoted(line.words().front()) +
                 ").");
    }
    const bool markings = line.has("--cms");
    out << (markings ? code::markingVectorsCsv() : code::testVectorsCsv());
    return Done;
}

}  // namespace cli
