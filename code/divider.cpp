// SPDX-License-Identifier: GPL-3.0-or-later
#include "code/divider.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "code/pair_index.h"
#include "code/podium.h"

namespace code {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// Two totals this close, relative to the middle, count as equally near it.
constexpr double SameSpread = 1e-9;

}  // namespace

double Goal::quantity(double quotient) const {
    switch (kind_) {
        case Kind::Divider:
            return given_ / (1 + quotient);
        case Kind::Feedback:
        case Kind::Gain:
            return given_ * (1 + quotient);
        case Kind::Ratio:
            break;
    }
    return quotient;
}

double Goal::quotientFor(double quantity) const {
    switch (kind_) {
        case Kind::Divider:
            if (!(quantity > 0)) {
                return Infinity;
            }
            return std::max(given_ / quantity - 1, 0.0);
        case Kind::Feedback:
        case Kind::Gain:
            return std::max(quantity / given_ - 1, 0.0);
        case Kind::Ratio:
            break;
    }
    return std::max(quantity, 0.0);
}

std::pair<double, double> Goal::quotientsWithin(double deviation) const {
    const double a = quotientFor(wanted_ - deviation);
    const double b = quotientFor(wanted_ + deviation);
    return std::minmax(a, b);
}

namespace {

// A pair of legs found by the search: two entries of the index.
struct Candidate {
    double deviation = 0;
    int parts = 0;
    int distinct = 0;
    double spread = 0;         // |ln(total / middle)|
    std::array<int, 6> key{};  // each leg: larger part, smaller part (or -1), kind
    std::size_t r1 = 0;
    std::size_t r2 = 0;
    double r1Ohms = 0;
    double r2Ohms = 0;
};

struct DividerOrder {
    bool before(const Candidate& a, const Candidate& b) const {
        if (a.parts != b.parts) {
            return a.parts < b.parts;
        }
        if (a.distinct != b.distinct) {
            return a.distinct < b.distinct;
        }
        if (std::abs(a.spread - b.spread) > SameSpread) {
            return a.spread < b.spread;
        }
        return a.key > b.key;
    }

    // One answer: both legs of one are those of the other times one power of
    // ten (the very same values, with other networks, at the power 0).
    bool same(const Candidate& a, const Candidate& b) const {
        const double factor = std::pow(10.0, std::round(std::log10(a.r2Ohms / b.r2Ohms)));
        return PairIndex::alike(a.r2Ohms, b.r2Ohms * factor) &&
               PairIndex::alike(a.r1Ohms, b.r1Ohms * factor);
    }
};

using DividerPodium = Podium<Candidate, DividerOrder>;

class Search {
public:
    Search(const PairIndex& legs, const Goal& goal, double lowestTotal, double highestTotal)
        : legs_(legs),
          goal_(goal),
          quotient_(goal.quotientFor(goal.wanted())),
          lowest_(lowestTotal),
          highest_(highestTotal),
          middle_(std::sqrt(lowestTotal * highestTotal)) {}

    // Every R2 leg that may still take part, from the one that would give
    // the middle total outwards, each with the R1 legs around the ideal one.
    void run(DividerPodium& podium) const {
        const auto r2Range = [&] {
            const auto [fewest, most] = goal_.quotientsWithin(podium.threshold());
            return std::pair{lowest_ / (1 + most), highest_ / (1 + fewest)};
        };
        const std::size_t middle = legs_.bucketOf(middle_ / (1 + quotient_));
        for (std::size_t bucket = middle; bucket < legs_.buckets(); ++bucket) {
            if (legs_.lowestIn(bucket) > r2Range().second) {
                break;
            }
            overBucket(bucket, r2Range(), podium);
        }
        for (std::size_t bucket = middle; bucket-- > 0;) {
            if (legs_.lowestIn(bucket + 1) < r2Range().first) {
                break;
            }
            overBucket(bucket, r2Range(), podium);
        }
    }

private:
    void overBucket(std::size_t bucket, std::pair<double, double> r2Range,
                    DividerPodium& podium) const {
        for (std::size_t r2 = legs_.begin(bucket); r2 < legs_.end(bucket); ++r2) {
            const double ohms = legs_.value(r2);
            if (ohms < r2Range.first || ohms > r2Range.second) {
                continue;
            }
            legs_.offerAround(
                quotient_ * ohms, lowest_ - ohms, highest_ - ohms, podium,
                [&](double r1) { return goal_.quantity(r1 / ohms); },
                [&](std::size_t r1) { return candidate(r1, r2, legs_.value(r1) + ohms); });
        }
    }

    [[nodiscard]] Candidate candidate(std::size_t r1, std::size_t r2, double total) const {
        Candidate made;
        made.r1 = r1;
        made.r2 = r2;
        made.r1Ohms = legs_.value(r1);
        made.r2Ohms = legs_.value(r2);
        made.spread = std::abs(std::log(total / middle_));
        std::array<int, 4> parts{};
        for (const std::size_t leg : {r1, r2}) {
            const bool single = legs_.single(leg);
            const int larger = legs_.second(leg);
            const int smaller = single ? -1 : legs_.first(leg);
            const auto at = static_cast<std::size_t>(made.parts);
            parts[at] = larger;
            made.parts += 1;
            if (!single) {
                parts[at + 1] = smaller;
                made.parts += 1;
            }
            const std::size_t base = leg == r1 ? 0 : 3;
            made.key[base] = larger;
            made.key[base + 1] = smaller;
            made.key[base + 2] = single ? 0 : legs_.join(leg) == Join::Series ? 1 : 2;
        }
        const auto end = parts.begin() + made.parts;
        for (auto part = parts.begin(); part != end; ++part) {
            made.distinct += std::find(parts.begin(), part, *part) == part ? 1 : 0;
        }
        return made;
    }

    const PairIndex& legs_;
    const Goal& goal_;
    double quotient_;
    double lowest_;
    double highest_;
    double middle_;
};

Network legOf(const PairIndex& legs, std::size_t at, std::span<const double> ohms) {
    Group group;
    group.parts.push_back(legs.second(at));
    if (legs.single(at)) {
        return {std::move(group), ohms[static_cast<std::size_t>(legs.second(at))]};
    }
    group.join = legs.join(at);
    group.parts.push_back(legs.first(at));
    return {std::move(group), legs.value(at)};
}

}  // namespace

std::vector<Divider> bestDividers(std::span<const Value> available, const Goal& goal,
                                  int partsPerLeg, const Value& lowestTotal,
                                  const Value& highestTotal, int howMany) {
    PairIndex::refuseMoreThanItHolds(available.size());
    std::vector<Divider> best;
    const auto lowest = static_cast<double>(lowestTotal.ohms());
    const auto highest = static_cast<double>(highestTotal.ohms());
    if (available.empty() || !(lowest > 0) || highest < lowest) {
        return best;
    }
    std::vector<double> ohms;
    ohms.reserve(available.size());
    for (const Value& value : available) {
        ohms.push_back(static_cast<double>(value.ohms()));
    }
    const PairIndex legs(
        ohms, partsPerLeg >= 2 ? PairIndex::Entries::PairsAndSingles : PairIndex::Entries::Singles);
    // The bounds widened by a rounding, so that 6,8 kΩ + 3,2 kΩ is within 10 kΩ.
    constexpr double Rounding = 1e-12;
    const Search search(legs, goal, lowest * (1 - Rounding), highest * (1 + Rounding));
    DividerPodium podium(goal.wanted(), goal.wanted() * SameDeviation, howMany, DividerOrder{});
    search.run(podium);
    for (const Candidate& kept : podium.kept()) {
        Network r1 = legOf(legs, kept.r1, ohms);
        Network r2 = legOf(legs, kept.r2, ohms);
        const double quantity = goal.quantity(r1.ohms() / r2.ohms());
        std::vector<double> otherTotals;
        // Both legs' values times 10^k, where some legs give them within the totals.
        for (int k = -15; k <= 15; ++k) {
            const double factor = std::pow(10.0, k);
            const double total = (kept.r1Ohms + kept.r2Ohms) * factor;
            if (k != 0 && total >= lowest * (1 - Rounding) && total <= highest * (1 + Rounding) &&
                legs.holds(kept.r1Ohms * factor) && legs.holds(kept.r2Ohms * factor)) {
                otherTotals.push_back(total);
            }
        }
        best.push_back({std::move(r1), std::move(r2), quantity, kept.parts, kept.distinct,
                        std::move(otherTotals)});
    }
    return best;
}

std::pair<double, double> worstCase(const Goal& goal, const Divider& divider,
                                    int toleranceBasisPoints) {
    const double off = toleranceBasisPoints / 10'000.0;
    const double quotient = divider.r1.ohms() / divider.r2.ohms();
    return std::minmax(goal.quantity(quotient * (1 - off) / (1 + off)),
                       goal.quantity(quotient * (1 + off) / (1 - off)));
}

}  // namespace code
