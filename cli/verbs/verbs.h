// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The verbs of resistances-code, one row each in one table: their names, the
// lines of their usage, the options they take and the function that runs
// them. The table drives the dispatch, the help, the complaints about an
// unknown verb or option, and the bash completion. A verb is one file and
// one row.
#include <span>
#include <string>
#include <string_view>

#include "cli/answer.h"
#include "cli/input_files.h"
#include "cli/options.h"

namespace cli {

// Runs a verb on its command line: the answer goes to `out`, a --stock is
// read through `files`; bad input is a Complaint.
using Run = int (*)(const CommandLine& line, Answer& out, const InputFiles& files);

struct Verb {
    std::string_view name;                // French: lire
    std::string_view english;             // its English alias: read (led: the same)
    std::string_view otherSpelling = {};  // vérifier beside verifier, cap; empty: none
    std::string (*usage)() = nullptr;     // its lines of --help
    Takes words = Takes::Nothing;         // what its words are, for the completion
    std::span<const Option> options = {};
    Run run = nullptr;
};

// Every verb, in the order the help and the complaints list them.
std::span<const Verb> verbs();
// The verb called `name` under any of its names; nullptr for none.
const Verb* verbNamed(std::string_view name);

// The lines of --help of each verb.
std::string lireUsage();
std::string trouverUsage();
std::string verifierUsage();
std::string vecteursUsage();
std::string combinerUsage();
std::string diviseurUsage();
std::string ledUsage();
std::string etiquettesUsage();
std::string condensateurUsage();
std::string inductanceUsage();

int lire(const CommandLine& line, Answer& out, const InputFiles& files);
int trouver(const CommandLine& line, Answer& out, const InputFiles& files);
int verifier(const CommandLine& line, Answer& out, const InputFiles& files);
int vecteurs(const CommandLine& line, Answer& out, const InputFiles& files);
int combiner(const CommandLine& line, Answer& out, const InputFiles& files);
int diviseur(const CommandLine& line, Answer& out, const InputFiles& files);
int led(const CommandLine& line, Answer& out, const InputFiles& files);
int etiquettes(const CommandLine& line, Answer& out, const InputFiles& files);
int condensateur(const CommandLine& line, Answer& out, const InputFiles& files);
int inductance(const CommandLine& line, Answer& out, const InputFiles& files);

}  // namespace cli
