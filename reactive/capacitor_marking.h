// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A capacitor's marking read whole, in any order people print its parts:
// "104", "2A473J", "473J 2A", "107C", "A475", ".1K63", "4n7", "470µF 25V",
// "4.7uF/25V"; and with `chipCode`, the EIA-198 code of chips ("A5").
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "notation/quantity.h"
#include "reactive/capacitor_codes.h"
#include "reactive/quantities.h"

namespace reactive {

enum class ValueCode {
    ThreeDigits,  // "104", "229"
    RCode,        // "1R5", "0R25"
    Written,      // "4n7", "100nF", ".1", "470µF"
    Plain,        // "47", or "100" taken as picofarads
    Eia198,       // "A5"
};

enum class VoltageCode {
    Iec,       // "2A"
    Tantalum,  // the C of "107C"
    Written,   // "25V", "6V3", the 63 of ".1K63"
};

struct RatedVoltage {
    notation::Voltage volts;
    std::string code;  // as printed
    VoltageCode kind;
};

struct CapacitorReading {
    std::string code;  // what gives the value, as printed
    ValueCode kind;
    Capacitance value;
    std::optional<ToleranceLetter> tolerance = {};  // letter 0 for a written percentage
    std::optional<RatedVoltage> voltage = {};
    char maker = 0;  // an EIA-198 maker's letter
    std::optional<Capacitance> otherTable =
        {};  // an EIA-198 letter the revised table reads otherwise
};

struct CapacitorProblem {
    enum class Kind {
        Empty,
        NoValue,          // tolerance or voltage, but nothing for the value
        TooManyDigits,    // "1045"
        UnknownLetter,    // "104X"
        UnknownVoltage,   // "5A104", "2X"
        Unreadable,       // neither code nor value
        SeveralValues,    // "104 223"
        SeveralVoltages,  // "2A104 25V"
        SeveralTolerances,
    };
    Kind kind;
    std::string part;  // the offending part
};

// What a marking can mean, the likeliest first: "100" is the code for
// 10 pF and also 100 pF written plainly; "107C" a tantalum at 16 V and also
// a tolerance of ±0,25 %.
using CapacitorRead = std::variant<std::vector<CapacitorReading>, CapacitorProblem>;
CapacitorRead readCapacitorMarking(std::string_view text, bool chipCode);

}  // namespace reactive
