// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/quantity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <variant>

namespace notation {

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

Decimal::Decimal(std::int64_t significand, int exponent)
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

int Decimal::digits() const {
    return static_cast<int>(digitsOf(significand_ < 0 ? -significand_ : significand_).size());
}

long double Decimal::amount() const {
    return static_cast<long double>(significand_) * std::pow(10.0L, exponent_);
}

Value Value::scaledByBasisPoints(int basisPoints) const {
    return {significand() * (10'000 + basisPoints), exponent() - 4};
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    if ((a.significand_ < 0) != (b.significand_ < 0) || a.significand_ == 0 ||
        b.significand_ == 0) {
        return a.significand_ <=> b.significand_;
    }
    const bool negative = a.significand_ < 0;
    const int magnitudeA = a.exponent_ + a.digits() - 1;
    const int magnitudeB = b.exponent_ + b.digits() - 1;
    std::strong_ordering order = magnitudeA <=> magnitudeB;
    if (order == std::strong_ordering::equal) {
        // Same leading power of ten: compare the digits, padded to one length.
        const int length = std::max(a.digits(), b.digits());
        order = scaled(a.significand_, length - a.digits()) <=>
                scaled(b.significand_, length - b.digits());
    }
    if (negative && order != std::strong_ordering::equal) {
        return order == std::strong_ordering::less ? std::strong_ordering::greater
                                                   : std::strong_ordering::less;
    }
    return order;
}

long double percentFrom(const Value& nominal, const Value& measured) {
    return (measured.ohms() - nominal.ohms()) / nominal.ohms() * 100.0L;
}

}  // namespace notation
