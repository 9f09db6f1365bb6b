// SPDX-License-Identifier: GPL-3.0-or-later
#include "code/divider.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <stdexcept>
#include <tuple>

#include "code/network.h"
#include "code/pair_index.h"
#include "code/series.h"

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
    double r1;
    double r2;

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
            all.push_back({std::abs(goal.quantity(r1.ohms, r2.ohms) - goal.wanted()), parts,
                           distinct, std::abs(std::log(total / std::sqrt(lowest * highest))),
                           r1.ohms, r2.ohms});
        }
    }
    const double wanted = goal.wanted();
    std::sort(all.begin(), all.end(), [wanted](const Ranked& a, const Ranked& b) {
        return a.rank(wanted) < b.rank(wanted);
    });
    return all;
}

// Whether both legs of `a` are those of `b` times 10^k; k, if so.
std::optional<int> powerBetween(const Ranked& a, const Ranked& b) {
    const double k = std::round(std::log10(a.r2 / b.r2));
    const double factor = std::pow(10.0, k);
    const auto alike = [](double x, double y) { return std::abs(x - y) <= 1e-9 * x; };
    if (alike(a.r2, b.r2 * factor) && alike(a.r1, b.r1 * factor)) {
        return static_cast<int>(k);
    }
    return std::nullopt;
}

// The `howMany` answers: the first of each set of pairs whose legs are the
// same values times a power of ten, with the totals of the others at other
// powers.
struct Answer {
    Ranked best;
    std::vector<double> otherTotals;
};

std::vector<Answer> answersOf(const std::vector<Ranked>& ranked, std::size_t howMany) {
    std::vector<Answer> answers;
    for (const Ranked& pair : ranked) {
        const auto same = std::find_if(answers.begin(), answers.end(), [&](const Answer& answer) {
            return powerBetween(pair, answer.best).has_value();
        });
        if (same == answers.end()) {
            if (answers.size() < howMany) {
                answers.push_back({pair, {}});
            }
            continue;
        }
        const double total = pair.r1 + pair.r2;
        if (*powerBetween(pair, same->best) != 0 &&
            std::none_of(same->otherTotals.begin(), same->otherTotals.end(),
                         [&](double other) { return std::abs(other - total) <= 1e-9 * total; })) {
            same->otherTotals.push_back(total);
        }
    }
    for (Answer& answer : answers) {
        std::sort(answer.otherTotals.begin(), answer.otherTotals.end());
    }
    return answers;
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
        const std::vector<Answer> oracle =
            answersOf(bruteForce(ohms, goal, partsPerLeg, low, high), 4);
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
            const Ranked mine{std::abs(divider.quantity - goal.wanted()),
                              divider.partCount,
                              divider.distinctCount,
                              std::abs(std::log(divider.total() / std::sqrt(low * high))),
                              divider.r1.ohms(),
                              divider.r2.ohms()};
            const Ranked& best = oracle[k].best;
            EXPECT_NEAR(mine.deviation, best.deviation, goal.wanted() * 1e-11) << context;
            EXPECT_EQ(mine.parts, best.parts) << context;
            EXPECT_EQ(mine.distinct, best.distinct) << context;
            EXPECT_NEAR(mine.spread, best.spread, 1e-8) << context;
            ASSERT_EQ(divider.otherTotals.size(), oracle[k].otherTotals.size()) << context;
            for (std::size_t t = 0; t < divider.otherTotals.size(); ++t) {
                EXPECT_NEAR(divider.otherTotals[t], oracle[k].otherTotals[t],
                            1e-9 * divider.otherTotals[t])
                    << context;
            }
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
    const std::vector<Value> e12 =
        code::valuesBetween(*code::seriesNamed("E12"), Value(1, 2), Value(99, 2));
    for (int sample = 0; sample < 24; ++sample) {
        std::vector<Value> parts;
        if (sample < 6) {
            const char* name = sample % 3 == 0 ? "E3" : sample % 3 == 1 ? "E6" : "E12";
            parts = code::valuesBetween(*code::seriesNamed(name), Value(1, 2),
                                        Value(99, sample % 3 == 2 ? 2 : 3));
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
// while 7,6 kΩ of two parts over 2,4 kΩ does, in 10 kΩ.
TEST(Dividers, ExactAnswersFromFactsAndOnTheirBounds) {
    const std::vector<Value> e24 =
        code::valuesBetween(*code::seriesNamed("E24"), Value(1, 1), Value(99, 6));
    const Goal goal = Goal::divider(5, 1.2);
    EXPECT_DOUBLE_EQ(goal.r1For(1, 1.2), 19.0 / 6.0);
    const auto single = code::bestDividers(e24, goal, 1, Value(1, 3), Value(1, 6), 1);
    ASSERT_EQ(single.size(), 1U);
    EXPECT_GT(std::abs(single[0].quantity - 1.2), 1e-6);
    const auto pairs = code::bestDividers(e24, goal, 2, Value(1, 4), Value(1, 4), 5);
    // 7,5 kΩ + 100 Ω, or 5,6 kΩ + 2 kΩ: the same 7,6 kΩ, written once.
    const auto spelled = std::find_if(pairs.begin(), pairs.end(), [&](const code::Divider& d) {
        return d.r1.written(e24) == "7,5 kΩ + 100 Ω" && d.r2.written(e24) == "2,4 kΩ";
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

// An index packs a part's place in 15 bits: the last of 32 768 parts is still
// told apart from the others, and one part more is refused, not wrapped round.
TEST(Dividers, AsManyPartsAsTheIndexHoldsAndNoMore) {
    std::vector<Value> parts;
    for (int ohms = 1; ohms <= static_cast<int>(code::PairIndex::MostParts); ++ohms) {
        parts.emplace_back(ohms, 0);
    }
    const auto found =
        code::bestDividers(parts, Goal::ratio(32767.0 / 32768), 1, Value(1, 0), Value(1, 6), 1);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].r1.written(parts), "32,767 kΩ");
    EXPECT_EQ(found[0].r2.written(parts), "32,768 kΩ");
    parts.emplace_back(32769, 0);
    EXPECT_THROW(code::bestDividers(parts, Goal::ratio(1), 1, Value(1, 0), Value(1, 6), 1),
                 std::length_error);
    EXPECT_THROW(code::bestNetworks(parts, Value(1, 3), 1, 1), std::length_error);
}

// Pairs whose legs are the same values, or those values times ten, are one
// answer: these asked for several and got the same one again before.
TEST(Dividers, EachAnswerDifferentValuesWithItsOtherTotals) {
    struct Case {
        Goal goal;
        const char* series;
        Value from, to;
        int partsPerLeg;
        int howMany;
    };
    const std::vector<Case> cases{
        {Goal::feedback(1.23, 30.75), "E48", Value(1, 2), Value(1, 4), 2, 3},
        {Goal::ratio(0.0044), "E24", Value(1, 2), Value(1, 6), 2, 4},
        {Goal::divider(5, 1.2), "E24", Value(1, 0), Value(1, 7), 1, 3},
    };
    for (const Case& c : cases) {
        const std::vector<Value> parts =
            code::valuesBetween(*code::seriesNamed(c.series), c.from, c.to);
        const auto found =
            code::bestDividers(parts, c.goal, c.partsPerLeg, Value(1, 3), Value(1, 6), c.howMany);
        ASSERT_EQ(found.size(), static_cast<std::size_t>(c.howMany));
        for (std::size_t a = 0; a < found.size(); ++a) {
            for (std::size_t b = 0; b < a; ++b) {
                const Ranked first{0, 0, 0, 0, found[a].r1.ohms(), found[a].r2.ohms()};
                const Ranked second{0, 0, 0, 0, found[b].r1.ohms(), found[b].r2.ohms()};
                EXPECT_FALSE(powerBetween(first, second).has_value())
                    << found[a].r1.written(parts) << " / " << found[a].r2.written(parts);
            }
        }
    }
    // 51 kΩ over 16 kΩ, also at 6,7 kΩ and 670 kΩ in all.
    const std::vector<Value> e24 =
        code::valuesBetween(*code::seriesNamed("E24"), Value(1, 0), Value(1, 7));
    const auto divider =
        code::bestDividers(e24, Goal::divider(5, 1.2), 1, Value(1, 3), Value(1, 6), 1);
    ASSERT_EQ(divider.size(), 1U);
    EXPECT_EQ(divider[0].otherTotals, (std::vector<double>{6700, 670000}));
}

}  // namespace
