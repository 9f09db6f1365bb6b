// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/bill_of_materials.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using labelling::Bom;
using notation::Value;

// Everything read, in one comparable list.
std::vector<std::string> described(const Bom& bom) {
    std::vector<std::string> lines{std::to_string(bom.skipped)};
    for (const labelling::BomResistor& got : bom.resistors) {
        lines.push_back(got.value.french() + "|" + got.written + "|" + std::to_string(got.count) +
                        "|" + got.footprint + "|" + std::to_string(got.line));
        lines.insert(lines.end(), got.references.begin(), got.references.end());
    }
    for (const labelling::BomUnreadable& got : bom.unreadable) {
        lines.push_back(std::to_string(got.line) + "|" + got.references + "|" + got.value);
    }
    return lines;
}

// Files as exporters write them, each trap drawn at random: the separator,
// the columns' names, order and case, a byte-order mark, CRLF, a preamble,
// quoted and grouped references, zero links, other parts, unreadable values
// and a summary after the table. What must come out is known from the draw.
TEST(BillOfMaterials, EveryTrapOfTheExportersMixedAtRandom) {
    std::mt19937 random(20261209);
    const auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    const std::vector<std::vector<std::string>> names{
        {"Reference", "References", "Designator", "Ref", "Référence", "REFERENCE"},
        {"Value", "Valeur", "Comment", "VALUE"},
        {"Qty", "Quantity", "Quantity Per PCB", "Quantité"},
        {"Footprint"}};
    const std::vector<std::pair<std::string, Value>> values{
        {"10k", Value(1, 4)},  {"4,7k", Value(47, 2)}, {"4.7K", Value(47, 2)},
        {"100R", Value(1, 2)}, {"0R", Value(0, 0)},    {"2M2", Value(22, 5)}};
    for (int sample = 0; sample < 200; ++sample) {
        const char separator = std::string(",;\t")[pick(3)];
        const std::string end = pick(2) == 0 ? "\n" : "\r\n";
        std::vector<std::size_t> order{0, 1, 2, 3};
        std::shuffle(order.begin(), order.end(), random);
        const auto row = [&](const std::vector<std::string>& fields) {
            std::string line;
            for (const std::size_t column : order) {
                std::string field = fields[column];
                if (field.find(separator) != std::string::npos ||
                    field.find('"') != std::string::npos || pick(3) == 0) {
                    std::string quoted = "\"";
                    for (const char c : field) {
                        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
                    }
                    field = quoted + "\"";
                }
                line += (column == order.front() ? "" : std::string(1, separator)) + field;
            }
            return line + end;
        };
        std::string file = pick(2) == 0 ? "\xEF\xBB\xBF" : "";
        file += pick(3) == 0 ? "Source: carte.kicad_sch" + end + "Date: 2026-12-09" + end : "";
        file += row({names[0][pick(names[0].size())], names[1][pick(names[1].size())],
                     names[2][pick(names[2].size())], names[3][0]});
        Bom expected;
        int line = static_cast<int>(std::count(file.begin(), file.end(), '\n'));
        for (int n = 0, part = 1; n < 12; ++n) {
            ++line;
            const std::size_t kind = pick(6);
            if (kind == 0) {
                file += row({"C" + std::to_string(part++), "100n", "1", "C_0603"});
                ++expected.skipped;
                continue;
            }
            std::vector<std::string> references;
            std::string written;
            const std::size_t grouping = pick(3);
            const int first = part;
            part += 1 + static_cast<int>(pick(3));
            for (int r = first; r < part; ++r) {
                references.push_back("R" + std::to_string(r));
            }
            if (grouping == 0 && references.size() > 1) {
                written = references.front() + "-" + references.back();
            } else {
                for (const std::string& reference : references) {
                    written += (written.empty() ? "" : grouping == 1 ? "," : " ") + reference;
                }
            }
            if (pick(8) == 0) {
                written += " <script>&";  // kept as written, naming no part
            }
            if (kind == 1) {
                file += row({written, "DNP \"x\"", "", ""});
                expected.unreadable.push_back({line, written, "DNP \"x\""});
                continue;
            }
            const auto& [text, value] = values[pick(values.size())];
            const bool counted = pick(2) == 0;
            file += row({written, text, counted ? std::to_string(references.size() * 2) : "",
                         "R_0603, à la main"});
            expected.resistors.push_back({value, references, written,
                                          static_cast<int>(references.size()) * (counted ? 2 : 1),
                                          "R_0603, à la main", line});
        }
        if (pick(2) == 0) {
            file += end + "Component Count:" + std::string(1, separator) + "12" + end;
        }
        const auto read = labelling::readBillOfMaterials(file);
        ASSERT_TRUE(std::holds_alternative<Bom>(read)) << file;
        const Bom& bom = std::get<Bom>(read);
        EXPECT_EQ(described(bom), described(expected)) << file;
    }
    EXPECT_TRUE(
        std::holds_alternative<labelling::BomFault>(labelling::readBillOfMaterials("R1,10k\n")));
}

}  // namespace
