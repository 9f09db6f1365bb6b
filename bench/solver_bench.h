// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the solver benchmarks share: their parts, the fastest of a few runs,
// medians.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <string_view>
#include <vector>

#include "code/series.h"

namespace bench {

// A whole series from 1 Ω to 10 MΩ, as the solvers take it and as plain ohms
// for the yardsticks.
struct Parts {
    std::vector<code::Value> values;
    std::vector<double> ohms;
};

inline Parts wholeSeries(std::string_view name) {
    const code::Series& series = *code::seriesNamed(name);
    Parts parts;
    for (int exponent = -3; exponent <= 7; ++exponent) {
        for (const int integer : series.values) {
            const code::Value value(integer, exponent);
            if (code::Value(1, 0) <= value && value <= code::Value(1, 7)) {
                parts.values.push_back(value);
                parts.ohms.push_back(static_cast<double>(value.ohms()));
            }
        }
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

}  // namespace bench
