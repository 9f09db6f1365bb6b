// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/version.h"
#include "code/colour_code.h"
#include "code/series.h"

namespace cli {

namespace {

using code::BandProblem;
using code::Colour;
using code::Reading;
using code::Value;

constexpr std::string_view Program = "resistances-code";

// Thrown for bad input; run() turns it into a message and status 2.
struct Complaint {
    std::string message;
};

[[noreturn]] void complain(std::string message) {
    throw Complaint{std::move(message)};
}

std::string quoted(std::string_view text) {
    return "\u00AB " + std::string(text) + " \u00BB";
}

// The colours that mean something at a place, each as `describe` puts it.
template <typename Describe>
std::string colourList(Describe describe) {
    std::string list;
    for (const Colour colour : code::AllColours) {
        if (const std::optional<std::string> text = describe(colour)) {
            list += (list.empty() ? "" : ", ") + *text;
        }
    }
    return list;
}

std::string colourList() {
    return colourList(
        [](Colour colour) { return std::optional<std::string>(code::nameOf(colour)); });
}

std::string toleranceList() {
    return colourList([](Colour colour) -> std::optional<std::string> {
        const std::optional<int> tolerance = code::toleranceOf(colour);
        if (!tolerance) {
            return std::nullopt;
        }
        return std::string(code::nameOf(colour)) + " " + code::frenchTolerance(*tolerance);
    });
}

std::string coefficientList() {
    return colourList([](Colour colour) -> std::optional<std::string> {
               const std::optional<int> coefficient = code::tempCoefficientOf(colour);
               if (!coefficient) {
                   return std::nullopt;
               }
               return std::string(code::nameOf(colour)) + " " + std::to_string(*coefficient);
           }) +
           " ppm/\u00B0C";
}

std::string explain(const BandProblem& problem, int bandCount) {
    const std::string band = " (bague " + std::to_string(problem.position) + ")";
    switch (problem.kind) {
        case BandProblem::Kind::TooFewBands:
        case BandProblem::Kind::TooManyBands:
            return std::to_string(bandCount) + (bandCount > 1 ? " bagues" : " bague") +
                   " ; il en faut de 3 \u00E0 6.";
        case BandProblem::Kind::UnknownColour:
            return "couleur inconnue " + quoted(problem.word) + band +
                   ". Couleurs : " + colourList() +
                   " ; les noms anglais (black, brown, red...) sont accept\u00E9s aussi.";
        case BandProblem::Kind::NotADigit:
            return problem.word + " ne peut pas \u00EAtre un chiffre" + band +
                   ". Chiffres : NOIR (0) \u00E0 BLANC (9).";
        case BandProblem::Kind::ZeroFirstDigit:
            return "NOIR (0) ne peut pas \u00EAtre le premier chiffre" + band + ".";
        case BandProblem::Kind::NotAMultiplier:
            return problem.word + " ne peut pas \u00EAtre un multiplicateur" + band + ".";
        case BandProblem::Kind::NotATolerance:
            return problem.word + " n'est pas une tol\u00E9rance" + band +
                   ". Tol\u00E9rances : " + toleranceList() + ".";
        case BandProblem::Kind::NotATempCoefficient:
            return problem.word + " n'est pas un coefficient de temp\u00E9rature" + band +
                   ". Coefficients : " + coefficientList() + ".";
    }
    return "bagues illisibles.";
}

Reading readingOf(std::span<const std::string> words) {
    const code::Decoded decoded = code::decode(words);
    if (const auto* problem = std::get_if<BandProblem>(&decoded)) {
        complain(explain(*problem, static_cast<int>(words.size())));
    }
    return std::get<Reading>(decoded);
}

std::optional<Reading> reversedReadingOf(std::span<const std::string> words) {
    std::vector<std::string> reversed(words.rbegin(), words.rend());
    const code::Decoded decoded = code::decode(reversed);
    if (const auto* reading = std::get_if<Reading>(&decoded)) {
        return *reading;
    }
    return std::nullopt;
}

Value valueOf(std::string_view text) {
    std::string why;
    const std::optional<Value> value = code::parseValue(text, &why);
    if (!value) {
        complain("valeur illisible " + quoted(text) + " : " + why +
                 ". Exemples : 4700, 4,7k, 4.7k, 4k7, \"4,7 k\u03A9\", R47, 0,47.");
    }
    return *value;
}

std::string headline(const Reading& reading) {
    std::string text =
        reading.value.french() + " " + code::frenchTolerance(reading.toleranceBasisPoints);
    if (reading.tempCoefficient) {
        text += ", " + std::to_string(*reading.tempCoefficient) + " ppm/\u00B0C";
    }
    return text;
}

std::string limits(const Reading& reading) {
    return "min " + reading.value.scaledByBasisPoints(-reading.toleranceBasisPoints).french() +
           ", max " + reading.value.scaledByBasisPoints(reading.toleranceBasisPoints).french();
}

std::string standing(const Value& value) {
    if (const code::Series* series = code::coarsestSeriesHolding(value)) {
        return "valeur normalis\u00E9e de la s\u00E9rie " + std::string(series->name);
    }
    return "hors des s\u00E9ries normalis\u00E9es";
}

// The options of a command, and the words that are not options.
struct CommandLine {
    std::vector<std::string> words;
    std::vector<std::pair<std::string, std::string>> options;

    [[nodiscard]] std::optional<std::string> option(std::string_view name) const {
        for (const auto& [key, value] : options) {
            if (key == name) {
                return value;
            }
        }
        return std::nullopt;
    }
};

CommandLine split(std::span<const std::string> arguments,
                  std::initializer_list<std::string_view> known) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            line.words.push_back(argument);
            continue;
        }
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            std::string accepted;
            for (const std::string_view option : known) {
                accepted += (accepted.empty() ? "" : ", ") + std::string(option);
            }
            complain("option inconnue " + quoted(name) +
                     (accepted.empty() ? "; cette commande n'en prend aucune."
                                       : ". Options : " + accepted + "."));
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                complain("l'option " + name + " attend une valeur.");
            }
            value = arguments[++i];
        }
        if (line.option(name)) {
            complain("l'option " + name + " est donn\u00E9e deux fois.");
        }
        line.options.emplace_back(name, *value);
    }
    return line;
}

// "5%", "5 %", "±5%", "0,5", "0.25%": a tolerance that has a colour.
int toleranceOf(const std::string& text) {
    std::string number;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\u00B1") == 0) {
            ++i;
        } else if (text[i] != '%' && text[i] != ' ' && text[i] != '+') {
            number += text[i];
        }
    }
    const std::optional<Value> percent = code::parseValue(number);
    const std::vector<int> accepted{1000, 500, 200, 100, 50, 25, 10, 5};
    if (percent) {
        const Value basisPoints(percent->significand(), percent->exponent() + 2);
        for (const int candidate : accepted) {
            if (basisPoints == Value(candidate, 0)) {
                return candidate;
            }
        }
    }
    complain("tol\u00E9rance impossible " + quoted(text) +
             ". Tol\u00E9rances : 10 %, 5 %, 2 %, 1 %, 0,5 %, 0,25 %, 0,1 %, 0,05 %.");
}

int lire(std::span<const std::string> arguments, std::ostream& out) {
    const CommandLine line = split(arguments, {});
    const Reading reading = readingOf(line.words);
    const std::optional<Reading> reversed = reversedReadingOf(line.words);
    if (!reversed) {
        out << headline(reading) << "\n"
            << limits(reading) << "\n"
            << standing(reading.value) << "\n";
        return Done;
    }
    out << "\u00C0 l'endroit : " << headline(reading) << "\n  " << limits(reading) << " ; "
        << standing(reading.value) << "\n";
    out << "\u00C0 l'envers : " << headline(*reversed) << "\n  " << limits(*reversed) << " ; "
        << standing(reversed->value) << "\n";
    const bool forward = code::coarsestSeriesHolding(reading.value) != nullptr;
    const bool backward = code::coarsestSeriesHolding(reversed->value) != nullptr;
    if (forward && backward) {
        out << "Les deux lectures tombent sur une valeur normalis\u00E9e.\n";
    } else if (forward) {
        out << "Seule la lecture \u00E0 l'endroit tombe sur une valeur normalis\u00E9e.\n";
    } else if (backward) {
        out << "Seule la lecture \u00E0 l'envers tombe sur une valeur normalis\u00E9e.\n";
    } else {
        out << "Aucune des deux lectures ne tombe sur une valeur normalis\u00E9e.\n";
    }
    return Done;
}

std::string bandsOf(const Value& value, int bands, int tolerance, int coefficient) {
    const code::Encoded encoded = code::encode(value, bands, tolerance, coefficient);
    if (const auto* colours = std::get_if<std::vector<Colour>>(&encoded)) {
        return code::joined(*colours);
    }
    return "impossible avec " + std::to_string(bands) +
           " bagues (multiplicateur hors de x0,01 \u00E0 x1G)";
}

int trouver(std::span<const std::string> arguments, std::ostream& out) {
    const CommandLine line = split(arguments, {"--bandes", "--tolerance", "--coefficient"});
    if (line.words.empty()) {
        complain("quelle valeur ? Exemple : " + std::string(Program) + " trouver 4,7k");
    }
    std::string text;
    for (const std::string& word : line.words) {
        text += (text.empty() ? "" : " ") + word;
    }
    const Value value = valueOf(text);

    int bands = 4;
    if (const std::optional<std::string> option = line.option("--bandes")) {
        if (*option != "4" && *option != "5" && *option != "6") {
            complain("nombre de bagues impossible " + quoted(*option) + ". Nombres : 4, 5 ou 6.");
        }
        bands = std::stoi(*option);
    }
    const int tolerance = line.option("--tolerance") ? toleranceOf(*line.option("--tolerance"))
                                                     : (bands == 4 ? 500 : 100);
    int coefficient = 100;
    if (const std::optional<std::string> option = line.option("--coefficient")) {
        const std::optional<Value> ppm = code::parseValue(*option);
        const bool known =
            ppm && ppm->exponent() >= 0 && ppm->digits() <= 3 &&
            std::any_of(code::AllColours.begin(), code::AllColours.end(), [&](Colour c) {
                return code::tempCoefficientOf(c) && Value(*code::tempCoefficientOf(c), 0) == *ppm;
            });
        if (!known) {
            complain("coefficient de temp\u00E9rature impossible " + quoted(*option) +
                     ". Coefficients : " + coefficientList() + ".");
        }
        coefficient = static_cast<int>(ppm->ohms() + 0.5L);
    }

    const code::Series& series = *code::seriesForTolerance(tolerance);
    if (series.digits == 3 && bands == 4) {
        complain("une tol\u00E9rance de " + code::frenchTolerance(tolerance).substr(2) +
                 " va avec la s\u00E9rie " + std::string(series.name) +
                 ", dont les valeurs ont trois chiffres : utilisez --bandes 5 ou 6.");
    }
    const std::string described = std::to_string(bands) + " bagues : ";
    if (code::contains(series, value)) {
        out << value.french() << " " << code::frenchTolerance(tolerance) << " (s\u00E9rie "
            << series.name << ")\n"
            << described << bandsOf(value, bands, tolerance, coefficient) << "\n";
        return Done;
    }
    const code::Neighbours near = code::neighbours(series, value);
    out << value.french() << " n'est pas une valeur de la s\u00E9rie " << series.name << " ("
        << code::frenchTolerance(tolerance) << "). Les plus proches, en " << bands << " bagues :\n";
    for (const Value& neighbour : {near.below, near.above}) {
        out << "  " << neighbour.french() << " ("
            << code::frenchPercent(code::percentFrom(value, neighbour))
            << ") : " << bandsOf(neighbour, bands, tolerance, coefficient) << "\n";
    }
    return Done;
}

int verifier(std::span<const std::string> arguments, std::ostream& out) {
    const CommandLine line = split(arguments, {"--mesure"});
    const std::optional<std::string> measured = line.option("--mesure");
    const Reading reading = readingOf(line.words);
    if (!measured) {
        complain("il manque la mesure. Exemple : " + std::string(Program) +
                 " verifier marron noir rouge or --mesure 1030");
    }
    const Value measurement = valueOf(*measured);
    const long double deviation = code::percentFrom(reading.value, measurement);
    const Value low = reading.value.scaledByBasisPoints(-reading.toleranceBasisPoints);
    const Value high = reading.value.scaledByBasisPoints(reading.toleranceBasisPoints);
    const bool within = low <= measurement && measurement <= high;

    out << "Lecture : " << headline(reading) << " (" << limits(reading) << ")\n";
    out << "Mesure : " << measurement.french() << ", \u00E9cart " << code::frenchPercent(deviation);
    if (within) {
        out << " : dans la tol\u00E9rance.\n";
    } else {
        const long double beyond = (deviation < 0 ? -deviation : deviation) -
                                   static_cast<long double>(reading.toleranceBasisPoints) / 100.0L;
        out << " : hors tol\u00E9rance, de " << code::frenchPercent(beyond).substr(1)
            << " au-del\u00E0.\n";
    }

    const long double distance = deviation < 0 ? -deviation : deviation;
    bool better = false;
    if (const std::optional<Reading> reversed = reversedReadingOf(line.words)) {
        const long double reversedDeviation = code::percentFrom(reversed->value, measurement);
        if ((reversedDeviation < 0 ? -reversedDeviation : reversedDeviation) < distance) {
            out << "La lecture \u00E0 l'envers, " << headline(*reversed)
                << ", s'accorde mieux avec la mesure (\u00E9cart "
                << code::frenchPercent(reversedDeviation) << ").\n";
            better = true;
        }
    }
    const code::Series* series =
        code::seriesForTolerance(std::min(reading.toleranceBasisPoints, 2000));
    if (series != nullptr) {
        const code::Neighbours near = code::neighbours(*series, measurement);
        const long double below = code::percentFrom(near.below, measurement);
        const long double above = code::percentFrom(near.above, measurement);
        const bool belowIsNearer = (below < 0 ? -below : below) <= (above < 0 ? -above : above);
        const Value& nearest = belowIsNearer ? near.below : near.above;
        const long double nearestDeviation = belowIsNearer ? below : above;
        if (nearest != reading.value &&
            (nearestDeviation < 0 ? -nearestDeviation : nearestDeviation) < distance) {
            out << "La valeur normalis\u00E9e voisine " << nearest.french() << " (" << series->name
                << ") est plus proche de la mesure (\u00E9cart "
                << code::frenchPercent(nearestDeviation) << ").\n";
            better = true;
        }
    }
    if (!better) {
        out << "Ni la lecture \u00E0 l'envers ni une valeur normalis\u00E9e voisine ne s'accordent "
               "mieux.\n";
    }
    return within ? Done : OutOfTolerance;
}

int vecteurs(std::span<const std::string> arguments, std::ostream& out) {
    const CommandLine line = split(arguments, {});
    if (!line.words.empty()) {
        complain("la commande vecteurs ne prend pas d'argument (" + quoted(line.words.front()) +
                 ").");
    }
    out << code::testVectorsCsv();
    return Done;
}

void help(std::ostream& out) {
    out << "Usage : " << Program << " COMMANDE [ARGUMENTS]\n"
        << "\n"
        << "Commandes :\n"
        << "  lire COULEUR...                  (read) valeur, tol\u00E9rance et limites d'une "
           "r\u00E9sistance\n"
        << "                                   de 3 \u00E0 6 bagues, lue dans les deux sens\n"
        << "  trouver VALEUR [--bandes 4|5|6] [--tolerance T] [--coefficient PPM]\n"
        << "                                   (find) bagues d'une valeur normalis\u00E9e, ou des "
           "valeurs\n"
        << "                                   normalis\u00E9es les plus proches avec "
           "l'\u00E9cart\n"
        << "  verifier COULEUR... --mesure VALEUR\n"
        << "                                   (check) la mesure est-elle dans la tol\u00E9rance "
           "?\n"
        << "  vecteurs                         (vectors) vecteurs de test CSV de toutes les "
           "s\u00E9ries\n"
        << "\n"
        << "Couleurs : " << colourList() << " (majuscules ou minuscules).\n"
        << "  En anglais aussi : black, brown, red, orange, yellow, green, blue, violet ou "
           "purple,\n"
        << "  grey ou gray, white, gold, silver.\n"
        << "Valeurs : 4700, 4,7k, 4.7k, 4k7, \"4,7 k\u03A9\", R47, 0,47, 2M2, 100R.\n"
        << "Tol\u00E9rances : 10 %, 5 % (d\u00E9faut \u00E0 4 bagues), 2 %, 1 % (d\u00E9faut "
           "\u00E0 5 et 6 bagues),\n"
        << "  0,5 %, 0,25 %, 0,1 %, 0,05 %.\n"
        << "\n"
        << "Statut : 0 r\u00E9ponse donn\u00E9e, 1 mesure hors tol\u00E9rance (verifier), 2 "
           "entr\u00E9e incorrecte.\n"
        << "  --help     cette aide\n"
        << "  --version  la version\n";
}

}  // namespace

int run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    try {
        if (arguments.empty()) {
            help(err);
            complain("commande manquante.");
        }
        const std::string& command = arguments.front();
        const std::span<const std::string> rest = arguments.subspan(1);
        if (command == "--help" || command == "-h" || command == "aide") {
            help(out);
            return Done;
        }
        if (command == "--version") {
            out << Program << " " << Version << "\n";
            return Done;
        }
        if (command == "lire" || command == "read") {
            return lire(rest, out);
        }
        if (command == "trouver" || command == "find") {
            return trouver(rest, out);
        }
        if (command == "verifier" || command == "v\u00E9rifier" || command == "check") {
            return verifier(rest, out);
        }
        if (command == "vecteurs" || command == "vectors") {
            return vecteurs(rest, out);
        }
        complain("commande inconnue " + quoted(command) +
                 ". Commandes : lire (read), trouver (find), verifier (check), vecteurs (vectors) "
                 "; --help pour l'aide.");
    } catch (const Complaint& complaint) {
        err << Program << " : " << complaint.message << "\n";
        return BadInput;
    }
}

}  // namespace cli
