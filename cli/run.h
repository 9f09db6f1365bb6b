// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/answer.h"
#include "cli/input_files.h"

namespace cli {

// Exit statuses: what the tool found, or why it could not answer.
enum Status : int {
    Done = 0,
    OutOfTolerance = 1,  // `verifier`: the measurement lies outside the tolerance
    BadInput = 2,        // a French message on the error stream says what and why
};

// Runs one command line (without the program name): results go to `out`,
// complaints to `err`; a --stock is read through `files`.
int run(std::span<const std::string> arguments, Answer& out, Answer& err, const InputFiles& files);
// The same for the tool: stocks from files and standard input, the answer to
// `out` or to the file the verb was asked to write. A PDF is refused where
// `out` is a terminal.
int run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
        bool outIsTerminal = false);

// --help: every verb, option and spelling, in French.
void help(Answer& out);
// The usage of one verb, under any of its names; false for an unknown verb.
bool verbHelp(std::string_view verb, Answer& out);

}  // namespace cli
