// SPDX-License-Identifier: GPL-3.0-or-later
#include "searches/network.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "notation/series.h"

namespace {

using notation::Value;

// Every network of exactly k parts, by brute force: a network of k parts is
// two smaller networks joined in series or in parallel, whatever its shape.
// Each value carries the set of parts it uses, to count distinct values.
struct Built {
    double ohms;
    std::uint32_t used;
};

class BruteForce {
public:
    explicit BruteForce(const std::vector<double>& parts) {
        levels_.resize(5);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            levels_[1].push_back({parts[i], 1U << i});
        }
        for (std::size_t k = 2; k <= 4; ++k) {
            for (std::size_t i = 1; i <= k / 2; ++i) {
                for (const Built& x : levels_[i]) {
                    for (const Built& y : levels_[k - i]) {
                        levels_[k].push_back({x.ohms + y.ohms, x.used | y.used});
                        levels_[k].push_back(
                            {x.ohms * y.ohms / (x.ohms + y.ohms), x.used | y.used});
                    }
                }
            }
            std::sort(levels_[k].begin(), levels_[k].end(),
                      [](const Built& a, const Built& b) { return a.ohms < b.ohms; });
        }
    }

    // The smallest deviation with k parts, and the fewest distinct values
    // among the networks that reach it.
    [[nodiscard]] std::pair<double, int> best(std::size_t k, double target) const {
        const std::vector<Built>& all = levels_[k];
        double deviation = INFINITY;
        for (const Built& built : all) {
            deviation = std::min(deviation, std::abs(built.ohms - target));
        }
        int distinct = 5;
        for (const Built& built : all) {
            if (std::abs(std::abs(built.ohms - target) - deviation) <= target * 1e-11) {
                distinct = std::min(distinct, std::popcount(built.used));
            }
        }
        return {deviation, distinct};
    }

private:
    std::vector<std::vector<Built>> levels_;
};

void expectAgreement(const std::vector<Value>& parts, const std::vector<double>& targets) {
    std::vector<double> ohms;
    for (const Value& part : parts) {
        ohms.push_back(static_cast<double>(part.ohms()));
    }
    const BruteForce oracle(ohms);
    for (const double target : targets) {
        const Value wanted(std::llround(target * 1000), -3);
        const double exact = static_cast<double>(wanted.ohms());
        const auto found = searches::bestNetworks(parts, wanted, 4, 1);
        ASSERT_EQ(found.size(), 4U);
        for (std::size_t k = 1; k <= 4; ++k) {
            ASSERT_EQ(found[k - 1].size(), 1U);
            const searches::Network& network = found[k - 1].front();
            const auto [deviation, distinct] = oracle.best(k, exact);
            EXPECT_EQ(network.partCount(), static_cast<int>(k));
            EXPECT_NEAR(std::abs(network.ohms() - exact), deviation, exact * 1e-11)
                << k << " parts for " << wanted.french() << ": " << network.written(parts);
            EXPECT_EQ(static_cast<int>(network.distinctParts().size()), distinct)
                << k << " parts for " << wanted.french() << ": " << network.written(parts);
        }
    }
}

std::vector<double> logUniform(std::mt19937& random, int count, double low, double high) {
    std::uniform_real_distribution<double> exponent(std::log10(low), std::log10(high));
    std::vector<double> targets;
    for (int i = 0; i < count; ++i) {
        targets.push_back(std::pow(10.0, exponent(random)));
    }
    return targets;
}

// Targets inside the range and beyond both of its ends.
TEST(Networks, TheTrueOptimumForEveryPartCount) {
    std::mt19937 random(20261208);
    const auto series = [](const char* name, const Value& low, const Value& high) {
        return notation::valuesBetween(*notation::seriesNamed(name), low, high);
    };
    expectAgreement(series("E6", Value(1, 2), Value(99, 3)), logUniform(random, 16, 1, 1e5));
    expectAgreement(series("E12", Value(1, 2), Value(99, 2)), logUniform(random, 8, 3, 3e4));
    const std::vector<Value> e24 = series("E24", Value(1, 1), Value(99, 3));
    for (int stock = 0; stock < 12; ++stock) {
        std::vector<Value> parts;
        std::sample(e24.begin(), e24.end(), std::back_inserter(parts), 2 + stock % 5, random);
        expectAgreement(parts, logUniform(random, 4, 0.5, 2e5));
    }
}

TEST(Networks, WrittenLargestFirstWithTheFewestValuesAndGroups) {
    const std::vector<Value> e24 =
        notation::valuesBetween(*notation::seriesNamed("E24"), Value(1, 1), Value(99, 6));
    const auto found = searches::bestNetworks(e24, Value(53, 2), 3, 3);
    // 5,3 kΩ exactly: two parts suffice; with three, one value used twice.
    EXPECT_EQ(found[1].front().written(e24), "5,1 kΩ + 200 Ω");
    EXPECT_EQ(found[2].front().distinctParts().size(), 2U);
    EXPECT_DOUBLE_EQ(found[2].front().ohms(), 5300);
    ASSERT_EQ(found[2].size(), 3U);
    EXPECT_NE(found[2][0].written(e24), found[2][1].written(e24));
    EXPECT_EQ(searches::bestNetworks(e24, Value(10, 3), 1, 1)[0][0].written(e24), "10 kΩ");
}

}  // namespace
