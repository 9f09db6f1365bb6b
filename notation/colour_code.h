// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "notation/quantity.h"

namespace notation {

// The twelve colours of the resistor colour code, named as the window's lists
// name them.
enum class Colour : std::uint8_t {
    Noir,
    Marron,
    Rouge,
    Orange,
    Jaune,
    Vert,
    Bleu,
    Violet,
    Gris,
    Blanc,
    Or,
    Argent
};

inline constexpr std::array<Colour, 12> AllColours{
    Colour::Noir, Colour::Marron, Colour::Rouge, Colour::Orange, Colour::Jaune, Colour::Vert,
    Colour::Bleu, Colour::Violet, Colour::Gris,  Colour::Blanc,  Colour::Or,    Colour::Argent};

std::string_view nameOf(Colour colour);
// A paint to draw the colour's band with, as "#RRGGBB": the usual look of
// the colour on a resistor body, gold and silver as flat metal tones; violet
// light enough to stand apart from brown.
std::string_view swatchOf(Colour colour);
// Any case: "marron", "MARRON", "Marron", and the English names ("brown",
// "Grey" or "gray", "purple"); nothing for another word.
std::optional<Colour> parseColour(std::string_view name);
// The tolerances the code has, widest first, in basis points.
std::vector<int> codeTolerances();
// The English names of a colour, in capitals: "VIOLET", "PURPLE".
std::vector<std::string_view> englishNamesOf(Colour colour);

// A code has from 3 to 6 bands.
inline constexpr int FewestBands = 3;
inline constexpr int MostBands = 6;

// The tolerance a part has when its bands say nothing else: gold's 5 % for
// two digits, brown's 1 % for three, in basis points.
inline constexpr int UsualTwoDigitTolerance = 500;
inline constexpr int UsualThreeDigitTolerance = 100;
// Silver's 10 %: no wider tolerance has a band colour.
inline constexpr int WidestBandTolerance = 1000;

// What a colour means at each place; nothing where it cannot stand there.
std::optional<int> digitOf(Colour colour);
std::optional<int> multiplierPowerOf(Colour colour);  // silver -2 ... white 9
std::optional<int> toleranceOf(Colour colour);        // basis points: gold 500 = 5 %
std::optional<int> tempCoefficientOf(Colour colour);  // ppm/°C

// What a band stands for at its place in a code of 3 to 6 bands.
enum class BandRole : std::uint8_t { Digit, Multiplier, Tolerance, TempCoefficient };
// The role of band `position` (1 for the first) of a code of `bands` bands.
BandRole roleAt(int bands, int position);
// The colours that band may take, in the code's order: a first digit is
// never black.
std::vector<Colour> coloursAt(int bands, int position);

// A band sequence read from the first digit onwards.
struct Reading {
    Value value;
    int toleranceBasisPoints;  // 2000 (20 %) for three bands, which have no tolerance band
    std::optional<int> tempCoefficient;
    int bands;
};

struct BandProblem {
    enum class Kind {
        TooFewBands,
        TooManyBands,
        UnknownColour,
        NotADigit,
        ZeroFirstDigit,
        NotAMultiplier,
        NotATolerance,
        NotATempCoefficient,
    };
    Kind kind;
    int position;  // 1 for the first band; 0 when the count itself is wrong
    std::string word;
};

using Decoded = std::variant<Reading, BandProblem>;
Decoded decode(std::span<const Colour> colours);
Decoded decode(std::span<const std::string> words);

struct EncodeProblem {
    enum class Kind {
        TooManyDigits,
        OutOfRange,
        NoToleranceColour,
        NoTempCoefficientColour,
        BadBandCount
    };
    Kind kind;
};

using Encoded = std::variant<std::vector<Colour>, EncodeProblem>;
// The bands of a value: two digits for 3 and 4 bands, three for 5 and 6. Three
// bands mean ±20 % (no tolerance band); the sixth band is the coefficient.
Encoded encode(const Value& value, int bands, int toleranceBasisPoints, int tempCoefficient = 100);

std::string joined(std::span<const Colour> colours);  // "JAUNE VIOLET ROUGE OR"

}  // namespace notation
