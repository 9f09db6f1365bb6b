// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every verb of resistances-code shares: complaints, the command line,
// and the French phrases of a reading.
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/answer.h"
#include "code/colour_code.h"
#include "code/network.h"
#include "code/series.h"
#include "code/value.h"

namespace cli {

inline constexpr std::string_view Program = "resistances-code";

// Thrown for bad input; run() turns it into a message and status 2.
struct Complaint {
    std::string message;
};

[[noreturn]] void complain(std::string message);

// The user's text, safe on a terminal: invalid UTF-8 and control, zero-width
// and bidirectional characters written as \x1B or \u202E.
std::string printable(std::string_view text);
// « text », as French quotes a word of the user's, printable.
std::string quoted(std::string_view text);

// The words of a command and its options (`--name value` or `--name=value`).
class CommandLine {
public:
    // Options not in `known` or `flags` and options given twice are
    // complaints; a flag takes no value (`--cms`).
    CommandLine(std::span<const std::string> arguments,
                std::initializer_list<std::string_view> known,
                std::initializer_list<std::string_view> flags = {});

    [[nodiscard]] const std::vector<std::string>& words() const { return words_; }
    [[nodiscard]] std::optional<std::string> option(std::string_view name) const;
    [[nodiscard]] bool has(std::string_view name) const { return option(name).has_value(); }
    // The words as one text: "4,7 kΩ" may come as two arguments.
    [[nodiscard]] std::string joinedWords() const;

private:
    std::vector<std::string> words_;
    std::vector<std::pair<std::string, std::string>> options_;
};

// The colours in the order of the code; those that mean something at a place.
std::string colourList();
std::string toleranceList();
std::string coefficientList();

code::Value valueOf(std::string_view text);
code::Reading readingOf(std::span<const std::string> words);
std::optional<code::Reading> reversedReadingOf(std::span<const std::string> words);

// "5%", "±5 %", "0,5": a tolerance that has a colour, in basis points.
int toleranceOf(const std::string& text);
// The series that goes with --tolerance, or with `fallback` basis points.
const code::Series& seriesOf(const CommandLine& line, int fallback);

// "1 kΩ ±5 %", its limits "min 950 Ω, max 1,05 kΩ", and where it stands
// among the series.
std::string headline(const code::Value& value, int toleranceBasisPoints,
                     std::optional<int> tempCoefficient = std::nullopt);
std::string limits(const code::Value& value, int toleranceBasisPoints);
std::string standing(const code::Value& value);

// One reading, or two from either end, each "headline\n  limits ; standing",
// and which of the two lands on a standard value.
struct Described {
    std::string headline;
    code::Value value;
    std::string detail;  // limits and standing
};
void bothWays(Answer& out, const Described& forward, const Described& backward);

// The values of a series from `low` to `high`, smallest first.
std::vector<code::Value> seriesBetween(const code::Series& series, const code::Value& low,
                                       const code::Value& high);
// "5,1 kΩ + 200 Ω = 5,3 kΩ, exact", "5,1 kΩ, écart -3,77 %".
std::string networkLine(const code::Network& network, std::span<const code::Value> available,
                        const code::Value& target);

}  // namespace cli
