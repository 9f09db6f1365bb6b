// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/wording.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <variant>

#include "notation/colour_code.h"
#include "notation/french.h"
#include "searches/power.h"
#include "strings/text.h"

namespace cli {

using notation::Colour;
using notation::Value;

namespace {

// The colours that mean something at a place, each as `describe` puts it.
template <typename Describe>
std::string describedColours(Describe describe) {
    std::string list;
    for (const Colour colour : notation::AllColours) {
        if (const std::optional<std::string> text = describe(colour)) {
            list += (list.empty() ? "" : ", ") + *text;
        }
    }
    return list;
}

}  // namespace

std::string colourList() {
    return describedColours(
        [](Colour colour) { return std::optional<std::string>(notation::nameOf(colour)); });
}

std::string toleranceList() {
    return describedColours([](Colour colour) -> std::optional<std::string> {
        const std::optional<int> tolerance = notation::toleranceOf(colour);
        if (!tolerance) {
            return std::nullopt;
        }
        return std::string(notation::nameOf(colour)) + " " + notation::frenchTolerance(*tolerance);
    });
}

std::string coefficientList() {
    return describedColours([](Colour colour) -> std::optional<std::string> {
               const std::optional<int> coefficient = notation::tempCoefficientOf(colour);
               if (!coefficient) {
                   return std::nullopt;
               }
               return std::string(notation::nameOf(colour)) + " " + std::to_string(*coefficient);
           }) +
           " ppm/°C";
}

std::vector<std::string> englishColourNames() {
    std::vector<std::string> names;
    for (const Colour colour : notation::AllColours) {
        std::string spellings;
        for (const std::string_view name : notation::englishNamesOf(colour)) {
            spellings += (spellings.empty() ? "" : " ou ") + strings::asciiLowered(name);
        }
        names.push_back(spellings);
    }
    return names;
}

std::string toleranceSteps() {
    std::string list;
    for (const int tolerance : notation::codeTolerances()) {
        // "±5 %" without its sign.
        list += (list.empty() ? "" : ", ") + notation::frenchTolerance(tolerance).substr(2);
    }
    return list;
}

std::string mebibytes(std::size_t bytes) {
    return std::to_string(bytes >> 20) + " Mio";
}

std::string seriesNames() {
    std::string list;
    for (const notation::Series& series : notation::allSeries()) {
        list += (list.empty() ? "" : ", ") + std::string(series.name);
    }
    return list;
}

std::string headline(const Value& value, int toleranceBasisPoints,
                     std::optional<int> tempCoefficient) {
    std::string text = value.french() + " " + notation::frenchTolerance(toleranceBasisPoints);
    if (tempCoefficient) {
        text += ", " + std::to_string(*tempCoefficient) + " ppm/°C";
    }
    return text;
}

std::string limits(const Value& value, int toleranceBasisPoints) {
    return "min " + value.scaledByBasisPoints(-toleranceBasisPoints).french() + ", max " +
           value.scaledByBasisPoints(toleranceBasisPoints).french();
}

std::string standing(const Value& value) {
    if (const notation::Series* series = notation::coarsestSeriesHolding(value)) {
        return "valeur normalisée de la série " + std::string(series->name);
    }
    return "hors des séries normalisées";
}

std::string networkText(const searches::Network& network, std::span<const Value> available) {
    std::string text = network.written(available);
    if (network.partCount() > 1) {
        text += " = " + notation::frenchApproximate(network.ohms());
    }
    return text;
}

std::string networkLine(const searches::Network& network, std::span<const Value> available,
                        const Value& target) {
    const long double wanted = target.ohms();
    return networkText(network, available) +
           deviationText((network.ohms() - wanted) / wanted * 100.0L);
}

std::string deviationText(long double percent) {
    if (std::fabs(percent) <= searches::SameDeviation * 100.0L) {
        return ", exact";
    }
    return ", écart " + notation::frenchDeviation(percent);
}

std::string usualBands(const Value& value, const notation::Series* series,
                       std::optional<int> toleranceBasisPoints) {
    if (const auto colours = notation::usualColours(value, series, toleranceBasisPoints)) {
        return notation::joined(*colours);
    }
    return value.digits() > 3 ? "pas de bagues pour plus de trois chiffres"
                              : "impossible en 4 ou 5 bagues";
}

std::string volts(double amount) {
    return amount >= 0.1 ? notation::frenchNumber(amount) + " V"
                         : notation::frenchQuantity(amount, "V");
}

std::string powerText(double watts, const searches::PowerRule& rule) {
    const std::optional<searches::Rating> rating = searches::ratingFor(watts, rule.margin);
    std::string text = notation::frenchQuantity(watts, "W") + " (" +
                       (rating ? rating->french() : std::string("plus de 5 W"));
    if (rule.partsRating && !searches::carries(*rule.partsRating, watts, rule.margin)) {
        const auto named = std::find_if(
            searches::CommonRatings.begin(), searches::CommonRatings.end(),
            [&](const searches::Rating& common) { return common.watts() == *rule.partsRating; });
        text += ", trop pour " + (named != searches::CommonRatings.end()
                                      ? named->french()
                                      : notation::frenchQuantity(*rule.partsRating, "W"));
    }
    return text + ")";
}

std::string partPowersText(const searches::Network& network,
                           std::span<const notation::Value> available, double volts,
                           const searches::PowerRule& rule) {
    const std::vector<double> watts = searches::partPowers(network, available, volts);
    const std::vector<int> parts = network.occurrences();
    std::string text;
    for (std::size_t i = 0; i < watts.size(); ++i) {
        const double ohms =
            parts.empty()
                ? network.ohms()
                : static_cast<double>(available[static_cast<std::size_t>(parts[i])].ohms());
        text += (i == 0 ? "" : ", ") + notation::frenchApproximate(ohms) + " " +
                powerText(watts[i], rule);
    }
    return text;
}

}  // namespace cli
