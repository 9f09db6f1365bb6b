// SPDX-License-Identifier: GPL-3.0-or-later
#include "searches/network.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

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

// A network found by the search, before it is written out. The parts are
// indices into the available values; the shapes cover every series-parallel
// network of one to four parts:
//   One       a
//   Two       a j0 b
//   Chain3    a j0 (b j1 c)
//   Paired4   (a j1 b) j0 (c j2 d)
//   Chain4    a j0 (b j1 (c j2 d)), with j1 the other join than j0 (else it is Paired4)
struct Draft {
    enum class Shape : std::uint8_t { One, Two, Chain3, Paired4, Chain4 };
    Shape shape = Shape::One;
    std::array<Join, 3> joins{};
    std::array<int, 4> parts{};

    [[nodiscard]] int partCount() const {
        switch (shape) {
            case Shape::One:
                return 1;
            case Shape::Two:
                return 2;
            case Shape::Chain3:
                return 3;
            case Shape::Paired4:
            case Shape::Chain4:
                return 4;
        }
        return 0;
    }

    [[nodiscard]] int distinctCount() const {
        const int count = partCount();
        int distinct = 0;
        for (int i = 0; i < count; ++i) {
            const auto first = parts.begin();
            distinct += std::find(first, first + i, parts[static_cast<std::size_t>(i)]) == first + i
                            ? 1
                            : 0;
        }
        return distinct;
    }

    // A nested group is written wherever a join differs from the one around it.
    [[nodiscard]] int groupCount() const {
        const auto differ = [this](std::size_t a, std::size_t b) {
            return joins[a] != joins[b] ? 1 : 0;
        };
        switch (shape) {
            case Shape::One:
            case Shape::Two:
                return 0;
            case Shape::Chain3:
                return differ(0, 1);
            case Shape::Paired4:
                return differ(1, 0) + differ(2, 0);
            case Shape::Chain4:
                return differ(1, 0) + differ(2, 1);
        }
        return 0;
    }
};

Group single(int part) {
    Group group;
    group.parts.push_back(part);
    return group;
}

// x join y, with groups of the same join merged: a + (b + c) is a + b + c.
Group combine(Join join, Group x, Group y) {
    Group result;
    result.join = join;
    for (Group* side : {&x, &y}) {
        const bool lone = side->parts.size() == 1 && side->groups.empty();
        if (lone || side->join == join) {
            result.parts.insert(result.parts.end(), side->parts.begin(), side->parts.end());
            for (Group& nested : side->groups) {
                result.groups.push_back(std::move(nested));
            }
        } else {
            result.groups.push_back(std::move(*side));
        }
    }
    return result;
}

double ohmsOf(const Group& group, std::span<const double> ohms) {
    double total = 0;
    for (const int part : group.parts) {
        const double value = ohms[static_cast<std::size_t>(part)];
        total += group.join == Join::Series ? value : 1.0 / value;
    }
    for (const Group& nested : group.groups) {
        const double value = ohmsOf(nested, ohms);
        total += group.join == Join::Series ? value : 1.0 / value;
    }
    return group.join == Join::Series ? total : 1.0 / total;
}

// The parts and groups of every level in one order, largest first, so that
// one network has one form however it was found.
void putInOrder(Group& group, std::span<const double> ohms) {
    std::sort(group.parts.begin(), group.parts.end(), std::greater<>());
    for (Group& nested : group.groups) {
        putInOrder(nested, ohms);
    }
    std::sort(group.groups.begin(), group.groups.end(),
              [&](const Group& a, const Group& b) { return ohmsOf(a, ohms) > ohmsOf(b, ohms); });
}

Group treeOf(const Draft& draft, std::span<const double> ohms) {
    const auto& [a, b, c, d] = draft.parts;
    const auto& [j0, j1, j2] = draft.joins;
    Group tree;
    switch (draft.shape) {
        case Draft::Shape::One:
            tree = single(a);
            break;
        case Draft::Shape::Two:
            tree = combine(j0, single(a), single(b));
            break;
        case Draft::Shape::Chain3:
            tree = combine(j0, single(a), combine(j1, single(b), single(c)));
            break;
        case Draft::Shape::Paired4:
            tree =
                combine(j0, combine(j1, single(a), single(b)), combine(j2, single(c), single(d)));
            break;
        case Draft::Shape::Chain4:
            tree =
                combine(j0, single(a), combine(j1, single(b), combine(j2, single(c), single(d))));
            break;
    }
    putInOrder(tree, ohms);
    return tree;
}

// The tree as numbers, to tell networks apart and to order full ties.
void appendKey(const Group& group, std::vector<int>& key) {
    key.push_back(group.join == Join::Series ? -1 : -2);
    key.insert(key.end(), group.parts.begin(), group.parts.end());
    for (const Group& nested : group.groups) {
        appendKey(nested, key);
    }
    key.push_back(-3);
}

// A network found by the search, ranked by deviation, then the fewest
// distinct values, then the fewest groups, then the largest parts first.
struct Candidate {
    // From the draft alone, so the search's makers can return drafts.
    Candidate(const Draft& drafted)  // NOLINT(google-explicit-constructor)
        : distinct(drafted.distinctCount()), groups(drafted.groupCount()), draft(drafted) {}

    double deviation = 0;
    int distinct;
    int groups;
    Draft draft;
    std::vector<int> key;  // made when first needed
};

class NetworkOrder {
public:
    explicit NetworkOrder(std::span<const double> ohms) : ohms_(ohms) {}

    bool before(Candidate& a, Candidate& b) const {
        if (a.distinct != b.distinct) {
            return a.distinct < b.distinct;
        }
        if (a.groups != b.groups) {
            return a.groups < b.groups;
        }
        // Then the largest parts first: a main value and small corrections.
        return keyOf(a) > keyOf(b);
    }

    bool same(Candidate& a, Candidate& b) const { return keyOf(a) == keyOf(b); }

private:
    const std::vector<int>& keyOf(Candidate& candidate) const {
        if (candidate.key.empty()) {
            appendKey(treeOf(candidate.draft, ohms_), candidate.key);
        }
        return candidate.key;
    }

    std::span<const double> ohms_;
};

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

Network::Network(Group root, double ohms) : root_(std::move(root)), ohms_(ohms) {}

namespace {

int countParts(const Group& group) {
    int count = static_cast<int>(group.parts.size());
    for (const Group& nested : group.groups) {
        count += countParts(nested);
    }
    return count;
}

void collectParts(const Group& group, std::vector<int>& parts) {
    parts.insert(parts.end(), group.parts.begin(), group.parts.end());
    for (const Group& nested : group.groups) {
        collectParts(nested, parts);
    }
}

std::string write(const Group& group, std::span<const notation::Value> available) {
    const std::string between = group.join == Join::Series ? " + " : " ∥ ";
    std::string text;
    for (const int part : group.parts) {
        text += (text.empty() ? "" : between) + available[static_cast<std::size_t>(part)].french();
    }
    for (const Group& nested : group.groups) {
        text += (text.empty() ? "" : between) + "(" + write(nested, available) + ")";
    }
    return text;
}

// The value of a group whose parts, in the order of `collectParts`, take
// their values from `next`.
double valueOf(const Group& group, std::span<const double> partOhms, std::size_t& next) {
    double total = 0;
    const auto add = [&](double value) {
        total += group.join == Join::Series ? value : 1.0 / value;
    };
    for (std::size_t i = 0; i < group.parts.size(); ++i) {
        add(partOhms[next++]);
    }
    for (const Group& nested : group.groups) {
        add(valueOf(nested, partOhms, next));
    }
    return group.join == Join::Series ? total : 1.0 / total;
}

// Series parts share the current, parallel ones the voltage.
void spread(const Group& group, std::span<const double> partOhms, double volts, std::size_t& next,
            std::vector<double>& across) {
    std::size_t probe = next;
    const double whole = valueOf(group, partOhms, probe);
    const auto share = [&](double value) {
        return group.join == Join::Series ? volts * value / whole : volts;
    };
    for (std::size_t i = 0; i < group.parts.size(); ++i) {
        across.push_back(share(partOhms[next++]));
    }
    for (const Group& nested : group.groups) {
        std::size_t peek = next;
        const double value = valueOf(nested, partOhms, peek);
        spread(nested, partOhms, share(value), next, across);
    }
}

}  // namespace

std::vector<int> Network::occurrences() const {
    std::vector<int> parts;
    collectParts(root_, parts);
    return parts;
}

double Network::ohmsWith(std::span<const double> partOhms) const {
    std::size_t next = 0;
    return partOhms.empty() ? ohms_ : valueOf(root_, partOhms, next);
}

std::vector<double> Network::voltagesWith(std::span<const double> partOhms, double volts) const {
    std::vector<double> across;
    std::size_t next = 0;
    spread(root_, partOhms, volts, next, across);
    return across;
}

int Network::partCount() const {
    return countParts(root_);
}

std::vector<int> Network::distinctParts() const {
    std::vector<int> parts;
    collectParts(root_, parts);
    std::sort(parts.begin(), parts.end(), std::greater<>());
    parts.erase(std::unique(parts.begin(), parts.end()), parts.end());
    return parts;
}

std::string Network::written(std::span<const notation::Value> available) const {
    return write(root_, available);
}

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
