// SPDX-License-Identifier: GPL-3.0-or-later
#include "searches/network_draft.h"

#include <utility>

namespace searches {

namespace {

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

}  // namespace

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

void appendKey(const Group& group, std::vector<int>& key) {
    key.push_back(group.join == Join::Series ? -1 : -2);
    key.insert(key.end(), group.parts.begin(), group.parts.end());
    for (const Group& nested : group.groups) {
        appendKey(nested, key);
    }
    key.push_back(-3);
}

}  // namespace searches
