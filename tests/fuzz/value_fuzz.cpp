// SPDX-License-Identifier: GPL-3.0-or-later
// Resistances, voltages, currents, powers and plain numbers as people type
// them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <type_traits>
#include <variant>

#include "notation/quantity.h"
#include "notation/reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // A reading is positive and short, and writes itself.
    const auto check = [](const auto& read) {
        std::visit(
            [](const auto& got) {
                if constexpr (!std::is_same_v<std::decay_t<decltype(got)>, notation::ReadProblem>) {
                    if (!got.isPositive() || got.digits() > 12) {
                        std::abort();
                    }
                    (void)got.french();
                }
            },
            read);
    };
    check(notation::readValue(text));
    check(notation::readVoltage(text));
    check(notation::readNumber(text));
    check(notation::readCurrent(text));
    check(notation::readPower(text));
    return 0;
}
