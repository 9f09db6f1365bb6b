// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <algorithm>

#include "cli/support.h"
#include "cli/verbs.h"
#include "cli/version.h"

namespace cli {

int run(std::span<const std::string> arguments, Answer& out, Answer& err,
        const StockFiles& stocks) {
    try {
        if (arguments.empty()) {
            help(err);
            complain("commande manquante.");
        }
        const std::string& command = arguments.front();
        const std::span<const std::string> rest = arguments.subspan(1);
        if (command == "--help" || command == "-h" || command == "aide") {
            help(out);
            return Done;
        }
        if (command == "--version") {
            out << Program << " " << Version << "\n";
            return Done;
        }
        const bool helpAsked = std::any_of(rest.begin(), rest.end(), [](const std::string& word) {
            return word == "--help" || word == "-h";
        });
        if (helpAsked && verbHelp(command, out)) {
            return Done;
        }
        if (command == "lire" || command == "read") {
            return lire(rest, out);
        }
        if (command == "trouver" || command == "find") {
            return trouver(rest, out);
        }
        if (command == "verifier" || command == "vérifier" || command == "check") {
            return verifier(rest, out);
        }
        if (command == "vecteurs" || command == "vectors") {
            return vecteurs(rest, out);
        }
        if (command == "combiner" || command == "combine") {
            return combiner(rest, out, stocks);
        }
        if (command == "diviseur" || command == "divider") {
            return diviseur(rest, out, stocks);
        }
        complain("commande inconnue " + quoted(command) +
                 ". Commandes : lire (read), trouver (find), verifier (check), vecteurs (vectors), "
                 "combiner (combine), diviseur (divider) ; --help pour l'aide.");
    } catch (const Complaint& complaint) {
        err << Program << " : " << complaint.message << "\n";
        return BadInput;
    }
}

}  // namespace cli
