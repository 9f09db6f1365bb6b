// SPDX-License-Identifier: GPL-3.0-or-later
#include "strings/encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// Files as editors and spreadsheets save "R1;±1 %;10 kΩ", and bytes that are
// no text the tool can read.
TEST(Encoding, WhatSpreadsheetsSaveIsReadAndTheRestRefused) {
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, std::optional<std::string>>> rows{
        {"R1;10k\n", "R1;10k\n"},
        {"\xEF\xBB\xBFR1;±1 %;10 kΩ", "R1;±1 %;10 kΩ"},
        // UTF-16 with its mark, both byte orders, a character beyond 16 bits.
        {"\xFF\xFER\0001\0;\0\xA9\x03"s, "R1;Ω"},
        {"\xFE\xFF\0R\0001\0;\x03\xA9"s, "R1;Ω"},
        {"\xFF\xFE\x3D\xD8\x0B\xDE"s, "\U0001F60B"},
        // Windows-1252: ±, µ, € and the typographic quotes as one byte each.
        {"R1;\xB1"
         "1%;100\xB5;\x80;\x93x\x94",
         "R1;±1%;100µ;€;“x”"},
        // Neither: a NUL (UTF-16 without its mark), an odd UTF-16 length, a
        // lone surrogate, a byte Windows-1252 leaves undefined, a control.
        {"R\0001\0"s, std::nullopt},
        {"\xFF\xFER\0001"s, std::nullopt},
        {"\xFF\xFE\x3D\xD8R\0"s, std::nullopt},
        {"R1;\x81", std::nullopt},
        {"R1;\x1B[2J\xE9", std::nullopt},
    };
    for (const auto& [bytes, expected] : rows) {
        EXPECT_EQ(strings::utf8Of(bytes), expected) << bytes;
    }
}

}  // namespace
