// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/french.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace notation {

namespace {

// significand × 10^exponent as a French decimal: "4,7", "470", "0,047".
std::string frenchDecimal(std::int64_t significand, int exponent) {
    std::string digits = std::to_string(significand);
    if (exponent >= 0) {
        return digits + std::string(static_cast<std::size_t>(exponent), '0');
    }
    const auto fraction = static_cast<std::size_t>(-exponent);
    if (digits.size() <= fraction) {
        digits.insert(0, fraction - digits.size() + 1, '0');
    }
    digits.insert(digits.size() - fraction, ",");
    return digits;
}

}  // namespace

std::string Decimal::french() const {
    return frenchDecimal(significand_, exponent_);
}

std::string Value::french() const {
    const int magnitude = exponent() + digits() - 1;  // the power of ten of the first digit
    int power = 0;
    const char* prefix = "";
    if (magnitude >= 9) {
        power = 9;
        prefix = "G";
    } else if (magnitude >= 6) {
        power = 6;
        prefix = "M";
    } else if (magnitude >= 3) {
        power = 3;
        prefix = "k";
    }
    return frenchDecimal(significand(), exponent() - power) + " " + prefix + "Ω";
}

std::string Value::plainOhms() const {
    std::string text = Decimal::french();
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

std::string frenchTolerance(int basisPoints) {
    return "±" + Decimal(basisPoints, -2).french() + " %";
}

std::string frenchPercent(long double percent) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%+.2Lf %%", percent);
    std::string text(buffer.data());
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string frenchDeviation(long double percent) {
    const long double size = std::fabs(percent);
    if (size >= 0.01L || size == 0) {
        return frenchPercent(percent);
    }
    const int decimals = std::min(15, 1 - static_cast<int>(std::floor(std::log10(size))));
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%+.*Lf %%", decimals, percent);
    std::string text(buffer.data());
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string frenchApproximate(long double ohms) {
    if (!(ohms > 0) || !std::isfinite(ohms)) {
        return Value().french();
    }
    const int exponent = static_cast<int>(std::floor(std::log10(ohms))) - 5;
    const auto significand =
        static_cast<std::int64_t>(std::llround(ohms / std::pow(10.0L, exponent)));
    return Value(significand, exponent).french();
}

namespace {

// Rounded to six significant digits; zero for anything not above zero.
Decimal sixDigits(long double amount) {
    if (!(amount > 0) || !std::isfinite(amount)) {
        return {};
    }
    const int exponent = static_cast<int>(std::floor(std::log10(amount))) - 5;
    return {static_cast<std::int64_t>(std::llround(amount / std::pow(10.0L, exponent))), exponent};
}

}  // namespace

std::string frenchNumber(long double amount) {
    if (amount < 0) {
        return "-" + frenchNumber(-amount);
    }
    return sixDigits(amount).french();
}

std::string frenchQuantity(long double amount, std::string_view unit) {
    static constexpr std::array<std::string_view, 8> Prefixes{"p", "n", "µ", "m",
                                                              "",  "k", "M", "G"};
    if (amount < 0) {
        return "-" + frenchQuantity(-amount, unit);
    }
    const Decimal rounded = sixDigits(amount);
    const int magnitude = rounded.exponent() + rounded.digits() - 1;
    const int step = std::clamp((magnitude + 120) / 3 - 40, -4, 3);  // floor(magnitude / 3)
    const int prefix = step + 4;
    return frenchDecimal(rounded.significand(), rounded.exponent() - 3 * step) + " " +
           std::string(Prefixes[static_cast<std::size_t>(prefix)]) + std::string(unit);
}

}  // namespace notation
