// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "notation/colour_code.h"
#include "notation/quantity.h"

namespace notation {

// A series of preferred values of IEC 60063: its values for one decade as
// exact integers (two digits up to E24, three from E48), and the tolerance it
// is made for.
struct Series {
    std::string_view name;
    std::span<const int> values;
    int digits;
    int toleranceBasisPoints;
};

// E3, E6, E12, E24, E48, E96, E192, from the coarsest.
std::span<const Series> allSeries();
const Series* seriesNamed(std::string_view name);
// The series a tolerance goes with: 20 % E6, 10 % E12, 5 % E24, 2 % E48,
// 1 % E96, 0,5 % and finer E192. Nothing for another tolerance.
const Series* seriesForTolerance(int toleranceBasisPoints);

bool contains(const Series& series, const Value& value);
// The values of a series from `low` to `high`, smallest first.
std::vector<Value> valuesBetween(const Series& series, const Value& low, const Value& high);
// The coarsest series that holds the value, if any does.
const Series* coarsestSeriesHolding(const Value& value);

// The nearest values of the series at or below and at or above a value
// (both the value itself when the series holds it).
struct Neighbours {
    Value below;
    Value above;
};
Neighbours neighbours(const Series& series, const Value& value);

// Every value of every series over the window's decades (x0,01 to x1M), for
// 3 bands (E3, E6), 4 bands (E12, E24) and 5 and 6 bands (E12 to E192), as CSV
// with the colours in French. Values that a band count cannot encode (0,47 Ω
// in five bands needs a multiplier of x0,001) are left out.
std::string testVectorsCsv();

// The bands a value is usually sold with: four for two digits up to E24,
// five for three digits, the other count where the usual one cannot write
// it; the tolerance band is the one asked for, else the series' own, else
// gold or brown. Nothing where neither count can write the value.
std::optional<std::vector<Colour>> usualColours(
    const Value& value, const Series* series,
    std::optional<int> toleranceBasisPoints = std::nullopt);

}  // namespace notation
