// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Quantities as a French reader expects them: a decimal comma, a space before
// the unit, a signed percentage.
#include <string>
#include <string_view>

#include "notation/quantity.h"

namespace notation {

// A tolerance or a relative error in basis points (1/100 of a percent), as
// French text: 500 -> "±5 %", 25 -> "±0,25 %"; signed: -208 -> "-2,08 %".
std::string frenchTolerance(int basisPoints);
std::string frenchPercent(long double percent);
// A deviation with at least two significant digits: "-3,77 %", "+0,0012 %".
std::string frenchDeviation(long double percent);
// A computed value, rounded to six significant digits: "666,667 Ω".
std::string frenchApproximate(long double ohms);

// A computed quantity rounded to six significant digits: "3,16667", and with
// an SI prefix before its unit: "1,2 V", "500 µA", "3,30001 V"; signed:
// "-2 µA".
std::string frenchNumber(long double amount);
std::string frenchQuantity(long double amount, std::string_view unit);

}  // namespace notation
