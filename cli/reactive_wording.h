// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the capacitor's and the inductor's answers share: where a value
// stands in the series these parts come in, and the limits of a tolerance.
#include <string>
#include <string_view>

#include "notation/quantity.h"

namespace cli {

// A value written with its unit: a capacitance's or an inductance's french().
using WriteValue = std::string (*)(const notation::Decimal& value);

// "  E12 : 4,7 nF\n" where the series holds the value, else its two nearest
// values with their deviations, for E3, E6, E12 and E24.
std::string seriesLines(const notation::Decimal& value, WriteValue write);

// "de 95 nF à 105 nF": the limits of a tolerance in basis points either way.
std::string limitsOf(const notation::Decimal& value, int minusBasisPoints, int plusBasisPoints,
                     WriteValue write);

// What the figures of a three-digit code mean: "10 × 10⁴ pF", "22 × 0,1 pF".
std::string figuresTimesPower(std::string_view figures, int power, std::string_view unit);

}  // namespace cli
