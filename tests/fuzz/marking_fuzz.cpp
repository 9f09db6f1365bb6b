// SPDX-License-Identifier: GPL-3.0-or-later
// Surface-mount markings, read as they are and turned round.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "notation/marking.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const notation::MarkingRead read = notation::readMarking(text);
    if (const auto* markings = std::get_if<std::vector<notation::Marking>>(&read)) {
        // Whatever reads as a marking is written back among the value's own.
        for (const notation::Marking& marking : *markings) {
            if (!marking.value.isPositive()) {
                continue;
            }
            bool found = false;
            for (const notation::Marking& written : notation::markingsOf(marking.value)) {
                found = found || written.value == marking.value;
            }
            if (!found) {
                std::abort();
            }
        }
    }
    (void)notation::looksLikeMarking(text);
    (void)notation::turnedRound(text);
    return 0;
}
