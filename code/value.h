// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace code {

// A number kept exact as significand × 10^exponent, so that "4,7", 47 × 10^-1
// and 4,70 are one and the same and nothing is ever chosen from a rounding
// error.
class Decimal {
public:
    constexpr Decimal() = default;
    Decimal(std::int64_t significand, int exponent);

    [[nodiscard]] std::int64_t significand() const { return significand_; }
    [[nodiscard]] int exponent() const { return exponent_; }
    [[nodiscard]] bool isPositive() const { return significand_ > 0; }

    // Number of significant digits (1 for zero).
    [[nodiscard]] int digits() const;
    [[nodiscard]] long double amount() const;
    // "4,7", "470", "0,047": a French decimal, with every digit it has.
    [[nodiscard]] std::string french() const;

    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) {
        return (a <=> b) == std::strong_ordering::equal;
    }

private:
    std::int64_t significand_ = 0;  // no trailing zeros, unless zero
    int exponent_ = 0;
};

// A resistance in ohms, exact.
class Value : public Decimal {
public:
    using Decimal::Decimal;

    [[nodiscard]] long double ohms() const { return amount(); }

    // The value times (1 + basisPoints / 10 000), exactly.
    [[nodiscard]] Value scaledByBasisPoints(int basisPoints) const;

    // "4,7 kΩ", "470 Ω", "0,47 Ω", "4,99 MΩ": French, with the prefix that
    // leaves one to three digits before the comma.
    [[nodiscard]] std::string french() const;
    // "4700", "0.47": plain decimal ohms, for machine-readable files.
    [[nodiscard]] std::string plainOhms() const;
};

// A voltage in volts, exact.
class Voltage : public Decimal {
public:
    using Decimal::Decimal;

    [[nodiscard]] double volts() const { return static_cast<double>(amount()); }
};

// A current in amperes, exact.
class Current : public Decimal {
public:
    using Decimal::Decimal;

    [[nodiscard]] double amperes() const { return static_cast<double>(amount()); }
};

// A power in watts, exact: a rating's fraction of a watt is a terminating
// decimal (1/16 W is 0,0625 W).
class Power : public Decimal {
public:
    using Decimal::Decimal;

    [[nodiscard]] double watts() const { return static_cast<double>(amount()); }
};

// The relative difference (measured - nominal) / nominal, in percent.
long double percentFrom(const Value& nominal, const Value& measured);

// A tolerance or a relative error in basis points (1/100 of a percent), as
// French text: 500 -> "±5 %", 25 -> "±0,25 %"; signed: -208 -> "-2,08 %".
std::string frenchTolerance(int basisPoints);
std::string frenchPercent(long double percent);
// A deviation with at least two significant digits: "-3,77 %", "+0,0012 %".
std::string frenchDeviation(long double percent);
// A computed value, rounded to six significant digits: "666,667 Ω".
std::string frenchApproximate(long double ohms);

// A computed quantity rounded to six significant digits: "3,16667", and with
// an SI prefix before its unit: "1,2 V", "500 µA", "3,30001 V".
std::string frenchNumber(long double amount);
std::string frenchQuantity(long double amount, std::string_view unit);

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

}  // namespace code
