// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/answer.h"

namespace cli {

// Exit statuses: what the tool found, or why it could not answer.
enum Status : int {
    Done = 0,
    OutOfTolerance = 1,  // `verifier`: the measurement lies outside the tolerance
    BadInput = 2,        // a French message on the error stream says what and why
};

// Runs one command line (without the program name): results go to `out`,
// complaints to `err`; a --stock file is read through `stocks`.
int run(std::span<const std::string> arguments, Answer& out, Answer& err, const StockFiles& stocks);
// The same for the tool: stock files from the file system, text to streams.
int run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace cli
