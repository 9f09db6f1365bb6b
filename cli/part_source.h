// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the parts of a network or a divider may be: a series between two
// limits, a person's stock, or a list on the command line.
#include <string>
#include <vector>

#include "cli/input_files.h"
#include "cli/options.h"
#include "notation/series.h"

namespace cli {

struct PartSource {
    std::vector<notation::Value> values;       // sorted, without repeats
    std::string described;                     // "la série E24 de 1 Ω à 10 MΩ"
    const notation::Series* series = nullptr;  // nullptr for a person's own values
};

// --serie, --de and --a; or --stock FICHIER (- for standard input), read
// through `files`; or --valeurs 4k7,10k,220.
PartSource partSourceOf(const CommandLine& line, const InputFiles& files);

}  // namespace cli
