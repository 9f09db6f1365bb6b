// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The resistors of a bill of materials, as EDA tools and assembly houses
// export it in CSV: a header row naming the columns in any order and case,
// commas, semicolons or tabs, quoted fields, grouped references.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "notation/quantity.h"

namespace labelling {

// One line of resistors: a value and the parts that carry it.
struct BomResistor {
    notation::Value value;                // zero for a zero-ohm link ("0R")
    std::vector<std::string> references;  // ranges spelled out: "R1-R3" is R1, R2, R3
    std::string written;                  // the references as the file writes them
    int count;                            // the quantity column's, else the references'
    std::string footprint;
    int line;  // 1 for the file's first
};

// A line whose references are resistors but whose value does not read.
struct BomUnreadable {
    int line;
    std::string references;  // as the file writes them
    std::string value;
};

struct Bom {
    std::vector<BomResistor> resistors;
    std::vector<BomUnreadable> unreadable;
    int skipped = 0;  // lines of other parts: capacitors, chips, connectors...
};

// Why a text is no bill of materials at all.
enum class BomFault { NoHeader, UnclosedQuote };

// The header is the first row naming a references column (Reference,
// References, Designator, Ref, Référence) and a value column (Value, Valeur,
// or Comment, as assembly houses name it); the quantity (Qty, Quantity,
// Quantity Per PCB, Quantité) and Footprint are read where present. A blank
// row ends the table: a summary ("Component Count:") may follow. A line is a
// resistor when every reference is R and a number.
std::variant<Bom, BomFault> readBillOfMaterials(std::string_view text);

}  // namespace labelling
