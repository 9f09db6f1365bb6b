// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_support.h"

namespace {

using cli_test::Outcome;
using cli_test::run;

TEST(Lire, OneReadingWithLimitsAndSeries) {
    const Outcome outcome = run({"lire", "marron", "noir", "rouge", "or"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out,
              "1 kΩ ±5 %\nmin 950 Ω, max 1,05 kΩ\n"
              "valeur normalisée de la série E3\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(run({"read", "MARRON", "NOIR", "ROUGE", "OR"}).out, outcome.out);
    EXPECT_EQ(run({"read", "brown", "Black", "RED", "gold"}).out, outcome.out);
}

TEST(Lire, BothWaysWhenTheReversedCodeIsValidSayingWhichIsStandard) {
    const Outcome both = run({"lire", "rouge", "rouge", "marron", "marron"});
    EXPECT_EQ(both.out,
              "À l'endroit : 220 Ω ±1 %\n"
              "  min 217,8 Ω, max 222,2 Ω ; valeur normalisée de la série E3\n"
              "À l'envers : 1,1 kΩ ±2 %\n"
              "  min 1,078 kΩ, max 1,122 kΩ ; valeur normalisée de la série E24\n"
              "Les deux lectures tombent sur une valeur normalisée.\n");
    const Outcome one = run({"lire", "marron", "noir", "vert", "rouge"});
    EXPECT_NE(one.out.find("À l'endroit : 1 MΩ ±2 %"), std::string::npos) << one.out;
    EXPECT_NE(one.out.find("À l'envers : 25 Ω ±1 %"), std::string::npos) << one.out;
    EXPECT_NE(one.out.find("hors des séries normalisées"), std::string::npos) << one.out;
    EXPECT_NE(one.out.find("Seule la lecture à l'endroit tombe sur une valeur normalisée."),
              std::string::npos)
        << one.out;
    const Outcome six = run({"lire", "marron", "noir", "noir", "marron", "marron", "rouge"});
    EXPECT_EQ(six.out.substr(0, six.out.find('\n')), "1 kΩ ±1 %, 50 ppm/°C");
}

TEST(Markings, ReadTurnedRoundAndFoundWithTheNearestStandardValues) {
    EXPECT_EQ(run({"lire", "106"}).out,
              "À l'endroit : 106 (3 chiffres) : 10 MΩ ±5 %\n"
              "  min 9,5 MΩ, max 10,5 MΩ ; valeur normalisée de la série E3\n"
              "À l'envers : 901 (3 chiffres) : 900 Ω ±5 %\n"
              "  min 855 Ω, max 945 Ω ; hors des séries normalisées\n"
              "Seule la lecture à l'endroit tombe sur une valeur normalisée.\n");
    EXPECT_EQ(run({"read", "68x"}).out,
              "Marquage 68X (EIA-96) : 49,9 Ω ±1 %\n"
              "  min 49,401 Ω, max 50,399 Ω ; valeur normalisée de la série "
              "E96\n");
    EXPECT_EQ(run({"find", "4,8k", "--smd"}).out,
              "4,8 kΩ, hors des séries normalisées :\n"
              "  3 chiffres (±5 %) : 482\n"
              "  4 chiffres (±1 %) : 4801\n"
              "Les valeurs de la série E24 les plus proches :\n"
              "  4,7 kΩ (-2,08 %) : 472, 4701\n"
              "  5,1 kΩ (+6,25 %) : 512, 5101\n");
    EXPECT_EQ(run({"trouver", "10k", "--cms"}).out,
              "10 kΩ, valeur normalisée de la série E3 :\n"
              "  3 chiffres (±5 %) : 103\n"
              "  4 chiffres (±1 %) : 1002\n"
              "  EIA-96 (±1 %) : 01C\n");
}

TEST(Lire, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
        {{"lire", "marron", "rose", "rouge"},
         "couleur inconnue « rose » (bague 2). Couleurs : NOIR, MARRON, ROUGE, ORANGE, "
         "JAUNE, VERT, BLEU, VIOLET, GRIS, BLANC, OR, ARGENT ; les noms anglais (black, brown, "
         "red...) sont acceptés aussi."},
        {{"lire", "or", "noir", "rouge"},
         "OR ne peut pas être un chiffre (bague 1). Chiffres : NOIR (0) à BLANC (9)."},
        {{"lire", "noir", "noir", "rouge"},
         "NOIR (0) ne peut pas être le premier chiffre (bague 1)."},
        {{"lire", "marron", "noir"}, "2 bagues ; il en faut de 3 à 6."},
        {{"lire"}, "0 bague ; il en faut de 3 à 6."},
        {{"lire", "marron", "noir", "noir", "noir", "noir", "noir", "noir"},
         "7 bagues ; il en faut de 3 à 6."},
        {{"lire", "marron", "noir", "rouge", "jaune"},
         "JAUNE n'est pas une tolérance (bague 4). Tolérances : MARRON ±1 %, ROUGE ±2 %, VERT ±0,5 "
         "%, BLEU ±0,25 %, VIOLET ±0,1 %, GRIS ±0,05 %, OR "
         "±5 %, ARGENT ±10 %."},
        {{"lire", "marron", "noir", "noir", "marron", "marron", "or"},
         "OR n'est pas un coefficient de température (bague 6). Coefficients : NOIR 250, "
         "MARRON "
         "100, ROUGE 50, ORANGE 15, JAUNE 25, VERT 20, BLEU 10, VIOLET 5, GRIS 1 ppm/°C."},
        {{"lire", "marron", "noir", "rouge", "--vite"},
         "option inconnue « --vite »; cette commande n'en prend aucune."},
        {{"lire", "00C"}, "index EIA-96 impossible « 00 » : de 01 à 96."},
        {{"lire", "97a"}, "index EIA-96 impossible « 97 » : de 01 à 96."},
        {{"lire", "01G"},
         "lettre de multiplicateur EIA-96 inconnue « G ». Lettres : Z, Y ou R, X ou S, "
         "A, B ou H, C, D, E, F."},
        {{"lire", "047"},
         "marquage impossible « 047 » : seuls un strap (0, 000) et un marquage en 0R "
         "(0R22) commencent par 0."},
        {{"lire", "4k7"},
         "ni couleurs ni marquage « 4k7 ». Marquages : 3 ou 4 chiffres (472, 4701), R "
         "pour la virgule (4R7, R47, 0R22), EIA-96 (01C, 68X)."},
    });
}

}  // namespace
