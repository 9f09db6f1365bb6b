// SPDX-License-Identifier: GPL-3.0-or-later
// combiner (combine): the best networks of one to four standard resistors, or
// of the values a person has, for any value.
#include <algorithm>
#include <fstream>
#include <variant>

#include "cli/commands.h"
#include "cli/support.h"
#include "cli/verbs.h"

namespace cli {

namespace {

using code::Value;

// More values than this make the pair table too large to be quick.
constexpr std::size_t MostValues = 2000;

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

// What the parts may be, and how to say it.
struct Drawer {
    std::vector<Value> values;
    std::string described;
    const code::Series* series = nullptr;  // nullptr for a person's own values
};

Drawer fromStock(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        complain("impossible de lire le stock " + quoted(path) + ".");
    }
    Drawer drawer;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string_view text = trimmed(std::string_view(line).substr(0, line.find('#')));
        if (text.empty()) {
            continue;
        }
        std::string why;
        const std::optional<Value> value = code::parseValue(text, &why);
        if (!value) {
            std::string message = path;
            message += ", ligne " + std::to_string(number) + " : valeur illisible ";
            message += quoted(text);
            message += " : " + why + ".";
            complain(message);
        }
        drawer.values.push_back(*value);
    }
    if (drawer.values.empty()) {
        complain("le stock " + quoted(path) + " ne contient aucune valeur.");
    }
    drawer.described = "le stock " + path;
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
                complain("--valeurs : valeur illisible " + quoted(trimmed(piece)) + " : " + why +
                         ". Exemples : --valeurs 4k7,10k,220 ou --valeurs \"4,7k;10k;220\".");
            }
            drawer.values.push_back(*value);
        }
        piece.clear();
    }
    if (drawer.values.empty()) {
        complain("--valeurs ne contient aucune valeur.");
    }
    drawer.described = "les valeurs donn\u00E9es";
    return drawer;
}

Drawer fromSeries(const CommandLine& line) {
    const std::string name = line.option("--serie").value_or("E24");
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c == 'e' ? 'E' : c; });
    const code::Series* series = code::seriesNamed(upper);
    if (series == nullptr) {
        complain("s\u00E9rie inconnue " + quoted(name) +
                 ". S\u00E9ries : E3, E6, E12, E24, E48, "
                 "E96, E192.");
    }
    const Value low = valueOf(line.option("--de").value_or("1"));
    const Value high = valueOf(line.option("--a").value_or("10M"));
    if (high < low) {
        complain("les limites sont \u00E0 l'envers : --de " + low.french() +
                 " est au-dessus de --a " + high.french() + ".");
    }
    Drawer drawer{seriesBetween(*series, low, high),
                  "la s\u00E9rie " + std::string(series->name) + " de " + low.french() +
                      " \u00E0 " + high.french(),
                  series};
    if (drawer.values.empty()) {
        complain("aucune valeur de la s\u00E9rie " + std::string(series->name) + " entre " +
                 low.french() + " et " + high.french() + ".");
    }
    return drawer;
}

Drawer drawerOf(const CommandLine& line) {
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
    Drawer drawer = stock  ? fromStock(*line.option("--stock"))
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
    complain(std::string(what) + " impossible " + quoted(*text) + " : de " + std::to_string(low) +
             " \u00E0 " + std::to_string(high) + ".");
}

// Four bands for two digits up to E24, five for three digits.
std::string bandsOf(const Value& value, const code::Series* series) {
    const bool threeDigits = series != nullptr ? series->digits == 3 : value.digits() > 2;
    const int bands = threeDigits ? 5 : 4;
    int tolerance = threeDigits ? 100 : 500;
    if (series != nullptr && series->toleranceBasisPoints <= 1000) {
        tolerance = series->toleranceBasisPoints;
    }
    const code::Encoded encoded = code::encode(value, bands, tolerance);
    if (const auto* colours = std::get_if<std::vector<code::Colour>>(&encoded)) {
        return code::joined(*colours);
    }
    return value.digits() > 3 ? "pas de bagues pour plus de trois chiffres"
                              : "impossible en " + std::to_string(bands) + " bagues";
}

}  // namespace

int combiner(std::span<const std::string> arguments, std::ostream& out) {
    const CommandLine line(
        arguments, {"--serie", "--de", "--a", "--stock", "--valeurs", "--parties", "--nombre"});
    if (line.words().empty()) {
        complain("quelle valeur ? Exemple : " + std::string(Program) + " combiner 5,3k");
    }
    const std::string text = line.joinedWords();
    if (text.front() == '-') {
        complain("la valeur \u00E0 obtenir doit \u00EAtre positive (" + quoted(text) + ").");
    }
    const Value target = valueOf(text);
    const int parts = wholeNumber(line, "--parties", 3, 1, 4, "nombre de parties");
    const int howMany = wholeNumber(line, "--nombre", 1, 1, 20, "nombre de r\u00E9seaux");
    const Drawer drawer = drawerOf(line);

    out << target.french() << " avec " << drawer.described << " :\n";
    const auto best = code::bestNetworks(drawer.values, target, parts, howMany);
    for (std::size_t count = 1; count <= best.size(); ++count) {
        out << count << (count == 1 ? " partie :\n" : " parties :\n");
        for (const code::Network& network : best[count - 1]) {
            out << "  " << networkLine(network, drawer.values, target) << "\n";
            for (const int part : network.distinctParts()) {
                const Value& value = drawer.values[static_cast<std::size_t>(part)];
                out << "    " << value.french() << " : " << bandsOf(value, drawer.series) << "\n";
            }
        }
    }
    return Done;
}

}  // namespace cli
