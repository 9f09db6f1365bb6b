// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The user's words read as the colour code and the verbs need them; what does
// not read is a complaint that says why.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "code/colour_code.h"
#include "code/series.h"
#include "code/value.h"

namespace cli {

// The text without the blanks around it: spaces, tabs, a carriage return.
std::string_view trimmed(std::string_view text);

// What a reader was reading, for the wording of its problems.
enum class Quantity { Resistance, Voltage, Number };

// Why a text is not a resistance, a voltage or a number: "une valeur nulle",
// "plus de 999 GΩ". Every reader's complaint words its problem here.
std::string reasonFor(code::ReadProblem problem, Quantity quantity);

code::Value valueOf(std::string_view text);
code::Reading readingOf(std::span<const std::string> words);
std::optional<code::Reading> reversedReadingOf(std::span<const std::string> words);

// "5%", "±5 %", "0,5": a tolerance that has a colour, in basis points.
int toleranceOf(const std::string& text);
// The series that goes with --tolerance, or with `fallback` basis points.
const code::Series& seriesOf(const CommandLine& line, int fallback);

}  // namespace cli
