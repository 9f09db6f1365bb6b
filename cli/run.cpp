// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/run.h"

#include <algorithm>

#include "cli/verbs/verbs.h"
#include "cli/version.h"
#include "strings/terminal.h"

namespace cli {

namespace {

// "lire (read), trouver (find), ...", from the table.
std::string verbList() {
    std::string list;
    for (const Verb& verb : verbs()) {
        list += (list.empty() ? "" : ", ") + std::string(verb.name);
        if (verb.english != verb.name) {
            list += " (" + std::string(verb.english) + ")";
        }
    }
    return list;
}

}  // namespace

int run(std::span<const std::string> arguments, Answer& out, Answer& err, const InputFiles& files) {
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
        const Verb* verb = verbNamed(command);
        if (verb == nullptr) {
            complain("commande inconnue " + strings::quoted(command) +
                     ". Commandes : " + verbList() + " ; --help pour l'aide.");
        }
        const bool helpAsked = std::any_of(rest.begin(), rest.end(), [](const std::string& word) {
            return word == "--help" || word == "-h";
        });
        if (helpAsked && verbHelp(command, out)) {
            return Done;
        }
        const int status = verb->run(CommandLine(rest, verb->options), out, files);
        for (const std::string& note : out.notes()) {
            err << Program << " : " << note << "\n";
        }
        return status;
    } catch (const Complaint& complaint) {
        err << Program << " : " << complaint.message << "\n";
        return BadInput;
    }
}

}  // namespace cli
