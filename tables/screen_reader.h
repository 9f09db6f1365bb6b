// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader announces for the window's controls, in every front
// end: the caption a sighted user reads beside each control, and what each
// band shows.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "tables/colour.h"
#include "tables/palette.h"

namespace tables {

// Each control and the label a sighted user reads for it; readouts also say
// which band they show.
struct ReadBeside {
    std::string_view control;
    std::string_view label;
    std::string_view band;  // empty: not a readout
};

inline constexpr std::array<ReadBeside, 25> Beside{{
    {"ListBox5", "Label6", ""},   {"ListBox6", "Label9", ""},   {"ListBox8", "Label10", ""},
    {"ListBox9", "Label11", ""},  {"ListBox7", "Label8", ""},   {"ListBox1", "Label2", ""},
    {"ListBox2", "Label3", ""},   {"ListBox3", "Label4", ""},   {"ListBox4", "Label5", ""},
    {"ListBox21", "Label15", ""}, {"ListBox22", "Label14", ""}, {"ListBox23", "Label17", ""},
    {"ListBox24", "Label13", ""}, {"ListBox25", "Label12", ""}, {"ListBox26", "Label18", ""},
    {"Edit1", "Label2", "1"},     {"Edit2", "Label3", "2"},     {"Edit3", "Label4", "3"},
    {"Edit4", "Label5", "4"},     {"Edit21", "Label15", "1"},   {"Edit22", "Label14", "2"},
    {"Edit23", "Label17", "3"},   {"Edit24", "Label13", "4"},   {"Edit25", "Label12", "5"},
    {"Edit26", "Label18", "6"},
}};

// The band count buttons read "4", "5", "6" under "Choisir le nombre de bandes".
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 3> BandCounts{
    {{"RadioButton4B", "4 bandes"}, {"RadioButton5B", "5 bandes"}, {"RadioButton6B", "6 bandes"}}};

struct BandPlaceName {
    std::string_view overlay;
    int band;
    std::string_view picture;  // what the picture shows where the overlay draws nothing
};

inline constexpr std::array<BandPlaceName, 10> Bands{{
    {"PaintBox1", 1, "marron"},
    {"PaintBox2", 2, "noir"},
    {"PaintBox3", 3, "or"},
    {"PaintBox4", 4, "or"},
    {"PaintBox21", 1, "marron"},
    {"PaintBox22", 2, "noir"},
    {"PaintBox23", 3, "noir"},
    {"PaintBox24", 4, "or"},
    {"PaintBox25", 5, "or"},
    {"PaintBox26", 6, "aucune"},
}};

// "Série E12 :" is read as "Série E12".
inline std::string withoutColon(std::string_view caption) {
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':')) {
        caption.remove_suffix(1);
    }
    while (!caption.empty() && caption.front() == ' ') {
        caption.remove_prefix(1);
    }
    return std::string(caption);
}

// What a screen reader calls a control: the caption beside it, and for a
// readout the band it shows ("1er valeur, bande 1").
inline std::string spokenName(std::string_view caption, const ReadBeside& beside) {
    std::string name = withoutColon(caption);
    if (!beside.band.empty()) {
        name += ", bande " + std::string(beside.band);
    }
    return name;
}

// What a screen reader calls a control, in every front end: the caption of
// the label beside it, as `captionOf(label)` reads it, or a band count
// button's own name; empty for a control named by its own caption.
template <typename CaptionOf>
std::string spokenNameOf(std::string_view control, CaptionOf captionOf) {
    for (const ReadBeside& beside : Beside) {
        if (beside.control == control) {
            return spokenName(captionOf(beside.label), beside);
        }
    }
    for (const auto& [button, name] : BandCounts) {
        if (button == control) {
            return std::string(name);
        }
    }
    return {};
}

// What a band overlay shows, in words: "bande 1 : MARRON", or the picture's
// own band where the overlay draws nothing ("bande 4 : or (image)").
inline std::string bandDescription(std::string_view overlay, std::optional<Colour> shown) {
    for (const BandPlaceName& place : Bands) {
        if (place.overlay != overlay) {
            continue;
        }
        std::string text = "bande " + std::to_string(place.band) + " : ";
        if (!shown) {
            return text + std::string(place.picture) + " (image)";
        }
        return text + std::string(colourName(*shown).value_or("couleur inconnue"));
    }
    return {};
}

}  // namespace tables
