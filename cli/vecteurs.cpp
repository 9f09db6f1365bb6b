// SPDX-License-Identifier: GPL-3.0-or-later
// vecteurs (vectors): the published test vectors, of the colour code or of
// the markings.
#include "cli/commands.h"
#include "cli/support.h"
#include "cli/verbs.h"
#include "code/marking.h"

namespace cli {

int vecteurs(std::span<const std::string> arguments, Answer& out) {
    const CommandLine line(arguments, {}, {"--cms", "--smd"});
    if (!line.words().empty()) {
        complain("la commande vecteurs ne prend pas d'argument (" + quoted(line.words().front()) +
                 ").");
    }
    const bool markings = line.has("--cms") || line.has("--smd");
    out << (markings ? code::markingVectorsCsv() : code::testVectorsCsv());
    return Done;
}

}  // namespace cli
