// SPDX-License-Identifier: GPL-3.0-or-later
#include "reactive/inductor_code.h"

#include <algorithm>
#include <array>

#include "reactive/capacitor_codes.h"

namespace reactive {

namespace {

using notation::Colour;
using notation::digitOf;

// Multipliers run from silver's ×0,01 to yellow's ×10 000 µH.
constexpr int LowestPower = -2;
constexpr int HighestPower = 4;

struct ToleranceColour {
    Colour colour;
    int basisPoints;
};
constexpr std::array<ToleranceColour, 7> ToleranceColours{{
    {Colour::Noir, 2000},
    {Colour::Marron, 100},
    {Colour::Rouge, 200},
    {Colour::Orange, 300},
    {Colour::Jaune, 400},
    {Colour::Or, 500},
    {Colour::Argent, 1000},
}};

std::optional<int> powerOf(Colour colour) {
    const std::optional<int> power = notation::multiplierPowerOf(colour);
    if (!power || *power > HighestPower || *power < LowestPower) {
        return std::nullopt;
    }
    return power;
}

std::optional<Colour> colourOfDigit(int digit) {
    for (const Colour colour : notation::AllColours) {
        if (digitOf(colour) == digit) {
            return colour;
        }
    }
    return std::nullopt;
}

std::optional<Colour> colourOfPower(int power) {
    for (const Colour colour : notation::AllColours) {
        if (powerOf(colour) == power) {
            return colour;
        }
    }
    return std::nullopt;
}

struct Figures {
    int figures;  // 10 to 99
    int power;
};
std::optional<Figures> twoFigures(const notation::Decimal& value) {
    if (!value.isPositive() || value.digits() > 2) {
        return std::nullopt;
    }
    const bool one = value.digits() == 1;
    return Figures{static_cast<int>(value.significand()) * (one ? 10 : 1),
                   value.exponent() - (one ? 1 : 0)};
}

InductorDecoded problemAt(InductorBandProblem::Kind kind, int position) {
    return InductorBandProblem{kind, position};
}

}  // namespace

std::optional<int> inductorToleranceOf(Colour colour) {
    for (const ToleranceColour& row : ToleranceColours) {
        if (row.colour == colour) {
            return row.basisPoints;
        }
    }
    return std::nullopt;
}

std::optional<Colour> inductorToleranceColour(int basisPoints) {
    for (const ToleranceColour& row : ToleranceColours) {
        if (row.basisPoints == basisPoints) {
            return row.colour;
        }
    }
    return std::nullopt;
}

InductorDecoded decodeInductorBands(std::span<const Colour> colours) {
    using Kind = InductorBandProblem::Kind;
    const int count = static_cast<int>(colours.size());
    if (count != 4 && count != 5) {
        return problemAt(Kind::BandCount, 0);
    }
    const bool military = count == 5;
    if (military && colours[0] != Colour::Argent) {
        return problemAt(Kind::NotMilitary, 1);
    }
    const std::span<const Colour> value = colours.subspan(military ? 1 : 0, 3);
    const int first = military ? 2 : 1;  // the place of value[0]
    const std::optional<int> tolerance = inductorToleranceOf(colours.back());
    // A gold band among the figures of the military code is the comma.
    const auto point = std::find(value.begin(), value.begin() + 2, Colour::Or);
    notation::Decimal microhenries;
    if (military && point != value.begin() + 2) {
        const int comma = static_cast<int>(point - value.begin());
        std::int64_t figures = 0;
        for (int i = 0; i < 3; ++i) {
            if (i == comma) {
                continue;
            }
            const std::optional<int> digit = digitOf(value[static_cast<std::size_t>(i)]);
            if (!digit) {
                return problemAt(Kind::NotADigit, first + i);
            }
            figures = figures * 10 + *digit;
        }
        microhenries = notation::Decimal(figures, comma - 2);
        if (!microhenries.isPositive()) {
            return problemAt(Kind::ZeroValue, first);
        }
    } else {
        const std::optional<int> tens = digitOf(value[0]);
        const std::optional<int> units = digitOf(value[1]);
        const std::optional<int> power = powerOf(value[2]);
        if (!tens) {
            return problemAt(Kind::NotADigit, first);
        }
        if (*tens == 0) {
            return problemAt(Kind::ZeroFirstDigit, first);
        }
        if (!units) {
            return problemAt(Kind::NotADigit, first + 1);
        }
        if (!power) {
            return problemAt(Kind::NotAMultiplier, first + 2);
        }
        microhenries = notation::Decimal(*tens * 10 + *units, *power);
    }
    if (!tolerance) {
        return problemAt(Kind::NotATolerance, count);
    }
    return InductorReading{fromMicrohenries(microhenries), *tolerance, military};
}

std::vector<Colour> inductorColoursAt(int bands, int position) {
    std::vector<Colour> allowed;
    const bool military = bands == 5;
    for (const Colour colour : notation::AllColours) {
        bool fits = false;
        if (position == bands) {
            fits = inductorToleranceOf(colour).has_value();
        } else if (military && position == 1) {
            fits = colour == Colour::Argent;
        } else if (military && position <= 3) {
            fits = digitOf(colour).has_value() || colour == Colour::Or;
        } else if (position == bands - 1) {
            fits = powerOf(colour).has_value() || (military && digitOf(colour).has_value());
        } else {
            fits = digitOf(colour).has_value() && (position != 1 || colour != Colour::Noir);
        }
        if (fits) {
            allowed.push_back(colour);
        }
    }
    return allowed;
}

namespace {

// What both inductor codes paint: the two figures, the power of ten left
// for the bands and the tolerance's colour.
struct PaintedValue {
    Colour tens;
    Colour units;
    int power;
    Colour tolerance;
};

std::optional<PaintedValue> paintedValueOf(const Inductance& value, int toleranceBasisPoints) {
    const std::optional<Figures> two = twoFigures(value.microhenries());
    const std::optional<Colour> tolerance = inductorToleranceColour(toleranceBasisPoints);
    if (!two || !tolerance) {
        return std::nullopt;
    }
    return PaintedValue{*colourOfDigit(two->figures / 10), *colourOfDigit(two->figures % 10),
                        two->power, *tolerance};
}

}  // namespace

std::optional<std::vector<Colour>> inductorBandsOf(const Inductance& value,
                                                   int toleranceBasisPoints) {
    const std::optional<PaintedValue> painted = paintedValueOf(value, toleranceBasisPoints);
    const std::optional<Colour> power = painted ? colourOfPower(painted->power) : std::nullopt;
    if (!power) {
        return std::nullopt;
    }
    return std::vector<Colour>{painted->tens, painted->units, *power, painted->tolerance};
}

std::optional<std::vector<Colour>> militaryBandsOf(const Inductance& value,
                                                   int toleranceBasisPoints) {
    const std::optional<PaintedValue> painted = paintedValueOf(value, toleranceBasisPoints);
    if (!painted) {
        return std::nullopt;
    }
    const auto [tens, units, power, tolerance] = *painted;
    switch (power) {
        case -2:  // 0,47 µH: the comma first
            return std::vector<Colour>{Colour::Argent, Colour::Or, tens, units, tolerance};
        case -1:  // 4,7 µH: the comma between the figures
            return std::vector<Colour>{Colour::Argent, tens, Colour::Or, units, tolerance};
        default:
            if (const std::optional<Colour> colour = colourOfPower(power)) {
                return std::vector<Colour>{Colour::Argent, tens, units, *colour, tolerance};
            }
            return std::nullopt;
    }
}

std::optional<Inductance> readInductorCode(std::string_view code) {
    // "47N", "2N2": N for the comma among nanohenries.
    const auto n =
        std::count_if(code.begin(), code.end(), [](char c) { return c == 'N' || c == 'n'; });
    if (n == 1) {
        std::string asR(code);
        std::replace_if(
            asR.begin(), asR.end(), [](char c) { return c == 'N' || c == 'n'; }, 'R');
        if (const std::optional<notation::Decimal> nano = readThreeDigitCode(asR, false)) {
            return Inductance(nano->significand(), nano->exponent() - 9);
        }
        return std::nullopt;
    }
    if (const std::optional<notation::Decimal> micro = readThreeDigitCode(code, false)) {
        return fromMicrohenries(*micro);
    }
    return std::nullopt;
}

std::vector<std::string> inductorCodesOf(const Inductance& value) {
    std::vector<std::string> codes;
    const notation::Decimal micro = value.microhenries();
    if (micro >= notation::Decimal(10, 0)) {
        if (const std::optional<std::string> code = threeDigitCodeOf(micro, false)) {
            codes.push_back(*code);
        }
    }
    if (std::optional<std::string> code = rCodeOf(micro)) {
        // Inductors write "R47" where capacitors write "0R47".
        codes.push_back(code->starts_with("0R") ? code->substr(1) : *code);
    }
    if (micro.exponent() == 0 && micro < notation::Decimal(10, 0)) {
        codes.push_back(micro.french() + "R0");  // "1R0": whole microhenries below ten
    }
    if (micro < notation::Decimal(1, 0)) {
        const notation::Decimal nano(value.significand(), value.exponent() + 9);
        if (nano.exponent() >= 0 && nano.digits() + nano.exponent() <= 3) {
            codes.push_back(nano.french() + "N");
        } else if (std::optional<std::string> code = rCodeOf(nano)) {
            std::replace(code->begin(), code->end(), 'R', 'N');
            codes.push_back(*code);
        }
    }
    return codes;
}

}  // namespace reactive
