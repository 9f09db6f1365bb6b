// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The user's text, safe to show on a terminal.
#include <string>
#include <string_view>

namespace strings {

// Invalid UTF-8 and control, zero-width and bidirectional characters written
// as \x1B or \u202E; everything else as it is.
std::string printable(std::string_view text);
// « text », as French quotes a word of the user's, printable.
std::string quoted(std::string_view text);

}  // namespace strings
