// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text of a file as spreadsheets and EDA tools save it, made UTF-8: the
// tool reads nothing else, and a wrong guess would print mojibake on labels.
#include <optional>
#include <string>
#include <string_view>

namespace strings {

// UTF-8 with or without its byte-order mark, UTF-16 (either byte order) with
// its byte-order mark, or Windows-1252 (what Excel saves as "CSV" on a
// Western Windows), as UTF-8 without a byte-order mark. Nothing for bytes that
// are none of them: UTF-16 without its mark, binary files, other code pages
// whose bytes Windows-1252 leaves undefined.
std::optional<std::string> utf8Of(std::string_view bytes);

}  // namespace strings
