// SPDX-License-Identifier: GPL-3.0-or-later
// The divider solver against the yardstick of the usual calculators: every
// leg of one or two parts computed once and sorted, then every R2 leg against
// a binary search of the ideal R1 in that list. Both solve 20 dividers whose
// output is 1 % to 99 % of the input, with the default totals (1 kΩ to 1 MΩ)
// and two parts per leg from a whole series over 1 Ω–10 MΩ. Prints the median
// time of each per wish, their ratio, and how the best deviations compare.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "bench/solver_bench.h"
#include "searches/divider.h"

namespace {

using bench::fastestSeconds;
using notation::Value;

// The yardstick: the smallest deviation of the output.
double yardstick(const std::vector<double>& values, const searches::Goal& goal, double lowest,
                 double highest) {
    std::vector<double> legs(values);
    for (std::size_t a = 0; a < values.size(); ++a) {
        for (std::size_t b = a; b < values.size(); ++b) {
            legs.push_back(values[a] + values[b]);
            legs.push_back(values[a] * values[b] / (values[a] + values[b]));
        }
    }
    std::sort(legs.begin(), legs.end());
    const double quotient = goal.r1For(1, goal.wanted());
    double best = INFINITY;
    for (const double r2 : legs) {
        const double low = lowest - r2;
        const double high = highest - r2;
        if (high <= 0) {
            break;
        }
        const auto first = std::lower_bound(legs.begin(), legs.end(), low);
        const auto last = std::upper_bound(first, legs.end(), high);
        const auto at = std::lower_bound(first, last, quotient * r2);
        for (auto it : {at - 1, at}) {
            if (it >= first && it < last) {
                best = std::min(best, std::abs(goal.quantity(*it, r2) - goal.wanted()));
            }
        }
    }
    return best;
}

}  // namespace

int main() {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> fraction(0.01, 0.99);
    std::vector<searches::Goal> wishes;
    for (int i = 0; i < 20; ++i) {
        // From 5 V, an output with three significant digits, as a person would ask.
        const double output = std::round(5 * fraction(random) * 100) / 100;
        wishes.push_back(searches::Goal::divider(5, output));
    }
    const Value lowest(1, 3);
    const Value highest(1, 6);
    bench::compareOverSeries(
        "(two parts per leg, totals 1 kOhm to 1 MOhm; best deviations over 20 wishes)",
        [&](const bench::Parts& parts, std::vector<double>& ours, std::vector<double>& theirs,
            bench::Tally& tally) {
            for (const searches::Goal& goal : wishes) {
                std::vector<searches::Divider> found;
                double reference = 0;
                ours.push_back(fastestSeconds(3, [&] {
                    found = searches::bestDividers(parts.values, goal, 2, lowest, highest, 3);
                }));
                theirs.push_back(
                    fastestSeconds(3, [&] { reference = yardstick(parts.ohms, goal, 1e3, 1e6); }));
                const double deviation = std::abs(found.front().quantity - goal.wanted());
                if (tally.count(deviation, reference, goal.wanted() * 1e-12)) {
                    std::printf("  worse: %.17g V, %.17g > %.17g\n", goal.wanted(), deviation,
                                reference);
                }
            }
        });
}
