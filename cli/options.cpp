// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <algorithm>

#include "strings/terminal.h"
#include "strings/text.h"

namespace cli {

namespace {

// Whether `word` is one of the blank-separated `choices`.
bool isChoice(std::string_view word, std::string_view choices) {
    for (std::size_t start = 0; start <= choices.size();) {
        const std::size_t end = std::min(choices.find(' ', start), choices.size());
        if (choices.substr(start, end - start) == word) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// "svg ou pdf", "a, b ou c".
std::string choiceList(std::string_view choices) {
    const std::size_t last = choices.rfind(' ');
    if (last == std::string_view::npos) {
        return std::string(choices);
    }
    std::string list(choices.substr(0, last));
    for (std::size_t at = list.find(' '); at != std::string::npos; at = list.find(' ', at + 2)) {
        list.replace(at, 1, ", ");
    }
    return list + " ou " + std::string(choices.substr(last + 1));
}

}  // namespace

CommandLine::CommandLine(std::span<const std::string> arguments, std::span<const Option> options)
    : options_(options) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            words_.push_back(argument);
            continue;
        }
        std::string spelling = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            spelling = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const Option* option = find(spelling);
        if (option == nullptr) {
            std::string accepted;
            for (const Option& known : options_) {
                for (const std::string_view name : {known.name, known.alias}) {
                    if (!name.empty()) {
                        accepted += (accepted.empty() ? "" : ", ") + std::string(name);
                    }
                }
            }
            complain("option inconnue " + strings::quoted(spelling) +
                     (accepted.empty() ? "; cette commande n'en prend aucune."
                                       : ". Options : " + accepted + "."));
        }
        const bool flag = option->takes == Takes::Nothing;
        if (flag && value) {
            complain("l'option " + spelling + " ne prend pas de valeur.");
        }
        if (!flag && !value) {
            if (i + 1 >= arguments.size()) {
                complain("l'option " + spelling + " attend une valeur.");
            }
            value = arguments[++i];
        }
        if (option->takes == Takes::Choice && !isChoice(*value, option->choices)) {
            complain(spelling + " " + strings::quoted(*value) + " : " +
                     choiceList(option->choices) + ".");
        }
        const bool twice = std::any_of(given_.begin(), given_.end(), [&](const Given& earlier) {
            return earlier.name == option->name && (!flag || earlier.spelling == spelling);
        });
        if (twice && !option->repeatable) {
            complain("l'option " + spelling + " est donnée deux fois.");
        }
        given_.push_back({option->name, spelling, value.value_or("")});
    }
}

const Option* CommandLine::find(std::string_view spelling) const {
    const auto named = std::find_if(options_.begin(), options_.end(), [&](const Option& option) {
        return option.name == spelling || (!option.alias.empty() && option.alias == spelling);
    });
    return named == options_.end() ? nullptr : &*named;
}

std::string CommandLine::joinedWords() const {
    // Empty words before the first one said are nothing.
    const auto said = std::find_if(words_.begin(), words_.end(),
                                   [](const std::string& word) { return !word.empty(); });
    return strings::joined(std::span<const std::string>(words_).subspan(
                               static_cast<std::size_t>(said - words_.begin())),
                           " ");
}

std::optional<std::string> CommandLine::option(std::string_view name) const {
    const Option* option = find(name);
    for (const Given& given : given_) {
        if (option != nullptr && given.name == option->name) {
            return given.value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> CommandLine::values(std::string_view name) const {
    std::vector<std::string> all;
    const Option* option = find(name);
    for (const Given& given : given_) {
        if (option != nullptr && given.name == option->name) {
            all.push_back(given.value);
        }
    }
    return all;
}

int CommandLine::count(std::string_view name, int fallback, std::string_view what) const {
    const std::optional<std::string> text = option(name);
    if (!text) {
        return fallback;
    }
    const Option& range = *find(name);
    for (int n = range.low; n <= range.high; ++n) {
        if (*text == std::to_string(n)) {
            return n;
        }
    }
    complain(std::string(what) + " impossible " + strings::quoted(*text) + " : de " +
             std::to_string(range.low) + " à " + std::to_string(range.high) + ".");
}

}  // namespace cli
