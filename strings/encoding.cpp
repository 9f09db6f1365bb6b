// SPDX-License-Identifier: GPL-3.0-or-later
#include "strings/encoding.h"

#include <array>
#include <cstdint>

#include "strings/text.h"

namespace strings {

namespace {

void appendUtf8(std::string& text, char32_t code) {
    const auto byte = [&](char32_t bits) { text += static_cast<char>(bits); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

// Whether the bytes are well-formed UTF-8: no overlong form, no surrogate,
// nothing above U+10FFFF.
bool isUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || i + length > bytes.size()) {
            return false;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF))) {
            return false;
        }
        i += length;
    }
    return true;
}

std::optional<std::string> fromUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string text;
    text.reserve(bytes.size());
    const auto unit = [&](std::size_t at) {
        const auto high = static_cast<unsigned char>(bytes[at + (bigEndian ? 0 : 1)]);
        const auto low = static_cast<unsigned char>(bytes[at + (bigEndian ? 1 : 0)]);
        return static_cast<char32_t>((high << 8) | low);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char32_t first = unit(i);
        if (first >= 0xDC00 && first <= 0xDFFF) {
            return std::nullopt;
        }
        if (first >= 0xD800 && first <= 0xDBFF) {
            if (i + 2 >= bytes.size()) {
                return std::nullopt;
            }
            const char32_t second = unit(i + 2);
            if (second < 0xDC00 || second > 0xDFFF) {
                return std::nullopt;
            }
            appendUtf8(text, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
            i += 2;
        } else if (first == 0) {
            return std::nullopt;  // a file with a NUL is no text
        } else {
            appendUtf8(text, first);
        }
    }
    return text;
}

// Windows-1252's 0x80-0x9F; zero for the five bytes it leaves undefined.
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<std::string> fromWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            return std::nullopt;  // control characters: a binary file
        }
        if (byte >= 0x80 && byte < 0xA0) {
            if (Windows1252High[byte - 0x80] == 0) {
                return std::nullopt;
            }
            appendUtf8(text, Windows1252High[byte - 0x80]);
        } else {
            appendUtf8(text, byte);
        }
    }
    return text;
}

}  // namespace

std::optional<std::string> utf8Of(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return fromUtf16(bytes.substr(2), bytes[0] == '\xFE');
    }
    const std::string_view text = withoutByteOrderMark(bytes);
    if (text.find('\0') != std::string_view::npos) {
        return std::nullopt;  // UTF-16 without its mark, or a binary file
    }
    if (isUtf8(text)) {
        return std::string(text);
    }
    return fromWindows1252(text);
}

}  // namespace strings
