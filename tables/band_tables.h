// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "tables/palette.h"

namespace tables {

// One item of a band list: the colour name shown in the list, the text its
// readout field shows, and what it does to the band's overlay.
struct BandEntry {
    std::string_view item;
    std::string_view readout;
    Paint paint;
};

using BandTable = std::span<const BandEntry>;

constexpr BandEntry band(std::string_view item, std::string_view readout) {
    return BandEntry{item, readout, paintOf(item)};
}

inline constexpr std::array<BandEntry, 10> DigitColorList{{
    band("NOIR", "0"),
    band("MARRON", "1"),
    band("ROUGE", "2"),
    band("ORANGE", "3"),
    band("JAUNE", "4"),
    band("VERT", "5"),
    band("BLEU", "6"),
    band("VIOLET", "7"),
    band("GRIS", "8"),
    band("BLANC", "9"),
}};

// The readout follows the digit readouts, so it spells out what comes after the
// digits: the zeros to append, or the factor itself for the two fractions.
inline constexpr std::array<BandEntry, 9> MultiplierColorList{{
    band("ARGENT", "x0,01"),
    band("OR", "x0,1"),
    band("NOIR", ""),
    band("MARRON", "0"),
    band("ROUGE", "00"),
    band("ORANGE", "000"),
    band("JAUNE", "0 000"),
    band("VERT", "00 000"),
    band("BLEU", "000 000"),
}};

inline constexpr std::array<BandEntry, 2> CarbonToleranceList{{
    band("Argent", "±10%"),
    band("Or", "±5%"),
}};

inline constexpr std::array<BandEntry, 8> MetalToleranceList{{
    band("ARGENT", "±10%"),
    band("OR", "±5%"),
    band("ROUGE", "±2%"),
    band("MARRON", "±1%"),
    band("VERT", "±0,5%"),
    band("BLEU", "±0,25%"),
    band("VIOLET", "±0,1%"),
    band("GRIS", "±0,05%"),
}};

// The window labels this readout "(ppm /°C)", so the text carries no unit.
inline constexpr std::array<BandEntry, 4> TempCoeffList{{
    band("MARRON", "±100"),
    band("ROUGE", "±50"),
    band("JAUNE", "±25"),
    band("ORANGE", "±15"),
}};

// Item i of a table, or nothing for an index outside it (-1, no selection, included).
constexpr std::optional<BandEntry> entryAt(BandTable table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        return std::nullopt;
    }
    return table[static_cast<std::size_t>(index)];
}

}  // namespace tables
