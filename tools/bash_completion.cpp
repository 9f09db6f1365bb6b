// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the bash completion of resistances-code from its table of verbs, at
// build time, so that what is installed is never written by hand. With
// --table, prints the table the completion must agree with, for its test:
// a line a verb (its names), then a line an option (its names, then what
// Tab offers for its value).
#include <algorithm>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "labelling/sticker_sheets.h"
#include "notation/colour_code.h"
#include "notation/french.h"
#include "notation/series.h"
#include "strings/text.h"

namespace {

using cli::Takes;

std::vector<std::string> verbNames(const cli::Verb& verb) {
    std::vector<std::string> names{std::string(verb.name)};
    if (!verb.otherSpelling.empty()) {
        names.emplace_back(verb.otherSpelling);
    }
    if (verb.english != verb.name) {
        names.emplace_back(verb.english);
    }
    return names;
}

std::vector<std::string> optionNames(const cli::Option& option) {
    std::vector<std::string> names{std::string(option.name)};
    if (!option.alias.empty()) {
        names.emplace_back(option.alias);
    }
    return names;
}

std::string colours() {
    std::vector<std::string> names;
    for (const notation::Colour colour : notation::AllColours) {
        std::string name(notation::nameOf(colour));
        for (char& c : name) {
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
        names.push_back(name);
    }
    for (const char* english : {"black", "brown", "red", "yellow", "green", "blue", "purple",
                                "grey", "gray", "white", "gold", "silver"}) {
        names.emplace_back(english);
    }
    return strings::joined(names, " ");
}

// What Tab offers for an option's value; "-f" for file names; empty for
// nothing (free text).
std::string offers(const cli::Option& option) {
    std::vector<std::string> words;
    switch (option.takes) {
        case Takes::Nothing:
        case Takes::Text:
        case Takes::Colours:
            break;
        case Takes::File:
            return "-f";
        case Takes::Series:
            for (const notation::Series& series : notation::allSeries()) {
                words.emplace_back(series.name);
            }
            break;
        case Takes::Tolerance:
            for (const int tolerance : notation::codeTolerances()) {
                std::string step = notation::frenchTolerance(tolerance).substr(2);  // without "±"
                step.erase(step.find(' '), 1);
                words.push_back(step);
            }
            break;
        case Takes::Coefficient: {
            std::vector<int> ppms;
            for (const notation::Colour colour : notation::AllColours) {
                if (const std::optional<int> ppm = notation::tempCoefficientOf(colour)) {
                    ppms.push_back(*ppm);
                }
            }
            std::sort(ppms.begin(), ppms.end(), std::greater<>());
            for (const int ppm : ppms) {
                words.push_back(std::to_string(ppm));
            }
            break;
        }
        case Takes::Choice:
            return std::string(option.choices);
        case Takes::Sheet:
            for (const labelling::StickerSheet& sheet : labelling::stickerSheets()) {
                words.emplace_back(sheet.code);
            }
            break;
        case Takes::Count:
            // A few whole numbers are worth offering; a long range is not.
            for (int n = option.low; n <= option.high && option.high - option.low < 8; ++n) {
                words.push_back(std::to_string(n));
            }
            break;
    }
    return strings::joined(words, " ");
}

std::string pattern(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " | ") + name;
    }
    return text;
}

void writeTable(std::ostream& out) {
    for (const cli::Verb& verb : cli::verbs()) {
        out << "verb " << strings::joined(verbNames(verb), " ") << "\n";
        for (const cli::Option& option : verb.options) {
            if (option.takes != Takes::Nothing) {
                out << "value " << verb.name << " " << option.name << " " << offers(option) << "\n";
            }
            out << "option " << verb.name << " " << strings::joined(optionNames(option), " ")
                << "\n";
        }
    }
}

void writeCompletion(std::ostream& out) {
    std::vector<std::string> allVerbs;
    for (const cli::Verb& verb : cli::verbs()) {
        for (const std::string& name : verbNames(verb)) {
            allVerbs.push_back(name);
        }
    }
    out << R"(# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion for resistances-code: verbs, options, colours and the values
# each option takes. Written from the tool's table of verbs when it is built;
# loaded on demand by the bash-completion package.

# Offers the words of $1 that start with $2 (or, with -f, the file names),
# one a line, without process substitution, which needs /dev/fd.
_resistances_code_offer() {
    local offers
    if [[ $1 == -f ]]; then
        offers=$(compgen -f -- "$2")
    else
        offers=$(compgen -W "$1" -- "$2")
    fi
    local IFS=$'\n'
    COMPREPLY=()
    [[ -n $offers ]] && COMPREPLY=($offers)
}

_resistances_code() {
    local current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        _resistances_code_offer ")"
        << strings::joined(allVerbs, " ") << R"( --help --version" "$current"
        return
    fi

    local words="" options=""
    case ${COMP_WORDS[1]} in
)";
    for (const cli::Verb& verb : cli::verbs()) {
        out << "        " << pattern(verbNames(verb)) << ")\n";
        std::vector<std::string> names;
        bool valued = false;
        for (const cli::Option& option : verb.options) {
            for (const std::string& name : optionNames(option)) {
                names.push_back(name);
            }
            valued = valued || option.takes != Takes::Nothing;
        }
        if (valued) {
            out << "            case $previous in\n";
            for (const cli::Option& option : verb.options) {
                if (option.takes == Takes::Nothing) {
                    continue;
                }
                const std::string offered = offers(option);
                out << "                " << pattern(optionNames(option)) << ") "
                    << (offered.empty() ? std::string("return ;;\n")
                                        : "_resistances_code_offer " +
                                              (offered == "-f" ? offered : '"' + offered + '"') +
                                              " \"$current\"; return ;;\n");
            }
            out << "            esac\n";
        }
        out << "            options=\"" << strings::joined(names, " ") << "\"\n";
        if (verb.words == Takes::Colours) {
            out << "            words=\"" << colours() << "\"\n";
        }
        out << "            ;;\n";
    }
    out << R"(        *) return ;;
    esac
    options+="${options:+ }--help"
    if [[ $current == -* ]]; then
        _resistances_code_offer "$options" "$current"
    else
        _resistances_code_offer "$words" "$current"
    fi
}
complete -F _resistances_code resistances-code
)";
}

}  // namespace

// Usage: bash_completion FILE | bash_completion --table
int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (arguments.size() != 1) {
        std::cerr << "usage: bash_completion FILE | --table\n";
        return 2;
    }
    if (arguments[0] == "--table") {
        writeTable(std::cout);
        return 0;
    }
    std::ofstream file{std::string(arguments[0])};
    writeCompletion(file);
    return file ? 0 : 1;
}
