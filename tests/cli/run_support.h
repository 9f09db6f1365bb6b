// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tool run as a test runs it: its words in, its status and both streams out.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"

namespace cli_test {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(arguments, out, err);
    return {status, out.str(), err.str()};
}

// A command the tool must refuse, and its whole error line after
// "resistances-code : ".
struct BadInput {
    std::vector<std::string> arguments;
    const char* message;
};

// Each refused with status 2, nothing on standard output and its message.
inline void expectRefused(const std::vector<BadInput>& rows) {
    for (const BadInput& row : rows) {
        const Outcome outcome = run(row.arguments);
        EXPECT_EQ(outcome.status, 2) << row.message;
        EXPECT_EQ(outcome.out, "") << row.message;
        EXPECT_EQ(outcome.err, std::string("resistances-code : ") + row.message + "\n");
    }
}

}  // namespace cli_test
