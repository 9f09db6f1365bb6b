// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/series.h"

#include <algorithm>
#include <array>
#include <variant>
#include <vector>

#include "notation/colour_code.h"

namespace notation {

namespace {

// IEC 60063 gives the values in full: E3 to E24 follow no formula at all, and
// E192 departs from rounding 10^(i/192) once (920, where the rule gives 919).
constexpr std::array E3{10, 22, 47};
constexpr std::array E6{10, 15, 22, 33, 47, 68};
constexpr std::array E12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array E24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                         33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array E48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                         178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                         316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                         562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array E96{100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
                         140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
                         196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
                         274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
                         383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
                         536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                         750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array E192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

const std::array<Series, 7> All{{
    {"E3", E3, 2, 4000},
    {"E6", E6, 2, 2000},
    {"E12", E12, 2, 1000},
    {"E24", E24, 2, 500},
    {"E48", E48, 3, 200},
    {"E96", E96, 3, 100},
    {"E192", E192, 3, 50},
}};

// The decade a value lies in for a series: the power of ten by which the
// series' integers are scaled to lie around the value.
int decadeExponent(const Series& series, const Value& value) {
    const int magnitude = value.exponent() + value.digits() - 1;
    return magnitude - (series.digits - 1);
}

}  // namespace

std::span<const Series> allSeries() {
    return All;
}

const Series* seriesNamed(std::string_view name) {
    const auto found = std::find_if(All.begin(), All.end(),
                                    [&](const Series& series) { return series.name == name; });
    return found == All.end() ? nullptr : &*found;
}

const Series* seriesForTolerance(int toleranceBasisPoints) {
    switch (toleranceBasisPoints) {
        case 2000:
            return seriesNamed("E6");
        case 1000:
            return seriesNamed("E12");
        case 500:
            return seriesNamed("E24");
        case 200:
            return seriesNamed("E48");
        case 100:
            return seriesNamed("E96");
        case 50:
        case 25:
        case 10:
        case 5:
            return seriesNamed("E192");
        default:
            return nullptr;
    }
}

std::vector<Value> valuesBetween(const Series& series, const Value& low, const Value& high) {
    std::vector<Value> values;
    if (!low.isPositive() || high < low) {
        return values;
    }
    // The decades from the one below `low` to that of `high`: series
    // integers times the powers of ten that reach them, in any unit.
    const int lowest = low.exponent() + low.digits() - 1 - series.digits;
    const int highest = high.exponent() + high.digits() - 1;
    for (int exponent = lowest; exponent <= highest; ++exponent) {
        for (const int integer : series.values) {
            const Value value(integer, exponent);
            if (low <= value && value <= high) {
                values.push_back(value);
            }
        }
    }
    return values;
}

bool contains(const Series& series, const Value& value) {
    if (!value.isPositive() || value.digits() > series.digits) {
        return false;
    }
    const int exponent = decadeExponent(series, value);
    return std::any_of(series.values.begin(), series.values.end(),
                       [&](int candidate) { return Value(candidate, exponent) == value; });
}

const Series* coarsestSeriesHolding(const Value& value) {
    for (const Series& series : All) {
        if (contains(series, value)) {
            return &series;
        }
    }
    return nullptr;
}

Neighbours neighbours(const Series& series, const Value& value) {
    const int exponent = decadeExponent(series, value);
    // The decade around the value, with the last value below it and the first
    // above it, so that a value near a decade's edge finds its neighbour.
    std::vector<Value> candidates{Value(series.values.back(), exponent - 1)};
    for (const int candidate : series.values) {
        candidates.emplace_back(candidate, exponent);
    }
    candidates.emplace_back(series.values.front(), exponent + 1);
    Neighbours result{candidates.front(), candidates.back()};
    for (const Value& candidate : candidates) {
        if (candidate <= value && candidate > result.below) {
            result.below = candidate;
        }
        if (candidate >= value && candidate < result.above) {
            result.above = candidate;
        }
    }
    return result;
}

std::string testVectorsCsv() {
    std::string csv = "serie,valeur_ohms,bandes,tolerance_pourcent,couleurs\n";
    for (const Series& series : All) {
        const std::vector<int> bandCounts = series.toleranceBasisPoints >= 2000
                                                ? std::vector<int>{3}
                                            : series.digits == 2 ? std::vector<int>{4, 5, 6}
                                                                 : std::vector<int>{5, 6};
        const int tolerance =
            series.toleranceBasisPoints >= 2000 ? 2000 : series.toleranceBasisPoints;
        // Decade i of the window multiplies the series' integers by 10^(i - 2).
        for (int decade = 0; decade < 9; ++decade) {
            for (const int number : series.values) {
                const Value value(number, decade - 2);
                for (const int bands : bandCounts) {
                    const Encoded encoded = encode(value, bands, tolerance);
                    if (const auto* colours = std::get_if<std::vector<Colour>>(&encoded)) {
                        const Value percent(tolerance, -2);
                        csv += std::string(series.name) + "," + value.plainOhms() + "," +
                               std::to_string(bands) + "," + percent.plainOhms() + "," +
                               joined(*colours) + "\n";
                    }
                }
            }
        }
    }
    return csv;
}

std::optional<std::vector<Colour>> usualColours(const Value& value, const Series* series,
                                                std::optional<int> toleranceBasisPoints) {
    const bool threeDigits = series != nullptr ? series->digits == 3 : value.digits() > 2;
    int tolerance = threeDigits ? UsualThreeDigitTolerance : UsualTwoDigitTolerance;
    if (toleranceBasisPoints) {
        tolerance = *toleranceBasisPoints;
    } else if (series != nullptr && series->toleranceBasisPoints <= WidestBandTolerance) {
        tolerance = series->toleranceBasisPoints;
    }
    // 0,59 Ω has no multiplier in five bands but reads in four.
    const std::array<int, 2> counts = threeDigits ? std::array{5, 4} : std::array{4, 5};
    for (const int bands : counts) {
        const Encoded encoded = encode(value, bands, tolerance);
        if (const auto* colours = std::get_if<std::vector<Colour>>(&encoded)) {
            return *colours;
        }
    }
    return std::nullopt;
}

}  // namespace notation
