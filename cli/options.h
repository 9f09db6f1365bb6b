// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of a command, read against the options its verb takes.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/complaint.h"

namespace cli {

// What an option's value (or a verb's words) may be: what the completion
// offers, and what the verb reads.
enum class Takes {
    Nothing,      // a flag: --cms
    Text,         // anything the verb reads itself: a value, a voltage, a list
    Colours,      // colour names
    File,         // a file's name, or - for standard input
    Series,       // E3 to E192
    Tolerance,    // a tolerance the colour code has: 10 %, 5 %... 0,05 %
    Coefficient,  // a temperature coefficient the colour code has, in ppm/°C
    Count,        // a whole number from `low` to `high`
    Choice,       // one of the words of `choices`
    Sheet,        // a sticker sheet's product code: L7160
};

struct Option {
    std::string_view name;
    std::string_view alias = {};  // another spelling (--smd for --cms), or none
    Takes takes = Takes::Text;
    int low = 0;  // the range of a Count
    int high = 0;
    bool repeatable = false;
    std::string_view choices = {};  // a Choice's words, blank-separated: "svg pdf"
};

class CommandLine {
public:
    // `--name value` or `--name=value`. An option not in `options`, a flag
    // with a value, a missing value, or an option given twice that is not
    // repeatable, is a complaint; so is a flag given twice under one spelling.
    CommandLine(std::span<const std::string> arguments, std::span<const Option> options);

    [[nodiscard]] const std::vector<std::string>& words() const { return words_; }
    // The words as one text: "4,7 kΩ" may come as two arguments.
    [[nodiscard]] std::string joinedWords() const;
    // The value of an option, under its name or its alias; the first one
    // given of a repeatable option.
    [[nodiscard]] std::optional<std::string> option(std::string_view name) const;
    [[nodiscard]] bool has(std::string_view name) const { return option(name).has_value(); }
    // Every value of a repeatable option, in the order given.
    [[nodiscard]] std::vector<std::string> values(std::string_view name) const;
    // A count option's value, `fallback` when absent; outside its range, a
    // complaint that calls it `what`.
    [[nodiscard]] int count(std::string_view name, int fallback, std::string_view what) const;

private:
    [[nodiscard]] const Option* find(std::string_view spelling) const;

    std::span<const Option> options_;
    std::vector<std::string> words_;
    struct Given {
        std::string_view name;  // the option's own name
        std::string spelling;   // as typed
        std::string value;
    };
    std::vector<Given> given_;
};

}  // namespace cli
