// SPDX-License-Identifier: GPL-3.0-or-later
#include "searches/divider.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>
#include <tuple>

#include "notation/series.h"
#include "searches/network.h"
#include "searches/pair_index.h"

namespace {

using notation::Value;
using searches::Goal;

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

// What is asked of the solver: the goal, its parts, the totals, a given leg
// and the current the pair may draw.
struct Wish {
    std::vector<Value> parts;
    Goal goal;
    Value lowest;
    Value highest;
    searches::GivenLeg given{};
    std::optional<double> mostAmperes{};
    std::optional<double> leastAmperes{};

    // The voltage across the pair at the wish, to draw current bounds from.
    [[nodiscard]] double across() const {
        return goal.kind() == Goal::Kind::Divider ? goal.given() : goal.wanted();
    }
    [[nodiscard]] std::pair<double, double> totals() const {
        return {static_cast<double>(lowest.ohms()), static_cast<double>(highest.ohms())};
    }
    // The current the pair draws, from Ohm's law on the circuit itself:
    // through R1 from a divider's input, into R2 and the load; through R1
    // from a regulator's output, where R1 carries the reference (adjustable)
    // or R2's current and the pin's (feedback).
    [[nodiscard]] bool drawsWithinBounds(double r1, double r2) const {
        double amperes = 0;
        switch (goal.kind()) {
            case Goal::Kind::Divider: {
                const double out = goal.quantity(r1, r2);
                amperes = (goal.given() - out) / r1;
                break;
            }
            case Goal::Kind::Feedback:
                amperes = goal.given() / r2 + goal.pinCurrent();
                break;
            case Goal::Kind::Adjustable:
                amperes = goal.given() / r1;
                break;
            default:
                return true;
        }
        return (!mostAmperes || amperes <= *mostAmperes * (1 + 1e-11)) &&
               (!leastAmperes || amperes >= *leastAmperes * (1 - 1e-11));
    }
    // Whether a pair and the same values times ten are one answer.
    [[nodiscard]] bool scaleFree() const {
        return std::isinf(goal.load()) && goal.pinCurrent() == 0 &&
               given.which == searches::GivenLeg::Which::None;
    }
};

std::vector<Ranked> bruteForce(const std::vector<double>& values, const Wish& wish,
                               int partsPerLeg) {
    const Goal& goal = wish.goal;
    const auto [lowest, highest] = wish.totals();
    std::vector<Leg> legs;
    for (std::size_t a = 0; a < values.size(); ++a) {
        legs.push_back({values[a], {static_cast<int>(a)}});
        for (std::size_t b = a; partsPerLeg == 2 && b < values.size(); ++b) {
            const std::vector<int> both{static_cast<int>(a), static_cast<int>(b)};
            legs.push_back({values[a] + values[b], both});
            legs.push_back({values[a] * values[b] / (values[a] + values[b]), both});
        }
    }
    const auto legsOf = [&](searches::GivenLeg::Which which) {
        return wish.given.which == which ? std::vector<Leg>{{wish.given.ohms, {}}} : legs;
    };
    std::vector<Ranked> all;
    for (const Leg& r1 : legsOf(searches::GivenLeg::Which::R1)) {
        for (const Leg& r2 : legsOf(searches::GivenLeg::Which::R2)) {
            const double total = r1.ohms + r2.ohms;
            if (total < lowest * (1 - 1e-11) || total > highest * (1 + 1e-11) ||
                !wish.drawsWithinBounds(r1.ohms, r2.ohms)) {
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

std::vector<Answer> answersOf(const std::vector<Ranked>& ranked, std::size_t howMany,
                              bool scaleFree) {
    std::vector<Answer> answers;
    for (const Ranked& pair : ranked) {
        const auto same = std::find_if(answers.begin(), answers.end(), [&](const Answer& answer) {
            const std::optional<int> power = powerBetween(pair, answer.best);
            return power && (scaleFree || *power == 0);
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

void expectAgreement(const Wish& wish, std::string_view what) {
    const Goal& goal = wish.goal;
    std::vector<double> ohms;
    for (const Value& part : wish.parts) {
        ohms.push_back(static_cast<double>(part.ohms()));
    }
    const auto [low, high] = wish.totals();
    const std::vector<Value>& parts = wish.parts;
    for (const int partsPerLeg : {1, 2}) {
        const std::vector<Answer> oracle =
            answersOf(bruteForce(ohms, wish, partsPerLeg), 4, wish.scaleFree());
        const auto found =
            searches::bestDividers(parts, goal, partsPerLeg, wish.lowest, wish.highest, 4,
                                   wish.given, {wish.mostAmperes, wish.leastAmperes});
        ASSERT_EQ(found.size(), std::min<std::size_t>(oracle.size(), 4)) << what;
        for (std::size_t k = 0; k < found.size(); ++k) {
            const searches::Divider& divider = found[k];
            const std::string context = std::string(what) + ", " + std::to_string(partsPerLeg) +
                                        " per leg, answer " + std::to_string(k + 1) + ": " +
                                        divider.r1.written(parts) + " / " +
                                        divider.r2.written(parts);
            EXPECT_GE(divider.total(), low * (1 - 1e-11)) << context;
            EXPECT_LE(divider.total(), high * (1 + 1e-11)) << context;
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
        notation::valuesBetween(*notation::seriesNamed("E12"), Value(1, 2), Value(99, 2));
    for (int sample = 0; sample < 24; ++sample) {
        std::vector<Value> parts;
        if (sample < 6) {
            const char* name = sample % 3 == 0 ? "E3" : sample % 3 == 1 ? "E6" : "E12";
            parts = notation::valuesBetween(*notation::seriesNamed(name), Value(1, 2),
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
        expectAgreement({parts, goal, lowest, highest}, "sample " + std::to_string(sample));
    }
}

// What a board adds: a load on a divider, the current of a regulator's pin,
// one leg given, and the current the pair may draw.
TEST(Dividers, TheTrueOptimumOnABoard) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto decades = [&](double from, double span) {
        return typed(std::pow(10.0, from + span * unit(random)));
    };
    const std::vector<Value> e12 =
        notation::valuesBetween(*notation::seriesNamed("E12"), Value(1, 2), Value(99, 3));
    for (int sample = 0; sample < 30; ++sample) {
        Wish wish{{}, Goal::ratio(1), decades(1, 2), Value(1, 7)};
        std::sample(e12.begin(), e12.end(), std::back_inserter(wish.parts), 2 + sample % 6, random);
        const double quotient = std::pow(10.0, 2 * unit(random) - 1);
        // Up to a milliampere either way, which moves a regulator's output
        // by volts on the larger legs.
        const double pin = (2 * unit(random) - 1) * std::pow(10.0, -6 + 3 * unit(random));
        switch (sample % 3) {
            case 0:
                wish.goal = Goal::divider(12, 12 / (1 + quotient))
                                .loaded(static_cast<double>(decades(2, 4).ohms()));
                break;
            case 1:
                wish.goal = Goal::feedback(0.8, 0.8 * (1 + quotient)).withPinCurrent(pin);
                break;
            default:
                wish.goal = Goal::adjustable(1.25, 1.25 * (1 + quotient)).withPinCurrent(pin);
        }
        if (sample % 4 != 0) {
            wish.given = {sample % 4 == 1   ? searches::GivenLeg::Which::None
                          : sample % 4 == 2 ? searches::GivenLeg::Which::R1
                                            : searches::GivenLeg::Which::R2,
                          static_cast<double>(decades(1, 4).ohms())};
        }
        if (sample % 5 < 3) {
            wish.mostAmperes = wish.across() / static_cast<double>(decades(2, 2).ohms());
        }
        if (sample % 5 > 1) {
            wish.leastAmperes = wish.across() / static_cast<double>(decades(3, 3).ohms());
        }
        expectAgreement(wish, "board sample " + std::to_string(sample));
    }
}

// The worst case takes the corners only: a dense grid over every part's
// tolerance, the input or reference and the pin current finds nothing beyond
// them, and reaches them.
TEST(Dividers, TheWorstCaseIsTheExtremeOfTheWholeSpread) {
    struct Case {
        Goal goal;
        int partsPerLeg;
        searches::GivenLeg given;
        searches::Spread spread;
    };
    const std::vector<Case> cases{
        {Goal::divider(12, 3.3).loaded(22e3), 2, {}, {500, 0.05, {}}},
        {Goal::adjustable(1.25, 8.5).withPinCurrent(50e-6),
         1,
         {searches::GivenLeg::Which::R1, 220},
         {100, 0.04, 100e-6}},
        {Goal::feedback(0.8, 1.8).withPinCurrent(-2e-6),
         2,
         {searches::GivenLeg::Which::R2, 100e3},
         {100, 0.01, -5e-6}},
        {Goal::gain(23), 2, {}, {200, 0, {}}},
    };
    const std::vector<Value> e24 =
        notation::valuesBetween(*notation::seriesNamed("E24"), Value(1, 1), Value(1, 6));
    constexpr int Steps = 7;
    for (const Case& c : cases) {
        const auto found = searches::bestDividers(e24, c.goal, c.partsPerLeg, Value(1, 3),
                                                  Value(1, 6), 1, c.given);
        ASSERT_EQ(found.size(), 1U);
        const searches::Divider& divider = found[0];
        const auto [lowest, highest] = searches::worstCase(c.goal, divider, e24, c.spread);
        // Each leg as parts, a given leg as one part of its own value.
        struct Parts {
            const searches::Network& network;
            std::vector<double> nominal;
            [[nodiscard]] double at(std::span<const double> factors) const {
                std::vector<double> values = nominal;
                for (std::size_t i = 0; i < values.size(); ++i) {
                    values[i] *= factors[i];
                }
                return network.partCount() == 0 ? values.front() : network.ohmsWith(values);
            }
        };
        const auto legOf = [&](const searches::Network& network) {
            Parts leg{network, {}};
            for (const int part : network.occurrences()) {
                leg.nominal.push_back(
                    static_cast<double>(e24[static_cast<std::size_t>(part)].ohms()));
            }
            if (leg.nominal.empty()) {
                leg.nominal.push_back(network.ohms());
            }
            return leg;
        };
        const Parts r1 = legOf(divider.r1);
        const Parts r2 = legOf(divider.r2);
        const std::size_t dimensions = r1.nominal.size() + r2.nominal.size() + 2;
        const double off = c.spread.partsBasisPoints / 10'000.0;
        double gridLowest = INFINITY;
        double gridHighest = -INFINITY;
        std::vector<int> step(dimensions, 0);
        for (bool more = true; more;) {
            const auto at = [&](std::size_t d, double from, double to) {
                return from + (to - from) * step[d] / (Steps - 1);
            };
            std::vector<double> factors;
            for (std::size_t d = 0; d + 2 < dimensions; ++d) {
                factors.push_back(at(d, 1 - off, 1 + off));
            }
            const double given = c.goal.given() * at(dimensions - 2, 1 - c.spread.givenFraction,
                                                     1 + c.spread.givenFraction);
            const double pin = c.spread.pinCurrentUpTo
                                   ? at(dimensions - 1, 0, *c.spread.pinCurrentUpTo)
                                   : c.goal.pinCurrent();
            const double quantity = c.goal.quantity(
                r1.at(factors), r2.at(std::span(factors).subspan(r1.nominal.size())), given, pin);
            gridLowest = std::min(gridLowest, quantity);
            gridHighest = std::max(gridHighest, quantity);
            more = false;
            for (int& s : step) {
                if (++s < Steps) {
                    more = true;
                    break;
                }
                s = 0;
            }
        }
        const std::string context = divider.r1.written(e24) + " / " + divider.r2.written(e24);
        EXPECT_NEAR(gridLowest, lowest, 1e-12 * c.goal.wanted()) << context;
        EXPECT_NEAR(gridHighest, highest, 1e-12 * c.goal.wanted()) << context;
        EXPECT_LT(lowest, divider.quantity) << context;
        EXPECT_GT(highest, divider.quantity) << context;
    }
}

// From 5 V to 1,2 V, R1 / R2 must be 19/6: no two single E24 values give it,
// while 7,6 kΩ of two parts over 2,4 kΩ does, in 10 kΩ.
TEST(Dividers, ExactAnswersFromFactsAndOnTheirBounds) {
    const std::vector<Value> e24 =
        notation::valuesBetween(*notation::seriesNamed("E24"), Value(1, 1), Value(99, 6));
    const Goal goal = Goal::divider(5, 1.2);
    EXPECT_DOUBLE_EQ(goal.r1For(1, 1.2), 19.0 / 6.0);
    const auto single = searches::bestDividers(e24, goal, 1, Value(1, 3), Value(1, 6), 1);
    ASSERT_EQ(single.size(), 1U);
    EXPECT_GT(std::abs(single[0].quantity - 1.2), 1e-6);
    const auto pairs = searches::bestDividers(e24, goal, 2, Value(1, 4), Value(1, 4), 5);
    // 7,5 kΩ + 100 Ω, or 5,6 kΩ + 2 kΩ: the same 7,6 kΩ, written once.
    const auto spelled = std::find_if(pairs.begin(), pairs.end(), [&](const searches::Divider& d) {
        return d.r1.written(e24) == "7,5 kΩ + 100 Ω" && d.r2.written(e24) == "2,4 kΩ";
    });
    ASSERT_NE(spelled, pairs.end());
    EXPECT_NEAR(spelled->quantity, 1.2, 1e-12);
    EXPECT_DOUBLE_EQ(spelled->total(), 1e4);
    // A total typed as a bound counts, though 1,1 + 2,2 is not 3,3 in doubles.
    const std::vector<Value> tenths{Value(11, -1), Value(22, -1)};
    const auto onBounds =
        searches::bestDividers(tenths, Goal::ratio(0.5), 1, Value(33, -1), Value(33, -1), 1);
    ASSERT_EQ(onBounds.size(), 1U);
    EXPECT_EQ(onBounds[0].r1.written(tenths), "1,1 Ω");
}

// An index packs a part's place in 15 bits: the last of 32 768 parts is still
// told apart from the others, and one part more is refused, not wrapped round.
TEST(Dividers, AsManyPartsAsTheIndexHoldsAndNoMore) {
    std::vector<Value> parts;
    for (int ohms = 1; ohms <= static_cast<int>(searches::PairIndex::MostParts); ++ohms) {
        parts.emplace_back(ohms, 0);
    }
    const auto found =
        searches::bestDividers(parts, Goal::ratio(32767.0 / 32768), 1, Value(1, 0), Value(1, 6), 1);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].r1.written(parts), "32,767 kΩ");
    EXPECT_EQ(found[0].r2.written(parts), "32,768 kΩ");
    parts.emplace_back(32769, 0);
    EXPECT_THROW(searches::bestDividers(parts, Goal::ratio(1), 1, Value(1, 0), Value(1, 6), 1),
                 std::length_error);
    EXPECT_THROW(searches::bestNetworks(parts, Value(1, 3), 1, 1), std::length_error);
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
            notation::valuesBetween(*notation::seriesNamed(c.series), c.from, c.to);
        const auto found = searches::bestDividers(parts, c.goal, c.partsPerLeg, Value(1, 3),
                                                  Value(1, 6), c.howMany);
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
        notation::valuesBetween(*notation::seriesNamed("E24"), Value(1, 0), Value(1, 7));
    const auto divider =
        searches::bestDividers(e24, Goal::divider(5, 1.2), 1, Value(1, 3), Value(1, 6), 1);
    ASSERT_EQ(divider.size(), 1U);
    EXPECT_EQ(divider[0].otherTotals, (std::vector<double>{6700, 670000}));
}

}  // namespace

namespace {

// The best deviation within a wish, by brute force; infinity when no pair fits.
double bestDeviationOf(const Wish& wish) {
    std::vector<double> ohms;
    for (const Value& part : wish.parts) {
        ohms.push_back(static_cast<double>(part.ohms()));
    }
    const std::vector<Ranked> all = bruteForce(ohms, wish, 1);
    return all.empty() ? std::numeric_limits<double>::infinity() : all.front().deviation;
}

Wish relaxed(Wish wish, searches::Bound bound) {
    using searches::Bound;
    const bool all = bound == Bound::All;
    if (all || bound == Bound::LowestTotal) {
        wish.lowest = Value(1, -6);
    }
    if (all || bound == Bound::HighestTotal) {
        wish.highest = Value(1, 15);
    }
    if (all || bound == Bound::MostCurrent) {
        wish.mostAmperes.reset();
    }
    if (all || bound == Bound::LeastCurrent) {
        wish.leastAmperes.reset();
    }
    if (all || bound == Bound::GivenLeg) {
        wish.given = {};
    }
    return wish;
}

}  // namespace

// Bounds that keep the best pair off the wish: each one named makes the best
// better once relaxed, by brute force; when none alone does, all together are
// named only if that helps; the answer each gives is the optimum without it.
TEST(Dividers, TheBoundsHoldingBackAnAnswerAreThoseWhoseRelaxationHelps) {
    using searches::Bound;
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto decades = [&](double from, double span) {
        return typed(std::pow(10.0, from + span * unit(random)));
    };
    const std::vector<Value> e12 =
        notation::valuesBetween(*notation::seriesNamed("E12"), Value(1, 1), Value(99, 4));
    int held = 0;
    for (int sample = 0; sample < 40; ++sample) {
        Wish wish{{}, Goal::ratio(1), decades(1, 3), Value(1, 7)};
        wish.highest =
            typed(static_cast<double>(wish.lowest.ohms()) * std::pow(10.0, unit(random)));
        std::sample(e12.begin(), e12.end(), std::back_inserter(wish.parts), 3 + sample % 8, random);
        const double quotient = std::pow(10.0, 2 * unit(random) - 1);
        wish.goal = sample % 3 == 0   ? Goal::divider(12, 12 / (1 + quotient))
                    : sample % 3 == 1 ? Goal::adjustable(1.25, 1.25 * (1 + quotient))
                                      : Goal::feedback(0.8, 0.8 * (1 + quotient));
        if (sample % 4 == 1) {
            wish.mostAmperes = wish.across() / static_cast<double>(decades(2, 3).ohms());
        }
        if (sample % 4 == 2) {
            wish.leastAmperes = wish.across() / static_cast<double>(decades(2, 3).ohms());
        }
        if (sample % 5 == 3) {
            wish.given = {searches::GivenLeg::Which::R2, static_cast<double>(decades(1, 3).ohms())};
        }
        const searches::DividerQuestion question{wish.parts,
                                                 wish.goal,
                                                 1,
                                                 wish.lowest,
                                                 wish.highest,
                                                 wish.given,
                                                 {wish.mostAmperes, wish.leastAmperes}};
        const double best = bestDeviationOf(wish);
        const double tie = wish.goal.wanted() * 1e-11;
        const std::vector<searches::Relaxed> holding = searches::boundsHoldingBack(question, best);
        const std::string what = "sample " + std::to_string(sample);
        bool singleHelps = false;
        for (const Bound bound : {Bound::LowestTotal, Bound::HighestTotal, Bound::MostCurrent,
                                  Bound::LeastCurrent, Bound::GivenLeg}) {
            const double without = bestDeviationOf(relaxed(wish, bound));
            const bool helps = without < best - tie;
            singleHelps = singleHelps || helps;
            const auto named = std::find_if(holding.begin(), holding.end(),
                                            [&](const auto& r) { return r.bound == bound; });
            EXPECT_EQ(named != holding.end(), helps) << what << ", bound " << int(bound);
            if (named != holding.end()) {
                EXPECT_NEAR(std::abs(named->best.quantity - wish.goal.wanted()), without, tie)
                    << what;
            }
        }
        const bool allHelp =
            !singleHelps && bestDeviationOf(relaxed(wish, Bound::All)) < best - tie;
        EXPECT_EQ(std::any_of(holding.begin(), holding.end(),
                              [](const auto& r) { return r.bound == Bound::All; }),
                  allHelp)
            << what;
        held += holding.empty() ? 0 : 1;
    }
    // The draw makes some of them, not all, held back.
    EXPECT_GT(held, 5);
    EXPECT_LT(held, 40);
}
