// SPDX-License-Identifier: GPL-3.0-or-later
// --help: every verb, option and spelling, in French; VERB --help: that verb.
#include <string>
#include <vector>

#include "cli/input_files.h"
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "notation/colour_code.h"
#include "notation/french.h"

namespace cli {

namespace {

// The help's lines stay within this many columns where a list is broken.
constexpr std::size_t HelpWidth = 87;

std::size_t columns(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;  // UTF-8 lead bytes
    }
    return count;
}

// `lead` then the items, with ", " between them and `end` after the last; a
// line is broken before an item that would pass HelpWidth, and the next
// lines indented by two.
std::string wrappedList(std::string_view lead, const std::vector<std::string>& items,
                        std::string_view end) {
    std::string text(lead);
    std::size_t width = columns(lead);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + std::string(i + 1 < items.size() ? "," : end);
        if (i > 0 && width + 1 + columns(item) > HelpWidth) {
            text += "\n  " + item;
            width = 2 + columns(item);
        } else {
            text += " " + item;
            width += 1 + columns(item);
        }
    }
    return text + "\n";
}

// "5 % (défaut à 4 bagues)": each tolerance of the code, with the bands it
// is the default of; the whole percents on one line, the fractions on the next.
std::string toleranceLines() {
    std::string wholes;
    std::string fractions;
    for (const int tolerance : notation::codeTolerances()) {
        std::string item = notation::frenchTolerance(tolerance).substr(2);  // without "±"
        if (tolerance == notation::UsualTwoDigitTolerance) {
            item += " (défaut à 4 bagues)";
        } else if (tolerance == notation::UsualThreeDigitTolerance) {
            item += " (défaut à 5 et 6 bagues)";
        }
        std::string& line = tolerance >= 100 ? wholes : fractions;  // 1 % and above
        line += (line.empty() ? "" : ", ") + item;
    }
    return "Tolérances : " + wholes + ",\n  " + fractions + ".\n";
}

}  // namespace

bool verbHelp(std::string_view name, Answer& out) {
    const Verb* verb = verbNamed(name);
    if (verb == nullptr) {
        return false;
    }
    out << "Usage :\n" << verb->usage() << "\nTout le reste : " << Program << " --help\n";
    return true;
}

void help(Answer& out) {
    out << "Usage : " << Program << " COMMANDE [ARGUMENTS]\n"
        << "\n"
        << "Commandes :\n";
    for (const Verb& verb : verbs()) {
        out << verb.usage();
    }
    out << "  COMMANDE --help                  l'aide de cette commande seule\n"
        << "\n"
        << "Couleurs : " << colourList() << " (majuscules ou minuscules).\n"
        << wrappedList("  En anglais aussi :", englishColourNames(), ".")
        << "Marquages CMS : 3 chiffres (472 = 4,7 kΩ, ±5 %), 4 chiffres (4701, ±1 %),\n"
        << "  R pour la virgule (4R7, R47, 10R0, 0R22), EIA-96 (01C = 10 kΩ, 68X = 49,9 Ω, "
           "±1 %),\n"
        << "  0 ou 000 pour un strap.\n"
        << "Valeurs : " << ValueExamples << ", 2M2, 100R.\n"
        << toleranceLines() << "Séries : " << seriesNames() << ".\n"
        << "Stocks : un fichier d'une valeur par ligne (# pour un commentaire), "
        << mebibytes(LargestStock) << " au plus,\n"
        << "  ou - pour le lire sur l'entrée standard.\n"
        << "\n"
        << "Statut : 0 réponse donnée, 1 mesure hors tolérance (verifier), 2 entrée incorrecte.\n"
        << "  --help     cette aide\n"
        << "  --version  la version\n";
}

}  // namespace cli
