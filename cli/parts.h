// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the parts of a network or a divider may be: a series between two
// limits, a person's stock in a file, or a list on the command line; and the
// bands each part is sold with.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/support.h"

namespace cli {

struct Drawer {
    std::vector<code::Value> values;       // sorted, without repeats
    std::string described;                 // "la série E24 de 1 Ω à 10 MΩ"
    const code::Series* series = nullptr;  // nullptr for a person's own values
};

// --serie, --de and --a; or --stock FICHIER, read through `stocks`; or
// --valeurs 4k7,10k,220.
Drawer drawerOf(const CommandLine& line, const StockFiles& stocks);

// The values of a stock file's text, one a line in any spelling `trouver`
// takes, with `#` comments, a byte-order mark skipped; `name` names the file
// in complaints. Lines are at most a few hundred bytes, the whole at most
// LargestStock: a reader need read no more than one byte beyond it.
inline constexpr std::size_t LargestStock = 1 << 20;
std::vector<code::Value> stockValues(std::string_view text, std::string_view name);

// The commands that answer what a person has in hand: colour names (French
// or English; any words without a digit) or a marking ("472", "01C", "4R7")
// are read (`lire`); anything else is a value, given its bands and its
// markings (`trouver`, `trouver --cms`). Words as typed, split at blanks.
std::vector<std::vector<std::string>> commandsForInHand(std::string_view text);

// A whole number option, `fallback` when absent; a complaint outside low..high.
int wholeNumber(const CommandLine& line, std::string_view option, int fallback, int low, int high,
                std::string_view what);

// Four bands for two digits up to E24, five for three digits; the other count
// where the usual one cannot write the value. The tolerance band is the one
// asked for, else the series' own, else gold or brown.
std::string bandsOf(const code::Value& value, const code::Series* series,
                    std::optional<int> toleranceBasisPoints = std::nullopt);

}  // namespace cli
