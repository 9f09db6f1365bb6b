// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace code {

// A resistance in ohms, kept exact as significand × 10^exponent, so that
// "4,7k", 47 × 10^2 and 4 700 are one and the same value and no colour is
// ever chosen from a rounding error.
class Value {
public:
    constexpr Value() = default;
    Value(std::int64_t significand, int exponent);

    [[nodiscard]] std::int64_t significand() const { return significand_; }
    [[nodiscard]] int exponent() const { return exponent_; }
    [[nodiscard]] bool isPositive() const { return significand_ > 0; }

    // Number of significant digits (1 for zero).
    [[nodiscard]] int digits() const;
    [[nodiscard]] long double ohms() const;

    // The value times (1 + basisPoints / 10 000), exactly.
    [[nodiscard]] Value scaledByBasisPoints(int basisPoints) const;

    // "4,7 kΩ", "470 Ω", "0,47 Ω", "4,99 MΩ": French, with the prefix that
    // leaves one to three digits before the comma.
    [[nodiscard]] std::string french() const;
    // "4700", "0.47": plain decimal ohms, for machine-readable files.
    [[nodiscard]] std::string plainOhms() const;

    friend std::strong_ordering operator<=>(const Value& a, const Value& b);
    friend bool operator==(const Value& a, const Value& b) { return (a <=> b) == 0; }

private:
    std::int64_t significand_ = 0;  // no trailing zeros, unless zero
    int exponent_ = 0;
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

// Reads a resistance as people write it: "4700", "4,7k", "4.7k", "4k7",
// "4,7 kΩ", "4K7", "R47", "0,47", "2M2", "100R", "1,5 ohm". Nothing (and the
// reason in `why`) for anything else, zero, or more than 12 significant digits.
std::optional<Value> parseValue(std::string_view text, std::string* why = nullptr);
// A plain decimal, "4,7" or "4.7", and a voltage as people write it: "5",
// "3,3", "3.3", "3V3", "3,3 V", "500mV", "12V". Nothing (and why) for anything
// else, zero, or more than 12 significant digits.
std::optional<Value> parseNumber(std::string_view text, std::string* why = nullptr);
std::optional<Value> parseVoltage(std::string_view text, std::string* why = nullptr);

}  // namespace code
