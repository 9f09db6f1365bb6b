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

// The totals the search may use and the current the pair may draw. A total
// not given is a default, 1 kΩ to 1 MΩ, which yields to the person's own
// bounds (a total, or the total a current bound means at the wished output)
// where it would leave less than a decade between them.
struct Totals {
    notation::Value lowest;
    notation::Value highest;
    // Where each end comes from: the option that gave it, or nothing for a
    // default; and whether that default was moved.
    std::string_view lowestFrom;
    std::string_view highestFrom;
    bool lowestYielded = false;
    bool highestYielded = false;
    searches::Draw draw;
};

Totals totalsOf(const CommandLine& line, const searches::Goal& goal);
// --fixe-r1 or --fixe-r2; no leg given otherwise.
searches::GivenLeg givenLegOf(const CommandLine& line);

}  // namespace cli
