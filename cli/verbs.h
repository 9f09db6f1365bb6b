// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The verbs of resistances-code, one file each. Each takes the arguments
// after its name and returns an exit status; bad input is a Complaint.
#include <span>
#include <string>
#include <string_view>

#include "cli/answer.h"

namespace cli {

int lire(std::span<const std::string> arguments, Answer& out);
int trouver(std::span<const std::string> arguments, Answer& out);
int verifier(std::span<const std::string> arguments, Answer& out);
int vecteurs(std::span<const std::string> arguments, Answer& out);
int combiner(std::span<const std::string> arguments, Answer& out, const StockFiles& stocks);
int diviseur(std::span<const std::string> arguments, Answer& out, const StockFiles& stocks);
void help(Answer& out);
// The usage of one verb, under any of its names; false for an unknown verb.
bool verbHelp(std::string_view verb, Answer& out);

}  // namespace cli
