// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a resistor burns and the rating it needs: the common ratings of
// resistors, and the power in each part of a network.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "notation/quantity.h"
#include "searches/network.h"

namespace searches {

// A power rating as resistors are sold: a fraction of a watt, or watts.
struct Rating {
    int numerator;
    int denominator;

    [[nodiscard]] double watts() const { return static_cast<double>(numerator) / denominator; }
    // "1/4 W", "2 W".
    [[nodiscard]] std::string french() const;
};

inline constexpr std::array<Rating, 9> CommonRatings{
    {{1, 16}, {1, 10}, {1, 8}, {1, 4}, {1, 2}, {1, 1}, {2, 1}, {3, 1}, {5, 1}}};

// The smallest common rating that carries `watts` when a part may burn at
// most `1 - margin` of its rating (a margin of 0,5: half of it); nothing
// above 5 W.
std::optional<Rating> ratingFor(double watts, double margin);
// Whether a part of `ratingWatts` carries `watts` keeping `margin` of its
// rating free; a power exactly at the share allowed fits.
bool carries(double ratingWatts, double watts, double margin);

// What a part may burn: the share of its rating kept free, and the rating of
// the parts at hand, when it is given.
struct PowerRule {
    double margin = 0.5;
    std::optional<double> partsRating;
};

// The power in each part of a network with `volts` across it, in the order
// of its occurrences; a network of no parts (a given value) is one part.
std::vector<double> partPowers(const Network& network, std::span<const notation::Value> available,
                               double volts);

}  // namespace searches
