// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole series over a few decades, smallest first, as the solvers take it.
#include <string_view>
#include <vector>

#include "code/series.h"

inline std::vector<code::Value> seriesOver(std::string_view name, int fromExponent, int decades) {
    std::vector<code::Value> values;
    for (int decade = 0; decade < decades; ++decade) {
        for (const int integer : code::seriesNamed(name)->values) {
            values.emplace_back(integer, fromExponent + decade);
        }
    }
    return values;
}
