// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "tables/paint.h"

namespace tables {

struct PaletteEntry {
    std::string_view name;
    Paint paint;
};

// Every colour name paints the same in every band role. Gold is never painted:
// the pictures carry a gold band wherever gold can be chosen.
inline constexpr std::array<PaletteEntry, 14> BandPalette{{
    {"NOIR", Paint::fill(Colour::rgb(0, 0, 0))},
    {"MARRON", Paint::fill(Colour::rgb(128, 0, 0))},
    {"ROUGE", Paint::fill(Colour::rgb(255, 0, 0))},
    // Not a pure (255, 128, 0): this orange reads better next to red on the picture.
    {"ORANGE", Paint::fill(Colour::rgb(237, 127, 16))},
    {"JAUNE", Paint::fill(Colour::rgb(255, 255, 0))},
    {"VERT", Paint::fill(Colour::rgb(0, 255, 0))},
    {"BLEU", Paint::fill(Colour::rgb(0, 0, 255))},
    {"VIOLET", Paint::fill(Colour::rgb(128, 0, 128))},
    {"GRIS", Paint::fill(Colour::rgb(128, 128, 128))},
    {"BLANC", Paint::fill(Colour::rgb(255, 255, 255))},
    {"ARGENT", Paint::fill(Colour::rgb(192, 192, 192))},
    {"Argent", Paint::fill(Colour::rgb(192, 192, 192))},
    {"OR", Paint::hidden()},
    {"Or", Paint::hidden()},
}};

constexpr std::optional<Paint> findPaint(std::string_view name) {
    for (const PaletteEntry& entry : BandPalette) {
        if (entry.name == name) {
            return entry.paint;
        }
    }
    return std::nullopt;
}

// The name of a painted colour, as the lists spell it ("MARRON"), or nothing
// for a colour no band can take.
constexpr std::optional<std::string_view> colourName(Colour colour) {
    for (const PaletteEntry& entry : BandPalette) {
        if (!entry.paint.isHidden() && entry.paint.colour() == colour) {
            return entry.name;
        }
    }
    return std::nullopt;
}

// For building the constant tables: an unknown name fails the build.
constexpr Paint paintOf(std::string_view name) {
    const std::optional<Paint> paint = findPaint(name);
    if (!paint) {
        throw std::invalid_argument("colour missing from BandPalette");
    }
    return *paint;
}

}  // namespace tables
