// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/bill_of_materials.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "notation/reading.h"
#include "strings/text.h"

namespace labelling {

namespace {

using Row = std::vector<std::string>;

std::string lowered(std::string_view text) {
    std::string low = strings::asciiLowered(text);
    // "Référence", "Quantité": the accented capitals are the only others.
    for (const auto& [upper, lower] : {std::pair{"É", "é"}, std::pair{"È", "è"}}) {
        for (std::size_t at = low.find(upper); at != std::string::npos; at = low.find(upper)) {
            low.replace(at, std::string_view(upper).size(), lower);
        }
    }
    return low;
}

// The rows of the text split at `separator`, quotes honoured (a doubled quote
// is one, separators and line ends inside quotes are the field's), each with
// the number of the line it starts on.
struct Rows {
    std::vector<Row> rows;
    std::vector<int> lines;
    bool unclosed = false;
};

Rows split(std::string_view text, char separator) {
    Rows split;
    Row row;
    std::string field;
    bool quoted = false;
    int line = 1;
    int rowLine = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n' ? 1 : 0;
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            row.emplace_back(strings::trimmed(field));
            field.clear();
        } else if (c == '\n') {
            row.emplace_back(strings::trimmed(field));
            field.clear();
            split.rows.push_back(std::move(row));
            split.lines.push_back(rowLine);
            row.clear();
            rowLine = ++line;
        } else {
            field += c;
        }
    }
    split.unclosed = quoted;
    if (!field.empty() || !row.empty()) {
        row.emplace_back(strings::trimmed(field));
        split.rows.push_back(std::move(row));
        split.lines.push_back(rowLine);
    }
    return split;
}

struct Columns {
    std::optional<std::size_t> references;
    std::optional<std::size_t> value;
    std::optional<std::size_t> count;
    std::optional<std::size_t> footprint;

    [[nodiscard]] bool found() const { return references && value; }
};

Columns columnsOf(const Row& row) {
    constexpr std::array<std::string_view, 5> References{"reference", "references", "designator",
                                                         "ref", "référence"};
    constexpr std::array<std::string_view, 4> Counts{"qty", "quantity", "quantity per pcb",
                                                     "quantité"};
    Columns columns;
    std::optional<std::size_t> comment;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const std::string name = lowered(row[i]);
        const auto among = [&](const auto& names) {
            return std::find(names.begin(), names.end(), name) != names.end();
        };
        if (among(References) && !columns.references) {
            columns.references = i;
        } else if ((name == "value" || name == "valeur") && !columns.value) {
            columns.value = i;
        } else if (name == "comment" && !comment) {
            comment = i;
        } else if (among(Counts) && !columns.count) {
            columns.count = i;
        } else if (name == "footprint" && !columns.footprint) {
            columns.footprint = i;
        }
    }
    if (!columns.value) {
        columns.value = comment;
    }
    return columns;
}

// "R1,R4,R9", "R1 R4 R9", "R1-R3": each reference, with its letters and number.
struct Reference {
    std::string letters;
    long number;
};

std::optional<Reference> referenceOf(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && std::isalpha(static_cast<unsigned char>(text[digits])) != 0) {
        ++digits;
    }
    const std::string_view number = text.substr(digits);
    if (digits == 0 || number.empty() || number.size() > 6 ||
        !std::all_of(number.begin(), number.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
        return std::nullopt;
    }
    return Reference{std::string(text.substr(0, digits)), std::stol(std::string(number))};
}

// Each reference of a field, ranges spelled out; nothing for a field that
// does not start with a reference (a summary line, a note).
std::optional<std::vector<std::string>> referencesOf(std::string_view field) {
    std::vector<std::string> references;
    std::string word;
    const auto take = [&]() -> bool {
        if (word.empty()) {
            return true;
        }
        const std::size_t dash = word.find('-');
        const auto first = referenceOf(std::string_view(word).substr(0, dash));
        if (!first) {
            return false;
        }
        if (dash == std::string::npos) {
            references.push_back(word);
        } else {
            const auto last = referenceOf(std::string_view(word).substr(dash + 1));
            if (!last || last->letters != first->letters || last->number < first->number ||
                last->number - first->number > 999) {
                return false;
            }
            for (long n = first->number; n <= last->number; ++n) {
                references.push_back(first->letters + std::to_string(n));
            }
        }
        word.clear();
        return true;
    };
    for (const char c : std::string(field) + ' ') {
        if (c == ',' || c == ' ' || c == ';' || c == '\t') {
            // After a first reference, a word that is none stays in the
            // field as written but names no part.
            if (!take() && references.empty()) {
                return std::nullopt;
            }
            word.clear();
        } else {
            word += c;
        }
    }
    if (references.empty()) {
        return std::nullopt;
    }
    return references;
}

bool isResistor(const std::string& reference) {
    return (reference[0] == 'R' || reference[0] == 'r') &&
           std::isdigit(static_cast<unsigned char>(reference[1])) != 0;
}

// "0R", "0", "0 Ω": the link of no resistance.
bool isZeroLink(std::string_view value) {
    const std::string low = lowered(strings::trimmed(value));
    return low == "0" || low == "0r" || low == "0 ohm" || low == "0ω" || low == "0 ω" ||
           low == "0r0" || low == "0,0" || low == "0.0";
}

}  // namespace

std::variant<Bom, BomFault> readBillOfMaterials(std::string_view text) {
    text = strings::withoutByteOrderMark(text);
    // The separator is the one that finds a header.
    for (const char separator : {',', ';', '\t'}) {
        const Rows rows = split(text, separator);
        const auto header = std::find_if(rows.rows.begin(), rows.rows.end(),
                                         [](const Row& row) { return columnsOf(row).found(); });
        if (header == rows.rows.end()) {
            continue;
        }
        if (rows.unclosed) {
            return BomFault::UnclosedQuote;
        }
        const Columns columns = columnsOf(*header);
        const auto fieldOf = [](const Row& row, std::optional<std::size_t> column) {
            return column && *column < row.size() ? row[*column] : std::string();
        };
        Bom bom;
        for (auto row = header + 1; row != rows.rows.end(); ++row) {
            const int line = rows.lines[static_cast<std::size_t>(row - rows.rows.begin())];
            const bool blank = std::all_of(row->begin(), row->end(),
                                           [](const std::string& field) { return field.empty(); });
            if (blank) {
                break;
            }
            const std::string written = fieldOf(*row, columns.references);
            const std::optional<std::vector<std::string>> references = referencesOf(written);
            if (!references) {
                continue;  // a note or a summary, not a part
            }
            if (!std::all_of(references->begin(), references->end(), isResistor)) {
                ++bom.skipped;
                continue;
            }
            const std::string value = fieldOf(*row, columns.value);
            std::optional<notation::Value> read;
            if (isZeroLink(value)) {
                read = notation::Value(0, 0);
            } else if (const notation::Read<notation::Value> ohms =
                           notation::readValue(strings::trimmed(value));
                       std::holds_alternative<notation::Value>(ohms)) {
                read = std::get<notation::Value>(ohms);
            }
            if (!read) {
                bom.unreadable.push_back({line, written, value});
                continue;
            }
            int count = static_cast<int>(references->size());
            const std::string quantity = fieldOf(*row, columns.count);
            if (!quantity.empty() && quantity.size() < 7 &&
                std::all_of(quantity.begin(), quantity.end(), [](char c) {
                    return std::isdigit(static_cast<unsigned char>(c)) != 0;
                })) {
                count = std::stoi(quantity);
            }
            bom.resistors.push_back(
                {*read, *references, written, count, fieldOf(*row, columns.footprint), line});
        }
        return bom;
    }
    return BomFault::NoHeader;
}

}  // namespace labelling
