// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/bill_of_materials.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "notation/french.h"
#include "strings/text.h"

namespace {

using labelling::Bom;
using notation::Value;

std::string describedValue(const labelling::PartValue& value) {
    return value.resistance.french() + " " +
           (value.tolerance ? notation::frenchTolerance(*value.tolerance) : "") + " " +
           value.power + " " + value.package;
}

// CR, LF and CRLF each end a line.
int linesIn(const std::string& text) {
    int lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        lines += text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ? 1 : 0;
    }
    return lines;
}

// Everything read, in one comparable list.
std::vector<std::string> described(const Bom& bom) {
    std::vector<std::string> lines{std::to_string(bom.skipped) + " skipped",
                                   std::to_string(bom.notFitted) + " not fitted",
                                   std::to_string(bom.notFixed.potentiometers) + " pots",
                                   std::to_string(bom.notFixed.networks) + " networks",
                                   std::to_string(bom.notFixed.thermistors) + " thermistors"};
    for (const labelling::BomResistor& got : bom.resistors) {
        std::string references;
        for (const labelling::Reference& reference : got.references) {
            references += reference.text() + " ";
        }
        lines.push_back(describedValue(got.value) + "|" + references + "|" +
                        std::to_string(got.count) + "|" + std::to_string(got.line));
    }
    for (const labelling::BomUnreadable& got : bom.unreadable) {
        lines.push_back(std::to_string(got.line) + "|" + got.references + "|" + got.value);
    }
    return lines;
}

// Files as exporters write them, each trap drawn at random: the separator and
// quote, the columns' names (on two lines, too), order and case, a byte-order
// mark, CR, LF and CRLF mixed, a preamble, grouped references in every
// spelling (runs, "R5,6,7", "R1, R2, ", run together), values with their
// tolerance, power and package, parts not fitted, potentiometers, networks
// and thermistors behind an R, other parts, unreadable values, a summary and
// a collated table listing every part again. What must come out is known
// from the draw.
TEST(BillOfMaterials, EveryTrapOfTheExportersMixedAtRandom) {
    std::mt19937 random(20261209);
    const auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    const std::vector<std::vector<std::string>> names{
        {"Reference", "Reference(s)", "Designator", "Ref", "Référence", "REFERENCES", "RefDes"},
        {"Value", "Valeur", "Comment", "VALUE", "Designation"},
        {"Qty", "Quantity", "Quantity\nPer PCB", "Quantité", "Qnty"},
        {"Footprint", "Package"}};
    struct Spelling {
        std::string text;
        labelling::PartValue value;
    };
    const std::vector<Spelling> spellings{
        {"10k", {Value(1, 4), {}, "", ""}},
        {"4,7k", {Value(47, 2), {}, "", ""}},
        {"4.7kR", {Value(47, 2), {}, "", ""}},
        {"0R", {Value(0, 0), {}, "", ""}},
        {"49.9R 1%", {Value(499, -1), 100, "", ""}},
        {"10k 0603", {Value(1, 4), {}, "", "0603"}},
        {"1k 1% 0.1W", {Value(1, 3), 100, "100 mW", ""}},
        {"RES SMD 15 OHM 1% 1/16W 0402", {Value(15, 0), 100, "1/16 W", "0402"}}};
    const std::vector<std::string> lineEnds{"\n", "\r\n", "\r"};
    for (int sample = 0; sample < 300; ++sample) {
        const auto [separator, quote] = std::vector<std::pair<char, char>>{
            {',', '"'}, {';', '"'}, {'\t', '"'}, {';', '\''}}[pick(4)];
        std::vector<std::size_t> order{0, 1, 2, 3};
        std::shuffle(order.begin(), order.end(), random);
        const auto row = [&](const std::vector<std::string>& fields) {
            std::string line;
            for (const std::size_t column : order) {
                std::string field = fields[column];
                if (field.find_first_of(std::string{separator, quote, '\n'}) != std::string::npos ||
                    pick(3) == 0) {
                    std::string quoted(1, quote);
                    for (const char c : field) {
                        quoted += c == quote ? std::string(2, quote) : std::string(1, c);
                    }
                    field = quoted + quote;
                }
                line += (column == order.front() ? "" : std::string(1, separator)) + field;
            }
            return line + lineEnds[pick(lineEnds.size())];
        };
        std::string file = pick(2) == 0 ? "\xEF\xBB\xBF" : "";
        file += pick(3) == 0 ? "Source: carte.kicad_sch\nDate: 2026-12-09\r\n" : "";
        const std::string header =
            row({names[0][pick(names[0].size())], names[1][pick(names[1].size())],
                 names[2][pick(names[2].size())], names[3][pick(2)]});
        file += header;
        Bom expected;
        std::vector<std::vector<std::string>> table;
        for (int n = 0, part = 1; n < 12; ++n) {
            const int line = linesIn(file) + 1;
            const std::size_t kind = pick(9);
            std::vector<labelling::Reference> references;
            const int first = part;
            part += 1 + static_cast<int>(pick(3));
            for (int r = first; r < part; ++r) {
                references.push_back({"R", r});
            }
            const auto count = static_cast<int>(references.size());
            std::string written;
            const std::size_t grouping = pick(5);
            for (const labelling::Reference& reference : references) {
                const bool firstOne = written.empty();
                written += grouping == 0   ? (firstOne ? "" : ",") + reference.text()
                           : grouping == 1 ? reference.text() + ", "
                           : grouping == 2 ? (firstOne ? reference.text()
                                                       : "," + std::to_string(reference.number))
                           : grouping == 3 ? reference.text()
                                           : (firstOne ? "" : " ") + reference.text();
            }
            if (grouping == 4 && count > 2) {
                written = references.front().text() + "-" + references.back().text();
            }
            std::vector<std::string> fields{written, "", "", "R_0603_1608Metric"};
            if (kind == 0) {
                fields = {"C" + std::to_string(part), "100n", "1", "C_0603"};
                ++expected.skipped;
            } else if (kind == 1) {
                fields[1] = "voir \"x\"";
                expected.unreadable.push_back(
                    {line, std::string(strings::trimmed(written, ", ")), fields[1]});
            } else if (kind == 2) {
                fields[1] = std::vector<std::string>{"DNP", "10k DNF", "x", "n/a"}[pick(4)];
                expected.notFitted += count;
            } else if (kind == 3) {
                fields[1] = "10k";
                fields[2] = "0";
                expected.notFitted += count;
            } else if (kind == 4) {
                fields = {"RV" + std::to_string(part), "10k", "", "Potentiometer_THT:Bourns_3386P"};
                ++expected.notFixed.potentiometers;
            } else if (kind == 5) {
                fields[1] = pick(2) == 0 ? "NTC 10k" : "LDR";
                expected.notFixed.thermistors += count;
            } else {
                const Spelling& spelling = spellings[pick(spellings.size())];
                const bool counted = pick(2) == 0;
                fields[1] = spelling.text;
                fields[2] = counted ? std::to_string(count * 2) : "";
                labelling::PartValue value = spelling.value;
                value.package = value.package.empty() ? "0603" : value.package;
                expected.resistors.push_back({value, references, count * (counted ? 2 : 1), line});
            }
            table.push_back(fields);
            file += row(fields);
        }
        if (pick(2) == 0) {
            file += "\nComponent Count:" + std::string(1, separator) + "12\n";
        }
        if (pick(2) == 0) {  // KiCad's collated table: every part again
            file += "\nCollated Components:\n\n" + header;
            for (const std::vector<std::string>& fields : table) {
                file += row(fields);
            }
        }
        const auto read = labelling::readBillOfMaterials(file);
        ASSERT_TRUE(std::holds_alternative<Bom>(read)) << file;
        EXPECT_EQ(described(std::get<Bom>(read)), described(expected)) << file;
    }
    EXPECT_TRUE(
        std::holds_alternative<labelling::BomFault>(labelling::readBillOfMaterials("R1,10k\n")));
}

}  // namespace
