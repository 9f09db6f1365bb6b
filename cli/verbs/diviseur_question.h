// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a diviseur command asks, read from its command line: each part a
// complaint where it does not hold.
#include <string>
#include <string_view>

#include "cli/options.h"
#include "notation/quantity.h"
#include "searches/divider.h"

namespace cli {

// The command the complaints give as an example.
inline constexpr std::string_view DiviseurExample = " diviseur 5 1,2";

// The way of asking and its target, and the line that says it.
struct Asked {
    searches::Goal goal;
    std::string headline;
};

Asked askedOf(const CommandLine& line);
// Options that only some ways of asking take.
void refuseWhatDoesNotApply(const CommandLine& line, searches::Goal::Kind kind);
// The goal with its load and its pin current.
searches::Goal withCircuit(const CommandLine& line, searches::Goal goal);

// The totals the search may use: --total-min and --total-max, narrowed by
// the current the divider may draw (from the input, or from the output of a
// regulator), written as a value with up to twelve digits, rounded inwards.
struct Totals {
    notation::Value lowest;
    notation::Value highest;
};

Totals totalsOf(const CommandLine& line, const searches::Goal& goal);
// --fixe-r1 or --fixe-r2; no leg given otherwise.
searches::GivenLeg givenLegOf(const CommandLine& line);

}  // namespace cli
