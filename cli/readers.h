// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The user's words read as the colour code and the verbs need them; what does
// not read is a complaint that says why.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "cli/wording.h"
#include "notation/colour_code.h"
#include "notation/quantity.h"
#include "notation/reading.h"
#include "notation/series.h"

namespace cli {

// What a reader was reading, for the wording of its problems.
enum class Quantity { Resistance, Voltage, Current, Power, Number };

// Why a text is not a resistance, a voltage or a number: "une valeur nulle",
// "plus de 999 GΩ". Every reader's complaint words its problem here.
std::string reasonFor(notation::ReadProblem problem, Quantity quantity);

notation::Value valueOf(std::string_view text);
notation::Reading readingOf(std::span<const std::string> words);
std::optional<notation::Reading> reversedReadingOf(std::span<const std::string> words);

// "3,3 V" may come as two arguments: a unit alone joins the number before it.
std::vector<std::string> joinedUnits(const std::vector<std::string>& words);
// A voltage above 0; `what` names it in complaints ("tension d'entrée").
double voltageOf(std::string_view text, std::string_view what);
// The same, as the exact decimal the user wrote.
notation::Voltage exactVoltageOf(std::string_view text, std::string_view what);
// A current, above 0 or, where `signedCurrent`, of either sign.
double currentOf(std::string_view text, std::string_view what, bool signedCurrent = false);
// A percentage from 0 to below 100 ("1", "1 %", "±0,5 %"), as a fraction.
double percentOf(std::string_view text, std::string_view what);

// --marge (how much of its rating a part may not burn; half when it is not
// given) and --puissance (the rating of the parts at hand).
searches::PowerRule powerRuleOf(const CommandLine& line);

// "5%", "±5 %", "0,5": a tolerance that has a colour, in basis points.
int toleranceOf(const std::string& text);
// The series that goes with --tolerance, or with `fallback` basis points.
const notation::Series& seriesOf(const CommandLine& line, int fallback);

}  // namespace cli
