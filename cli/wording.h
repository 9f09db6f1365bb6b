// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the tool's answers put things, in French: a value with its tolerance
// and limits, where it stands among the series, a network, a deviation, the
// bands a part is sold with, and the lists of what the colour code offers.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "notation/colour_code.h"
#include "notation/quantity.h"
#include "notation/series.h"
#include "searches/network.h"
#include "searches/power.h"

namespace cli {

// Examples of what the readers take, for the help and the complaints.
inline constexpr std::string_view ValueExamples = "4700, 4,7k, 4.7k, 4k7, \"4,7 kΩ\", R47, 0,47";
inline constexpr std::string_view VoltageExamples = "5, 3,3, 3.3, 3V3, \"3,3 V\", 500mV, 12V";
inline constexpr std::string_view CurrentExamples = "20m, 20mA, \"20 mA\", 0,02, 50µ, 50u, 50µA";
inline constexpr std::string_view PowerExamples = "0,25, 250mW, 1/4, \"1/4 W\"";

// The colours in the order of the code; those that mean something at a place.
std::string colourList();
std::string toleranceList();    // "marron ±1 %, rouge ±2 %, ..."
std::string coefficientList();  // "noir 250, marron 100, ... ppm/°C"
// Each colour's English names, in the order of the code: "black", ...,
// "violet ou purple".
std::vector<std::string> englishColourNames();
// "10 %, 5 %, 2 %, 1 %, 0,5 %, 0,25 %, 0,1 %, 0,05 %".
std::string toleranceSteps();
// "E3, E6, E12, E24, E48, E96, E192".
std::string seriesNames();

// "1 kΩ ±5 %", its limits "min 950 Ω, max 1,05 kΩ", and where it stands
// among the series.
std::string headline(const notation::Value& value, int toleranceBasisPoints,
                     std::optional<int> tempCoefficient = std::nullopt);
std::string limits(const notation::Value& value, int toleranceBasisPoints);
std::string standing(const notation::Value& value);

// "4,7 kΩ + (1,2 kΩ ∥ 1,2 kΩ) = 5,3 kΩ": a network, and what it makes when it
// has more than one part.
std::string networkText(const searches::Network& network,
                        std::span<const notation::Value> available);
// The same, and how far it lies from the target: "5,1 kΩ + 200 Ω = 5,3 kΩ,
// exact", "5,1 kΩ, écart -3,77 %".
std::string networkLine(const searches::Network& network,
                        std::span<const notation::Value> available, const notation::Value& target);
// ", exact" or ", écart -3,77 %".
std::string deviationText(long double percent);

// Four bands for two digits up to E24, five for three digits; the other count
// where the usual one cannot write the value. The tolerance band is the one
// asked for, else the series' own, else gold or brown.
std::string usualBands(const notation::Value& value, const notation::Series* series,
                       std::optional<int> toleranceBasisPoints = std::nullopt);

// "1 Mio": a size in whole mebibytes.
std::string mebibytes(std::size_t bytes);

// "0,8 V", as datasheets write a voltage; millivolts only below 0,1 V.
std::string volts(double amount);

// "97,4 µW (1/16 W)": a power, and the smallest common rating that carries it
// burning at most `1 - margin` of itself; "(1/4 W, trop pour 1/8 W)" when the
// parts at hand cannot carry it.
std::string powerText(double watts, const searches::PowerRule& rule);
// "4,7 kΩ 2,61 mW (1/16 W), 1,2 kΩ ...": what each part of a network burns
// with `volts` across it, in the order of its occurrences.
std::string partPowersText(const searches::Network& network,
                           std::span<const notation::Value> available, double volts,
                           const searches::PowerRule& rule);

}  // namespace cli
