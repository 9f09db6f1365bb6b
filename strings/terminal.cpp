// SPDX-License-Identifier: GPL-3.0-or-later
#include "strings/terminal.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace strings {

namespace {

// The length of the UTF-8 sequence at the start of `text`, or 0 if it is not
// a valid one (overlong, a surrogate, beyond U+10FFFF, cut short).
std::size_t sequenceLength(std::string_view text, char32_t& point) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0FU;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07U;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80) {
            return 0;
        }
        point = point << 6U | (byte(i) & 0x3FU);
    }
    const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
    const bool outside = point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF);
    return overlong || outside ? 0 : length;
}

// Characters that move the cursor, ring, or turn the text round on a
// terminal: C0 and C1 controls, bidirectional and zero-width marks.
bool invisible(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) ||
           (point >= 0x200B && point <= 0x200F) || (point >= 0x202A && point <= 0x202E) ||
           (point >= 0x2066 && point <= 0x2069) || point == 0xFEFF;
}

}  // namespace

std::string printable(std::string_view text) {
    std::string shown;
    while (!text.empty()) {
        char32_t point = 0;
        const std::size_t length = sequenceLength(text, point);
        std::array<char, 16> escape{};
        if (length == 0) {
            std::snprintf(escape.data(), escape.size(), "\\x%02X",
                          static_cast<unsigned char>(text.front()));
        } else if (invisible(point)) {
            std::snprintf(escape.data(), escape.size(), point < 0x100 ? "\\x%02X" : "\\u%04X",
                          static_cast<unsigned>(point));
        } else {
            shown.append(text.substr(0, length));
            text.remove_prefix(length);
            continue;
        }
        shown += escape.data();
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return shown;
}

std::string quoted(std::string_view text) {
    return "« " + printable(text) + " »";
}

}  // namespace strings
