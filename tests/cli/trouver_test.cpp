// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_support.h"

namespace {

using cli_test::run;

TEST(Trouver, AStandardValueGetsItsBandsElseItsNeighbours) {
    EXPECT_EQ(run({"trouver", "4,7k"}).out,
              "4,7 kΩ ±5 % (série E24)\n4 bagues : JAUNE VIOLET ROUGE OR\n");
    EXPECT_EQ(run({"find", "4,8k"}).out,
              "4,8 kΩ n'est pas une valeur de la série E24 (±5 %). "
              "Les plus proches, en 4 bagues :\n"
              "  4,7 kΩ (-2,08 %) : JAUNE VIOLET ROUGE OR\n"
              "  5,1 kΩ (+6,25 %) : VERT MARRON ROUGE OR\n"
              "Avec deux résistances de la série E24 : 2,4 kΩ + 2,4 kΩ = 4,8 "
              "kΩ, exact\n");
    EXPECT_EQ(run({"trouver", "4k99", "--bandes", "5"}).out,
              "4,99 kΩ ±1 % (série E96)\n5 bagues : JAUNE BLANC BLANC MARRON MARRON\n");
    EXPECT_EQ(
        run({"trouver", "4,7", "kΩ", "--bandes=6", "--tolerance", "0,5%", "--coefficient", "25"})
            .out,
        "4,7 kΩ ±0,5 % (série E192)\n6 bagues : JAUNE VIOLET NOIR MARRON VERT JAUNE\n");
    EXPECT_EQ(run({"trouver", "R47", "--tolerance", "10 %"}).out,
              "0,47 Ω ±10 % (série E12)\n4 bagues : JAUNE VIOLET ARGENT ARGENT\n");
    // Every accepted spelling of 4,7 kΩ finds the same bands.
    for (const char* spelling : {"4,7k", "4.7k", "4k7", "4700", "4,7 kΩ", "4K7"}) {
        EXPECT_EQ(run({"trouver", spelling}).out, run({"trouver", "4,7k"}).out) << spelling;
    }
}

TEST(Trouver, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
        {{"trouver", "4x7"},
         "valeur illisible « 4x7 » : un caractère inattendu. Exemples : 4700, 4,7k, "
         "4.7k, "
         "4k7, \"4,7 kΩ\", R47, 0,47."},
        {{"trouver", "0"},
         "valeur illisible « 0 » : une valeur nulle. Exemples : 4700, 4,7k, 4.7k, 4k7, "
         "\"4,7 kΩ\", R47, 0,47."},
        {{"trouver"}, "quelle valeur ? Exemple : resistances-code trouver 4,7k"},
        {{"trouver", "4,7k", "--bandes", "7"},
         "nombre de bagues impossible « 7 ». Nombres : 4, 5 ou 6."},
        {{"trouver", "4,7k", "--tolerance", "3%"},
         "tolérance impossible « 3% ». Tolérances : 10 %, 5 %, 2 %, 1 %, 0,5 "
         "%, 0,25 %, 0,1 %, 0,05 %."},
        {{"trouver", "4,7k", "--tolerance", "1%"},
         "une tolérance de 1 % va avec la série E96, dont les valeurs ont trois chiffres "
         ": "
         "utilisez --bandes 5 ou 6."},
        {{"trouver", "4,7k", "--couleur", "rouge"},
         "option inconnue « --couleur ». Options : --bandes, --tolerance, "
         "--coefficient, --cms, --smd."},
        {{"trouver", "4,7k", "--bandes"}, "l'option --bandes attend une valeur."},
        {{"trouver", "4,7k", "--bandes", "5", "--bandes", "6"},
         "l'option --bandes est donnée deux fois."},
        {{"trouver", "4,567k", "--cms"},
         "aucun marquage ne peut écrire 4,567 kΩ : ni 3 chiffres (deux chiffres "
         "significatifs, jusqu'à 99 GΩ), ni 4 chiffres (trois chiffres significatifs), "
         "ni "
         "EIA-96 (valeurs de la série E96, de 0,1 Ω à 97,6 MΩ). Valeurs "
         "normalisées voisines : 4,3 kΩ (432, 4301) et 4,7 kΩ (472, 4701)."},
        {{"trouver", "4,7k", "--smd", "--bandes", "5"},
         "l'option --bandes ne va pas avec --cms : un marquage n'a pas de bagues."},
        {{"trouver", "4,7k", "--cms=oui"}, "l'option --cms ne prend pas de valeur."},
    });
}

}  // namespace
