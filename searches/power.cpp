// SPDX-License-Identifier: GPL-3.0-or-later
#include "searches/power.h"

namespace searches {

std::string Rating::french() const {
    return denominator == 1 ? std::to_string(numerator) + " W"
                            : std::to_string(numerator) + "/" + std::to_string(denominator) + " W";
}

bool carries(double ratingWatts, double watts, double margin) {
    // The powers come from typed decimals through binary arithmetic, which
    // leaves 31,25 mW a hair above half of 1/16 W: a part per billion is
    // rounding, not power.
    constexpr double Rounding = 1e-9;
    return watts <= ratingWatts * (1 - margin) * (1 + Rounding);
}

std::optional<Rating> ratingFor(double watts, double margin) {
    for (const Rating& rating : CommonRatings) {
        if (carries(rating.watts(), watts, margin)) {
            return rating;
        }
    }
    return std::nullopt;
}

std::vector<double> partPowers(const Network& network, std::span<const notation::Value> available,
                               double volts) {
    if (network.partCount() == 0) {
        return {volts * volts / network.ohms()};
    }
    std::vector<double> ohms;
    for (const int part : network.occurrences()) {
        ohms.push_back(static_cast<double>(available[static_cast<std::size_t>(part)].ohms()));
    }
    const std::vector<double> across = network.voltagesWith(ohms, volts);
    std::vector<double> watts;
    for (std::size_t i = 0; i < ohms.size(); ++i) {
        watts.push_back(across[i] * across[i] / ohms[i]);
    }
    return watts;
}

}  // namespace searches
