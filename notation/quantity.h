// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace notation {

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

}  // namespace notation
