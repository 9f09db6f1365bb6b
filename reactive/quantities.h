// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Capacitances and inductances kept exact, written with the prefix a part
// is sold with, and read in every spelling of a bill or a body: "100nF",
// "100n", "0.1uF", "4n7", "n47", "4µ7", "470µF".
#include <string>
#include <string_view>

#include "notation/quantity.h"
#include "notation/reading.h"

namespace reactive {

// A capacitance in farads, exact.
class Capacitance : public notation::Decimal {
public:
    using Decimal::Decimal;

    // "100 nF", "4,7 µF", "2,2 pF", "0,25 pF": pF, nF, µF, mF or F, with one
    // to three digits before the comma (none below a picofarad).
    [[nodiscard]] std::string french() const;
    // "100n", "4n7", "2p2", "p25", "4µ7": the prefix letter where the comma
    // would stand, as bodies and bills write it.
    [[nodiscard]] std::string compact() const;
    // The number of picofarads: 100 nF is 100 000.
    [[nodiscard]] Decimal picofarads() const { return {significand(), exponent() + 12}; }
};

// An inductance in henries, exact.
class Inductance : public notation::Decimal {
public:
    using Decimal::Decimal;

    // "4,7 µH", "100 µH", "47 nH", "10 mH".
    [[nodiscard]] std::string french() const;
    // "4µ7", "100µ", "47n".
    [[nodiscard]] std::string compact() const;
    [[nodiscard]] Decimal microhenries() const { return {significand(), exponent() + 6}; }
};

inline Capacitance fromPicofarads(const notation::Decimal& picofarads) {
    return {picofarads.significand(), picofarads.exponent() - 12};
}
inline Inductance fromMicrohenries(const notation::Decimal& microhenries) {
    return {microhenries.significand(), microhenries.exponent() - 6};
}

// From 0,01 pF (a code's "018") to 99 F, and from 0,1 nH to 999 H.
inline constexpr notation::Range CapacitanceRange{-14, 1};
inline constexpr notation::Range InductanceRange{-10, 2};

// A capacitance as people write it: "100nF", "100 nF", "100n", "0.1uF",
// "0,1µ", "4n7", "n47", "4µ7", "2p2", "470µF", "1mF". A number without a
// prefix is in picofarads when whole ("47", as on a ceramic disc) and in
// microfarads when it has a comma (".1", "0,47", as on film capacitors).
notation::Read<Capacitance> readCapacitance(std::string_view text);
// An inductance: "4,7µH", "4u7", "4µ7", "10mH", "47nH", "47n", "1H"; a
// number without a prefix is in microhenries, the unit of inductor codes.
notation::Read<Inductance> readInductance(std::string_view text);

// The power of ten of a value's first digit: 4,7 nF is -9.
int magnitudeOf(const notation::Decimal& value);

}  // namespace reactive
