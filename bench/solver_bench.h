// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the solver benchmarks share: their parts, the fastest of a few runs,
// medians.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "notation/series.h"

namespace bench {

// A whole series from 1 Ω to 10 MΩ, as the solvers take it and as plain ohms
// for the yardsticks.
struct Parts {
    std::vector<notation::Value> values;
    std::vector<double> ohms;
};

inline Parts wholeSeries(std::string_view name) {
    Parts parts{notation::valuesBetween(*notation::seriesNamed(name), notation::Value(1, 0),
                                        notation::Value(1, 7)),
                {}};
    for (const notation::Value& value : parts.values) {
        parts.ohms.push_back(static_cast<double>(value.ohms()));
    }
    return parts;
}

template <typename Run>
double fastestSeconds(int repeats, Run run) {
    double fastest = INFINITY;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        fastest = std::min(fastest, took.count());
    }
    return fastest;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// How our best deviations compare with the yardstick's over one series.
struct Tally {
    int same = 0;
    int better = 0;
    int worse = 0;

    // Counts one question; true where ours is worse.
    bool count(double ours, double theirs, double tie) {
        if (std::abs(ours - theirs) <= tie) {
            ++same;
        } else if (ours < theirs) {
            ++better;
        } else {
            ++worse;
            return true;
        }
        return false;
    }
};

// A row a series, E24, E96 and E192 from 1 Ω to 10 MΩ: `solve(parts, ours,
// theirs, tally)` times both solvers on every question, in seconds, and tallies
// their deviations.
template <typename Solve>
void compareOverSeries(const char* footnote, Solve solve) {
    std::printf("%-5s %7s %12s %12s %7s %9s %9s %9s\n", "serie", "values", "ours ms",
                "yardstick ms", "ratio", "same dev", "ours <", "ours >");
    for (const char* name : {"E24", "E96", "E192"}) {
        const Parts parts = wholeSeries(name);
        std::vector<double> ours;
        std::vector<double> theirs;
        Tally tally;
        solve(parts, ours, theirs, tally);
        const double oursMs = median(ours) * 1000;
        const double theirsMs = median(theirs) * 1000;
        std::printf("%-5s %7zu %12.3f %12.3f %7.3f %9d %9d %9d\n", name, parts.values.size(),
                    oursMs, theirsMs, oursMs / theirsMs, tally.same, tally.better, tally.worse);
    }
    std::printf("%s\n", footnote);
}

}  // namespace bench
