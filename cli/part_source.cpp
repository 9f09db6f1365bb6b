// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/part_source.h"

#include <algorithm>
#include <variant>

#include "cli/readers.h"
#include "cli/stock.h"
#include "cli/wording.h"
#include "notation/reading.h"
#include "strings/terminal.h"
#include "strings/text.h"

namespace cli {

namespace {

using notation::Value;

// More values than this make the pair table too large to be quick.
constexpr std::size_t MostValues = 2000;

PartSource fromStock(const std::string& path, const InputFiles& files) {
    const bool standardInput = path == StandardInput;
    PartSource source;
    source.values =
        stockValues(files.read(path, "le stock"), standardInput ? "entrée standard" : path);
    source.described = standardInput ? "le stock lu sur l'entrée standard"
                                     : "le stock " + strings::printable(path);
    return source;
}

// "4k7,10k,220", or with semicolons where the values have decimal commas:
// "4,7k;10k;220".
PartSource fromList(const std::string& list) {
    const bool semicolons = list.find(';') != std::string::npos;
    PartSource source;
    std::string piece;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        const bool end = i == list.size() || list[i] == ';' || (!semicolons && list[i] == ',');
        if (!end) {
            piece += list[i];
            continue;
        }
        if (!strings::trimmed(piece).empty()) {
            const notation::Read<Value> read = notation::readValue(piece);
            if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
                complain("--valeurs : valeur illisible " +
                         strings::quoted(strings::trimmed(piece)) + " : " +
                         reasonFor(*problem, Quantity::Resistance) +
                         ". Exemples : --valeurs 4k7,10k,220 ou --valeurs \"4,7k;10k;220\".");
            }
            source.values.push_back(std::get<Value>(read));
        }
        piece.clear();
    }
    if (source.values.empty()) {
        complain("--valeurs ne contient aucune valeur.");
    }
    source.described = "les valeurs données";
    return source;
}

PartSource fromSeries(const CommandLine& line) {
    const std::string name = line.option("--serie").value_or("E24");
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c == 'e' ? 'E' : c; });
    const notation::Series* series = notation::seriesNamed(upper);
    if (series == nullptr) {
        complain("série inconnue " + strings::quoted(name) + ". Séries : " + seriesNames() + ".");
    }
    const Value low = valueOf(line.option("--de").value_or("1"));
    const Value high = valueOf(line.option("--a").value_or("10M"));
    if (high < low) {
        complain("les limites sont à l'envers : --de " + low.french() + " est au-dessus de --a " +
                 high.french() + ".");
    }
    PartSource source{
        notation::valuesBetween(*series, low, high),
        "la série " + std::string(series->name) + " de " + low.french() + " à " + high.french(),
        series};
    if (source.values.empty()) {
        complain("aucune valeur de la série " + std::string(series->name) + " entre " +
                 low.french() + " et " + high.french() + ".");
    }
    return source;
}

}  // namespace

PartSource partSourceOf(const CommandLine& line, const InputFiles& files) {
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
    PartSource source = stock  ? fromStock(*line.option("--stock"), files)
                        : list ? fromList(*line.option("--valeurs"))
                               : fromSeries(line);
    std::sort(source.values.begin(), source.values.end());
    source.values.erase(std::unique(source.values.begin(), source.values.end()),
                        source.values.end());
    if (source.values.size() > MostValues) {
        complain(std::to_string(source.values.size()) + " valeurs, c'est trop : au plus " +
                 std::to_string(MostValues) + ". Resserrez --de et --a.");
    }
    return source;
}

}  // namespace cli
