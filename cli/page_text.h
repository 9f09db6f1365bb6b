// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tool's answers as the tools page shows them. A number is never apart
// from its unit: a narrow no-break space joins them, as French typography
// wants. Volts, amperes and watts keep four significant digits, which is
// what a reading at the bench can use. A complaint is worded for a form:
// no program name, no command line to type, and the word it is about.
#include <span>
#include <string>
#include <string_view>

namespace cli {

// U+202F.
inline constexpr std::string_view NarrowNoBreakSpace = "\u202f";

std::string typesetForPage(std::string_view text);

struct FormComplaint {
    std::string message;
    // The place among the command's words of the one the complaint is
    // about, the verb being 0; -1 where it is about none in particular.
    int word = -1;
};

FormComplaint complaintForForm(std::string_view complaint, std::span<const std::string> arguments);

}  // namespace cli
