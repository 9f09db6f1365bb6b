// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/colour_code.h"

#include <algorithm>

#include "strings/text.h"

namespace notation {

namespace {

struct Meaning {
    Colour colour;
    std::string_view name;
    std::optional<int> digit;
    std::optional<int> power;
    std::optional<int> tolerance;
    std::optional<int> tempCoefficient;
};

// The colour code: digits, multipliers, tolerances in basis points and
// temperature coefficients in ppm/°C.
constexpr std::array<Meaning, 12> Code{{
    {Colour::Noir, "NOIR", 0, 0, std::nullopt, 250},
    {Colour::Marron, "MARRON", 1, 1, 100, 100},
    {Colour::Rouge, "ROUGE", 2, 2, 200, 50},
    {Colour::Orange, "ORANGE", 3, 3, std::nullopt, 15},
    {Colour::Jaune, "JAUNE", 4, 4, std::nullopt, 25},
    {Colour::Vert, "VERT", 5, 5, 50, 20},
    {Colour::Bleu, "BLEU", 6, 6, 25, 10},
    {Colour::Violet, "VIOLET", 7, 7, 10, 5},
    {Colour::Gris, "GRIS", 8, 8, 5, 1},
    {Colour::Blanc, "BLANC", 9, 9, std::nullopt, std::nullopt},
    {Colour::Or, "OR", std::nullopt, -1, 500, std::nullopt},
    {Colour::Argent, "ARGENT", std::nullopt, -2, 1000, std::nullopt},
}};

// English names, for those who learnt the code in English; answers stay French.
struct Alias {
    std::string_view name;
    Colour colour;
};

constexpr std::array<Alias, 14> EnglishNames{{
    {"BLACK", Colour::Noir},
    {"BROWN", Colour::Marron},
    {"RED", Colour::Rouge},
    {"ORANGE", Colour::Orange},
    {"YELLOW", Colour::Jaune},
    {"GREEN", Colour::Vert},
    {"BLUE", Colour::Bleu},
    {"VIOLET", Colour::Violet},
    {"PURPLE", Colour::Violet},
    {"GREY", Colour::Gris},
    {"GRAY", Colour::Gris},
    {"WHITE", Colour::Blanc},
    {"GOLD", Colour::Or},
    {"SILVER", Colour::Argent},
}};

const Meaning& meaningOf(Colour colour) {
    return Code[static_cast<std::size_t>(colour)];
}

template <typename Field>
std::optional<Colour> colourWith(Field field, int wanted) {
    for (const Meaning& meaning : Code) {
        if (meaning.*field == wanted) {
            return meaning.colour;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view nameOf(Colour colour) {
    return meaningOf(colour).name;
}

std::string_view swatchOf(Colour colour) {
    static constexpr std::array<std::string_view, 12> Swatches{
        "#000000", "#7b3f00", "#d62020", "#f28c1e", "#f2d21b", "#2e9e3e",
        "#2a5bd7", "#9650d0", "#8a8a8a", "#ffffff", "#c9a43a", "#b8bcc2"};
    return Swatches[static_cast<std::size_t>(colour)];
}

std::optional<Colour> parseColour(std::string_view name) {
    const auto sameWord = [name](std::string_view upperCase) {
        return name.size() == upperCase.size() && strings::startsWithIgnoringCase(name, upperCase);
    };
    for (const Meaning& meaning : Code) {
        if (sameWord(meaning.name)) {
            return meaning.colour;
        }
    }
    for (const Alias& alias : EnglishNames) {
        if (sameWord(alias.name)) {
            return alias.colour;
        }
    }
    return std::nullopt;
}

std::vector<int> codeTolerances() {
    std::vector<int> tolerances;
    for (const Colour colour : AllColours) {
        if (const std::optional<int> tolerance = toleranceOf(colour)) {
            tolerances.push_back(*tolerance);
        }
    }
    std::sort(tolerances.begin(), tolerances.end(), std::greater<>());
    return tolerances;
}

std::vector<std::string_view> englishNamesOf(Colour colour) {
    std::vector<std::string_view> names;
    for (const Alias& alias : EnglishNames) {
        if (alias.colour == colour) {
            names.push_back(alias.name);
        }
    }
    return names;
}

std::optional<int> digitOf(Colour colour) {
    return meaningOf(colour).digit;
}
std::optional<int> multiplierPowerOf(Colour colour) {
    return meaningOf(colour).power;
}
std::optional<int> toleranceOf(Colour colour) {
    return meaningOf(colour).tolerance;
}
std::optional<int> tempCoefficientOf(Colour colour) {
    return meaningOf(colour).tempCoefficient;
}

BandRole roleAt(int bands, int position) {
    const int digitBands = bands >= 5 ? 3 : 2;
    if (position <= digitBands) {
        return BandRole::Digit;
    }
    if (position == digitBands + 1) {
        return BandRole::Multiplier;
    }
    return position == 6 ? BandRole::TempCoefficient : BandRole::Tolerance;
}

std::vector<Colour> coloursAt(int bands, int position) {
    std::vector<Colour> allowed;
    for (const Meaning& meaning : Code) {
        bool fits = false;
        switch (roleAt(bands, position)) {
            case BandRole::Digit:
                fits = meaning.digit.has_value() && (position != 1 || *meaning.digit != 0);
                break;
            case BandRole::Multiplier:
                fits = meaning.power.has_value();
                break;
            case BandRole::Tolerance:
                fits = meaning.tolerance.has_value();
                break;
            case BandRole::TempCoefficient:
                fits = meaning.tempCoefficient.has_value();
                break;
        }
        if (fits) {
            allowed.push_back(meaning.colour);
        }
    }
    return allowed;
}

Decoded decode(std::span<const Colour> colours) {
    const int count = static_cast<int>(colours.size());
    if (count < FewestBands) {
        return BandProblem{BandProblem::Kind::TooFewBands, 0, {}};
    }
    if (count > MostBands) {
        return BandProblem{BandProblem::Kind::TooManyBands, 0, {}};
    }
    const int digitBands = count >= 5 ? 3 : 2;
    const auto problem = [&](BandProblem::Kind kind, int index) {
        return BandProblem{kind, index + 1,
                           std::string(nameOf(colours[static_cast<std::size_t>(index)]))};
    };
    std::int64_t significand = 0;
    for (int i = 0; i < digitBands; ++i) {
        const std::optional<int> digit = digitOf(colours[static_cast<std::size_t>(i)]);
        if (!digit) {
            return problem(BandProblem::Kind::NotADigit, i);
        }
        if (i == 0 && *digit == 0) {
            return problem(BandProblem::Kind::ZeroFirstDigit, i);
        }
        significand = significand * 10 + *digit;
    }
    const std::optional<int> power =
        multiplierPowerOf(colours[static_cast<std::size_t>(digitBands)]);
    if (!power) {
        return problem(BandProblem::Kind::NotAMultiplier, digitBands);
    }
    Reading reading{Value(significand, *power), 2000, std::nullopt, count};
    if (count >= 4) {
        const std::optional<int> tolerance =
            toleranceOf(colours[static_cast<std::size_t>(digitBands) + 1]);
        if (!tolerance) {
            return problem(BandProblem::Kind::NotATolerance, digitBands + 1);
        }
        reading.toleranceBasisPoints = *tolerance;
    }
    if (count == 6) {
        reading.tempCoefficient = tempCoefficientOf(colours[5]);
        if (!reading.tempCoefficient) {
            return problem(BandProblem::Kind::NotATempCoefficient, 5);
        }
    }
    return reading;
}

Decoded decode(std::span<const std::string> words) {
    std::vector<Colour> colours;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::optional<Colour> colour = parseColour(words[i]);
        if (!colour) {
            return BandProblem{BandProblem::Kind::UnknownColour, static_cast<int>(i) + 1, words[i]};
        }
        colours.push_back(*colour);
    }
    return decode(colours);
}

Encoded encode(const Value& value, int bands, int toleranceBasisPoints, int tempCoefficient) {
    if (bands < FewestBands || bands > MostBands || !value.isPositive()) {
        return EncodeProblem{EncodeProblem::Kind::BadBandCount};
    }
    const int digitBands = bands >= 5 ? 3 : 2;
    if (value.digits() > digitBands) {
        return EncodeProblem{EncodeProblem::Kind::TooManyDigits};
    }
    // Pad the significand to exactly as many digits as there are digit bands.
    std::int64_t significand = value.significand();
    int power = value.exponent();
    for (int padding = digitBands - value.digits(); padding > 0; --padding) {
        significand *= 10;
        --power;
    }
    const std::optional<Colour> multiplier = colourWith(&Meaning::power, power);
    if (!multiplier) {
        return EncodeProblem{EncodeProblem::Kind::OutOfRange};
    }
    std::vector<Colour> colours(static_cast<std::size_t>(digitBands));
    for (int i = digitBands - 1; i >= 0; --i) {
        colours[static_cast<std::size_t>(i)] =
            *colourWith(&Meaning::digit, static_cast<int>(significand % 10));
        significand /= 10;
    }
    colours.push_back(*multiplier);
    if (bands == 3) {
        if (toleranceBasisPoints != 2000) {
            return EncodeProblem{EncodeProblem::Kind::NoToleranceColour};
        }
        return colours;
    }
    const std::optional<Colour> tolerance = colourWith(&Meaning::tolerance, toleranceBasisPoints);
    if (!tolerance) {
        return EncodeProblem{EncodeProblem::Kind::NoToleranceColour};
    }
    colours.push_back(*tolerance);
    if (bands == 6) {
        const std::optional<Colour> coefficient =
            colourWith(&Meaning::tempCoefficient, tempCoefficient);
        if (!coefficient) {
            return EncodeProblem{EncodeProblem::Kind::NoTempCoefficientColour};
        }
        colours.push_back(*coefficient);
    }
    return colours;
}

std::string joined(std::span<const Colour> colours) {
    std::string text;
    for (const Colour colour : colours) {
        if (!text.empty()) {
            text += ' ';
        }
        text += nameOf(colour);
    }
    return text;
}

}  // namespace notation
