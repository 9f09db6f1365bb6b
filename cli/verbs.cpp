// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/verbs.h"

#include <algorithm>
#include <array>

namespace cli {

namespace {

// Where a network's or a divider's parts come from.
constexpr Option Serie{"--serie", {}, Takes::Series};
constexpr Option De{"--de"};
constexpr Option A{"--a"};
constexpr Option Stock{"--stock", {}, Takes::File};
constexpr Option Valeurs{"--valeurs"};
constexpr Option Cms{"--cms", "--smd", Takes::Nothing};
constexpr Option Tolerance{"--tolerance", {}, Takes::Tolerance};

constexpr std::array<Option, 4> TrouverOptions{{
    {"--bandes", {}, Takes::Count, 4, 6},
    Tolerance,
    {"--coefficient", {}, Takes::Coefficient},
    Cms,
}};
constexpr Option Marge{"--marge"};
constexpr Option Puissance{"--puissance"};
constexpr std::array<Option, 11> CombinerOptions{{
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    {"--parties", {}, Takes::Count, 1, 4},
    {"--nombre", {}, Takes::Count, 1, 20},
    {"--tension"},
    {"--courant"},
    Marge,
    Puissance,
}};
constexpr Option ToleranceEntree{"--tolerance-entree"};
constexpr std::array<Option, 25> DiviseurOptions{{
    {"--reference"},
    {"--ajustable"},
    {"--gain"},
    {"--rapport"},
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    {"--parties", {}, Takes::Count, 1, 2},
    {"--nombre", {}, Takes::Count, 1, 20},
    {"--total-min"},
    {"--total-max"},
    Tolerance,
    {"--charge"},
    {"--fixe-r1"},
    {"--fixe-r2"},
    {"--courant-broche"},
    {"--courant-broche-max"},
    {"--courant-max"},
    {"--courant-min"},
    {"--tolerance-reference"},
    ToleranceEntree,
    Marge,
    Puissance,
}};
constexpr std::array<Option, 10> LedOptions{{
    {"--leds", {}, Takes::Count, 1, 20},
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    Tolerance,
    ToleranceEntree,
    Marge,
    Puissance,
}};
constexpr std::array<Option, 12> EtiquettesOptions{{
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    {"--nomenclature", "--bom", Takes::File},
    {"--format", {}, Takes::Choice, 0, 0, false, "svg pdf"},
    {"--sortie", "--output", Takes::File},
    {"--page", {}, Takes::Choice, 0, 0, false, "A4 Letter"},
    {"--grille"},
    {"--taille"},
    {"--marges"},
}};
constexpr std::array<Option, 1> VerifierOptions{{{"--mesure"}}};
constexpr std::array<Option, 1> VecteursOptions{{Cms}};

constexpr std::array<Verb, 8> Verbs{{
    {"lire",
     "read",
     {},
     "  lire COULEUR...                  (read) valeur, tolérance et limites d'une résistance\n"
     "                                   de 3 à 6 bagues, lue dans les deux sens\n"
     "  lire MARQUAGE                    (read) marquage d'une résistance CMS (472, 4701, 4R7,\n"
     "                                   01C), lu aussi retourné\n",
     Takes::Colours,
     {},
     lire},
    {"trouver",
     "find",
     {},
     "  trouver VALEUR [--bandes 4|5|6] [--tolerance T] [--coefficient PPM]\n"
     "                                   (find) bagues d'une valeur normalisée, ou des valeurs\n"
     "                                   normalisées les plus proches avec l'écart\n"
     "  trouver VALEUR --cms [--tolerance T]\n"
     "                                   (find --smd) marquages CMS de la valeur, et des valeurs\n"
     "                                   normalisées les plus proches si elle n'en est pas une\n",
     Takes::Text,
     TrouverOptions,
     trouver},
    {"verifier", "check", "vérifier",
     "  verifier COULEUR... --mesure VALEUR\n"
     "                                   (check) la mesure est-elle dans la tolérance ?\n",
     Takes::Colours, VerifierOptions, verifier},
    {"vecteurs",
     "vectors",
     {},
     "  vecteurs [--cms]                 (vectors) vecteurs de test CSV de toutes les séries,\n"
     "                                   en bagues ou en marquages CMS\n",
     Takes::Nothing,
     VecteursOptions,
     vecteurs},
    {"combiner",
     "combine",
     {},
     "  combiner VALEUR [--serie E24] [--de 1] [--a 10M] [--parties 3] [--nombre 1]\n"
     "  combiner VALEUR --stock FICHIER | --valeurs 4k7,10k,220\n"
     "      [--tension U | --courant I] [--marge 50] [--puissance 1/4]\n"
     "                                   (la puissance de chaque partie)\n"
     "                                   (combine) meilleurs réseaux série-parallèle de 1 à 4\n"
     "                                   résistances d'une série ou d'un stock, avec leurs "
     "bagues\n",
     Takes::Text,
     CombinerOptions,
     combiner},
    {"diviseur",
     "divider",
     {},
     "  diviseur VENTRÉE VSORTIE         (divider) pont diviseur : Vs = Ve × R2 / (R1 + R2),\n"
     "                                   R1 de l'entrée à la sortie, R2 de la sortie à la masse\n"
     "  diviseur --reference VREF VSORTIE\n"
     "                                   contre-réaction d'un régulateur : Vs = Vréf × (1 + R1 / "
     "R2)\n"
     "  diviseur --ajustable VREF VSORTIE\n"
     "                                   régulateur ajustable à trois broches :\n"
     "                                   Vs = Vréf × (1 + R2 / R1) + Iadj × R2\n"
     "  diviseur --gain G                amplificateur non inverseur : G = 1 + R1 / R2\n"
     "  diviseur --rapport Q             le rapport R1 / R2 lui-même\n"
     "      [--serie E24] [--de 1] [--a 10M] | --stock FICHIER | --valeurs 4k7,10k,220\n"
     "      [--parties 1|2] (par branche) [--nombre 3] [--total-min 1k] [--total-max 1M]\n"
     "      [--tolerance T] (défaut : celle de la série, 1 % pour un stock)\n"
     "      [--charge R] (de la sortie à la masse) [--fixe-r1 R | --fixe-r2 R]\n"
     "      [--courant-broche I] [--courant-broche-max I] (pire cas de 0 à I)\n"
     "      [--courant-max I] [--courant-min I] (tirés de l'entrée, ou de la sortie)\n"
     "      [--tolerance-entree P | --tolerance-reference P] [--marge 50] (en %)\n"
     "      [--puissance 1/4] (celle des parties)\n"
     "                                   meilleures paires, avec l'écart, le total, le pire cas\n"
     "                                   à la tolérance et les bagues ; une paire aux mêmes\n"
     "                                   valeurs à une puissance de dix près n'est donnée qu'une\n"
     "                                   fois. Tensions : 5, 3,3, 3V3, \"3,3 V\", 500mV\n",
     Takes::Text,
     DiviseurOptions,
     diviseur},
    {"led",
     "led",
     {},
     "  led VALIM VF COURANT [--leds N] [--serie E24] [--de 1] [--a 10M]\n"
     "      | --stock FICHIER | --valeurs 47,68,100 [--tolerance T] [--tolerance-entree P]\n"
     "      [--marge 50] [--puissance 1/4]\n"
     "                                   résistance série d'une LED ou de N en série :\n"
     "                                   R = (Valim − N × Vf) / I ; la valeur normalisée "
     "au-dessus\n"
     "                                   et celle en dessous, avec leur courant, leurs puissances\n"
     "                                   et leurs bagues. Courants : 20m, 20mA, \"20 mA\", 0,02, "
     "50µA\n",
     Takes::Text,
     LedOptions,
     led},
    {"etiquettes", "labels", "étiquettes",
     "  etiquettes [--serie E12] [--de 10] [--a 1M] | --valeurs 4k7,10k,220\n"
     "      | --stock FICHIER | --nomenclature FICHIER.csv\n"
     "      [--format svg|pdf] [--sortie FICHIER] [--page A4|Letter]\n"
     "      [--grille 3x8 | --taille 48x17] [--marges 0] (en mm)\n"
     "                                   (labels) étiquettes des tiroirs ou d'un kit : la valeur,\n"
     "                                   ses bagues en 4 et 5 avec l'initiale de chaque couleur,\n"
     "                                   ses marquages CMS et, d'une nomenclature (CSV exporté\n"
     "                                   par un logiciel de CAO), ses repères et leur nombre.\n"
     "                                   Le PDF ne s'écrit jamais dans un terminal\n",
     Takes::Nothing, EtiquettesOptions, etiquettes},
}};

}  // namespace

std::span<const Verb> verbs() {
    return Verbs;
}

const Verb* verbNamed(std::string_view name) {
    const auto named = std::find_if(Verbs.begin(), Verbs.end(), [&](const Verb& verb) {
        return !name.empty() &&
               (name == verb.name || name == verb.english || name == verb.otherSpelling);
    });
    return named == Verbs.end() ? nullptr : &*named;
}

}  // namespace cli
