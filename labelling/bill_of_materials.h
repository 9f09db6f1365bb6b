// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The resistors of a bill of materials, as EDA tools, assembly houses,
// distributors and people write it: a header row naming the columns in any
// order and case, commas, semicolons or tabs, quoted fields, grouped
// references, or columns aligned with spaces (EAGLE's parts list).
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "labelling/part_value.h"
#include "labelling/references.h"

namespace labelling {

// One line of resistors: what they are and the parts that carry it.
struct BomResistor {
    PartValue value;
    std::vector<Reference> references;  // runs spelled out: "R1-R3" is R1, R2, R3
    int count;                          // the quantity column's, else the references'
    int line;                           // 1 for the file's first
};

// A line whose references are resistors but whose value does not read.
struct BomUnreadable {
    int line;
    std::string references;  // as the file writes them
    std::string value;       // the value, else the description
};

// Parts whose reference starts with R that are no fixed resistor, counted by
// kind: they get no label.
struct NotFixedResistors {
    int potentiometers = 0;  // and trimmers
    int networks = 0;
    int thermistors = 0;  // and light-dependent resistors

    [[nodiscard]] bool any() const { return potentiometers + networks + thermistors > 0; }
};

// One line of capacitors or inductors.
struct BomReactive {
    ReactiveValue value;
    std::vector<Reference> references;
    int count;
    int line;
};

struct Bom {
    std::vector<BomResistor> resistors;
    // Lines of C or L references whose value reads; fitted, as resistors.
    // They are among the skipped lines, which are no resistors.
    std::vector<BomReactive> capacitors;
    std::vector<BomReactive> inductors;
    std::vector<BomUnreadable> unreadable;
    int skipped = 0;    // lines of other parts: capacitors, chips, connectors...
    int notFitted = 0;  // resistors marked DNP, DNF, not fitted or 0 to fit
    NotFixedResistors notFixed;
};

// Why a text is no bill of materials at all.
enum class BomFault { NoHeader, UnclosedQuote };

// The header is the first row naming a references column (Reference(s),
// Designator, Ref, RefDes, Part(s), Référence...) and a value (Value,
// Comment, Designation, Name...) or a description column; lines before it
// are a preamble. A later header starts another table (KiCad's collated
// one), whose parts already read are not read again. A line is of resistors
// when every reference is R and a number.
std::variant<Bom, BomFault> readBillOfMaterials(std::string_view text);

}  // namespace labelling
