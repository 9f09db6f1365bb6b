// SPDX-License-Identifier: GPL-3.0-or-later
// The network search: every series-parallel shape of one to four parts,
// each part count's best kept on a podium.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "searches/network.h"
#include "searches/network_draft.h"
#include "searches/pair_index.h"
#include "searches/podium.h"

namespace searches {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

double joined(Join join, double a, double b) {
    return join == Join::Series ? a + b : a * b / (a + b);
}

Join other(Join join) {
    return join == Join::Series ? Join::Parallel : Join::Series;
}

// The z for which `part` joined with z gives `wanted`: 0 where every z gives
// more, infinity where every z gives less. Both joins grow with z.
double complement(Join join, double part, double wanted) {
    if (!(wanted > 0)) {
        return 0;
    }
    if (wanted == Infinity) {
        return Infinity;
    }
    if (join == Join::Series) {
        return wanted > part ? wanted - part : 0;
    }
    return wanted < part ? 1.0 / (1.0 / wanted - 1.0 / part) : Infinity;
}

// The best networks of one part count found so far.
using NetworkPodium = Podium<Candidate, NetworkOrder>;

// Offers the entries of a sorted list around position `at`, outwards on each
// side, for as long as the podium may keep them. The network's value grows
// with the entry's, so the first refusal on a side ends that side.
template <typename Offer>
void offerAround(std::size_t size, std::size_t at, Offer offer) {
    for (std::size_t k = at; k-- > 0;) {
        if (!offer(k)) {
            break;
        }
    }
    for (std::size_t k = at; k < size; ++k) {
        if (!offer(k)) {
            break;
        }
    }
}

class Search {
public:
    Search(std::span<const double> ohms, double target) : ohms_(ohms), target_(target) {}

    void onePart(NetworkPodium& podium) const {
        const std::size_t at = nearest(target_);
        offerAround(ohms_.size(), at, [&](std::size_t k) {
            return podium.offer(ohms_[k], [&] { return Draft{Draft::Shape::One, {}, {index(k)}}; });
        });
    }

    void twoParts(NetworkPodium& podium) const {
        for (std::size_t a = 0; a < ohms_.size(); ++a) {
            for (const Join join : {Join::Series, Join::Parallel}) {
                const std::size_t at = nearest(complement(join, ohms_[a], target_));
                offerAround(ohms_.size(), at, [&](std::size_t b) {
                    return podium.offer(joined(join, ohms_[a], ohms_[b]), [&] {
                        return Draft{Draft::Shape::Two, {join}, {index(a), index(b)}};
                    });
                });
            }
        }
    }

    // a j0 (pair): every three-part network.
    void threeParts(const PairIndex& pairs, NetworkPodium& podium) const {
        for (std::size_t a = 0; a < ohms_.size(); ++a) {
            for (const Join join : {Join::Series, Join::Parallel}) {
                pairs.offerAround(
                    complement(join, ohms_[a], target_), podium,
                    [&](double z) { return joined(join, ohms_[a], z); },
                    [&](std::size_t k) {
                        return Draft{Draft::Shape::Chain3,
                                     {join, pairs.join(k)},
                                     {index(a), pairs.first(k), pairs.second(k)}};
                    });
            }
        }
    }

    // (pair) j0 (pair). Of two pairs in series, the larger lies between
    // half the target and the target; of two in parallel, the smaller lies
    // between the target and twice it. Each is searched from the middle of
    // that octave outwards, so the bound tightens at once.
    void pairedFourParts(const PairIndex& pairs, NetworkPodium& podium) const {
        for (const Join join : {Join::Series, Join::Parallel}) {
            const auto low = [&] {
                const double limit = podium.threshold();
                return join == Join::Series ? (target_ - limit) / 2 : target_ - limit;
            };
            const auto high = [&] {
                const double limit = podium.threshold();
                return join == Join::Series ? target_ + limit : 2 * (target_ + limit);
            };
            const std::size_t middle =
                pairs.bucketOf(join == Join::Series ? 0.75 * target_ : 1.5 * target_);
            for (std::size_t bucket = middle; bucket < pairs.buckets(); ++bucket) {
                if (pairs.lowestIn(bucket) > high()) {
                    break;
                }
                pairWith(bucket, join, low, high, pairs, podium);
            }
            for (std::size_t bucket = middle; bucket-- > 0;) {
                if (pairs.lowestIn(bucket + 1) < low()) {
                    break;
                }
                pairWith(bucket, join, low, high, pairs, podium);
            }
        }
    }

    // a j0 (b j1 (pair)) with j1 the other join: the four-part networks that
    // are not two pairs. Bounds on a and b skip what cannot come close.
    void chainedFourParts(const PairIndex& pairs, NetworkPodium& podium) const {
        const std::size_t n = ohms_.size();
        for (std::size_t step = 0; step < n; ++step) {
            // Series: a below the target, smallest first; parallel: above, largest first.
            for (const Join outer : {Join::Series, Join::Parallel}) {
                const std::size_t a = outer == Join::Series ? step : n - 1 - step;
                const double limit = podium.threshold();
                const bool possible =
                    outer == Join::Series ? ohms_[a] < target_ + limit : ohms_[a] > target_ - limit;
                if (possible) {
                    chainFrom(a, outer, pairs, podium);
                }
            }
        }
    }

private:
    // Every pair of the bucket between the bounds, joined with the pairs that
    // take it nearest the target.
    template <typename Low, typename High>
    void pairWith(std::size_t bucket, Join join, Low low, High high, const PairIndex& pairs,
                  NetworkPodium& podium) const {
        for (std::size_t x = pairs.begin(bucket); x < pairs.end(bucket); ++x) {
            const double value = pairs.value(x);
            if (value < low() || value > high()) {
                continue;
            }
            pairs.offerAround(
                complement(join, value, target_), podium,
                [&](double y) { return joined(join, value, y); },
                [&](std::size_t y) {
                    return Draft{
                        Draft::Shape::Paired4,
                        {join, pairs.join(x), pairs.join(y)},
                        {pairs.first(x), pairs.second(x), pairs.first(y), pairs.second(y)}};
                });
        }
    }

    void chainFrom(std::size_t a, Join outer, const PairIndex& pairs, NetworkPodium& podium) const {
        const Join inner = other(outer);
        const double rest = complement(outer, ohms_[a], target_);
        const std::size_t n = ohms_.size();
        for (std::size_t step = 0; step < n; ++step) {
            // a + (b ∥ z) stays below a + b; a ∥ (b + z) stays above a ∥ b.
            const std::size_t b = outer == Join::Series ? n - 1 - step : step;
            const double limit = podium.threshold();
            if (outer == Join::Series
                    ? ohms_[a] + ohms_[b] < target_ - limit
                    : joined(Join::Parallel, ohms_[a], ohms_[b]) > target_ + limit) {
                break;
            }
            pairs.offerAround(
                complement(inner, ohms_[b], rest), podium,
                [&](double z) { return joined(outer, ohms_[a], joined(inner, ohms_[b], z)); },
                [&](std::size_t z) {
                    return Draft{Draft::Shape::Chain4,
                                 {outer, inner, pairs.join(z)},
                                 {index(a), index(b), pairs.first(z), pairs.second(z)}};
                });
        }
    }

    [[nodiscard]] std::size_t nearest(double wanted) const {
        return static_cast<std::size_t>(std::lower_bound(ohms_.begin(), ohms_.end(), wanted) -
                                        ohms_.begin());
    }

    static int index(std::size_t k) { return static_cast<int>(k); }

    std::span<const double> ohms_;
    double target_;
};

}  // namespace

std::vector<std::vector<Network>> bestNetworks(std::span<const notation::Value> available,
                                               const notation::Value& target, int maxParts,
                                               int howMany) {
    PairIndex::refuseMoreThanItHolds(available.size());
    std::vector<std::vector<Network>> best;
    if (available.empty() || !target.isPositive()) {
        return best;
    }
    std::vector<double> ohms;
    ohms.reserve(available.size());
    for (const notation::Value& value : available) {
        ohms.push_back(static_cast<double>(value.ohms()));
    }
    const double wanted = static_cast<double>(target.ohms());
    const Search search(ohms, wanted);
    const auto solve = [&](auto&& fill) {
        NetworkPodium podium(wanted, wanted * SameDeviation, howMany, NetworkOrder(ohms));
        fill(podium);
        std::vector<Network> networks;
        for (const Candidate& kept : podium.kept()) {
            Group tree = treeOf(kept.draft, ohms);
            const double value = ohmsOf(tree, ohms);
            networks.emplace_back(std::move(tree), value);
        }
        best.push_back(std::move(networks));
    };
    maxParts = std::clamp(maxParts, 1, MostNetworkParts);
    solve([&](NetworkPodium& podium) { search.onePart(podium); });
    if (maxParts >= 2) {
        solve([&](NetworkPodium& podium) { search.twoParts(podium); });
    }
    if (maxParts >= 3) {
        const PairIndex pairs(ohms);
        solve([&](NetworkPodium& podium) { search.threeParts(pairs, podium); });
        if (maxParts == 4) {
            solve([&](NetworkPodium& podium) {
                search.pairedFourParts(pairs, podium);
                search.chainedFourParts(pairs, podium);
            });
        }
    }
    return best;
}

}  // namespace searches
