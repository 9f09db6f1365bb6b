// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tables {

using TextList = std::span<const std::string_view>;

// Decade i names the same factor as multiplier item i: ten to the power i - 2.
// Items 1 and 3 are spelled with a capital letter O where a zero would stand;
// that is how the window has always shown them.
inline constexpr std::array<std::string_view, 9> DecadeList{{
    "x0,01 (Ohm)",
    "xO,1 (Ohm)",
    "x1 (Ohm)",
    "x1O (Ohm)",
    "x100 (Ohm)",
    "x1k (Ohm)",
    "x10k (Ohm)",
    "x100k (Ohm)",
    "x1M (Ohm)",
}};

// Preferred values, one decade each. Every character of a value is the digit of
// one band. E12 and E24 follow no formula (27, 33, 47 and 82 are not the nearest
// whole numbers to 10^(i/12) or 10^(i/24)), so all four series are tables.
inline constexpr std::array<std::string_view, 12> E12Values{{
    "10",
    "12",
    "15",
    "18",
    "22",
    "27",
    "33",
    "39",
    "47",
    "56",
    "68",
    "82",
}};

inline constexpr std::array<std::string_view, 24> E24Values{{
    "10", "11", "12", "13", "15", "16", "18", "20", "22", "24", "27", "30",
    "33", "36", "39", "43", "47", "51", "56", "62", "68", "75", "82", "91",
}};

// 100 x 10^(i/48) to the nearest whole number.
inline constexpr std::array<std::string_view, 48> E48Values{{
    "100", "105", "110", "115", "121", "127", "133", "140", "147", "154", "162", "169",
    "178", "187", "196", "205", "215", "226", "237", "249", "261", "274", "287", "301",
    "316", "332", "348", "365", "383", "402", "422", "442", "464", "487", "511", "536",
    "562", "590", "619", "649", "681", "715", "750", "787", "825", "866", "909", "953",
}};

// 100 x 10^(i/96) to the nearest whole number; item 2k is E48 item k.
inline constexpr std::array<std::string_view, 96> E96Values{{
    "100", "102", "105", "107", "110", "113", "115", "118", "121", "124", "127", "130",
    "133", "137", "140", "143", "147", "150", "154", "158", "162", "165", "169", "174",
    "178", "182", "187", "191", "196", "200", "205", "210", "215", "221", "226", "232",
    "237", "243", "249", "255", "261", "267", "274", "280", "287", "294", "301", "309",
    "316", "324", "332", "340", "348", "357", "365", "374", "383", "392", "402", "412",
    "422", "432", "442", "453", "464", "475", "487", "499", "511", "523", "536", "549",
    "562", "576", "590", "604", "619", "634", "649", "665", "681", "698", "715", "732",
    "750", "768", "787", "806", "825", "845", "866", "887", "909", "931", "953", "976",
}};

// The digit the band at `position` of a preferred value stands for, or nothing
// when the value has no decimal digit there.
constexpr std::optional<int> digitAt(std::string_view value, std::size_t position) {
    if (position >= value.size() || value[position] < '0' || value[position] > '9') {
        return std::nullopt;
    }
    return value[position] - '0';
}

// Item `index` of a text list, or nothing outside it.
constexpr std::optional<std::string_view> textAt(TextList list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return std::nullopt;
    }
    return list[static_cast<std::size_t>(index)];
}

}  // namespace tables
