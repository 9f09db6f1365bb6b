// SPDX-License-Identifier: GPL-3.0-or-later
// A stock file's text: values, or a complaint that shows no raw control
// character and no invalid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/input_files.h"
#include "cli/options.h"
#include "cli/stock.h"
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
    return 0;
}
