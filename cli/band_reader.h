// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A code tapped in band by band, as the tools page reads it: what each band
// stands for, the colours it may take, what is still to choose, and the
// colours a typed value, marking or list of colours paints.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "notation/colour_code.h"

namespace cli {

struct BandPlace {
    std::string label;  // "Bague 3 : rouge, multiplicateur"
    std::string role;   // "multiplicateur"
    std::vector<notation::Colour> allowed;
    std::optional<notation::Colour> chosen;  // never one the place does not allow
};

// "rouge": a colour as a sentence names it.
std::string spokenColour(notation::Colour colour);

// What the bands are painted on: a resistor (3 to 6 bands) or an inductor
// (4, or the military 5).
enum class BandedPart { Resistor, Inductor };

// The places of a code of `chosen.size()` bands, with what is chosen at
// each; a colour the place does not allow counts as not chosen.
std::vector<BandPlace> bandPlaces(std::span<const std::optional<notation::Colour>> chosen,
                                  BandedPart part = BandedPart::Resistor);

// "Encore à choisir : bague 3 (multiplicateur) et bague 4 (tolérance)." ;
// nothing once every band is chosen.
std::string stillToChoose(std::span<const BandPlace> places);

// The words of a text as typed, split at blanks.
std::vector<std::string> wordsOf(std::string_view text);

// The bands of what a person has typed: the colours themselves, or the
// bands the tool gives the value of a marking or a value; nothing when the
// text is none of these or no bands can write it.
std::vector<notation::Colour> bandsOfText(std::string_view text);

}  // namespace cli
