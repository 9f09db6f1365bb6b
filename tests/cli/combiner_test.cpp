// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "run_support.h"

namespace {

using cli_test::Outcome;
using cli_test::run;

TEST(Combiner, EachPartCountWithItsBandsFromASeriesOrAStock) {
    EXPECT_EQ(run({"combiner", "5,3k", "--parties", "2"}).out,
              "5,3 kΩ avec la série E24 de 1 Ω à 10 MΩ :\n"
              "1 partie :\n"
              "  5,1 kΩ, écart -3,77 %\n"
              "    5,1 kΩ : VERT MARRON ROUGE OR\n"
              "2 parties :\n"
              "  5,1 kΩ + 200 Ω = 5,3 kΩ, exact\n"
              "    5,1 kΩ : VERT MARRON ROUGE OR\n"
              "    200 Ω : ROUGE NOIR MARRON OR\n");
    const std::string stock = testing::TempDir() + "stock.txt";
    std::ofstream(stock) << "# the drawer\n4k7\n\n1,2 k  # twice over\n4,99k\n";
    const Outcome fromStock = run({"combine", "5,3k", "--stock", stock, "--parties", "3"});
    EXPECT_NE(fromStock.out.find("  4,7 kΩ + (1,2 kΩ ∥ 1,2 kΩ) = 5,3 kΩ, "
                                 "exact\n"
                                 "    4,7 kΩ : JAUNE VIOLET ROUGE OR\n"
                                 "    1,2 kΩ : MARRON ROUGE ROUGE OR\n"),
              std::string::npos)
        << fromStock.out;
    std::ofstream(stock) << "4k7\n47 ohms\nquatre\n";
    EXPECT_EQ(run({"combiner", "5k", "--stock", stock}).err,
              "resistances-code : " + stock +
                  ", ligne 3 : valeur illisible « quatre » : un caractère "
                  "inattendu.\n");
}

TEST(Combiner, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
        {{"combiner", "0"},
         "valeur illisible « 0 » : une valeur nulle. Exemples : 4700, 4,7k, 4.7k, 4k7, "
         "\"4,7 kΩ\", R47, 0,47."},
        {{"combiner", "-5k"}, "la valeur à obtenir doit être positive (« -5k »)."},
        {{"combiner", "5k", "--parties", "5"}, "nombre de parties impossible « 5 » : de 1 à 4."},
        {{"combine", "5k", "--de", "10k", "--a", "1k"},
         "les limites sont à l'envers : --de 10 kΩ est au-dessus de --a 1 kΩ."},
        {{"combiner", "5k", "--serie", "E7"},
         "série inconnue « E7 ». Séries : E3, E6, E12, E24, E48, E96, E192."},
        {{"combiner", "5k", "--stock", "/nonexistent/stock"},
         "impossible de lire le stock « /nonexistent/stock »."},
        {{"combiner", "5k", "--stock", "/dev/null"},
         "le stock « /dev/null » n'est pas un fichier ordinaire."},
        {{"combiner", "5k", "--valeurs", "4k7,\x1B[2J\xFF"},
         "--valeurs : valeur illisible « \\x1B[2J\\xFF » : un caractère "
         "inattendu. Exemples : --valeurs 4k7,10k,220 ou --valeurs \"4,7k;10k;220\"."},
        {{"combiner", "1k", "--tension", "5", "--courant", "5m"},
         "--tension et --courant disent la même chose : une seule."},
        {{"combiner", "5k", "--valeurs", "4k7,10x"},
         "--valeurs : valeur illisible « 10x » : un caractère inattendu. Exemples : "
         "--valeurs 4k7,10k,220 ou --valeurs \"4,7k;10k;220\"."},
        {{"combiner", "5k", "--valeurs", "4k7", "--serie", "E12"},
         "--valeurs ne va pas avec --serie."},
        {{"combiner", "5k", "--de", "1m", "--a", "999G", "--serie", "E192"},
         "valeur illisible « 1m » : un caractère inattendu. Exemples : 4700, 4,7k, "
         "4.7k, 4k7, \"4,7 kΩ\", R47, 0,47."},
        {{"combiner", "5k", "--de", "0,001", "--a", "999G", "--serie", "E192"},
         "2880 valeurs, c'est trop : au plus 2000. Resserrez --de et --a."},
    });
}

}  // namespace
