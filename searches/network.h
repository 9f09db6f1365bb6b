// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The best series-parallel network of one to four resistors, drawn from a
// list of available values (parts may repeat), for any target value.
#include <span>
#include <string>
#include <vector>

#include "notation/quantity.h"

namespace searches {

enum class Join : unsigned char { Series, Parallel };

// A network as it is written: one join, its parts and its nested groups,
// which join the other way. Parts are indices into the available values.
struct Group {
    Join join = Join::Series;
    std::vector<int> parts;     // largest value first
    std::vector<Group> groups;  // largest value first
};

class Network {
public:
    Network(Group root, double ohms);

    [[nodiscard]] const Group& root() const { return root_; }
    [[nodiscard]] double ohms() const { return ohms_; }
    [[nodiscard]] int partCount() const;
    // The values it uses, each once, largest first.
    [[nodiscard]] std::vector<int> distinctParts() const;
    // "4,7 kΩ + (1,2 kΩ ∥ 1,2 kΩ)".
    [[nodiscard]] std::string written(std::span<const notation::Value> available) const;

    // Each part, once for every time it is used, in one fixed order: a
    // network of 10 kΩ ∥ 10 kΩ has two parts that may differ in tolerance
    // and share the power.
    [[nodiscard]] std::vector<int> occurrences() const;
    // The network's value when its parts, in that order, have these values.
    [[nodiscard]] double ohmsWith(std::span<const double> partOhms) const;
    // The voltage across each part, in that order, with `volts` across the
    // network.
    [[nodiscard]] std::vector<double> voltagesWith(std::span<const double> partOhms,
                                                   double volts) const;

private:
    Group root_;
    double ohms_;
};

// For each part count from 1 to maxParts (at most 4), the `howMany` best
// networks of exactly that many parts, best first: the smallest absolute
// deviation from the target, then the fewest distinct values, then the
// fewest groups. Every series-parallel topology is searched; the answer is
// the true optimum. `available` must be sorted, without repeats, and hold at
// most PairIndex::MostParts values (more is a std::length_error).
std::vector<std::vector<Network>> bestNetworks(std::span<const notation::Value> available,
                                               const notation::Value& target, int maxParts,
                                               int howMany);

// A network has at most this many parts.
inline constexpr int MostNetworkParts = 4;

// Deviations closer than this, relative to the target, count as equal: the
// rounding of two ways of computing one value.
inline constexpr double SameDeviation = 1e-12;

}  // namespace searches
