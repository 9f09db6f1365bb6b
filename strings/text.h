// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small text helpers the tool's readers and writers share. Only ASCII is
// folded or trimmed: the tool reads UTF-8 and never guesses a locale.
#include <span>
#include <string>
#include <string_view>

namespace strings {

// Spaces, tabs and a carriage return: what a line read from a file or a
// spreadsheet may carry around its words.
inline constexpr std::string_view Blanks = " \t\r";

// The text without `blanks` at either end.
std::string_view trimmed(std::string_view text, std::string_view blanks = Blanks);
// A-Z as a-z; every other byte as it is.
char asciiLower(char c);
std::string asciiLowered(std::string_view text);
std::string asciiUppered(std::string_view text);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);
// The text without the UTF-8 byte-order mark a spreadsheet may put first.
std::string_view withoutByteOrderMark(std::string_view text);
// The words with `separator` between them.
std::string joined(std::span<const std::string> words, std::string_view separator);
// Text safe inside XML or HTML, in an element or in a quoted attribute.
std::string xmlEscaped(std::string_view text);

}  // namespace strings
