// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a bill of materials says of a resistor in its value or description:
// "4k7", "49.9R 1%", "10k 0603", "1k 1% 0.1W",
// "RES SMD 15 OHM 1% 1/16W 0402".
#include <optional>
#include <string>
#include <string_view>

#include "notation/quantity.h"

namespace labelling {

struct PartValue {
    notation::Value resistance;    // zero for a zero-ohm link
    std::optional<int> tolerance;  // basis points, where written: 100 for "1%"
    std::string power;             // as a French reader writes it: "1/16 W", "100 mW"
    std::string package;           // an SMD size code: "0603"
};

// The words of `text` read one by one: one resistance (written any number of
// times), and where written a tolerance, a power and a package; other words
// (a maker, a series, a voltage, a coefficient) are passed over. Nothing when
// no resistance, or two different ones, are written.
std::optional<PartValue> readPartValue(std::string_view text);

// What a bill says of a capacitor or an inductor in its value or
// description: "100nF", "100n", "0.1uF", "4.7uF/25V", "10µ 16V X7R 0805",
// "CAP CER 0.1UF 50V X7R 0603".
struct ReactiveValue {
    notation::Decimal amount;  // farads or henries
    std::string voltage;       // as a French reader writes it: "25 V"
    std::optional<int> tolerance;
    std::string dielectric;  // "X7R", "C0G"
    std::string package;     // "0805"
};
enum class ReactiveKind { Capacitor, Inductor };
// One value (written any number of times) with a prefix or a unit; a bare
// number only where it is the whole text ("100" pF, "0,1" µF; "10" µH).
std::optional<ReactiveValue> readReactiveValue(std::string_view text, ReactiveKind kind);

// A tolerance column's "1%", "±0,1 %"; a power column's "1/4W", "0.1 W":
// what the first word that reads as one says.
std::optional<int> toleranceIn(std::string_view text);
std::string powerIn(std::string_view text);

// "DNP", "DNF", "NC", "x", "n/a", "Do not populate", or a value ending in one
// of them ("10k DNP"): what people write for a part that is not fitted.
bool saysNotFitted(std::string_view text);

// The SMD size code in a footprint's name: "0603" in
// "Resistor_SMD:R_0603_1608Metric"; empty where there is none.
std::string packageIn(std::string_view footprint);

}  // namespace labelling
