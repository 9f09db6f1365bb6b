// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A text as a JSON string, for the pages' bridges and the model's snapshot.
// Header-only, so the tools' module can quote its answers without linking
// the calculator model.
#include <string>
#include <string_view>

namespace logic {

// The text between quotes; quotes, backslashes and control characters escaped.
inline std::string jsonString(std::string_view text) {
    constexpr std::string_view Hex = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += Hex[byte >> 4U];
            quoted += Hex[byte & 0xFU];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace logic
