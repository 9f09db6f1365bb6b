// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of a table saved as text: delimited (CSV, TSV, semicolons) or
// aligned in columns of spaces, as EDA tools write their parts lists.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace labelling {

using Row = std::vector<std::string>;

struct Rows {
    std::vector<Row> rows;   // each field without blanks at its ends
    std::vector<int> lines;  // the line each row starts on, 1 for the first
    bool unclosed = false;   // a quote was never closed
    int quoted = 0;          // fields in quotes
};

// The text split at `separator`, fields in `quote` honoured where they start
// one (a doubled quote is one; separators and line ends inside are the
// field's). CR, LF and CRLF each end a line.
Rows delimitedRows(std::string_view text, char separator, char quote);

// The text as columns aligned with spaces: the first line `isHeader` takes
// (its words split at spaces) gives where each column starts, and every line
// after it is cut there. Nothing when no line is a header.
std::optional<Rows> alignedRows(std::string_view text,
                                const std::function<bool(const Row&)>& isHeader);

}  // namespace labelling
