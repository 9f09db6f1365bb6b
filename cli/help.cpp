// SPDX-License-Identifier: GPL-3.0-or-later
// --help: every verb, option and spelling, in French; VERB --help: that verb.
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"

namespace cli {

bool verbHelp(std::string_view name, Answer& out) {
    const Verb* verb = verbNamed(name);
    if (verb == nullptr) {
        return false;
    }
    out << "Usage :\n" << verb->usage << "\nTout le reste : " << Program << " --help\n";
    return true;
}

void help(Answer& out) {
    out << "Usage : " << Program << " COMMANDE [ARGUMENTS]\n"
        << "\n"
        << "Commandes :\n";
    for (const Verb& verb : verbs()) {
        out << verb.usage;
    }
    out << "  COMMANDE --help                  l'aide de cette commande seule\n"
        << "\n"
        << "Couleurs : " << colourList() << " (majuscules ou minuscules).\n"
        << "  En anglais aussi : black, brown, red, orange, yellow, green, blue, violet ou "
           "purple,\n"
        << "  grey ou gray, white, gold, silver.\n"
        << "Marquages CMS : 3 chiffres (472 = 4,7 kΩ, ±5 %), 4 chiffres (4701, ±1 %),\n"
        << "  R pour la virgule (4R7, R47, 10R0, 0R22), EIA-96 (01C = 10 kΩ, 68X = 49,9 Ω, "
           "±1 %),\n"
        << "  0 ou 000 pour un strap.\n"
        << "Valeurs : 4700, 4,7k, 4.7k, 4k7, \"4,7 kΩ\", R47, 0,47, 2M2, 100R.\n"
        << "Tolérances : 10 %, 5 % (défaut à 4 bagues), 2 %, 1 % (défaut à 5 et 6 bagues),\n"
        << "  0,5 %, 0,25 %, 0,1 %, 0,05 %.\n"
        << "Séries : " << seriesNames() << ".\n"
        << "Stocks : un fichier d'une valeur par ligne (# pour un commentaire), 1 Mio au plus,\n"
        << "  ou - pour le lire sur l'entrée standard.\n"
        << "\n"
        << "Statut : 0 réponse donnée, 1 mesure hors tolérance (verifier), 2 entrée incorrecte.\n"
        << "  --help     cette aide\n"
        << "  --version  la version\n";
}

}  // namespace cli
