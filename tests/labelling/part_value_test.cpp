// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/part_value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "labelling/references.h"
#include "notation/french.h"
#include "reactive/quantities.h"
#include "strings/text.h"

namespace {

// What a bill says of a resistor, as one line: "4,7 kΩ ±1 % 1/16 W 0603";
// "-" where no resistance reads.
std::string described(std::string_view text) {
    const std::optional<labelling::PartValue> read = labelling::readPartValue(text);
    if (!read) {
        return "-";
    }
    std::string line = read->resistance.french();
    for (const std::string& part :
         {read->tolerance ? notation::frenchTolerance(*read->tolerance) : std::string(),
          read->power, read->package}) {
        line += part.empty() ? "" : " " + part;
    }
    return line;
}

TEST(PartValue, TheSpellingsOfValuesAndDescriptions) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"10k", "10 kΩ"},
        {"10K", "10 kΩ"},
        {"4k7", "4,7 kΩ"},
        {"0R15", "0,15 Ω"},
        {"4.7kR", "4,7 kΩ"},
        {"100R", "100 Ω"},
        {"0R", "0 Ω"},
        {"49.9R 1%", "49,9 Ω ±1 %"},
        {"10kΩ", "10 kΩ"},
        {"10k\u2126", "10 kΩ"},
        {"27 Ω", "27 Ω"},
        {"   4,7k  ", "4,7 kΩ"},
        {"10k 0603", "10 kΩ 0603"},
        {"10k/1%", "10 kΩ ±1 %"},
        {"1k 1% 0.1W", "1 kΩ ±1 % 100 mW"},
        {"10M YAGEO RC1206JR-0710ML", "10 MΩ"},
        {"RES SMD 15 OHM 1% 1/16W 0402", "15 Ω ±1 % 1/16 W 0402"},
        {"Thick Film Resistors - SMD 0603 2.2KOHMS 5% 1/10WATT", "2,2 kΩ ±5 % 1/10 W 0603"},
        {"100mW Thick Film Resistors 75V ±100ppm/℃ ±1% 10kΩ 0603", "10 kΩ ±1 % 100 mW 0603"},
        {"RES 0.1 OHM 1% 1W 2512", "0,1 Ω ±1 % 1 W 2512"},
        {"10k 10k", "10 kΩ"},
        // No resistance, or two: nothing read, for a note to name the line.
        {"10k 4k7", "-"},
        {"4x10k", "-"},
        {"100nF", "-"},
        {"LM317", "-"},
        {"0603", "-"},
        {"", "-"},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(described(text), expected) << text;
    }
    for (const std::string_view text :
         {"DNP", "dnf", "NC", "x", "n/a", "Do not populate", "10k DNP", "10k_DNF", "4k7/NC"}) {
        EXPECT_TRUE(labelling::saysNotFitted(text)) << text;
    }
    for (const std::string_view text : {"10k", "NTC 10k", "Next", "10nF"}) {
        EXPECT_FALSE(labelling::saysNotFitted(text)) << text;
    }
}

// What a bill says of a capacitor or an inductor, as one line: "100 nF 25 V
// ±10 % X7R 0805"; "-" where no value reads.
TEST(PartValue, CapacitorsAndInductorsAsBillsWriteThem) {
    const std::vector<std::tuple<labelling::ReactiveKind, std::string, std::string>> rows{
        {labelling::ReactiveKind::Capacitor, "100nF", "100 nF"},
        {labelling::ReactiveKind::Capacitor, "100n", "100 nF"},
        {labelling::ReactiveKind::Capacitor, "0.1uF", "100 nF"},
        {labelling::ReactiveKind::Capacitor, "4.7uF/25V", "4,7 µF 25 V"},
        {labelling::ReactiveKind::Capacitor, "10µ 16V X7R 0805", "10 µF 16 V X7R 0805"},
        {labelling::ReactiveKind::Capacitor, "CAP CER 0.1UF 50V X7R 0603", "100 nF 50 V X7R 0603"},
        {labelling::ReactiveKind::Capacitor, "4n7 10% C0G", "4,7 nF ±10 % C0G"},
        {labelling::ReactiveKind::Capacitor, "100 nF 6V3", "100 nF 6,3 V"},
        {labelling::ReactiveKind::Capacitor, "100", "100 pF"},
        {labelling::ReactiveKind::Capacitor, "0,1", "100 nF"},
        {labelling::ReactiveKind::Capacitor, "100 0603", "-"},
        {labelling::ReactiveKind::Capacitor, "100n 10u", "-"},
        {labelling::ReactiveKind::Capacitor, "LM317", "-"},
        {labelling::ReactiveKind::Inductor, "10uH", "10 µH"},
        {labelling::ReactiveKind::Inductor, "4u7 1210", "4,7 µH 1210"},
        {labelling::ReactiveKind::Inductor, "IND 47NH 5% 0603", "47 nH ±5 % 0603"},
        {labelling::ReactiveKind::Inductor, "22", "22 µH"},
        {labelling::ReactiveKind::Inductor, "100nF", "-"},
    };
    for (const auto& [kind, text, expected] : rows) {
        const auto read = labelling::readReactiveValue(text, kind);
        std::string line = "-";
        if (read) {
            const notation::Decimal& a = read->amount;
            line = kind == labelling::ReactiveKind::Capacitor
                       ? reactive::Capacitance(a.significand(), a.exponent()).french()
                       : reactive::Inductance(a.significand(), a.exponent()).french();
            for (const std::string& part :
                 {read->voltage,
                  read->tolerance ? notation::frenchTolerance(*read->tolerance) : std::string(),
                  read->dielectric, read->package}) {
                line += part.empty() ? "" : " " + part;
            }
        }
        EXPECT_EQ(line, expected) << text;
    }
}

// The references of a line, as written, and as a label writes them.
TEST(References, AsExportersWriteThemAndLabelsShowThem) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"R1,R4,R9", "R1, R4, R9"},
        {"R104, R210, ", "R104, R210"},
        {"R1 R2 R3 R7 ", "R1-R3, R7"},
        {"R8;R9", "R8, R9"},
        {"R1-R4", "R1-R4"},
        {"R1-4", "R1-R4"},
        {"R5,6,7", "R5-R7"},
        {"C27C28", "C27, C28"},
        {"R12, R2 <script>", "R2, R12"},
        {"R3-R1", "-"},
        {"Component Count:", "-"},
        {"12", "-"},
        {"", "-"},
    };
    for (const auto& [field, expected] : rows) {
        const auto references = labelling::referencesIn(field);
        const std::string shown =
            references ? strings::joined(labelling::compactReferences(*references), ", ") : "-";
        EXPECT_EQ(shown, expected) << field;
    }
}

}  // namespace
