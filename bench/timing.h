// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Timing for the solver benchmarks: the fastest of a few runs, and medians.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace bench {

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
