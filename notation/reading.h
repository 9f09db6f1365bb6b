// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A person's words read as exact quantities, in every spelling people use,
// each reader within the range a part or a bench can have.
#include <string_view>
#include <variant>

#include "notation/quantity.h"

namespace notation {

// Why a text is not what a reader wants.
enum class ReadProblem {
    NoDigit,
    UnexpectedCharacter,
    SeveralSeparators,
    TooManyDigits,  // more than 12 significant digits
    Zero,
    TooSmall,         // below the reader's range: 0,001 Ω, 1 µV
    TooLarge,         // above it: 999 GΩ, 999 kV
    EndlessFraction,  // a fraction with no decimal of six places or fewer: 1/3
};
template <typename Quantity>
using Read = std::variant<Quantity, ReadProblem>;

// A resistance as people write it: "4700", "4,7k", "4.7k", "4k7", "4,7 kΩ",
// "4K7", "R47", "0,47", "2M2", "100R", "1,5 ohm"; from 0,001 Ω to 999 GΩ.
Read<Value> readValue(std::string_view text);
// A plain decimal, "4,7" or "4.7": a gain, a quotient, a percentage.
Read<Decimal> readNumber(std::string_view text);
// A voltage as people write it: "5", "3,3", "3.3", "3V3", "3,3 V", "500mV",
// "12V"; from 1 µV to 999 kV.
Read<Voltage> readVoltage(std::string_view text);
// A current as people write it: "20m", "20mA", "20 mA", "0,02", "50µ",
// "50u", "50µA"; from 1 nA to 999 A.
Read<Current> readCurrent(std::string_view text);
// A power as people write it: "0,25", "250mW", "1/4", "1/4 W" (a fraction of
// a watt, as ratings are named); from 1 mW to 999 kW.
Read<Power> readPower(std::string_view text);

}  // namespace notation
