// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the parts of a network or a divider may be: a series between two
// limits, a person's stock, or a list on the command line.
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/stocks.h"
#include "notation/series.h"

namespace cli {

struct Drawer {
    std::vector<notation::Value> values;       // sorted, without repeats
    std::string described;                     // "la série E24 de 1 Ω à 10 MΩ"
    const notation::Series* series = nullptr;  // nullptr for a person's own values
};

// --serie, --de and --a; or --stock FICHIER (- for standard input), read
// through `stocks`; or --valeurs 4k7,10k,220.
Drawer drawerOf(const CommandLine& line, const StockFiles& stocks);

}  // namespace cli
