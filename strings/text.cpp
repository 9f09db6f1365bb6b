// SPDX-License-Identifier: GPL-3.0-or-later
#include "strings/text.h"

namespace strings {

std::string_view trimmed(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string asciiLowered(std::string_view text) {
    std::string low(text);
    for (char& c : low) {
        c = asciiLower(c);
    }
    return low;
}

std::string asciiUppered(std::string_view text) {
    std::string high(text);
    for (char& c : high) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return high;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(text[i]) != asciiLower(prefix[i])) {
            return false;
        }
    }
    return true;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    return text;
}

std::string joined(std::span<const std::string> words, std::string_view separator) {
    std::string text;
    for (const std::string& word : words) {
        if (&word != words.data()) {
            text += separator;
        }
        text += word;
    }
    return text;
}

std::string xmlEscaped(std::string_view text) {
    std::string safe;
    for (const char c : text) {
        switch (c) {
            case '&':
                safe += "&amp;";
                break;
            case '<':
                safe += "&lt;";
                break;
            case '>':
                safe += "&gt;";
                break;
            case '"':
                safe += "&quot;";
                break;
            case '\'':
                safe += "&apos;";
                break;
            default:
                safe += c;
        }
    }
    return safe;
}

}  // namespace strings
