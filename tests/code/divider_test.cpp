// SPDX-License-Identifier: GPL-3.0-or-later
#include "code/divider.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

#include "series_over.h"

namespace {

using code::Goal;
using code::Value;

// Every leg of one or two parts, and every pair of legs within the totals,
// ranked: the solver's answers must match the head of this list.
struct Leg {
    double ohms;
    std::vector<int> parts;
};

struct Ranked {
    double deviation;
    int parts;
    int distinct;
    double spread;

    [[nodiscard]] auto rank(double wanted) const {
        // Rounding errors of one quotient reached two ways stay equal.
        return std::tuple(std::llround(deviation / wanted * 1e11), parts, distinct,
                          std::llround(spread * 1e8));
    }
};

std::vector<Ranked> bruteForce(const std::vector<double>& values, const Goal& goal, int partsPerLeg,
                               double lowest, double highest) {
    std::vector<Leg> legs;
    for (std::size_t a = 0; a < values.size(); ++a) {
        legs.push_back({values[a], {static_cast<int>(a)}});
        for (std::size_t b = a; partsPerLeg == 2 && b < values.size(); ++b) {
            const std::vector<int> both{static_cast<int>(a), static_cast<int>(b)};
            legs.push_back({values[a] + values[b], both});
            legs.push_back({values[a] * values[b] / (values[a] + values[b]), both});
        }
    }
    std::vector<Ranked> all;
    for (const Leg& r1 : legs) {
        for (const Leg& r2 : legs) {
            const double total = r1.ohms + r2.ohms;
            if (total < lowest * (1 - 1e-12) || total > highest * (1 + 1e-12)) {
                continue;
            }
            std::vector<int> used = r1.parts;
            used.insert(used.end(), r2.parts.begin(), r2.parts.end());
            const auto parts = static_cast<int>(used.size());
            std::sort(used.begin(), used.end());
            const auto distinct =
                static_cast<int>(std::unique(used.begin(), used.end()) - used.begin());
            all.push_back({std::abs(goal.quantity(r1.ohms / r2.ohms) - goal.wanted()), parts,
                           distinct, std::abs(std::log(total / std::sqrt(lowest * highest)))});
        }
    }
    const double wanted = goal.wanted();
    std::sort(all.begin(), all.end(), [wanted](const Ranked& a, const Ranked& b) {
        return a.rank(wanted) < b.rank(wanted);
    });
    return all;
}

void expectAgreement(const std::vector<Value>& parts, const Goal& goal, const Value& lowest,
                     const Value& highest, std::string_view what) {
    std::vector<double> ohms;
    for (const Value& part : parts) {
        ohms.push_back(static_cast<double>(part.ohms()));
    }
    const auto low = static_cast<double>(lowest.ohms());
    const auto high = static_cast<double>(highest.ohms());
    for (const int partsPerLeg : {1, 2}) {
        const std::vector<Ranked> oracle = bruteForce(ohms, goal, partsPerLeg, low, high);
        const auto found = code::bestDividers(parts, goal, partsPerLeg, lowest, highest, 4);
        ASSERT_EQ(found.size(), std::min<std::size_t>(oracle.size(), 4)) << what;
        for (std::size_t k = 0; k < found.size(); ++k) {
            const code::Divider& divider = found[k];
            const std::string context = std::string(what) + ", " + std::to_string(partsPerLeg) +
                                        " per leg, answer " + std::to_string(k + 1) + ": " +
                                        divider.r1.written(parts) + " / " +
                                        divider.r2.written(parts);
            EXPECT_GE(divider.total(), low * (1 - 1e-12)) << context;
            EXPECT_LE(divider.total(), high * (1 + 1e-12)) << context;
            EXPECT_LE(std::max(divider.r1.partCount(), divider.r2.partCount()), partsPerLeg);
            const Ranked mine{std::abs(divider.quantity - goal.wanted()), divider.partCount,
                              divider.distinctCount,
                              std::abs(std::log(divider.total() / std::sqrt(low * high)))};
            EXPECT_NEAR(mine.deviation, oracle[k].deviation, goal.wanted() * 1e-11) << context;
            EXPECT_EQ(mine.parts, oracle[k].parts) << context;
            EXPECT_EQ(mine.distinct, oracle[k].distinct) << context;
            EXPECT_NEAR(mine.spread, oracle[k].spread, 1e-8) << context;
        }
    }
}

// Six significant digits, as a person would type them.
Value typed(double ohms) {
    const int power = static_cast<int>(std::floor(std::log10(ohms))) - 5;
    return {std::llround(ohms / std::pow(10.0, power)), power};
}

TEST(Dividers, TheTrueOptimumForEveryWayOfAskingAndPartCount) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    const std::vector<Value> e12 = seriesOver("E12", 1, 2);
    for (int sample = 0; sample < 24; ++sample) {
        std::vector<Value> parts;
        if (sample < 6) {
            parts = seriesOver(sample % 3 == 0   ? "E3"
                               : sample % 3 == 1 ? "E6"
                                                 : "E12",
                               1, sample % 3 == 2 ? 2 : 3);
        } else {
            std::sample(e12.begin(), e12.end(), std::back_inserter(parts), 2 + sample % 7, random);
        }
        const double quotient = std::pow(10.0, 4 * unit(random) - 2);
        const Goal goals[] = {Goal::divider(12, 12 / (1 + quotient)),
                              Goal::feedback(0.8, 0.8 * (1 + quotient)), Goal::gain(1 + quotient),
                              Goal::ratio(quotient)};
        const Goal& goal = goals[sample % 4];
        // Totals that cut through the legs' range, and some that no pair meets.
        const Value lowest = typed(std::pow(10.0, 1 + 3 * unit(random)));
        const Value highest =
            typed(static_cast<double>(lowest.ohms()) * std::pow(10.0, 2 * unit(random)));
        expectAgreement(parts, goal, lowest, highest, "sample " + std::to_string(sample));
    }
}

// From 5 V to 1,2 V, R1 / R2 must be 19/6: no two single E24 values give it,
// while 5,6 kΩ + 2 kΩ over 2,4 kΩ does, in 10 kΩ.
TEST(Dividers, ExactAnswersFromFactsAndOnTheirBounds) {
    const std::vector<Value> e24 = seriesOver("E24", 0, 7);
    const Goal goal = Goal::divider(5, 1.2);
    EXPECT_DOUBLE_EQ(goal.quotientFor(1.2), 19.0 / 6.0);
    const auto single = code::bestDividers(e24, goal, 1, Value(1, 3), Value(1, 6), 1);
    ASSERT_EQ(single.size(), 1U);
    EXPECT_GT(std::abs(single[0].quantity - 1.2), 1e-6);
    const auto pairs = code::bestDividers(e24, goal, 2, Value(1, 4), Value(1, 4), 5);
    const auto spelled = std::find_if(pairs.begin(), pairs.end(), [&](const code::Divider& d) {
        return d.r1.written(e24) == "5,6 kΩ + 2 kΩ" && d.r2.written(e24) == "2,4 kΩ";
    });
    ASSERT_NE(spelled, pairs.end());
    EXPECT_NEAR(spelled->quantity, 1.2, 1e-12);
    EXPECT_DOUBLE_EQ(spelled->total(), 1e4);
    // A total typed as a bound counts, though 1,1 + 2,2 is not 3,3 in doubles.
    const std::vector<Value> tenths{Value(11, -1), Value(22, -1)};
    const auto onBounds =
        code::bestDividers(tenths, Goal::ratio(0.5), 1, Value(33, -1), Value(33, -1), 1);
    ASSERT_EQ(onBounds.size(), 1U);
    EXPECT_EQ(onBounds[0].r1.written(tenths), "1,1 Ω");
}

}  // namespace
