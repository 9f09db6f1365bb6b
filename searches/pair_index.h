// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every two-part value of a list of resistors (both joins, a ≤ b), each part
// alone, or both, in buckets by value: a bucket holds the values
// between two bit patterns of a double, which grow with the value, so placing
// an entry is one count and one store, with no sort. Only the entry is
// stored; its value is recomputed from the parts, which stay in the cache, so
// the table is small (fresh memory is dear: every page is a fault). An entry
// packs its two parts' indices in 15 bits each: a list holds at most
// MostParts values, and a longer one is refused with a std::length_error.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "searches/network.h"

namespace searches {

class PairIndex {
public:
    enum class Entries : unsigned char { Pairs, Singles, PairsAndSingles };
    static constexpr std::size_t MostParts = std::size_t{1} << 15;  // 32 768

    // A std::length_error for more parts than an index may hold.
    static void refuseMoreThanItHolds(std::size_t parts) {
        if (parts > MostParts) {
            throw std::length_error("PairIndex: at most 32 768 parts, not " +
                                    std::to_string(parts));
        }
    }

    // `ohms` sorted, not empty, with at most MostParts values.
    explicit PairIndex(std::span<const double> ohms, Entries entries = Entries::Pairs)
        : ohms_(checked(ohms)),
          singles_(entries != Entries::Pairs),
          pairs_(entries != Entries::Singles) {
        const std::size_t n = ohms.size();
        const std::size_t count = (pairs_ ? n * (n + 1) : 0) + (singles_ ? n : 0);
        lowestKey_ = keyOf(ohms.front() / 2);
        const std::uint64_t range = keyOf(ohms.back() * 2) - lowestKey_;
        const std::uint64_t wanted = std::max<std::size_t>(count * BucketsPerEntry, 1);
        while ((range >> shift_) >= wanted) {
            ++shift_;
        }
        const auto buckets = static_cast<std::size_t>(range >> shift_) + 1;

        // Count, then place each entry from the end of its bucket: bucket b
        // then runs from start_[b + 1] to start_[b + 2].
        start_.assign(buckets + 2, 0);
        forEachEntry([&](std::uint32_t entry) { ++start_[bucketOf(valueOf(entry)) + 1]; });
        for (std::size_t b = 1; b < start_.size(); ++b) {
            start_[b] += start_[b - 1];
        }
        entries_.resize(count);
        forEachEntry(
            [&](std::uint32_t entry) { entries_[--start_[bucketOf(valueOf(entry)) + 1]] = entry; });
    }

    [[nodiscard]] std::size_t buckets() const { return start_.size() - 2; }
    [[nodiscard]] std::size_t entries() const { return entries_.size(); }
    [[nodiscard]] std::size_t begin(std::size_t bucket) const { return start_[bucket + 1]; }
    [[nodiscard]] std::size_t end(std::size_t bucket) const { return start_[bucket + 2]; }
    // The bucket a value falls in; the first or the last beyond the range.
    [[nodiscard]] std::size_t bucketOf(double value) const {
        if (!(value > 0) || keyOf(value) < lowestKey_) {
            return 0;
        }
        const std::uint64_t bucket = (keyOf(value) - lowestKey_) >> shift_;
        return static_cast<std::size_t>(std::min<std::uint64_t>(bucket, start_.size() - 3));
    }

    // The smallest value the bucket may hold.
    [[nodiscard]] double lowestIn(std::size_t bucket) const {
        return valueOfKey(lowestKey_ + (std::uint64_t{bucket} << shift_));
    }

    [[nodiscard]] double value(std::size_t at) const { return valueOf(entries_[at]); }

    // Two values that differ by no more than the rounding of their sums and
    // products.
    static bool alike(double a, double b) {
        constexpr double Rounding = 1e-9;
        return std::abs(a - b) <= Rounding * std::max(std::abs(a), std::abs(b));
    }
    // Whether an entry is alike `ohms`.
    [[nodiscard]] bool holds(double ohms) const {
        constexpr double Rounding = 1e-9;
        for (std::size_t bucket = bucketOf(ohms * (1 - Rounding));
             bucket <= bucketOf(ohms * (1 + Rounding)); ++bucket) {
            for (std::size_t at = begin(bucket); at < end(bucket); ++at) {
                if (alike(value(at), ohms)) {
                    return true;
                }
            }
        }
        return false;
    }
    [[nodiscard]] int first(std::size_t at) const { return static_cast<int>(entries_[at] >> 17); }
    [[nodiscard]] int second(std::size_t at) const {
        return static_cast<int>((entries_[at] >> 2) & 0x7FFF);
    }
    [[nodiscard]] bool single(std::size_t at) const { return (entries_[at] & 3) == Single; }
    [[nodiscard]] Join join(std::size_t at) const {
        return (entries_[at] & 3) == Parallel ? Join::Parallel : Join::Series;
    }

    // Offers what the entries around `wanted`, the entry that would hit the
    // target, make: its own bucket whole, then the buckets on each side,
    // outwards, until the edge of the next one is too far off or outside
    // [low, high], where no entry may lie. What an entry makes must move
    // away from the target in one direction as the entry grows, so a
    // bucket's edge bounds all that lies beyond it.
    template <typename Podium, typename Made, typename Make>
    void offerAround(double wanted, double low, double high, Podium& podium, Made made,
                     Make make) const {
        const auto offerBucket = [&](std::size_t bucket) {
            for (std::size_t at = begin(bucket); at < end(bucket); ++at) {
                const double entry = value(at);
                if (low <= entry && entry <= high) {
                    podium.offer(made(entry), [&] { return make(at); });
                }
            }
        };
        const std::size_t home = bucketOf(std::clamp(wanted, low, high));
        offerBucket(home);
        for (std::size_t bucket = home; bucket-- > 0;) {
            const double edge = lowestIn(bucket + 1);
            if (edge < low || podium.tooFar(made(edge))) {
                break;
            }
            offerBucket(bucket);
        }
        for (std::size_t bucket = home + 1; bucket < buckets(); ++bucket) {
            const double edge = lowestIn(bucket);
            if (edge > high || podium.tooFar(made(edge))) {
                break;
            }
            offerBucket(bucket);
        }
    }

    template <typename Podium, typename Made, typename Make>
    void offerAround(double wanted, Podium& podium, Made made, Make make) const {
        offerAround(wanted, 0, std::numeric_limits<double>::infinity(), podium, made, make);
    }

private:
    static std::span<const double> checked(std::span<const double> ohms) {
        if (ohms.empty()) {
            throw std::length_error("PairIndex: no parts");
        }
        refuseMoreThanItHolds(ohms.size());
        return ohms;
    }

    static constexpr std::size_t BucketsPerEntry = 2;
    static constexpr std::uint32_t Parallel = 1;
    static constexpr std::uint32_t Single = 2;

    // std::bit_cast, which the WebAssembly toolchain's library lacks.
    static std::uint64_t keyOf(double value) {
        std::uint64_t key = 0;
        std::memcpy(&key, &value, sizeof key);
        return key;
    }
    static double valueOfKey(std::uint64_t key) {
        double value = 0;
        std::memcpy(&value, &key, sizeof value);
        return value;
    }

    template <typename Visit>
    void forEachEntry(Visit visit) const {
        const auto n = static_cast<std::uint32_t>(ohms_.size());
        for (std::uint32_t a = 0; a < n; ++a) {
            if (singles_) {
                visit(a << 17 | a << 2 | Single);
            }
            for (std::uint32_t b = a; pairs_ && b < n; ++b) {
                visit(a << 17 | b << 2);
                visit(a << 17 | b << 2 | Parallel);
            }
        }
    }

    [[nodiscard]] double valueOf(std::uint32_t entry) const {
        const double a = ohms_[entry >> 17];
        const double b = ohms_[(entry >> 2) & 0x7FFF];
        if ((entry & Parallel) != 0) {
            return a * b / (a + b);
        }
        return (entry & Single) != 0 ? a : a + b;
    }

    std::span<const double> ohms_;
    bool singles_;
    bool pairs_;
    std::vector<std::uint32_t> entries_;  // first << 17 | second << 2 | kind
    std::vector<std::uint32_t> start_;    // bucket b: from start_[b + 1] to start_[b + 2]
    std::uint64_t lowestKey_ = 0;
    int shift_ = 0;
};

}  // namespace searches
