// SPDX-License-Identifier: GPL-3.0-or-later
// diviseur (divider): the best two legs R1 and R2 of standard resistors, or of
// a person's own, for a voltage divider, a regulator's feedback, the gain of
// a non-inverting amplifier, or a quotient R1 / R2.
#include <algorithm>
#include <cmath>

#include "cli/commands.h"
#include "cli/drawer.h"
#include "cli/printable.h"
#include "cli/readers.h"
#include "cli/verbs.h"
#include "cli/wording.h"
#include "code/divider.h"

namespace cli {

namespace {

using code::Goal;
using code::Value;

constexpr std::string_view Example = " diviseur 5 1,2";

// "3,3 V" may come as two arguments: a unit alone joins the number before it.
std::vector<std::string> voltageWords(const std::vector<std::string>& words) {
    std::vector<std::string> joined;
    for (const std::string& word : words) {
        const bool unit = word == "V" || word == "v" || word == "mV" || word == "mv";
        if (unit && !joined.empty()) {
            joined.back() += " " + word;
        } else {
            joined.push_back(word);
        }
    }
    return joined;
}

double voltageOf(std::string_view text, std::string_view what) {
    if (!text.empty() && text.front() == '-') {
        complain(std::string(what) + " négative " + quoted(text) +
                 " : les tensions se donnent positives.");
    }
    const code::Read<code::Voltage> read = code::readVoltage(text);
    if (const auto* problem = std::get_if<code::ReadProblem>(&read)) {
        if (*problem == code::ReadProblem::Zero) {
            complain(std::string(what) + " nulle " + quoted(text) +
                     " : une tension se donne au-dessus de 0.");
        }
        complain(std::string(what) + " illisible " + quoted(text) + " : " +
                 reasonFor(*problem, Quantity::Voltage) +
                 ". Exemples : 5, 3,3, 3.3, 3V3, \"3,3 V\", 500mV, 12V.");
    }
    return std::get<code::Voltage>(read).volts();
}

// A gain or a quotient: a plain decimal above `floor`.
double numberOf(std::string_view text, std::string_view what, double floor,
                std::string_view tooLow) {
    // A negative or zero number is one that is too low, not an unreadable one.
    const bool negative = !text.empty() && text.front() == '-';
    const code::Read<code::Decimal> read = code::readNumber(text.substr(negative ? 1 : 0));
    const auto* problem = std::get_if<code::ReadProblem>(&read);
    if (problem != nullptr && *problem != code::ReadProblem::Zero) {
        complain(std::string(what) + " illisible " + quoted(text) + " : " +
                 reasonFor(*problem, Quantity::Number) + ". Exemples : 11, 4,7, 2.5.");
    }
    const auto* number = std::get_if<code::Decimal>(&read);
    const double value = number != nullptr && !negative ? static_cast<double>(number->amount()) : 0;
    if (!(value > floor)) {
        complain(std::string(tooLow));
    }
    return value;
}

struct Asked {
    Goal goal;
    std::string headline;
};

Asked askedOf(const CommandLine& line) {
    const bool reference = line.has("--reference");
    const bool gain = line.has("--gain");
    const bool ratio = line.has("--rapport");
    if (int{reference} + int{gain} + int{ratio} > 1) {
        complain("--reference, --gain et --rapport sont trois façons de demander : une seule.");
    }
    const std::vector<std::string> words = voltageWords(line.words());
    if (gain || ratio) {
        if (!words.empty()) {
            complain(std::string(gain ? "--gain" : "--rapport") +
                     " ne prend pas de tension : " + quoted(words.front()) + " est de trop.");
        }
        if (gain) {
            const double g = numberOf(*line.option("--gain"), "gain", 1,
                                      "un gain de 1 ou moins est impossible : un amplificateur "
                                      "non inverseur a G = 1 + R1 / R2, au-dessus de 1.");
            return {Goal::gain(g),
                    "Amplificateur non inverseur de gain " + code::frenchNumber(g) +
                        " : G = 1 + R1 / R2 ; R1 de la sortie à l'entrée inverseuse, "
                        "R2 de l'entrée inverseuse à la masse."};
        }
        const double q = numberOf(*line.option("--rapport"), "rapport", 0,
                                  "le rapport R1 / R2 doit être au-dessus de 0.");
        return {Goal::ratio(q), "Rapport R1 / R2 de " + code::frenchNumber(q) + "."};
    }
    if (reference) {
        if (words.size() != 1) {
            complain("avec --reference, donnez la tension de sortie seule. Exemple : " +
                     std::string(Program) + " diviseur --reference 0,8 3,3");
        }
        const double vref = voltageOf(*line.option("--reference"), "tension de référence");
        const double vout = voltageOf(words[0], "tension de sortie");
        if (!(vref < vout)) {
            complain("la sortie (" + volts(vout) +
                     ") doit être au-dessus de la "
                     "référence (" +
                     volts(vref) + ") : Vs = Vréf × (1 + R1 / R2).");
        }
        return {Goal::feedback(vref, vout),
                "Contre-réaction pour " + volts(vout) + " sur une référence de " + volts(vref) +
                    " : Vs = Vréf × (1 + R1 / R2) ; R1 de la sortie à la broche de "
                    "contre-réaction, R2 de cette broche à la masse."};
    }
    if (words.size() != 2) {
        complain(
            "il faut deux tensions, l'entrée puis la sortie. Exemple : " + std::string(Program) +
            std::string(Example) + " ; ou --reference, --gain, --rapport.");
    }
    const double vin = voltageOf(words[0], "tension d'entrée");
    const double vout = voltageOf(words[1], "tension de sortie");
    if (!(vout < vin)) {
        complain("la sortie (" + volts(vout) + ") doit être en dessous de l'entrée (" + volts(vin) +
                 ") : un diviseur ne fait que baisser la tension.");
    }
    return {Goal::divider(vin, vout),
            "Diviseur de " + volts(vin) + " à " + volts(vout) +
                " : Vs = Ve × R2 / (R1 + R2) ; R1 de l'entrée à la sortie, R2 de la "
                "sortie à la masse."};
}

// What the pair gives, as the person asked for it.
std::string shown(const Goal& goal, double quantity) {
    switch (goal.kind()) {
        case Goal::Kind::Divider:
        case Goal::Kind::Feedback:
            return volts(quantity);
        case Goal::Kind::Gain:
        case Goal::Kind::Ratio:
            break;
    }
    return code::frenchNumber(quantity);
}

void writeAnswer(Answer& out, int rank, const Goal& goal, const code::Divider& divider,
                 const Drawer& drawer, int tolerance) {
    out << rank << ". R1 = " << networkText(divider.r1, drawer.values)
        << " ; R2 = " << networkText(divider.r2, drawer.values) << "\n";
    const double deviation = (divider.quantity - goal.wanted()) / goal.wanted() * 100;
    out << "   " << shown(goal, divider.quantity) << deviationText(deviation) << " ; total "
        << code::frenchApproximate(divider.total());
    if (goal.kind() == Goal::Kind::Divider) {
        out << ", " << code::frenchQuantity(goal.given() / divider.total(), "A")
            << " tirés de l'entrée";
    } else if (goal.kind() == Goal::Kind::Feedback) {
        out << ", " << code::frenchQuantity(divider.quantity / divider.total(), "A")
            << " tirés de la sortie";
    }
    const auto [low, high] = code::worstCase(goal, divider, tolerance);
    out << "\n   au pire à " << code::frenchTolerance(tolerance) << " : de " << shown(goal, low)
        << " à " << shown(goal, high) << "\n";
    if (!divider.otherTotals.empty()) {
        out << (divider.otherTotals.size() == 1 ? "   aussi au total de "
                                                : "   aussi aux totaux de ");
        for (std::size_t i = 0; i < divider.otherTotals.size(); ++i) {
            out << (i == 0                                ? ""
                    : i + 1 == divider.otherTotals.size() ? " et "
                                                          : ", ")
                << code::frenchApproximate(divider.otherTotals[i]);
        }
        out << " (les mêmes valeurs, à une puissance de dix près)\n";
    }
    std::vector<int> parts = divider.r1.distinctParts();
    const std::vector<int> more = divider.r2.distinctParts();
    parts.insert(parts.end(), more.begin(), more.end());
    std::sort(parts.begin(), parts.end(), std::greater<>());
    parts.erase(std::unique(parts.begin(), parts.end()), parts.end());
    for (const int part : parts) {
        const Value& value = drawer.values[static_cast<std::size_t>(part)];
        out << "   " << value.french() << " : "
            << usualBands(value, drawer.series,
                          tolerance <= 1000 ? std::optional(tolerance) : std::nullopt)
            << "\n";
    }
}

}  // namespace

int diviseur(const CommandLine& line, Answer& out, const StockFiles& stocks) {
    if (line.words().empty() && !line.has("--gain") && !line.has("--rapport") &&
        !line.has("--reference")) {
        complain("quelles tensions ? Exemple : " + std::string(Program) + std::string(Example) +
                 " ; ou --reference 0,8 3,3, --gain 11, --rapport 4,7.");
    }
    const Asked asked = askedOf(line);
    const int parts = line.count("--parties", 1, "nombre de parties par branche");
    const int howMany = line.count("--nombre", 3, "nombre de réponses");
    const Value lowest = valueOf(line.option("--total-min").value_or("1k"));
    const Value highest = valueOf(line.option("--total-max").value_or("1M"));
    if (highest < lowest) {
        complain("les totaux sont à l'envers : --total-min " + lowest.french() +
                 " est au-dessus de --total-max " + highest.french() + ".");
    }
    const Drawer drawer = drawerOf(line, stocks);
    const int tolerance = line.has("--tolerance")    ? toleranceOf(*line.option("--tolerance"))
                          : drawer.series != nullptr ? drawer.series->toleranceBasisPoints
                                                     : 100;

    const std::vector<code::Divider> found =
        code::bestDividers(drawer.values, asked.goal, parts, lowest, highest, howMany);
    if (found.empty()) {
        complain("aucune paire de branches de " + drawer.described + " n'a un total R1 + R2 de " +
                 lowest.french() + " à " + highest.french() + ".");
    }
    out << asked.headline << "\n";
    out << "Avec " << drawer.described << ", " << (parts == 1 ? "1 partie" : "1 ou 2 parties")
        << " par branche, R1 + R2 de " << lowest.french() << " à " << highest.french() << " :\n";
    int rank = 0;
    for (const code::Divider& divider : found) {
        writeAnswer(out, ++rank, asked.goal, divider, drawer, tolerance);
    }
    return Done;
}

}  // namespace cli
