// SPDX-License-Identifier: GPL-3.0-or-later
// The network solver against the yardstick of the best-known EDA calculator:
// every two-part value computed once and sorted; three and four parts by a
// binary search of the complement of each one- and two-part value in that
// list. Both solve the same 20 targets, spread log-uniformly over 1 Ω–10 MΩ,
// with four parts from a whole series over 1 Ω–10 MΩ. Prints the median time
// of each per target, their ratio, and how the best deviations compare.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "bench/solver_bench.h"
#include "searches/network.h"

namespace {

using bench::fastestSeconds;
using notation::Value;

struct TwoPart {
    double ohms;
    int a;
    int b;
    bool parallel;
};

// The yardstick: best absolute deviation for one to four parts.
std::array<double, 4> yardstick(const std::vector<double>& values, double target) {
    std::vector<TwoPart> pairs;
    pairs.reserve(values.size() * (values.size() + 1));
    for (std::size_t a = 0; a < values.size(); ++a) {
        for (std::size_t b = a; b < values.size(); ++b) {
            const double x = values[a];
            const double y = values[b];
            pairs.push_back({x + y, static_cast<int>(a), static_cast<int>(b), false});
            pairs.push_back({x * y / (x + y), static_cast<int>(a), static_cast<int>(b), true});
        }
    }
    std::sort(pairs.begin(), pairs.end(),
              [](const TwoPart& p, const TwoPart& q) { return p.ohms < q.ohms; });
    const auto nearest = [&](double wanted, auto combine, double& best) {
        const auto at =
            std::lower_bound(pairs.begin(), pairs.end(), wanted,
                             [](const TwoPart& p, double value) { return p.ohms < value; });
        for (auto it : {at - 1, at}) {
            if (it >= pairs.begin() && it < pairs.end()) {
                best = std::min(best, std::abs(combine(it->ohms) - target));
            }
        }
    };
    std::array<double, 4> best{INFINITY, INFINITY, INFINITY, INFINITY};
    for (const double value : values) {
        best[0] = std::min(best[0], std::abs(value - target));
    }
    nearest(
        target, [](double z) { return z; }, best[1]);
    const auto complements = [&](double part, double& slot) {
        if (part < target) {
            nearest(
                target - part, [&](double z) { return part + z; }, slot);
        } else if (part > target) {
            nearest(
                1 / (1 / target - 1 / part), [&](double z) { return part * z / (part + z); }, slot);
        }
    };
    for (const double value : values) {
        complements(value, best[2]);
    }
    for (const TwoPart& pair : pairs) {
        complements(pair.ohms, best[3]);
    }
    return best;
}

}  // namespace

int main() {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> exponent(0, 7);
    std::vector<Value> targets;
    for (int i = 0; i < 20; ++i) {
        // Targets with six significant digits, as a person would type them.
        const double ohms = std::pow(10.0, exponent(random));
        const int power = static_cast<int>(std::floor(std::log10(ohms))) - 5;
        targets.emplace_back(std::llround(ohms / std::pow(10.0, power)), power);
    }
    bench::compareOverSeries(
        "(same dev, ours <, ours >: best deviations over 20 targets x 4 part counts)",
        [&](const bench::Parts& parts, std::vector<double>& ours, std::vector<double>& theirs,
            bench::Tally& tally) {
            for (const Value& target : targets) {
                const double wanted = static_cast<double>(target.ohms());
                std::vector<std::vector<searches::Network>> found;
                std::array<double, 4> reference{};
                ours.push_back(fastestSeconds(
                    3, [&] { found = searches::bestNetworks(parts.values, target, 4, 1); }));
                theirs.push_back(
                    fastestSeconds(3, [&] { reference = yardstick(parts.ohms, wanted); }));
                for (std::size_t k = 0; k < 4; ++k) {
                    const double deviation = std::abs(found[k].front().ohms() - wanted);
                    if (tally.count(deviation, reference[k], wanted * searches::SameDeviation)) {
                        std::printf("  worse: %s, %zu parts, %.17g > %.17g\n",
                                    target.french().c_str(), k + 1, deviation, reference[k]);
                    }
                }
            }
        });
}
