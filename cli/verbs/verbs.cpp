// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/verbs/verbs.h"

#include <algorithm>
#include <array>

namespace cli {

namespace {

// Where a network's or a divider's parts come from.
constexpr Option Serie{.name = "--serie", .takes = Takes::Series};
constexpr Option De{.name = "--de"};
constexpr Option A{.name = "--a"};
constexpr Option Stock{.name = "--stock", .takes = Takes::File};
constexpr Option Valeurs{.name = "--valeurs"};
constexpr Option Cms{.name = "--cms", .alias = "--smd", .takes = Takes::Nothing};
constexpr Option Tolerance{.name = "--tolerance", .takes = Takes::Tolerance};

constexpr std::array<Option, 4> TrouverOptions{{
    {.name = "--bandes", .takes = Takes::Count, .low = 4, .high = 6},
    Tolerance,
    {.name = "--coefficient", .takes = Takes::Coefficient},
    Cms,
}};
constexpr Option Marge{.name = "--marge"};
constexpr Option Puissance{.name = "--puissance"};
constexpr std::array<Option, 11> CombinerOptions{{
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    {.name = "--parties", .takes = Takes::Count, .low = 1, .high = 4},
    {.name = "--nombre", .takes = Takes::Count, .low = 1, .high = 20},
    {.name = "--tension"},
    {.name = "--courant"},
    Marge,
    Puissance,
}};
constexpr Option ToleranceEntree{.name = "--tolerance-entree"};
constexpr std::array<Option, 25> DiviseurOptions{{
    {.name = "--reference"},
    {.name = "--ajustable"},
    {.name = "--gain"},
    {.name = "--rapport"},
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    {.name = "--parties", .takes = Takes::Count, .low = 1, .high = 2},
    {.name = "--nombre", .takes = Takes::Count, .low = 1, .high = 20},
    {.name = "--total-min"},
    {.name = "--total-max"},
    Tolerance,
    {.name = "--charge"},
    {.name = "--fixe-r1"},
    {.name = "--fixe-r2"},
    {.name = "--courant-broche"},
    {.name = "--courant-broche-max"},
    {.name = "--courant-max"},
    {.name = "--courant-min"},
    {.name = "--tolerance-reference"},
    ToleranceEntree,
    Marge,
    Puissance,
}};
constexpr std::array<Option, 10> LedOptions{{
    {.name = "--leds", .takes = Takes::Count, .low = 1, .high = 20},
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
    {.name = "--nomenclature", .alias = "--bom", .takes = Takes::File},
    {.name = "--format", .takes = Takes::Choice, .choices = "svg pdf"},
    {.name = "--sortie", .alias = "--output", .takes = Takes::File},
    {.name = "--page", .takes = Takes::Choice, .choices = "A4 Letter"},
    {.name = "--grille"},
    {.name = "--taille"},
    {.name = "--marges"},
}};
constexpr std::array<Option, 1> VerifierOptions{{{.name = "--mesure"}}};
constexpr std::array<Option, 1> VecteursOptions{{Cms}};

constexpr std::array<Verb, 8> Verbs{{
    {
        .name = "lire",
        .english = "read",
        .usage = "  lire COULEUR...                  (read) valeur, tolérance et limites d'une "
                 "résistance\n"
                 "                                   de 3 à 6 bagues, lue dans les deux sens\n"
                 "  lire MARQUAGE                    (read) marquage d'une résistance CMS (472, "
                 "4701, 4R7,\n"
                 "                                   01C), lu aussi retourné\n",
        .words = Takes::Colours,
        .run = lire,
    },
    {
        .name = "trouver",
        .english = "find",
        .usage = "  trouver VALEUR [--bandes 4|5|6] [--tolerance T] [--coefficient PPM]\n"
                 "                                   (find) bagues d'une valeur normalisée, ou des "
                 "valeurs\n"
                 "                                   normalisées les plus proches avec l'écart\n"
                 "  trouver VALEUR --cms [--tolerance T]\n"
                 "                                   (find --smd) marquages CMS de la valeur, et "
                 "des valeurs\n"
                 "                                   normalisées les plus proches si elle n'en est "
                 "pas une\n",
        .words = Takes::Text,
        .options = TrouverOptions,
        .run = trouver,
    },
    {
        .name = "verifier",
        .english = "check",
        .otherSpelling = "vérifier",
        .usage =
            "  verifier COULEUR... --mesure VALEUR\n"
            "                                   (check) la mesure est-elle dans la tolérance ?\n",
        .words = Takes::Colours,
        .options = VerifierOptions,
        .run = verifier,
    },
    {
        .name = "vecteurs",
        .english = "vectors",
        .usage = "  vecteurs [--cms]                 (vectors) vecteurs de test CSV de toutes les "
                 "séries,\n"
                 "                                   en bagues ou en marquages CMS\n",
        .words = Takes::Nothing,
        .options = VecteursOptions,
        .run = vecteurs,
    },
    {
        .name = "combiner",
        .english = "combine",
        .usage =
            "  combiner VALEUR [--serie E24] [--de 1] [--a 10M] [--parties 3] [--nombre 1]\n"
            "  combiner VALEUR --stock FICHIER | --valeurs 4k7,10k,220\n"
            "      [--tension U | --courant I] [--marge 50] [--puissance 1/4]\n"
            "                                   (la puissance de chaque partie)\n"
            "                                   (combine) meilleurs réseaux série-parallèle de 1 à "
            "4\n"
            "                                   résistances d'une série ou d'un stock, avec leurs "
            "bagues\n",
        .words = Takes::Text,
        .options = CombinerOptions,
        .run = combiner,
    },
    {
        .name = "diviseur",
        .english = "divider",
        .usage =
            "  diviseur VENTRÉE VSORTIE         (divider) pont diviseur : Vs = Ve × R2 / (R1 + "
            "R2),\n"
            "                                   R1 de l'entrée à la sortie, R2 de la sortie à la "
            "masse\n"
            "  diviseur --reference VREF VSORTIE\n"
            "                                   contre-réaction d'un régulateur : Vs = Vréf × (1 + "
            "R1 / "
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
            "                                   meilleures paires, avec l'écart, le total, le pire "
            "cas\n"
            "                                   à la tolérance et les bagues ; une paire aux "
            "mêmes\n"
            "                                   valeurs à une puissance de dix près n'est donnée "
            "qu'une\n"
            "                                   fois. Tensions : 5, 3,3, 3V3, \"3,3 V\", 500mV\n",
        .words = Takes::Text,
        .options = DiviseurOptions,
        .run = diviseur,
    },
    {
        .name = "led",
        .english = "led",
        .usage =
            "  led VALIM VF COURANT [--leds N] [--serie E24] [--de 1] [--a 10M]\n"
            "      | --stock FICHIER | --valeurs 47,68,100 [--tolerance T] [--tolerance-entree P]\n"
            "      [--marge 50] [--puissance 1/4]\n"
            "                                   résistance série d'une LED ou de N en série :\n"
            "                                   R = (Valim − N × Vf) / I ; la valeur normalisée "
            "au-dessus\n"
            "                                   et celle en dessous, avec leur courant, leurs "
            "puissances\n"
            "                                   et leurs bagues. Courants : 20m, 20mA, \"20 mA\", "
            "0,02, "
            "50µA\n",
        .words = Takes::Text,
        .options = LedOptions,
        .run = led,
    },
    {
        .name = "etiquettes",
        .english = "labels",
        .otherSpelling = "étiquettes",
        .usage = "  etiquettes [--serie E12] [--de 10] [--a 1M] | --valeurs 4k7,10k,220\n"
                 "      | --stock FICHIER | --nomenclature FICHIER.csv\n"
                 "      [--format svg|pdf] [--sortie FICHIER] [--page A4|Letter]\n"
                 "      [--grille 3x8 | --taille 48x17] [--marges 0] (en mm)\n"
                 "                                   (labels) étiquettes des tiroirs ou d'un kit : "
                 "la valeur,\n"
                 "                                   ses bagues en 4 et 5 avec l'initiale de "
                 "chaque couleur,\n"
                 "                                   ses marquages CMS et, d'une nomenclature (CSV "
                 "exporté\n"
                 "                                   par un logiciel de CAO), ses repères et leur "
                 "nombre.\n"
                 "                                   Le PDF ne s'écrit jamais dans un terminal\n",
        .words = Takes::Nothing,
        .options = EtiquettesOptions,
        .run = etiquettes,
    },
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
