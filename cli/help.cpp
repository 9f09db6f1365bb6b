// SPDX-License-Identifier: GPL-3.0-or-later
// --help: every verb, option and spelling, in French; VERB --help: that verb.
#include <algorithm>
#include <array>

#include "cli/support.h"
#include "cli/verbs.h"

namespace cli {

namespace {

struct VerbHelp {
    std::array<std::string_view, 3> names;  // French first, then the others
    std::string_view usage;
};

constexpr std::array<VerbHelp, 6> Verbs{{
    {{"lire", "read", ""},
     "  lire COULEUR...                  (read) valeur, tolérance et limites d'une "
     "résistance\n"
     "                                   de 3 à 6 bagues, lue dans les deux sens\n"
     "  lire MARQUAGE                    (read) marquage d'une résistance CMS (472, "
     "4701, 4R7,\n"
     "                                   01C), lu aussi retourné\n"},
    {{"trouver", "find", ""},
     "  trouver VALEUR [--bandes 4|5|6] [--tolerance T] [--coefficient PPM]\n"
     "                                   (find) bagues d'une valeur normalisée, ou des "
     "valeurs\n"
     "                                   normalisées les plus proches avec l'écart\n"
     "  trouver VALEUR --cms [--tolerance T]\n"
     "                                   (find --smd) marquages CMS de la valeur, et des "
     "valeurs\n"
     "                                   normalisées les plus proches si elle n'en est "
     "pas une\n"},
    {{"combiner", "combine", ""},
     "  combiner VALEUR [--serie E24] [--de 1] [--a 10M] [--parties 3] [--nombre 1]\n"
     "  combiner VALEUR --stock FICHIER | --valeurs 4k7,10k,220\n"
     "                                   (combine) meilleurs réseaux "
     "série-parallèle de 1 à 4\n"
     "                                   résistances d'une série ou d'un stock, "
     "avec leurs bagues\n"},
    {{"diviseur", "divider", ""},
     "  diviseur VENTRÉE VSORTIE        (divider) pont diviseur : Vs = Ve × R2 / (R1 + "
     "R2),\n"
     "                                   R1 de l'entrée à la sortie, R2 de la sortie "
     "à la masse\n"
     "  diviseur --reference VREF VSORTIE\n"
     "                                   contre-réaction d'un régulateur : Vs = "
     "Vréf × (1 + R1 / R2)\n"
     "  diviseur --gain G                amplificateur non inverseur : G = 1 + R1 / R2\n"
     "  diviseur --rapport Q             le rapport R1 / R2 lui-même\n"
     "      [--serie E24] [--de 1] [--a 10M] | --stock FICHIER | --valeurs 4k7,10k,220\n"
     "      [--parties 1|2] (par branche) [--nombre 3] [--total-min 1k] [--total-max 1M]\n"
     "      [--tolerance T] (défaut : celle de la série, 1 % pour un stock)\n"
     "                                   meilleures paires, avec l'écart, le total, le "
     "pire cas\n"
     "                                   à la tolérance et les bagues. Tensions : "
     "5, 3,3, 3V3,\n"
     "                                   \"3,3 V\", 500mV\n"},
    {{"verifier", "vérifier", "check"},
     "  verifier COULEUR... --mesure VALEUR\n"
     "                                   (check) la mesure est-elle dans la tolérance "
     "?\n"},
    {{"vecteurs", "vectors", ""},
     "  vecteurs [--cms]                 (vectors) vecteurs de test CSV de toutes les "
     "séries,\n"
     "                                   en bagues ou en marquages CMS\n"},
}};

}  // namespace

bool verbHelp(std::string_view verb, Answer& out) {
    for (const VerbHelp& entry : Verbs) {
        if (!verb.empty() &&
            std::find(entry.names.begin(), entry.names.end(), verb) != entry.names.end()) {
            out << "Usage :\n" << entry.usage << "\nTout le reste : " << Program << " --help\n";
            return true;
        }
    }
    return false;
}

void help(Answer& out) {
    out << "Usage : " << Program << " COMMANDE [ARGUMENTS]\n"
        << "\n"
        << "Commandes :\n";
    for (const VerbHelp& entry : Verbs) {
        out << entry.usage;
    }
    out << "  COMMANDE --help                  l'aide de cette commande seule\n"
        << "\n"
        << "Couleurs : " << colourList() << " (majuscules ou minuscules).\n"
        << "  En anglais aussi : black, brown, red, orange, yellow, green, blue, violet ou "
           "purple,\n"
        << "  grey ou gray, white, gold, silver.\n"
        << "Marquages CMS : 3 chiffres (472 = 4,7 kΩ, ±5 %), 4 chiffres (4701, ±1 %),\n"
        << "  R pour la virgule (4R7, R47, 10R0, 0R22), EIA-96 (01C = 10 kΩ, 68X = 49,9 "
           "Ω, ±1 %),\n"
        << "  0 ou 000 pour un strap.\n"
        << "Valeurs : 4700, 4,7k, 4.7k, 4k7, \"4,7 kΩ\", R47, 0,47, 2M2, 100R.\n"
        << "Tolérances : 10 %, 5 % (défaut à 4 bagues), 2 %, 1 % (défaut "
           "à 5 et 6 bagues),\n"
        << "  0,5 %, 0,25 %, 0,1 %, 0,05 %.\n"
        << "\n"
        << "Statut : 0 réponse donnée, 1 mesure hors tolérance (verifier), 2 "
           "entrée incorrecte.\n"
        << "  --help     cette aide\n"
        << "  --version  la version\n";
}

}  // namespace cli
