// SPDX-License-Identifier: GPL-3.0-or-later
// combiner (combine): the best networks of one to four standard resistors, or
// of the values a person has, for any value.
#include "cli/commands.h"
#include "cli/drawer.h"
#include "cli/printable.h"
#include "cli/readers.h"
#include "cli/verbs.h"
#include "cli/wording.h"
#include "code/power.h"

namespace cli {

using code::Value;

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

// "4,7 kΩ 2,61 mW (1/16 W), 1,2 kΩ ...": what each part burns, in the order
// the network is written.
std::string powerLine(const code::Network& network, const Drawer& drawer, const Across& across,
                      double margin) {
    const std::vector<double> watts =
        code::partPowers(network, drawer.values, across.volts(network.ohms()));
    const std::vector<int> parts = network.occurrences();
    std::string text;
    for (std::size_t i = 0; i < watts.size(); ++i) {
        text += (i == 0 ? "" : ", ") + drawer.values[static_cast<std::size_t>(parts[i])].french() +
                " " + powerText(watts[i], margin);
    }
    return text;
}

}  // namespace

int combiner(const CommandLine& line, Answer& out, const StockFiles& stocks) {
    if (line.words().empty()) {
        complain("quelle valeur ? Exemple : " + std::string(Program) + " combiner 5,3k");
    }
    const std::string text = line.joinedWords();
    if (text.front() == '-') {
        complain("la valeur à obtenir doit être positive (" + quoted(text) + ").");
    }
    const Value target = valueOf(text);
    const int parts = line.count("--parties", 3, "nombre de parties");
    const int howMany = line.count("--nombre", 1, "nombre de réseaux");
    const Drawer drawer = drawerOf(line, stocks);
    const std::optional<Across> across = acrossOf(line);
    const double margin = marginOf(line);

    out << target.french() << " avec " << drawer.described << " :\n";
    const auto best = code::bestNetworks(drawer.values, target, parts, howMany);
    for (std::size_t count = 1; count <= best.size(); ++count) {
        out << count << (count == 1 ? " partie :\n" : " parties :\n");
        for (const code::Network& network : best[count - 1]) {
            out << "  " << networkLine(network, drawer.values, target) << "\n";
            if (across) {
                out << "    puissance : " << powerLine(network, drawer, *across, margin) << "\n";
            }
            for (const int part : network.distinctParts()) {
                const Value& value = drawer.values[static_cast<std::size_t>(part)];
                out << "    " << value.french() << " : " << usualBands(value, drawer.series)
                    << "\n";
            }
        }
    }
    return Done;
}

}  // namespace cli
