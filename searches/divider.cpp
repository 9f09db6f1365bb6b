// SPDX-License-Identifier: GPL-3.0-or-later
#include "searches/divider.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace searches {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// A quantity that no R1 reaches comes nearest at one end.
double atLeastZero(double r1) {
    return std::isnan(r1) || r1 < 0 ? 0 : r1;
}

}  // namespace

Goal Goal::loaded(double ohms) const {
    Goal goal = *this;
    goal.load_ = ohms;
    return goal;
}

Goal Goal::withPinCurrent(double amperes) const {
    Goal goal = *this;
    goal.pinCurrent_ = amperes;
    return goal;
}

double Goal::quantity(double r1, double r2, double given, double pinCurrent) const {
    switch (kind_) {
        case Kind::Divider: {
            const double lower = lowerLeg(r2);
            return given * lower / (r1 + lower);
        }
        case Kind::Feedback:
            return given * (1 + r1 / r2) + pinCurrent * r1;
        case Kind::Adjustable:
            return given * (1 + r2 / r1) + pinCurrent * r2;
        case Kind::Gain:
            return 1 + r1 / r2;
        case Kind::Ratio:
            break;
    }
    return r1 / r2;
}

double Goal::r1For(double r2, double quantity) const {
    switch (kind_) {
        case Kind::Divider: {
            if (!(quantity > 0)) {
                return Infinity;
            }
            const double lower = lowerLeg(r2);
            return atLeastZero(lower * (given_ / quantity - 1));
        }
        case Kind::Feedback: {
            // Vref + R1 · (Vref / R2 + I): a slope of either sign.
            const double slope = given_ / r2 + pinCurrent_;
            if (slope == 0) {
                return 0;
            }
            const double r1 = (quantity - given_) / slope;
            return r1 < 0 ? (slope > 0 ? 0 : Infinity) : r1;
        }
        case Kind::Adjustable: {
            // Vref + I · R2 + Vref · R2 / R1: nearer Vref + I · R2 as R1 grows.
            const double above = quantity - given_ - pinCurrent_ * r2;
            return above > 0 ? given_ * r2 / above : Infinity;
        }
        case Kind::Gain:
            return atLeastZero(r2 * (quantity - 1));
        case Kind::Ratio:
            break;
    }
    return atLeastZero(r2 * quantity);
}

bool Goal::onQuotientAlone() const {
    return std::isinf(load_) && pinCurrent_ == 0;
}

double Goal::quotientFor(double quantity) const {
    // R1 / R2 with R2 = 1, where the quantity depends on nothing else.
    return r1For(1, quantity);
}

std::pair<double, double> Goal::quotientsWithin(double deviation) const {
    const double a = quotientFor(wanted_ - deviation);
    const double b = quotientFor(wanted_ + deviation);
    return std::minmax(a, b);
}

double Goal::lowerLeg(double r2) const {
    return std::isinf(load_) ? r2 : r2 * load_ / (r2 + load_);
}

double Goal::drawn(double r1, double r2) const {
    switch (kind_) {
        case Kind::Divider:
            return given_ / (r1 + lowerLeg(r2));
        case Kind::Feedback:
            return given_ / r2 + pinCurrent_;
        case Kind::Adjustable:
            return given_ / r1;
        case Kind::Gain:
        case Kind::Ratio:
            break;
    }
    return 0;
}

namespace {

// Bounds on a current are met up to the rounding of the last digits, so that
// a total typed to match a current counts.
constexpr double CurrentRounding = 1e-12;

}  // namespace

bool Draw::allows(double amperes) const {
    return (!most || amperes <= *most * (1 + CurrentRounding)) &&
           (!least || amperes >= *least * (1 - CurrentRounding));
}

std::pair<double, double> Draw::r1Range(const Goal& goal, double r2) const {
    double low = 0;
    double high = Infinity;
    switch (goal.kind()) {
        case Goal::Kind::Divider: {
            // Vin / (R1 + R2 ∥ RL): less as R1 grows.
            const double lower = goal.lowerLeg(r2);
            if (most) {
                low = goal.given() / *most - lower;
            }
            if (least) {
                high = goal.given() / *least - lower;
            }
            break;
        }
        case Goal::Kind::Adjustable:
            // Vref / R1.
            if (most) {
                low = goal.given() / *most;
            }
            if (least) {
                high = goal.given() / *least;
            }
            break;
        case Goal::Kind::Feedback:
            // Vref / R2 + I, whatever R1.
            if (!allows(goal.drawn(1, r2))) {
                return {Infinity, 0};
            }
            break;
        case Goal::Kind::Gain:
        case Goal::Kind::Ratio:
            break;
    }
    return {std::max(0.0, low * (1 - CurrentRounding)), high * (1 + CurrentRounding)};
}

namespace {

// The values a leg's parts may take at one corner: the given leg counts as
// one part.
struct LegParts {
    std::vector<double> nominal;

    LegParts(const Network& leg, std::span<const notation::Value> available) {
        if (leg.partCount() == 0) {
            nominal.push_back(leg.ohms());
            return;
        }
        for (const int part : leg.occurrences()) {
            nominal.push_back(
                static_cast<double>(available[static_cast<std::size_t>(part)].ohms()));
        }
    }

    // The leg's value with the parts chosen by the bits of `corner` from
    // `first` on at the low or high end of `off`.
    [[nodiscard]] double at(const Network& leg, unsigned corner, std::size_t first,
                            double off) const {
        std::vector<double> values = nominal;
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] *= ((corner >> (first + i)) & 1U) != 0 ? 1 + off : 1 - off;
        }
        return leg.partCount() == 0 ? values.front() : leg.ohmsWith(values);
    }
};

}  // namespace

std::pair<double, double> worstCase(const Goal& goal, const Divider& divider,
                                    std::span<const notation::Value> available,
                                    const Spread& spread) {
    const double off = spread.partsBasisPoints / 10'000.0;
    const LegParts r1(divider.r1, available);
    const LegParts r2(divider.r2, available);
    const std::size_t parts = r1.nominal.size() + r2.nominal.size();
    std::vector<double> pinCurrents{goal.pinCurrent()};
    if (spread.pinCurrentUpTo) {
        pinCurrents = {0, *spread.pinCurrentUpTo};
    }
    double lowest = Infinity;
    double highest = -Infinity;
    for (unsigned corner = 0; corner < (1U << (parts + 1)); ++corner) {
        const double r1Ohms = r1.at(divider.r1, corner, 0, off);
        const double r2Ohms = r2.at(divider.r2, corner, r1.nominal.size(), off);
        const double given =
            goal.given() *
            (((corner >> parts) & 1U) != 0 ? 1 + spread.givenFraction : 1 - spread.givenFraction);
        for (const double pinCurrent : pinCurrents) {
            const double quantity = goal.quantity(r1Ohms, r2Ohms, given, pinCurrent);
            lowest = std::min(lowest, quantity);
            highest = std::max(highest, quantity);
        }
    }
    return {lowest, highest};
}

}  // namespace searches
