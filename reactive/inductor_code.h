// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The markings of inductors, in microhenries: the colour code of four bands
// (two figures, a multiplier where gold is ×0,1 and silver ×0,01, a
// tolerance), the military code of five bands (a wide silver band first, then
// figures where a gold band stands for the comma), and the three-digit code
// ("101" 100 µH, "4R7" 4,7 µH, "47N" 47 nH).
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "notation/colour_code.h"
#include "reactive/quantities.h"

namespace reactive {

struct InductorReading {
    Inductance value;
    int toleranceBasisPoints;
    bool military;
};

struct InductorBandProblem {
    enum class Kind {
        BandCount,    // not 4 or 5 bands
        NotMilitary,  // five bands without the silver band first
        NotADigit,
        ZeroFirstDigit,
        NotAMultiplier,
        NotATolerance,
        ZeroValue,  // "0,00 µH"
    };
    Kind kind;
    int position;  // 1 for the first band; 0 for the count
};

using InductorDecoded = std::variant<InductorReading, InductorBandProblem>;
InductorDecoded decodeInductorBands(std::span<const notation::Colour> colours);

// The colours each band may take, for messages and for the page's reader.
std::vector<notation::Colour> inductorColoursAt(int bands, int position);
std::optional<int> inductorToleranceOf(notation::Colour colour);  // basis points
std::optional<notation::Colour> inductorToleranceColour(int basisPoints);

// The four bands of a value, and the military five where the code can write
// it; nothing where two figures or the multipliers cannot, or the tolerance
// has no colour.
std::optional<std::vector<notation::Colour>> inductorBandsOf(const Inductance& value,
                                                             int toleranceBasisPoints);
std::optional<std::vector<notation::Colour>> militaryBandsOf(const Inductance& value,
                                                             int toleranceBasisPoints);

// "101", "4R7", "R47", "47N", "2N2"; nothing for anything else.
std::optional<Inductance> readInductorCode(std::string_view code);
// Every code that writes a value: "101"; "4R7"; "R47" and "470N".
std::vector<std::string> inductorCodesOf(const Inductance& value);

}  // namespace reactive
