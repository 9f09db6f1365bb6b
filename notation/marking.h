// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed markings of surface-mount resistors: three digits ("472"), four
// digits ("4701"), R for the decimal point in either ("4R7", "0R22") and
// EIA-96 ("01C"), decoded, encoded and read turned round.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "notation/quantity.h"

namespace notation {

enum class MarkingSystem {
    ThreeDigits,  // two significant digits and a power of ten: the E24 range, ±5 %
    FourDigits,   // three significant digits and a power of ten: ±1 %
    Eia96,        // an index into E96 and a multiplier letter: ±1 %
};

// "3 chiffres", "4 chiffres", "EIA-96".
std::string_view frenchName(MarkingSystem system);
// The tolerance a system usually stands for, in basis points.
int usualToleranceOf(MarkingSystem system);

struct Marking {
    std::string text;  // as printed, letters in capitals
    MarkingSystem system;
    Value value;  // zero for a zero-ohm link ("0", "000")
};

struct MarkingProblem {
    enum class Kind {
        NoShape,      // none of the shapes of a marking
        LeadingZero,  // "047": only a zero link or "0R…" starts with 0
        Eia96Index,   // "00C", "97A": the index runs from 01 to 96
        Eia96Letter,  // "01G": no such multiplier letter
    };
    Kind kind;
    std::string part;  // the offending part: the index, the letter, or the marking
};

// What a marking can mean, the likeliest first. "47R" is 47 Ω in R notation
// and also, less often, the EIA-96 index 47 with the letter R (3,01 Ω).
using MarkingRead = std::variant<std::vector<Marking>, MarkingProblem>;
MarkingRead readMarking(std::string_view text);

// Whether a word is meant as a marking rather than a colour: it has a digit.
bool looksLikeMarking(std::string_view word);

// The marking turned by half a turn, as read on a board held the wrong way
// round: "106" reads "901". Nothing where a character has no such reading
// (any but 0, 1, 6, 8 and 9).
std::optional<std::string> turnedRound(std::string_view marking);

// The markings of a value in each system that can write it, in the order of
// MarkingSystem; none where no system can.
std::vector<Marking> markingsOf(const Value& value);

// The EIA-96 multiplier letters, for messages: "Z, Y ou R, X ou S, A, B ou H, C, D, E, F".
std::string eia96Letters();

// Every value of every series over the window's decades (x0,01 to x1M), in
// every system that can write it, as CSV.
std::string markingVectorsCsv();

}  // namespace notation
