// SPDX-License-Identifier: GPL-3.0-or-later
#include "searches/network.h"

#include <algorithm>
#include <utility>

namespace searches {

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

}  // namespace searches
