// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_support.h"

namespace {

using cli_test::Outcome;
using cli_test::run;

// From 5 V to 1,2 V R1 / R2 is 19/6: no two single E24 values give it, while
// 7,6 kΩ of two parts over 2,4 kΩ does, in 10 kΩ; and every way of asking answers.
TEST(Diviseur, TheBestPairsWithTheirWorstCaseAndBands) {
    EXPECT_NE(run({"diviseur", "5", "1,2"})
                  .out.find("1. R1 = 51 kΩ ; R2 = 16 kΩ\n"
                            "   1,19403 V, écart -0,50 %"),
              std::string::npos);
    const Outcome exact = run({"diviseur", "5 V", "1,2", "V", "--parties", "2", "--total-min",
                               "10k", "--total-max", "10k"});
    EXPECT_NE(exact.out.find("1. R1 = 7,5 kΩ + 100 Ω = 7,6 kΩ ; R2 = 2,4 kΩ\n"
                             "   1,2 V, exact ; total 10 kΩ, 500 µA tirés de "
                             "l'entrée\n"
                             "   au pire à ±5 % : de 1,11111 V à 1,29363 V\n"
                             "   puissance : R1 7,5 kΩ 1,875 mW (1/16 W), 100 Ω 25 µW (1/16 W) ; "
                             "R2 2,4 kΩ 600 µW (1/16 W)\n"
                             "   7,5 kΩ : VIOLET VERT ROUGE OR\n"
                             "   2,4 kΩ : ROUGE JAUNE ROUGE OR\n"
                             "   100 Ω : MARRON NOIR MARRON OR\n"),
              std::string::npos)
        << exact.out;
    const std::vector<std::pair<std::vector<std::string>, std::string>> answers{
        {{"diviseur", "--reference", "0V8", "3.3", "--serie", "E96"},
         "Contre-réaction pour 3,3 V sur une référence de 0,8 V"},
        {{"divider", "12V", "500mV", "--nombre", "1"},
         "1. R1 = 62 kΩ ; R2 = 2,7 kΩ\n   0,500773 V, écart +0,15 %"},
        {{"diviseur", "--gain", "11", "--valeurs", "1k,10k", "--nombre", "1"},
         "1. R1 = 10 kΩ ; R2 = 1 kΩ\n   11, exact ; total 11 kΩ\n"
         "   au pire à ±1 % : de 10,802 à 11,202\n   10 kΩ : MARRON NOIR ORANGE MARRON\n"},
        {{"diviseur", "--rapport", "4,7", "--serie", "E6", "--total-min", "1k", "--total-max",
          "2k"},
         "1. R1 = 1 kΩ ; R2 = 220 Ω\n   4,54545, écart -3,29 %"},
        // A current bound moves the default total out of its way, and every
        // answer draws what it asks at its own output.
        {{"diviseur", "--ajustable", "1,25", "5", "--courant-min", "5m", "--nombre", "1"},
         "R1 + R2 de 100 Ω (1 kΩ par défaut, déplacé vers votre borne) à 1 MΩ, au moins 5 mA "
         "tirés de la sortie :\n1. R1 = 130 Ω ; R2 = 390 Ω\n   5 V, exact ; total 520 Ω, 9,61538 "
         "mA"},
        {{"diviseur", "5", "1,2", "--charge", "100k", "--courant-max", "50µA", "--nombre", "1"},
         "1. R1 = 270 kΩ ; R2 = 560 kΩ\n   1,19556 V, écart -0,37 % ; total 830 kΩ, 14,0905 µA"},
        // Far off the wish: said, with the bounds to blame and what each would give.
        {{"diviseur", "--ajustable", "1,25", "5", "--total-min", "1k", "--total-max", "1k"},
         "Aucune réponse à ±5 % de 5 V : la meilleure s'en écarte de +38,89 %.\nEn cause : "
         "--total-min 1 kΩ. Sans cette borne : R1 = 130 Ω ; R2 = 390 Ω, 5 V, exact ; total 520 Ω, "
         "9,61538 mA tirés de la sortie.\nEn cause : --total-max 1 kΩ. Sans cette borne : R1 = 1 "
         "kΩ ; "
         "R2 = 3 kΩ, 5 V, exact ; total 4 kΩ, 1,25 mA tirés de la sortie.\n"},
        // A pin current keeps its sign.
        {{"diviseur", "--reference", "0,8", "3,3", "--courant-broche", "-2µA",
          "--courant-broche-max", "-1µA", "--nombre", "1"},
         "Avec un courant de broche de -2 µA.\n"},
        // Exactly half of 1/16 W fits it with the default margin.
        {{"led", "5", "2,5", "12,5m"}, "dans R : 31,25 mW (1/16 W)"},
        // 0,59 Ω cannot be written in five bands, but can in four.
        {{"combiner", "8k532", "--serie", "E48", "--de", "0,1", "--a", "0,6"},
         "0,59 Ω : VERT BLANC ARGENT ROUGE"},
        // Published designs: an LM2596-ADJ at 20 V, 0,8 V feedback with R2 = 100 kΩ, an
        // LM317 with R1 = 220 Ω at 8,5 V, without and with its 50 µA adjust current.
        {{"diviseur", "--reference", "1,23", "20", "--fixe-r2", "1k", "--serie", "E96"},
         "1. R1 = 15,4 kΩ ; R2 = 1 kΩ (fixée)\n   20,172 V"},
        {{"diviseur", "--reference", "0,8", "1,8", "--fixe-r2", "100k", "--serie", "E96"},
         "1. R1 = 124 kΩ ; R2 = 100 kΩ (fixée)"},
        {{"diviseur", "--reference", "0,8", "1,2", "--fixe-r2", "100k", "--serie", "E96"},
         "1. R1 = 49,9 kΩ ; R2 = 100 kΩ (fixée)"},
        {{"diviseur", "--ajustable", "1,25", "8,5", "--fixe-r1", "220"},
         "1. R1 = 220 Ω (fixée) ; R2 = 1,3 kΩ\n   8,63636 V"},
        {{"diviseur", "--ajustable", "1,25", "8,5", "--fixe-r1", "220", "--courant-broche", "50µA"},
         "1. R1 = 220 Ω (fixée) ; R2 = 1,3 kΩ\n   8,70136 V"},
        // With a 10 kΩ load, 20 kΩ over 20 kΩ gives a quarter, not half; the worst case
        // spans the reference and the pin current too.
        {{"divider", "10", "2,5", "--charge", "10k", "--valeurs", "10k,20k", "--nombre", "1"},
         "1. R1 = 20 kΩ ; R2 = 20 kΩ\n   2,5 V, exact"},
        {{"diviseur", "--reference", "0,8", "3,3", "--tolerance-reference", "1", "--serie", "E96",
          "--nombre", "1", "--courant-broche-max", "100n"},
         "au pire à ±1 %, référence ±1 %, courant de broche de 0 à 100 nA : de "},
        // 20 mA from 5 V through a 2 V LED: 150 Ω, then 130 Ω, which draws more.
        {{"led", "5", "2", "20", "mA", "--puissance", "1/16"},
         "1. 150 Ω (la plus proche au-dessus) : 20 mA\n   dans R : 60 mW (1/8 W, trop pour 1/16 W) "
         "; dans les LED : "
         "40 mW\n   courant au pire à ±5 % : de 19,0476 mA à 21,0526 mA\n   150 Ω : MARRON VERT "
         "MARRON OR\n2. 130 Ω (la plus proche en dessous) : 23,0769 mA, au-dessus du courant "
         "souhaité\n"},
        {{"combiner", "5,3k", "--valeurs", "4k7,1k2", "--courant", "1mA", "--nombre", "1"},
         "    puissance : 4,7 kΩ 4,7 mW (1/16 W), 1,2 kΩ 300 µW (1/16 W), 1,2 kΩ 300 µW "
         "(1/16 W)\n"},
    };
    for (const auto& [arguments, expected] : answers) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_NE(outcome.out.find(expected), std::string::npos) << outcome.out;
    }
}

TEST(Diviseur, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
        {{"diviseur", "5", "5"},
         "la sortie (5 V) doit être en dessous de l'entrée (5 V) : un diviseur ne fait "
         "que baisser la tension."},
        {{"divider", "0", "1"},
         "tension d'entrée nulle « 0 » : une tension se donne au-dessus de 0."},
        {{"diviseur", "-5", "1"},
         "tension d'entrée négative « -5 » : les tensions se donnent "
         "positives."},
        {{"diviseur", "5", "1V2x"},
         "tension de sortie illisible « 1V2x » : un caractère inattendu. Exemples : "
         "5, 3,3, 3.3, 3V3, \"3,3 V\", 500mV, 12V."},
        {{"diviseur", "--reference", "3,3", "0,8"},
         "la sortie (0,8 V) doit être au-dessus de la référence (3,3 V) : Vs = "
         "Vréf × (1 + R1 / R2)."},
        {{"diviseur", "--gain", "1"},
         "un gain de 1 ou moins est impossible : un amplificateur non inverseur a G = 1 + R1 / R2, "
         "au-dessus de 1."},
        {{"diviseur", "--rapport", "-4,7"}, "le rapport R1 / R2 doit être au-dessus de 0."},
        {{"diviseur", "--rapport", "1", "--total-min", "1M", "--total-max", "1k"},
         "les totaux sont à l'envers : --total-min 1 MΩ est au-dessus de --total-max "
         "1 kΩ."},
        {{"diviseur", "5", "1", "--parties", "3"},
         "nombre de parties par branche impossible « 3 » : de 1 à 2."},
        {{"diviseur", "--gain", "2", "--rapport", "1"},
         "--reference, --ajustable, --gain et --rapport sont quatre façons de demander : une "
         "seule."},
        {{"diviseur", "5"},
         "il faut deux tensions, l'entrée puis la sortie. Exemple : resistances-code "
         "diviseur 5 1,2 ; ou --reference, --ajustable, --gain, --rapport."},
        // What only some ways of asking take, and wishes that cannot be met.
        {{"diviseur", "--gain", "2", "--charge", "10k"},
         "--charge ne va pas ici : une charge se branche à la sortie d'un diviseur."},
        {{"diviseur", "5", "1", "--courant-broche", "50u"},
         "--courant-broche ne va pas ici : il va avec --reference ou --ajustable."},
        {{"diviseur", "--reference", "0,8", "3,3", "--tolerance-entree", "1"},
         "--tolerance-entree ne va pas ici : seul un diviseur a une tension d'entrée."},
        {{"diviseur", "5", "1", "--fixe-r1", "1k", "--fixe-r2", "1k"},
         "--fixe-r1 et --fixe-r2 ensemble ne laissent rien à chercher : fixez une branche au "
         "plus."},
        {{"diviseur", "--ajustable", "1,25", "1"},
         "la sortie (1 V) doit être au-dessus de la référence (1,25 V) : Vs = Vréf × (1 + R2 / "
         "R1)."},
        {{"diviseur", "5", "1", "--courant-max", "1mA", "--courant-min", "2mA"},
         "les courants sont à l'envers : --courant-min 2 mA est au-dessus de --courant-max 1 mA."},
        {{"diviseur", "5", "1", "--courant-min", "1mA", "--total-min", "100k"},
         "aucune paire de branches de la série E24 de 1 Ω à 10 MΩ n'a R1 + R2 de 100 kΩ à 1 MΩ, "
         "au moins 1 mA tirés de l'entrée. Sans --total-min 100 kΩ : R1 = 3 kΩ ; R2 = 750 Ω, 1 V, "
         "exact ; total 3,75 kΩ, 1,33333 mA tirés de l'entrée. Sans --courant-min 1 mA : R1 = "
         "300 kΩ ; R2 = 75 kΩ, 1 V, exact ; total 375 kΩ, 13,3333 µA tirés de l'entrée."},
        {{"diviseur", "5", "1", "--courant-max", "20 ampères"},
         "courant maximal illisible « 20 ampères » : un caractère inattendu. Exemples : 20m, "
         "20mA, \"20 mA\", 0,02, 50µ, 50u, 50µA."},
        {{"diviseur", "5", "1", "--tolerance-entree", "100"},
         "tolérance impossible « 100 » : un pourcentage de 0 à moins de 100. Exemples : 1, "
         "0,5 %, ±2 %."},
    });
}

}  // namespace
