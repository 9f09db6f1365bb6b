// SPDX-License-Identifier: GPL-3.0-or-later
// The divider search: for each R2 of the leg table, the R1 neighbours that
// give the quantity, each pair kept on a podium.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "searches/divider.h"
#include "searches/pair_index.h"
#include "searches/podium.h"

namespace searches {

namespace {

// Two totals this close, relative to the middle, count as equally near it.
constexpr double SameSpread = 1e-9;

}  // namespace

namespace {

// The place of a given leg among the index's entries.
constexpr std::size_t Given = std::numeric_limits<std::size_t>::max();

// A pair of legs found by the search: two entries of the index, or one and
// the given leg.
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
    // Whether legs times a power of ten give the same quantity.
    bool scaleFree = true;

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
    // ten (the very same values, with other networks, at the power 0), where
    // that gives the same quantity.
    bool same(const Candidate& a, const Candidate& b) const {
        const double factor =
            scaleFree ? std::pow(10.0, std::round(std::log10(a.r2Ohms / b.r2Ohms))) : 1.0;
        return PairIndex::alike(a.r2Ohms, b.r2Ohms * factor) &&
               PairIndex::alike(a.r1Ohms, b.r1Ohms * factor);
    }
};

using DividerPodium = Podium<Candidate, DividerOrder>;

class Search {
public:
    Search(const PairIndex& legs, const Goal& goal, const GivenLeg& given, const Draw& draw,
           double lowestTotal, double highestTotal, double middleTotal)
        : legs_(legs),
          goal_(goal),
          given_(given),
          draw_(draw),
          lowest_(lowestTotal),
          highest_(highestTotal),
          middle_(middleTotal) {}

    void run(DividerPodium& podium) const {
        switch (given_.which) {
            case GivenLeg::Which::R1:
                searchOneLeg(podium, [&](double r2) { return goal_.quantity(given_.ohms, r2); });
                return;
            case GivenLeg::Which::R2:
                searchOneLeg(podium, [&](double r1) { return goal_.quantity(r1, given_.ohms); });
                return;
            case GivenLeg::Which::None:
                break;
        }
        searchBothLegs(podium);
    }

private:
    // Every R2 leg that may still take part, from the one that would give
    // the middle total outwards, each with the R1 legs around the one that
    // gives the wanted quantity with it. Where the quantity depends on the
    // quotient alone, the quotients within the podium's threshold bound R2
    // and the search stops at them; otherwise every R2 up to the highest
    // total is tried, each in a few steps.
    void searchBothLegs(DividerPodium& podium) const {
        const bool bounded = goal_.onQuotientAlone();
        const auto r2Range = [&] {
            if (!bounded) {
                return std::pair{0.0, highest_};
            }
            const auto [fewest, most] = goal_.quotientsWithin(podium.threshold());
            return std::pair{lowest_ / (1 + most), highest_ / (1 + fewest)};
        };
        const double quotient = goal_.r1For(middle_ / 2, goal_.wanted()) / (middle_ / 2);
        const std::size_t middle = legs_.bucketOf(middle_ / (1 + quotient));
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

    void overBucket(std::size_t bucket, std::pair<double, double> r2Range,
                    DividerPodium& podium) const {
        for (std::size_t r2 = legs_.begin(bucket); r2 < legs_.end(bucket); ++r2) {
            const double ohms = legs_.value(r2);
            if (ohms < r2Range.first || ohms > r2Range.second) {
                continue;
            }
            const auto [fewest, most] = draw_.r1Range(goal_, ohms);
            const double low = std::max(lowest_ - ohms, fewest);
            const double high = std::min(highest_ - ohms, most);
            if (!(low <= high)) {
                continue;
            }
            legs_.offerAround(
                goal_.r1For(ohms, goal_.wanted()), low, high, podium,
                [&](double r1) { return goal_.quantity(r1, ohms); },
                [&](std::size_t r1) { return candidate(r1, r2, legs_.value(r1), ohms); });
        }
    }

    // With one leg given, every entry as the other whose total fits.
    template <typename Made>
    void searchOneLeg(DividerPodium& podium, Made made) const {
        const bool r1Given = given_.which == GivenLeg::Which::R1;
        for (std::size_t at = 0; at < legs_.entries(); ++at) {
            const double ohms = legs_.value(at);
            const double total = ohms + given_.ohms;
            if (total < lowest_ || total > highest_ ||
                !draw_.allows(r1Given ? goal_.drawn(given_.ohms, ohms)
                                      : goal_.drawn(ohms, given_.ohms))) {
                continue;
            }
            podium.offer(made(ohms), [&] {
                return r1Given ? candidate(Given, at, given_.ohms, ohms)
                               : candidate(at, Given, ohms, given_.ohms);
            });
        }
    }

    [[nodiscard]] Candidate candidate(std::size_t r1, std::size_t r2, double r1Ohms,
                                      double r2Ohms) const {
        Candidate made;
        made.r1 = r1;
        made.r2 = r2;
        made.r1Ohms = r1Ohms;
        made.r2Ohms = r2Ohms;
        made.spread = std::abs(std::log((r1Ohms + r2Ohms) / middle_));
        std::array<int, 4> parts{};
        for (const std::size_t leg : {r1, r2}) {
            const std::size_t base = leg == r1 ? 0 : 3;
            if (leg == Given) {
                made.key[base] = -1;
                made.key[base + 1] = -1;
                continue;
            }
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
    const GivenLeg& given_;
    const Draw& draw_;
    double lowest_;
    double highest_;
    double middle_;
};

Network legOf(const PairIndex& legs, std::size_t at, std::span<const double> ohms,
              double givenOhms) {
    if (at == Given) {
        return {Group{}, givenOhms};
    }
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

std::vector<Divider> bestDividers(const DividerQuestion& question, int howMany) {
    const std::span<const notation::Value> available = question.available;
    const Goal& goal = question.goal;
    const GivenLeg& given = question.given;
    PairIndex::refuseMoreThanItHolds(available.size());
    std::vector<Divider> best;
    const auto lowest = static_cast<double>(question.lowestTotal.ohms());
    const auto highest = static_cast<double>(question.highestTotal.ohms());
    if (available.empty() || !(lowest > 0) || highest < lowest) {
        return best;
    }
    std::vector<double> ohms;
    ohms.reserve(available.size());
    for (const notation::Value& value : available) {
        ohms.push_back(static_cast<double>(value.ohms()));
    }
    const PairIndex legs(ohms, question.partsPerLeg >= 2 ? PairIndex::Entries::PairsAndSingles
                                                         : PairIndex::Entries::Singles);
    // The bounds widened by a rounding, so that 6,8 kΩ + 3,2 kΩ is within 10 kΩ.
    constexpr double Rounding = 1e-12;
    const Search search(legs, goal, given, question.draw, lowest * (1 - Rounding),
                        highest * (1 + Rounding),
                        question.middleTotal.value_or(std::sqrt(lowest * highest)));
    // A load, a pin current or a given leg make the scale of the legs matter.
    const bool scaleFree = goal.onQuotientAlone() && given.which == GivenLeg::Which::None;
    DividerPodium podium(goal.wanted(), goal.wanted() * SameDeviation, howMany,
                         DividerOrder{scaleFree});
    search.run(podium);
    for (const Candidate& kept : podium.kept()) {
        Network r1 = legOf(legs, kept.r1, ohms, given.ohms);
        Network r2 = legOf(legs, kept.r2, ohms, given.ohms);
        const double quantity = goal.quantity(r1.ohms(), r2.ohms());
        std::vector<double> otherTotals;
        // Both legs' values times 10^k, where some legs give them within the
        // totals.
        for (int k = -15; k <= 15 && scaleFree; ++k) {
            const double factor = std::pow(10.0, k);
            const double total = (kept.r1Ohms + kept.r2Ohms) * factor;
            if (k != 0 && total >= lowest * (1 - Rounding) && total <= highest * (1 + Rounding) &&
                legs.holds(kept.r1Ohms * factor) && legs.holds(kept.r2Ohms * factor) &&
                question.draw.allows(goal.drawn(kept.r1Ohms * factor, kept.r2Ohms * factor))) {
                otherTotals.push_back(total);
            }
        }
        best.push_back({std::move(r1), std::move(r2), quantity, kept.parts, kept.distinct,
                        std::move(otherTotals)});
    }
    return best;
}

std::vector<Divider> bestDividers(std::span<const notation::Value> available, const Goal& goal,
                                  int partsPerLeg, const notation::Value& lowestTotal,
                                  const notation::Value& highestTotal, int howMany,
                                  const GivenLeg& given, const Draw& draw) {
    return bestDividers({available, goal, partsPerLeg, lowestTotal, highestTotal, given, draw},
                        howMany);
}

}  // namespace searches
