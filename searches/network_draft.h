// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the network search keeps while it searches: a network as a draft of
// its shape, joins and parts, turned into a tree only for the networks kept,
// and the order that ranks networks of equal deviation.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "searches/network.h"

namespace searches {

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

// The draft as a tree, its parts and groups in one order, largest first.
Group treeOf(const Draft& draft, std::span<const double> ohms);
// The tree's value with these part values.
double ohmsOf(const Group& group, std::span<const double> ohms);
// The tree as numbers, to tell networks apart and to order full ties.
void appendKey(const Group& group, std::vector<int>& key);

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

}  // namespace searches
