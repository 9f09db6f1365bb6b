// SPDX-License-Identifier: GPL-3.0-or-later
// Capacitor markings, inductor codes and bands, and values as bills write
// them: whatever reads is written back as the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>
#include <vector>

#include "reactive/capacitor_marking.h"
#include "reactive/inductor_code.h"

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool chip : {false, true}) {
        const reactive::CapacitorRead read = reactive::readCapacitorMarking(text, chip);
        if (const auto* readings = std::get_if<std::vector<reactive::CapacitorReading>>(&read)) {
            for (const reactive::CapacitorReading& reading : *readings) {
                require(reading.value.isPositive());
                const auto again = reactive::readCapacitance(reading.value.compact());
                const auto* value = std::get_if<reactive::Capacitance>(&again);
                require(value == nullptr || *value == reading.value);
                if (const auto code =
                        reactive::threeDigitCodeOf(reading.value.picofarads(), true)) {
                    require(reactive::readThreeDigitCode(*code, true) ==
                            reading.value.picofarads());
                }
            }
        }
    }
    if (const auto inductance = reactive::readInductorCode(text)) {
        for (const std::string& code : reactive::inductorCodesOf(*inductance)) {
            require(reactive::readInductorCode(code) == *inductance);
        }
    }
    (void)reactive::readInductance(text);
    if (size >= 4 && size <= 5) {
        std::vector<notation::Colour> bands;
        for (const std::uint8_t byte : std::basic_string_view<std::uint8_t>(data, size)) {
            bands.push_back(notation::AllColours[byte % notation::AllColours.size()]);
        }
        const auto decoded = reactive::decodeInductorBands(bands);
        if (const auto* reading = std::get_if<reactive::InductorReading>(&decoded)) {
            if (const auto written =
                    reactive::inductorBandsOf(reading->value, reading->toleranceBasisPoints)) {
                const auto again = reactive::decodeInductorBands(*written);
                require(std::get<reactive::InductorReading>(again).value == reading->value);
            }
        }
    }
    return 0;
}
