// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_support.h"

namespace {

using cli_test::run;

// Each command and lines its answer must hold, in order.
struct Holds {
    std::vector<std::string> arguments;
    std::vector<std::string> lines;
};

TEST(CondensateurAndInductance, ReadWhatIsPrintedAndWriteEveryMarking) {
    const std::vector<Holds> rows{
        // What other tools get wrong.
        {{"condensateur", "0R25"},
         {"0R25 : 0,25 pF (R pour la virgule, en pF)", "code à 3 chiffres : 258",
          "avec R pour la virgule : 0R25"}},
        {{"cap", "1,2p"},
         {"1,2 pF", "code à 3 chiffres : 129", "avec R pour la virgule : 1R2", "en clair : 1p2"}},
        {{"capacitor", "104"},
         {"104 : 100 nF (10 × 10⁴ pF)", "code à 3 chiffres : 104", "en clair : 100n",
          "  E3 : 100 nF"}},
        {{"cap", "229"}, {"229 : 2,2 pF (22 × 0,1 pF)", "avec R pour la virgule : 2R2"}},
        // The parts of a marking in any order, and both readings where two.
        {{"cap", "473J", "2A"},
         {"473 : 47 nF (47 × 10³ pF)",
          "tolérance ±5 % (J), de 44,65 nF à 49,35 nF ; tension 100 V (code 2A)",
          "code à 3 chiffres : 2A473J"}},
        {{"cap", "107C"},
         {"tension 16 V (lettre C des tantales)", "Autre lecture possible, 107 : 100 µF",
          "tantale : 107C ou C107"}},
        {{"cap", "100"},
         {"100 : 10 pF (10 × 1 pF)",
          "Autre lecture possible, 100 : 100 pF (écrite en clair, en pF)"}},
        {{"cap", ".1K63"},
         {".1 : 100 nF (sans unité, avec une virgule : en µF)", "tension 63 V",
          "code de tension : 1J"}},
        {{"cap", "4n3"},
         {"4n3 : 4,3 nF (n pour la virgule)", "  E12 : 3,9 nF (-9,30 %) ou 4,7 nF (+9,30 %)",
          "  E24 : 4,3 nF"}},
        {{"cap", "2,2p", "--tolerance", "0,25pF"},
         {"Marquages de 2,2 pF ±0,25 pF :", "code à 3 chiffres : 229C"}},
        {{"cap", "100n", "--tension", "30", "--tolerance", "3"},
         {"code à 3 chiffres : 104", "code de tension : aucun pour 30 V"}},
        {{"cap", "S3", "--smd"}, {"S3 : 4,7 nF (code EIA-198 des CMS)", "EIA-198 (CMS) : S3"}},
        {{"inductance", "jaune", "violet", "or", "argent"},
         {"JAUNE VIOLET OR ARGENT : 4,7 µH ±10 %", "de 4,23 µH à 5,17 µH",
          "code militaire, 5 bagues : ARGENT JAUNE OR VIOLET ARGENT", "code : 4R7"}},
        {{"inductor", "101"},
         {"101 : 100 µH (10 × 10¹ µH)", "4 bagues : MARRON NOIR MARRON ARGENT"}},
        {{"inductance", "47nH", "--tolerance", "5"},
         {"Marquages de 47 nH ±5 % :", "4 bagues : impossible", "code : R047, 47N"}},
        // Their labels: the value and what the parts in the drawer carry.
        {{"etiquettes", "--sorte", "condensateur", "--valeurs", "100n;2,2p"},
         {">100 nF<", ">Code 104  100n<", ">2,2 pF<", ">Code 229  2R2  2p2<"}},
        {{"etiquettes", "--sorte", "condensateur", "--serie", "E3", "--de", "1n", "--a", "10n"},
         {">1 nF<", ">Code 102  1n<", ">2,2 nF<", ">4,7 nF<", ">10 nF<"}},
        {{"etiquettes", "--sorte", "inductance", "--valeurs", "4µ7"},
         {">4,7 µH<", ">4 bagues ±10 %<", ">Code 4R7<"}},
    };
    for (const Holds& row : rows) {
        const cli_test::Outcome outcome = run(row.arguments);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        std::size_t from = 0;
        for (const std::string& line : row.lines) {
            const std::size_t at = outcome.out.find(line, from);
            EXPECT_NE(at, std::string::npos) << line << "\nin\n" << outcome.out;
            from = at == std::string::npos ? from : at;
        }
    }
}

TEST(CondensateurAndInductance, RefuseWhatDoesNotReadNamingWhatWasExpected) {
    cli_test::expectRefused({
        {{"cap", "104X"},
         "lettre inconnue « X ». Lettres de tolérance : B, C, D, F, G, J, K, M, N, Q, S, T, W, Z "
         "; lettres de tension des tantales : e, G, J, A, C, D, E, V, T, H."},
        {{"cap", "5A104"},
         "code de tension inexistant « 5A » : un chiffre de 0 à 3 puis une lettre parmi A, Q, B, "
         "T, C, Z, D, P, E, F, V, G, W, H, L, J, K (1H 50 V, 2A 100 V, 2J 630 V)."},
        {{"cap"},
         "marquage vide. Marquages : 104, 1R5, 2A473J, 473J 2A, 107C, .1K63, 4n7, \"470µF 25V\"."},
        {{"cap", "1045"},
         "trop de chiffres « 1045 » : le code en a trois (104 = 10 × 10⁴ pF), ou écrivez la "
         "valeur (4n7, 100nF)."},
        {{"cap", "J"},
         "pas de valeur dans « J » : une tolérance ou une tension seule. Valeurs : 104, 1R5, 4n7, "
         "100nF."},
        {{"cap", "2A104", "--tension", "50"},
         "le marquage porte déjà sa tension : --tension est de trop."},
        {{"etiquettes", "--sorte", "condensateur", "--a", "10M"},
         "--a : valeur illisible « 10M » : un caractère inattendu. Exemples : 100n, 4n7, 10µ, "
         "0,1µF."},
        {{"etiquettes", "--sorte", "inductance", "--stock", "-"},
         "--sorte inductance ne va pas avec --stock : donnez les valeurs par --valeurs."},
        {{"inductance", "989"},
         "code d'inductance impossible « 989 » : trois chiffres, le dernier de 0 à 7 pour la "
         "puissance de dix (101), ou R pour la virgule en µH (4R7, R47), ou N en nH (47N, 2N2)."},
        {{"inductance", "rouge", "rouge", "vert", "argent"},
         "« vert » ne peut pas être un multiplicateur en bague 3 : de ARGENT (×0,01) et OR (×0,1) "
         "à JAUNE (×10 000). Couleurs possibles : noir, marron, rouge, orange, jaune, or, argent."},
        {{"inductance", "or", "jaune", "or", "violet", "argent"},
         "5 bagues : le code militaire commence par une large bague ARGENT, pas « or »."},
        {{"inductance", "1,5µH", "--tolerance", "7"},
         "tolérance sans couleur « 7 ». Tolérances : noir ±20 %, marron ±1 %, rouge ±2 %, orange "
         "±3 %, jaune ±4 %, or ±5 %, argent ±10 %."},
    });
}

}  // namespace
