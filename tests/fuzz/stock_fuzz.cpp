// SPDX-License-Identifier: GPL-3.0-or-later
// A stock file's text: values, or a complaint that shows no raw control
// character and no invalid UTF-8. The same bytes as a bill of materials:
// resistors of a value and at least one reference each, on lines of the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/input_files.h"
#include "cli/options.h"
#include "cli/stock.h"
#include "labelling/bill_of_materials.h"
#include "strings/terminal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        for (const notation::Value& value : cli::stockValues(text, "stock")) {
            if (!value.isPositive()) {
                std::abort();
            }
        }
    } catch (const cli::Complaint& complaint) {
        if (strings::printable(complaint.message) != complaint.message) {
            std::abort();
        }
    }
    const auto bom = labelling::readBillOfMaterials(text);
    if (const auto* read = std::get_if<labelling::Bom>(&bom)) {
        const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
        for (const labelling::BomResistor& resistor : read->resistors) {
            if (resistor.references.empty() || resistor.line < 1 || resistor.line > lines ||
                resistor.value.significand() < 0) {
                std::abort();
            }
        }
    }
    return 0;
}
