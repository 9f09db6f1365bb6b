// SPDX-License-Identifier: GPL-3.0-or-later
// Which bounds of a divider's question keep its best answer from a better
// one: each relaxed alone, then all together, and searched again.
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "searches/divider.h"
#include "searches/network.h"

namespace searches {

namespace {

// The smallest value of twelve digits at or above `ohms`.
notation::Value atLeast(double ohms) {
    const int exponent = static_cast<int>(std::floor(std::log10(ohms))) - 11;
    return {static_cast<std::int64_t>(std::ceil(ohms / std::pow(10.0, exponent))), exponent};
}

// The question without `bound`: the totals as wide as the parts make them (a
// leg in parallel down to half the smallest part, in series up to twice the
// largest), the currents unbounded, the given leg searched.
DividerQuestion without(DividerQuestion question, Bound bound) {
    const bool all = bound == Bound::All;
    // Of equally good answers, the one nearest the totals first asked for.
    question.middleTotal =
        question.middleTotal.value_or(std::sqrt(static_cast<double>(question.lowestTotal.ohms()) *
                                                static_cast<double>(question.highestTotal.ohms())));
    if (all || bound == Bound::LowestTotal) {
        const notation::Value& smallest = question.available.front();
        question.lowestTotal = notation::Value(smallest.significand() * 5, smallest.exponent() - 1);
    }
    if (all || bound == Bound::HighestTotal) {
        question.highestTotal =
            atLeast(4 * static_cast<double>(question.available.back().ohms()) +
                    (question.given.which == GivenLeg::Which::None ? 0 : question.given.ohms));
    }
    if (all || bound == Bound::MostCurrent) {
        question.draw.most.reset();
    }
    if (all || bound == Bound::LeastCurrent) {
        question.draw.least.reset();
    }
    if (all || bound == Bound::GivenLeg) {
        question.given = {};
    }
    return question;
}

}  // namespace

std::vector<Relaxed> boundsHoldingBack(const DividerQuestion& question, double bestDeviation) {
    std::vector<Relaxed> holding;
    if (question.available.empty()) {
        return holding;
    }
    const double wanted = question.goal.wanted();
    const auto betterWithout = [&](Bound bound) {
        const std::vector<Divider> found = bestDividers(without(question, bound), 1);
        if (!found.empty() &&
            std::abs(found.front().quantity - wanted) < bestDeviation - wanted * SameDeviation) {
            holding.push_back({bound, found.front()});
        }
    };
    const bool given = question.given.which != GivenLeg::Which::None;
    for (const auto& [bound, present] :
         {std::pair{Bound::LowestTotal, true}, std::pair{Bound::HighestTotal, true},
          std::pair{Bound::MostCurrent, question.draw.most.has_value()},
          std::pair{Bound::LeastCurrent, question.draw.least.has_value()},
          std::pair{Bound::GivenLeg, given}}) {
        if (present) {
            betterWithout(bound);
        }
    }
    if (holding.empty()) {
        betterWithout(Bound::All);
    }
    return holding;
}

}  // namespace searches
