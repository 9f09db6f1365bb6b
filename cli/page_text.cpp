// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/page_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "cli/complaint.h"

namespace cli {

namespace {

constexpr int PageDigits = 4;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The unit after a number's space, with its prefix, if one starts `rest`:
// its length, and whether it is one of those read to four digits.
struct Unit {
    std::size_t length = 0;
    bool rounded = false;
};

Unit unitAt(std::string_view rest) {
    static constexpr std::array<std::string_view, 7> Prefixes{"p", "n", "µ", "m", "k", "M", "G"};
    static constexpr std::array<std::string_view, 6> Measured{"V", "A", "W", "Ω", "F", "H"};
    static constexpr std::array<std::string_view, 5> Plain{"%", "mm", "ppm/°C", "°C", "Mio"};
    const auto endsWord = [&](std::size_t length) {
        return length <= rest.size() && (length == rest.size() || !isLetter(rest[length]));
    };
    for (const std::string_view unit : Plain) {
        if (rest.starts_with(unit) && endsWord(unit.size())) {
            return {unit.size(), false};
        }
    }
    for (const std::string_view prefix : Prefixes) {
        for (const std::string_view unit : Measured) {
            for (const std::size_t skip : {std::size_t{0}, prefix.size()}) {
                if ((skip == 0 || rest.starts_with(prefix)) &&
                    rest.substr(skip).starts_with(unit) && endsWord(skip + unit.size())) {
                    return {skip + unit.size(), unit == "V" || unit == "A" || unit == "W"};
                }
            }
        }
    }
    return {};
}

// "6,98544" -> "6,985": half up, trailing zeros of the fraction dropped.
std::string fourDigits(std::string_view number) {
    std::string digits;
    int decimals = 0;
    for (std::size_t at = 0; at < number.size(); ++at) {
        if (number[at] == ',') {
            decimals = static_cast<int>(number.size() - at - 1);
        } else {
            digits += number[at];
        }
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    const int extra = static_cast<int>(digits.size()) - PageDigits;
    if (extra <= 0 || digits.size() > 18) {
        return std::string(number);
    }
    std::int64_t kept = std::stoll(digits.substr(0, PageDigits));
    if (digits[PageDigits] >= '5') {
        ++kept;
    }
    decimals -= extra;
    std::string text = std::to_string(kept);
    if (decimals <= 0) {
        return text + std::string(static_cast<std::size_t>(-decimals), '0');
    }
    if (text.size() <= static_cast<std::size_t>(decimals)) {
        text.insert(0, static_cast<std::size_t>(decimals) - text.size() + 1, '0');
    }
    text.insert(text.size() - static_cast<std::size_t>(decimals), ",");
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == ',') {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::string typesetForPage(std::string_view text) {
    std::string set;
    std::size_t at = 0;
    while (at < text.size()) {
        // A size (48x17) counts as numbers; a digit after a letter does not.
        const bool size = at >= 2 && text[at - 1] == 'x' && isDigit(text[at - 2]);
        const bool starts = isDigit(text[at]) &&
                            (at == 0 || size || (!isLetter(text[at - 1]) && text[at - 1] != ','));
        if (!starts) {
            // A digit glued to a word (R1, E24) belongs to it, all of its run.
            const bool glued = isDigit(text[at]);
            do {
                set += text[at++];
            } while (glued && at < text.size() && isDigit(text[at]));
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && isDigit(text[end])) {
            ++end;
        }
        if (end + 1 < text.size() && text[end] == ',' && isDigit(text[end + 1])) {
            for (++end; end < text.size() && isDigit(text[end]);) {
                ++end;
            }
        }
        const std::string_view number = text.substr(at, end - at);
        const Unit unit =
            end < text.size() && text[end] == ' ' ? unitAt(text.substr(end + 1)) : Unit{};
        if (unit.length == 0) {
            set += number;
            at = end;
            continue;
        }
        set += unit.rounded ? fourDigits(number) : std::string(number);
        set += NarrowNoBreakSpace;
        set += text.substr(end + 1, unit.length);
        at = end + 1 + unit.length;
    }
    return set;
}

FormComplaint complaintForForm(std::string_view complaint, std::span<const std::string> arguments) {
    FormComplaint form;
    const std::string prefix = std::string(Program) + " : ";
    if (complaint.starts_with(prefix)) {
        complaint.remove_prefix(prefix.size());
    }
    while (!complaint.empty() && complaint.back() == '\n') {
        complaint.remove_suffix(1);
    }
    // The examples of a command line to type are the terminal's; a form's
    // fields carry their own.
    std::string message(complaint);
    for (const std::string_view example : {" Exemple : ", " Exemples : ", " Voyez "}) {
        const std::size_t found = message.find(example);
        if (found != std::string::npos &&
            message.find(std::string(Program), found) != std::string::npos) {
            message.erase(found);
        }
    }
    form.message = typesetForPage(message);
    // The word quoted, or else the option named, that is among the words.
    const auto placeOf = [&](std::string_view word) {
        const auto found =
            std::find(arguments.begin() + std::min<std::ptrdiff_t>(1, std::ssize(arguments)),
                      arguments.end(), word);
        return found == arguments.end() ? -1 : static_cast<int>(found - arguments.begin());
    };
    const std::size_t open = message.find("« ");
    const std::size_t close = message.find(" »", open);
    if (open != std::string::npos && close != std::string::npos) {
        form.word = placeOf(message.substr(open + 3, close - open - 3));
    }
    for (std::size_t dash = message.find("--"); form.word < 0 && dash != std::string::npos;
         dash = message.find("--", dash + 2)) {
        const std::size_t end = message.find_first_of(" ,.:;)", dash);
        const int option = placeOf(message.substr(dash, end - dash));
        if (option >= 0) {
            // The value it takes, where it takes one and has it.
            const bool valued = option + 1 < std::ssize(arguments) &&
                                !arguments[static_cast<std::size_t>(option) + 1].starts_with("--");
            form.word = valued ? option + 1 : option;
        }
    }
    return form;
}

}  // namespace cli
