// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A person's words read as exact quantities, in every spelling people use,
// each reader within the range a part or a bench can have.
#include <optional>
#include <string_view>
#include <variant>

#include "notation/quantity.h"

namespace notation {

// Significant digits a reader keeps exact; more is no part's value.
inline constexpr int MostDigits = 12;

// Why a text is not what a reader wants.
enum class ReadProblem {
    NoDigit,
    UnexpectedCharacter,
    SeveralSeparators,
    TooManyDigits,  // more than MostDigits significant digits
    Zero,
    TooSmall,         // below the reader's range: 0,001 Ω, 1 µV
    TooLarge,         // above it: 999 GΩ, 999 kV
    EndlessFraction,  // a fraction with no decimal of six places or fewer: 1/3
};
template <typename Quantity>
using Read = std::variant<Quantity, ReadProblem>;

// What a reader takes: a first digit from 10^lowest to 10^highest, so up to
// 999 × 10^(highest - 2) in the words of its messages.
struct Range {
    int lowest;
    int highest;
};
inline constexpr Range ResistanceRange{-3, 11};  // 0,001 Ω to 999 GΩ
inline constexpr Range VoltageRange{-6, 5};      // 1 µV to 999 kV
inline constexpr Range CurrentRange{-9, 2};      // 1 nA to 999 A
inline constexpr Range PowerRange{-3, 5};        // 1 mW to 999 kW

// Digits with at most one decimal separator, where a letter may stand for
// the comma and set the power of ten ("4k7", "3V3", "4n7"); `power` is that
// of a letter already read after the digits. `letter` gives a letter's power,
// nothing for a character that is no such letter.
using PrefixLetter = std::optional<int> (*)(char);
Read<Decimal> readDigits(std::string_view text, std::optional<int> power, PrefixLetter letter);
// The reading where its first digit stands within the range, else why not.
Read<Decimal> withinRange(const Read<Decimal>& read, Range range);

// A resistance as people write it: "4700", "4,7k", "4.7k", "4k7", "4,7 kΩ",
// "4K7", "R47", "0,47", "2M2", "100R", "1,5 ohm"; within ResistanceRange.
Read<Value> readValue(std::string_view text);
// A plain decimal, "4,7" or "4.7": a gain, a quotient, a percentage.
Read<Decimal> readNumber(std::string_view text);
// A percentage as tolerances are written, "5%", "±0,5 %", "+/-1%": in basis
// points (a hundredth of a percent), below 100 %.
std::optional<int> readPercent(std::string_view text);
// A voltage as people write it: "5", "3,3", "3.3", "3V3", "3,3 V", "500mV",
// "12V"; within VoltageRange.
Read<Voltage> readVoltage(std::string_view text);
// A current as people write it: "20m", "20mA", "20 mA", "0,02", "50µ",
// "50u", "50µA"; within CurrentRange.
Read<Current> readCurrent(std::string_view text);
// A power as people write it: "0,25", "250mW", "1/4", "1/4 W" (a fraction of
// a watt, as ratings are named); within PowerRange.
Read<Power> readPower(std::string_view text);

}  // namespace notation
