// SPDX-License-Identifier: GPL-3.0-or-later
// A stock file's text: values, or a complaint that shows no raw control
// character and no invalid UTF-8. The same bytes as a bill of materials:
// resistors of a value and at least one reference each, on lines of the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/command_line.h"
#include "cli/printable.h"
#include "cli/stocks.h"
#include "code/bill_of_materials.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        for (const code::Value& value : cli::stockValues(text, "stock")) {
            if (!value.isPositive()) {
                std::abort();
            }
        }
    } catch (const cli::Complaint& complaint) {
        if (cli::printable(complaint.message) != complaint.message) {
            std::abort();
        }
    }
    const auto bom = code::readBillOfMaterials(text);
    if (const auto* read = std::get_if<code::Bom>(&bom)) {
        const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
        for (const code::BomResistor& resistor : read->resistors) {
            if (resistor.references.empty() || resistor.line < 1 || resistor.line > lines ||
                resistor.value.significand() < 0) {
                std::abort();
            }
        }
    }
    return 0;
}
