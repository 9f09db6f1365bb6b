// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/table_rows.h"

#include "strings/text.h"

namespace labelling {

namespace {

// The length of the line end at `at`: 2 for CRLF, 1 for CR or LF, else 0.
std::size_t lineEndAt(std::string_view text, std::size_t at) {
    if (text[at] == '\r') {
        return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    }
    return text[at] == '\n' ? 1 : 0;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t end = lineEndAt(text, i); end > 0) {
            lines.push_back(text.substr(start, i - start));
            i += end;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

}  // namespace

Rows delimitedRows(std::string_view text, char separator, char quote) {
    Rows split;
    Row row;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;  // something other than blanks was read
    int line = 1;
    int rowLine = 1;
    const auto endField = [&] {
        row.emplace_back(strings::trimmed(field));
        field.clear();
        fieldStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::size_t lineEnd = lineEndAt(text, i);
        if (quoted) {
            if (c == quote && i + 1 < text.size() && text[i + 1] == quote) {
                field += quote;
                ++i;
            } else if (c == quote) {
                quoted = false;
            } else {
                // A line break inside a header cell reads as a space.
                field += lineEnd > 0 ? ' ' : c;
                line += lineEnd > 0 ? 1 : 0;
                i += lineEnd > 1 ? 1 : 0;
            }
        } else if (c == quote && !fieldStarted) {
            quoted = true;
            ++split.quoted;
            fieldStarted = true;
            field.clear();
        } else if (c == separator) {
            endField();
        } else if (lineEnd > 0) {
            endField();
            split.rows.push_back(std::move(row));
            split.lines.push_back(rowLine);
            row.clear();
            rowLine = ++line;
            i += lineEnd - 1;
        } else {
            fieldStarted = fieldStarted || (c != ' ' && c != '\t');
            field += c;
        }
    }
    split.unclosed = quoted;
    if (!field.empty() || !row.empty()) {
        endField();
        split.rows.push_back(std::move(row));
        split.lines.push_back(rowLine);
    }
    return split;
}

std::optional<Rows> alignedRows(std::string_view text,
                                const std::function<bool(const Row&)>& isHeader) {
    const std::vector<std::string_view> lines = linesOf(text);
    for (std::size_t header = 0; header < lines.size(); ++header) {
        std::vector<std::size_t> starts;
        Row names;
        const std::string_view words = lines[header];
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (words[i] != ' ' && (i == 0 || words[i - 1] == ' ')) {
                starts.push_back(i);
                names.emplace_back(words.substr(i, words.find(' ', i) - i));
            }
        }
        if (!isHeader(names)) {
            continue;
        }
        Rows rows;
        rows.rows.push_back(names);
        rows.lines.push_back(static_cast<int>(header) + 1);
        for (std::size_t at = header + 1; at < lines.size(); ++at) {
            Row row;
            for (std::size_t column = 0; column < starts.size(); ++column) {
                const std::size_t start = starts[column];
                const std::size_t end =
                    column + 1 < starts.size() ? starts[column + 1] : std::string_view::npos;
                row.emplace_back(start < lines[at].size()
                                     ? strings::trimmed(lines[at].substr(start, end - start))
                                     : std::string_view());
            }
            rows.rows.push_back(std::move(row));
            rows.lines.push_back(static_cast<int>(at) + 1);
        }
        return rows;
    }
    return std::nullopt;
}

}  // namespace labelling
