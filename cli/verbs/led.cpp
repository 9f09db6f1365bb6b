// SPDX-License-Identifier: GPL-3.0-or-later
// led: the series resistor of one LED or a string of them, from a supply, the
// LEDs' forward voltage and the current wished for: the nearest standard value
// that draws no more than the wish, and the nearest below it, each with its
// current, what it burns and its bands.
#include <algorithm>
#include <cmath>

#include "cli/part_source.h"
#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "notation/french.h"

namespace cli {

namespace {

using notation::Value;

struct Wish {
    double supply;
    double forward;  // of one LED
    double current;
    int leds;

    [[nodiscard]] double across() const { return supply - leds * forward; }
};

Wish wishOf(const CommandLine& line) {
    const std::vector<std::string> words = joinedUnits(line.words());
    if (words.size() != 3) {
        complain("il faut l'alimentation, la tension d'une LED et le courant. Exemple : " +
                 std::string(Program) + " led 5 2 20mA");
    }
    Wish wish{voltageOf(words[0], "tension d'alimentation"),
              voltageOf(words[1], "tension de la LED"), currentOf(words[2], "courant"),
              line.count("--leds", 1, "nombre de LED")};
    if (!(wish.across() > 0)) {
        complain("l'alimentation (" + volts(wish.supply) + ") doit dépasser la tension des LED (" +
                 std::to_string(wish.leds) + " × " + volts(wish.forward) + " = " +
                 volts(wish.leds * wish.forward) +
                 ") : montez l'alimentation ou mettez moins de LED en série (--leds).");
    }
    return wish;
}

void writeAnswer(Answer& out, int rank, const Value& value, const Wish& wish,
                 const PartSource& source, int tolerance, double inputFraction,
                 const searches::PowerRule& power) {
    const auto ohms = static_cast<double>(value.ohms());
    const double current = wish.across() / ohms;
    const bool above = current > wish.current * (1 + searches::SameDeviation);
    out << rank << ". " << value.french()
        << (above ? " (la plus proche en dessous) : " : " (la plus proche au-dessus) : ")
        << notation::frenchQuantity(current, "A")
        << (above ? ", au-dessus du courant souhaité" : "") << "\n";
    out << "   dans R : " << powerText(current * current * ohms, power)
        << " ; dans les LED : " << notation::frenchQuantity(wish.leds * wish.forward * current, "W")
        << "\n";
    const double off = tolerance / 10'000.0;
    const double lowest =
        (wish.supply * (1 - inputFraction) - wish.leds * wish.forward) / (ohms * (1 + off));
    const double highest =
        (wish.supply * (1 + inputFraction) - wish.leds * wish.forward) / (ohms * (1 - off));
    out << "   courant au pire à " << notation::frenchTolerance(tolerance);
    if (inputFraction > 0) {
        out << ", alimentation ±" << notation::frenchNumber(inputFraction * 100) << " %";
    }
    out << " : de " << notation::frenchQuantity(std::max(lowest, 0.0), "A") << " à "
        << notation::frenchQuantity(highest, "A") << "\n";
    out << "   " << value.french() << " : "
        << usualBands(
               value, source.series,
               tolerance <= notation::WidestBandTolerance ? std::optional(tolerance) : std::nullopt)
        << "\n";
}

}  // namespace

std::string ledUsage() {
    return "  led VALIM VF COURANT [--leds N] [--serie E24] [--de 1] [--a 10M]\n"
           "      | --stock FICHIER | --valeurs 47,68,100 [--tolerance T] [--tolerance-entree P]\n"
           "      [--marge 50] (% de la puissance nominale gardé libre) [--puissance 1/4]\n"
           "                                   résistance série d'une LED ou de N en série :\n"
           "                                   R = (Valim − N × Vf) / I ; la valeur normalisée "
           "au-dessus\n"
           "                                   et celle en dessous, avec leur courant, leurs "
           "puissances\n"
           "                                   et leurs bagues. Courants : 20m, 20mA, \"20 mA\", "
           "0,02, 50µA\n";
}

int led(const CommandLine& line, Answer& out, const InputFiles& files) {
    const Wish wish = wishOf(line);
    const double inputFraction = line.has("--tolerance-entree")
                                     ? percentOf(*line.option("--tolerance-entree"), "tolérance")
                                     : 0;
    const searches::PowerRule power = powerRuleOf(line);
    const PartSource source = partSourceOf(line, files);
    const int tolerance = line.has("--tolerance")    ? toleranceOf(*line.option("--tolerance"))
                          : source.series != nullptr ? source.series->toleranceBasisPoints
                                                     : 100;
    const double ideal = wish.across() / wish.current;
    // The values at or above the ideal draw no more than the wish.
    const auto above =
        std::find_if(source.values.begin(), source.values.end(), [&](const Value& v) {
            return static_cast<double>(v.ohms()) >= ideal * (1 - searches::SameDeviation);
        });
    std::vector<Value> answers;
    if (above != source.values.end()) {
        answers.push_back(*above);
    }
    if (above != source.values.begin()) {
        answers.push_back(*(above - 1));
    }
    out << "LED : " << volts(wish.supply) << ", " << wish.leds << " LED de " << volts(wish.forward)
        << ", " << notation::frenchQuantity(wish.current, "A") << " : R = (" << volts(wish.supply)
        << " − " << wish.leds << " × " << volts(wish.forward) << ") / "
        << notation::frenchQuantity(wish.current, "A") << " = "
        << notation::frenchApproximate(ideal) << ".\n";
    out << "Avec " << source.described << " :\n";
    int rank = 0;
    for (const Value& value : answers) {
        writeAnswer(out, ++rank, value, wish, source, tolerance, inputFraction, power);
    }
    return Done;
}

}  // namespace cli
