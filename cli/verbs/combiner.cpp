// SPDX-License-Identifier: GPL-3.0-or-later
// combiner (combine): the best networks of one to four standard resistors, or
// of the values a person has, for any value.
#include "cli/part_source.h"
#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "searches/power.h"
#include "strings/terminal.h"

namespace cli {

using notation::Value;

namespace {

// What the network carries: a voltage across it, or a current through it.
struct Across {
    bool current;
    double amount;

    [[nodiscard]] double volts(double ohms) const { return current ? amount * ohms : amount; }
};

std::optional<Across> acrossOf(const CommandLine& line) {
    const std::optional<std::string> voltage = line.option("--tension");
    const std::optional<std::string> current = line.option("--courant");
    if (voltage && current) {
        complain("--tension et --courant disent la même chose : une seule.");
    }
    if (voltage) {
        return Across{false, voltageOf(*voltage, "tension")};
    }
    if (current) {
        return Across{true, currentOf(*current, "courant")};
    }
    return std::nullopt;
}

}  // namespace

std::string combinerUsage() {
    return "  combiner VALEUR [--serie E24] [--de 1] [--a 10M] [--parties 3] [--nombre 1]\n"
           "  combiner VALEUR --stock FICHIER | --valeurs 4k7,10k,220\n"
           "      [--tension U | --courant I] [--puissance 1/4]\n"
           "      [--marge 50] (% de la puissance nominale gardé libre)\n"
           "                                   (la puissance de chaque partie)\n"
           "                                   (combine) meilleurs réseaux série-parallèle de 1 "
           "à " +
           std::to_string(searches::MostNetworkParts) +
           "\n"
           "                                   résistances d'une série ou d'un stock, avec leurs "
           "bagues\n";
}

int combiner(const CommandLine& line, Answer& out, const InputFiles& files) {
    if (line.words().empty()) {
        complain("quelle valeur ? Exemple : " + std::string(Program) + " combiner 5,3k");
    }
    const std::string text = line.joinedWords();
    if (text.front() == '-') {
        complain("la valeur à obtenir doit être positive (" + strings::quoted(text) + ").");
    }
    const Value target = valueOf(text);
    const int parts = line.count("--parties", 3, "nombre de parties");
    const int howMany = line.count("--nombre", 1, "nombre de réseaux");
    const PartSource source = partSourceOf(line, files);
    const std::optional<Across> across = acrossOf(line);
    const searches::PowerRule rule = powerRuleOf(line);

    out << target.french() << " avec " << source.described << " :\n";
    const auto best = searches::bestNetworks(source.values, target, parts, howMany);
    for (std::size_t count = 1; count <= best.size(); ++count) {
        out << count << (count == 1 ? " partie :\n" : " parties :\n");
        for (const searches::Network& network : best[count - 1]) {
            out << "  " << networkLine(network, source.values, target) << "\n";
            if (across) {
                out << "    puissance : "
                    << partPowersText(network, source.values, across->volts(network.ohms()), rule)
                    << "\n";
            }
            for (const int part : network.distinctParts()) {
                const Value& value = source.values[static_cast<std::size_t>(part)];
                out << "    " << value.french() << " : " << usualBands(value, source.series)
                    << "\n";
            }
        }
    }
    return Done;
}

}  // namespace cli
