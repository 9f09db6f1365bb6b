// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What ends a command with status 2: a French message that says what is
// wrong and why, after the program's name.
#include <string>
#include <string_view>
#include <utility>

namespace cli {

inline constexpr std::string_view Program = "resistances-code";

// Thrown for bad input; run() turns it into a message and status 2.
struct Complaint {
    std::string message;
};

[[noreturn]] inline void complain(std::string message) {
    throw Complaint{std::move(message)};
}

}  // namespace cli
