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
     "  lire COULEUR...                  (read) valeur, tol\u00E9rance et limites d'une "
     "r\u00E9sistance\n"
     "                                   de 3 \u00E0 6 bagues, lue dans les deux sens\n"
     "  lire MARQUAGE                    (read) marquage d'une r\u00E9sistance CMS (472, "
     "4701, 4R7,\n"
     "                                   01C), lu aussi retourn\u00E9\n"},
    {{"trouver", "find", ""},
     "  trouver VALEUR [--bandes 4|5|6] [--tolerance T] [--coefficient PPM]\n"
     "                                   (find) bagues d'une valeur normalis\u00E9e, ou des "
     "valeurs\n"
     "                                   normalis\u00E9es les plus proches avec l'\u00E9cart\n"
     "  trouver VALEUR --cms [--tolerance T]\n"
     "                                   (find --smd) marquages CMS de la valeur, et des "
     "valeurs\n"
     "                                   normalis\u00E9es les plus proches si elle n'en est "
     "pas une\n"},
    {{"combiner", "combine", ""},
     "  combiner VALEUR [--serie E24] [--de 1] [--a 10M] [--parties 3] [--nombre 1]\n"
     "  combiner VALEUR --stock FICHIER | --valeurs 4k7,10k,220\n"
     "                                   (combine) meilleurs r\u00E9seaux "
     "s\u00E9rie-parall\u00E8le de 1 \u00E0 4\n"
     "                                   r\u00E9sistances d'une s\u00E9rie ou d'un stock, "
     "avec leurs bagues\n"},
    {{"diviseur", "divider", ""},
     "  diviseur VENTR\u00C9E VSORTIE        (divider) pont diviseur : Vs = Ve \u00D7 R2 / (R1 + "
     "R2),\n"
     "                                   R1 de l'entr\u00E9e \u00E0 la sortie, R2 de la sortie "
     "\u00E0 la masse\n"
     "  diviseur --reference VREF VSORTIE\n"
     "                                   contre-r\u00E9action d'un r\u00E9gulateur : Vs = "
     "Vr\u00E9f \u00D7 (1 + R1 / R2)\n"
     "  diviseur --gain G                amplificateur non inverseur : G = 1 + R1 / R2\n"
     "  diviseur --rapport Q             le rapport R1 / R2 lui-m\u00EAme\n"
     "      [--serie E24] [--de 1] [--a 10M] | --stock FICHIER | --valeurs 4k7,10k,220\n"
     "      [--parties 1|2] (par branche) [--nombre 3] [--total-min 1k] [--total-max 1M]\n"
     "      [--tolerance T] (d\u00E9faut : celle de la s\u00E9rie, 1 % pour un stock)\n"
     "                                   meilleures paires, avec l'\u00E9cart, le total, le "
     "pire cas\n"
     "                                   \u00E0 la tol\u00E9rance et les bagues. Tensions : "
     "5, 3,3, 3V3,\n"
     "                                   \"3,3 V\", 500mV\n"},
    {{"verifier", "v\u00E9rifier", "check"},
     "  verifier COULEUR... --mesure VALEUR\n"
     "                                   (check) la mesure est-elle dans la tol\u00E9rance "
     "?\n"},
    {{"vecteurs", "vectors", ""},
     "  vecteurs [--cms]                 (vectors) vecteurs de test CSV de toutes les "
     "s\u00E9ries,\n"
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
        << "Marquages CMS : 3 chiffres (472 = 4,7 k\u03A9, \u00B1"
           "5 %), 4 chiffres (4701, \u00B1"
           "1 %),\n"
        << "  R pour la virgule (4R7, R47, 10R0, 0R22), EIA-96 (01C = 10 k\u03A9, 68X = 49,9 "
           "\u03A9, \u00B1"
           "1 %),\n"
        << "  0 ou 000 pour un strap.\n"
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

}  // namespace cli
