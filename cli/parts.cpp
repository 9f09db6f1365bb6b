// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/parts.h"

#include <algorithm>
#include <array>
#include <variant>

#include "code/marking.h"

namespace cli {

namespace {

using code::Value;

// More values than this make the pair table too large to be quick.
constexpr std::size_t MostValues = 2000;
// A stock is a short list typed by a person, one value a line: anything
// larger is not one (a device, a log, a disc image).
constexpr std::size_t LongestLine = 256;

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

Drawer fromStock(const std::string& path, const StockFiles& stocks) {
    Drawer drawer;
    drawer.values = stockValues(stocks.read(path), path);
    drawer.described = "le stock " + printable(path);
    return drawer;
}

// "4k7,10k,220", or with semicolons where the values have decimal commas:
// "4,7k;10k;220".
Drawer fromList(const std::string& list) {
    const bool semicolons = list.find(';') != std::string::npos;
    Drawer drawer;
    std::string piece;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        const bool end = i == list.size() || list[i] == ';' || (!semicolons && list[i] == ',');
        if (!end) {
            piece += list[i];
            continue;
        }
        if (!trimmed(piece).empty()) {
            std::string why;
            const std::optional<Value> value = code::parseValue(piece, &why);
            if (!value) {
                complain("--valeurs : valeur illisible " + cli::quoted(trimmed(piece)) + " : " +
                         why + ". Exemples : --valeurs 4k7,10k,220 ou --valeurs \"4,7k;10k;220\".");
            }
            drawer.values.push_back(*value);
        }
        piece.clear();
    }
    if (drawer.values.empty()) {
        complain("--valeurs ne contient aucune valeur.");
    }
    drawer.described = "les valeurs données";
    return drawer;
}

Drawer fromSeries(const CommandLine& line) {
    const std::string name = line.option("--serie").value_or("E24");
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c == 'e' ? 'E' : c; });
    const code::Series* series = code::seriesNamed(upper);
    if (series == nullptr) {
        complain("série inconnue " + cli::quoted(name) +
                 ". Séries : E3, E6, E12, E24, E48, "
                 "E96, E192.");
    }
    const Value low = valueOf(line.option("--de").value_or("1"));
    const Value high = valueOf(line.option("--a").value_or("10M"));
    if (high < low) {
        complain("les limites sont à l'envers : --de " + low.french() + " est au-dessus de --a " +
                 high.french() + ".");
    }
    Drawer drawer{
        seriesBetween(*series, low, high),
        "la série " + std::string(series->name) + " de " + low.french() + " à " + high.french(),
        series};
    if (drawer.values.empty()) {
        complain("aucune valeur de la série " + std::string(series->name) + " entre " +
                 low.french() + " et " + high.french() + ".");
    }
    return drawer;
}

}  // namespace

std::vector<Value> stockValues(std::string_view text, std::string_view name) {
    if (text.size() > LargestStock) {
        complain("le stock " + cli::quoted(name) +
                 " dépasse 1 Mio : ce n'est pas une liste de valeurs.");
    }
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        text.remove_prefix(ByteOrderMark.size());
    }
    std::vector<Value> values;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::string where = printable(name) + ", ligne " + std::to_string(number);
        if (line.size() > LongestLine) {
            complain(where + " : ligne de plus de " + std::to_string(LongestLine) +
                     " octets ; un stock donne une valeur par ligne.");
        }
        const std::string_view value = trimmed(line.substr(0, line.find('#')));
        if (value.empty()) {
            continue;
        }
        std::string why;
        const std::optional<Value> read = code::parseValue(value, &why);
        if (!read) {
            std::string message = where;
            message += " : valeur illisible " + cli::quoted(value) + " : " + why + ".";
            complain(message);
        }
        values.push_back(*read);
    }
    if (values.empty()) {
        complain("le stock " + cli::quoted(name) + " ne contient aucune valeur.");
    }
    return values;
}

Drawer drawerOf(const CommandLine& line, const StockFiles& stocks) {
    const bool stock = line.has("--stock");
    const bool list = line.has("--valeurs");
    if (stock || list) {
        for (const std::string_view option : {"--serie", "--de", "--a", "--valeurs"}) {
            if (line.has(option) && !(option == "--valeurs" && !stock)) {
                complain(std::string(stock ? "--stock" : "--valeurs") + " ne va pas avec " +
                         std::string(option) + ".");
            }
        }
    }
    Drawer drawer = stock  ? fromStock(*line.option("--stock"), stocks)
                    : list ? fromList(*line.option("--valeurs"))
                           : fromSeries(line);
    std::sort(drawer.values.begin(), drawer.values.end());
    drawer.values.erase(std::unique(drawer.values.begin(), drawer.values.end()),
                        drawer.values.end());
    if (drawer.values.size() > MostValues) {
        complain(std::to_string(drawer.values.size()) + " valeurs, c'est trop : au plus " +
                 std::to_string(MostValues) + ". Resserrez --de et --a.");
    }
    return drawer;
}

int wholeNumber(const CommandLine& line, std::string_view option, int fallback, int low, int high,
                std::string_view what) {
    const std::optional<std::string> text = line.option(option);
    if (!text) {
        return fallback;
    }
    for (int n = low; n <= high; ++n) {
        if (*text == std::to_string(n)) {
            return n;
        }
    }
    complain(std::string(what) + " impossible " + cli::quoted(*text) + " : de " +
             std::to_string(low) + " à " + std::to_string(high) + ".");
}

std::string bandsOf(const Value& value, const code::Series* series,
                    std::optional<int> toleranceBasisPoints) {
    const bool threeDigits = series != nullptr ? series->digits == 3 : value.digits() > 2;
    int tolerance = threeDigits ? 100 : 500;
    if (toleranceBasisPoints) {
        tolerance = *toleranceBasisPoints;
    } else if (series != nullptr && series->toleranceBasisPoints <= 1000) {
        tolerance = series->toleranceBasisPoints;
    }
    // 0,59 Ω has no multiplier in five bands but reads in four.
    const std::array<int, 2> counts = threeDigits ? std::array{5, 4} : std::array{4, 5};
    for (const int bands : counts) {
        const code::Encoded encoded = code::encode(value, bands, tolerance);
        if (const auto* colours = std::get_if<std::vector<code::Colour>>(&encoded)) {
            return code::joined(*colours);
        }
    }
    return value.digits() > 3 ? "pas de bagues pour plus de trois chiffres"
                              : "impossible en 4 ou 5 bagues";
}

std::vector<std::vector<std::string>> commandsForInHand(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : std::string(text) + ' ') {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (!word.empty()) {
                words.push_back(std::move(word));
                word.clear();
            }
        } else {
            word += c;
        }
    }
    // Words without a digit are colours, even misspelt ones, so that the
    // complaint names the colour; a word that reads as a marking is one.
    const bool colours = !words.empty() && !code::looksLikeMarking(words.front());
    const bool marking = words.size() == 1 && std::holds_alternative<std::vector<code::Marking>>(
                                                  code::readMarking(words.front()));
    std::vector<std::string> asked{colours || marking ? "lire" : "trouver"};
    asked.insert(asked.end(), words.begin(), words.end());
    if (colours || marking) {
        return {asked};
    }
    std::vector<std::string> markings = asked;
    markings.emplace_back("--cms");
    return {asked, markings};
}

}  // namespace cli
