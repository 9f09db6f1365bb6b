// SPDX-License-Identifier: GPL-3.0-or-later
#include "code/value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace code {

namespace {

// a × 10^k; callers keep the result within 18 digits.
std::int64_t scaled(std::int64_t a, int k) {
    for (int i = 0; i < k; ++i) {
        a *= 10;
    }
    return a;
}

std::string digitsOf(std::int64_t n) {
    return std::to_string(n);
}

}  // namespace

Value::Value(std::int64_t significand, int exponent)
    : significand_(significand), exponent_(exponent) {
    if (significand_ == 0) {
        exponent_ = 0;
        return;
    }
    while (significand_ % 10 == 0) {
        significand_ /= 10;
        ++exponent_;
    }
}

int Value::digits() const {
    return static_cast<int>(digitsOf(significand_ < 0 ? -significand_ : significand_).size());
}

long double Value::ohms() const {
    return static_cast<long double>(significand_) * std::pow(10.0L, exponent_);
}

Value Value::scaledByBasisPoints(int basisPoints) const {
    return Value(significand_ * (10'000 + basisPoints), exponent_ - 4);
}

std::strong_ordering operator<=>(const Value& a, const Value& b) {
    if ((a.significand_ < 0) != (b.significand_ < 0) || a.significand_ == 0 ||
        b.significand_ == 0) {
        return a.significand_ <=> b.significand_;
    }
    const bool negative = a.significand_ < 0;
    const int magnitudeA = a.exponent_ + a.digits() - 1;
    const int magnitudeB = b.exponent_ + b.digits() - 1;
    std::strong_ordering order = magnitudeA <=> magnitudeB;
    if (std::is_eq(order)) {
        // Same leading power of ten: compare the digits, padded to one length.
        const int length = std::max(a.digits(), b.digits());
        order = scaled(a.significand_, length - a.digits()) <=>
                scaled(b.significand_, length - b.digits());
    }
    if (negative && std::is_neq(order)) {
        return std::is_lt(order) ? std::strong_ordering::greater : std::strong_ordering::less;
    }
    return order;
}

namespace {

// significand × 10^exponent as a French decimal: "4,7", "470", "0,047".
std::string frenchDecimal(std::int64_t significand, int exponent) {
    std::string digits = digitsOf(significand);
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

std::string Value::french() const {
    const int magnitude = exponent_ + digits() - 1;  // the power of ten of the first digit
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
    return frenchDecimal(significand_, exponent_ - power) + " " + prefix + "\u03A9";
}

std::string Value::plainOhms() const {
    std::string text = frenchDecimal(significand_, exponent_);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

long double percentFrom(const Value& nominal, const Value& measured) {
    return (measured.ohms() - nominal.ohms()) / nominal.ohms() * 100.0L;
}

std::string frenchTolerance(int basisPoints) {
    const Value percent(basisPoints, -2);
    return "\u00B1" + frenchDecimal(percent.significand(), percent.exponent()) + " %";
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

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto lower = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(text[i]) != lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// The power of ten a multiplier letter stands for.
std::optional<int> prefixPower(char letter) {
    switch (letter) {
        case 'R':
        case 'r':
            return 0;
        case 'k':
        case 'K':
            return 3;
        case 'M':
            return 6;
        case 'G':
        case 'g':
            return 9;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<Value> parseValue(std::string_view text, std::string* why) {
    const auto reject = [why](const char* reason) -> std::optional<Value> {
        if (why != nullptr) {
            *why = reason;
        }
        return std::nullopt;
    };
    text = trimmed(text);
    // The unit may follow: "Ω", "ohm", "ohms".
    for (const std::string_view unit : {std::string_view("\u03A9"), std::string_view("\u2126"),
                                        std::string_view("ohms"), std::string_view("ohm")}) {
        if (text.size() >= unit.size() &&
            startsWithIgnoringCase(text.substr(text.size() - unit.size()), unit)) {
            text = trimmed(text.substr(0, text.size() - unit.size()));
            break;
        }
    }
    // A multiplier letter last, maybe after a blank: "4,7k", "4,7 k", "100R".
    std::optional<int> power;
    if (!text.empty() && prefixPower(text.back())) {
        power = prefixPower(text.back());
        text = trimmed(text.substr(0, text.size() - 1));
    }

    std::int64_t significand = 0;
    int exponent = 0;
    int significantDigits = 0;
    bool seenDigit = false;
    bool seenSeparator = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            if ((significand != 0 || c != '0') && ++significantDigits > 12) {
                return reject("plus de 12 chiffres significatifs");
            }
            significand = significand * 10 + (c - '0');
            exponent -= seenSeparator ? 1 : 0;
        } else if (c == ',' || c == '.' || (prefixPower(c) && !power)) {
            if (seenSeparator) {
                return reject("plus d'un s\u00E9parateur d\u00E9cimal");
            }
            // "4k7", "R47": a letter may stand where the comma would.
            if (c != ',' && c != '.') {
                power = prefixPower(c);
            }
            seenSeparator = true;
        } else {
            return reject("un caract\u00E8re inattendu");
        }
    }
    if (!seenDigit) {
        return reject("aucun chiffre");
    }
    const Value value(significand, exponent + power.value_or(0));
    if (!value.isPositive()) {
        return reject("une valeur nulle");
    }
    const int magnitude = value.exponent() + value.digits() - 1;
    if (magnitude > 11) {
        return reject("plus de 999 G\u03A9");
    }
    if (magnitude < -3) {
        return reject("moins de 0,001 \u03A9");
    }
    return value;
}

}  // namespace code
