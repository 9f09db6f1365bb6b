// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The codes printed on capacitors, each read and written: the three-digit
// code with R for the comma, the tolerance letters and the rated-voltage
// code of IEC 60062, the voltage letter of tantalum capacitors, and the
// two-character code of EIA-198 on chips.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "notation/quantity.h"
#include "reactive/quantities.h"

namespace reactive {

// The three-digit code, in a unit (picofarads on capacitors, microhenries
// on inductors): two figures and a power of ten, 8 for ×0,01 and 9 for ×0,1
// ("104", "229"); or up to three figures with R for the comma ("1R5", "R47",
// "0R25"). Nothing for anything else, a zero among them.
std::optional<notation::Decimal> readThreeDigitCode(std::string_view code, bool tenthsDigits);
// The code of a number of units: "104", "229" or "2R2"; nothing where two
// figures cannot write it. `tenthsDigits` allows 8 and 9 as multipliers.
std::optional<std::string> threeDigitCodeOf(const notation::Decimal& units, bool tenthsDigits);
// "1R5", "0R25": the R form, for at most three figures below 1 000 units.
std::optional<std::string> rCodeOf(const notation::Decimal& units);

// A tolerance letter of IEC 60062. Below and at 10 pF, B to G are in
// picofarads; above, in percent.
struct ToleranceLetter {
    char letter;
    int minusBasisPoints;  // 2000 for -20 %
    int plusBasisPoints;
    int absoluteFemtofarads;  // B C D F G at 10 pF or less: 250 for ±0,25 pF; else 0
};
// The letter's meaning for a capacitor of that value; nothing for a letter
// that is none.
std::optional<ToleranceLetter> toleranceLetter(char letter, const Capacitance& value);
// The letter of a symmetrical tolerance in basis points, or of an absolute
// one in femtofarads for 10 pF or less.
std::optional<char> letterOfTolerance(int basisPoints, const Capacitance& value);
std::optional<char> letterOfAbsoluteTolerance(int femtofarads, const Capacitance& value);
// "±5 %", "+80 % / -20 %", "±0,25 pF".
std::string frenchTolerance(const ToleranceLetter& tolerance);
// The letters, for messages: "B, C, D, F, G, J, K, M, N, Q, S, T, W, Z".
std::string toleranceLetters();

// The rated-voltage code of IEC 60062: a digit for the power of ten and a
// letter for the figures ("1H" 50 V, "2A" 100 V, "0J" 6,3 V, "2F" 315 V).
std::optional<notation::Voltage> readVoltageCode(std::string_view code);
std::optional<std::string> voltageCodeOf(const notation::Voltage& voltage);
// Every code, from the lowest voltage.
std::vector<std::string> voltageCodes();
// The letters, for messages.
std::string voltageLetters();

// The voltage letter of tantalum capacitors, before or after the code
// ("A475", "107C"): e 2,5 V, G 4 V, J 6,3 V, A 10 V, C 16 V, D 20 V,
// E 25 V, V 35 V, H or T 50 V depending on the maker.
std::optional<notation::Voltage> readTantalumLetter(char letter);
std::optional<char> tantalumLetterOf(const notation::Voltage& voltage);
// The letters, for messages.
std::string tantalumLetters();

// The EIA-198 code: a letter, case-sensitive, for two figures and a digit
// for the power of ten of picofarads (9 for ×0,1): "A5" 100 nF, "S3"
// 4,7 nF, "a2" 250 pF. Some makers print their own letter first ("KA2").
struct Eia198Reading {
    Capacitance value;
    std::optional<Capacitance> otherTable;  // the value in the EIA-198-D table, where it differs
    char maker = 0;                         // the maker's letter, where printed
};
std::optional<Eia198Reading> readEia198(std::string_view code);
std::optional<std::string> eia198CodeOf(const Capacitance& value);

}  // namespace reactive
