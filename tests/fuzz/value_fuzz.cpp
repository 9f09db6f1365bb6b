// SPDX-License-Identifier: GPL-3.0-or-later
// Resistances, voltages and plain numbers as people type them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "code/value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto parse : {&code::parseValue, &code::parseVoltage, &code::parseNumber}) {
        std::string why;
        const std::optional<code::Value> value = parse(text, &why);
        // A reading is positive and short, and a refusal always says why.
        if (value.has_value() == !why.empty() || (value && !value->isPositive()) ||
            (value && value->digits() > 12)) {
            std::abort();
        }
        if (value) {
            (void)value->french();
        }
    }
    return 0;
}
