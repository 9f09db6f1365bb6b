// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/bands_in_hand.h"
#include "cli/verbs.h"
#include "code/colour_code.h"
#include "code/series.h"
#include "source_paths.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(arguments, out, err);
    return {status, out.str(), err.str()};
}

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

// What the tools page paints for what was typed, and says of a code tapped
// in halfway.
TEST(BandsInHand, TypedTextPaintsItsBandsAndHalfACodeSaysWhatIsMissing) {
    const std::vector<std::pair<const char*, const char*>> typed{
        {"472", "JAUNE VIOLET ROUGE OR"},
        {"4701", "JAUNE VIOLET ROUGE MARRON"},
        {"49,9", "JAUNE BLANC BLANC OR MARRON"},
        {"4,7 kΩ", "JAUNE VIOLET ROUGE OR"},
        {"brown black red gold", "MARRON NOIR ROUGE OR"},
        {"noir marron rouge or", ""},
        {"000", ""},
        {"abc", ""},
        {"", ""},
    };
    for (const auto& [text, bands] : typed) {
        EXPECT_EQ(code::joined(cli::bandsOfText(text)), bands) << text;
    }
    using code::Colour;
    const std::vector<std::optional<Colour>> half{Colour::Jaune, std::nullopt, Colour::Or,
                                                  Colour::Noir, std::nullopt};
    const std::vector<cli::BandPlace> places = cli::bandPlaces(half);
    EXPECT_EQ(places[2].label, "Bague 3 : à choisir, troisième chiffre");  // no gold digit
    EXPECT_EQ(places[3].label, "Bague 4 : noir, multiplicateur");
    EXPECT_EQ(cli::stillToChoose(places),
              "Encore à choisir : bague 2 (deuxième chiffre), bague 3 (troisième chiffre) et "
              "bague 5 (tolérance).");
}

TEST(Verifier, WithinOrOutsideByHowMuchAndWhatFitsBetter) {
    const Outcome within = run({"verifier", "marron", "noir", "rouge", "or", "--mesure", "1030"});
    EXPECT_EQ(within.status, 0);
    EXPECT_EQ(within.out,
              "Lecture : 1 kΩ ±5 % (min 950 Ω, max 1,05 kΩ)\n"
              "Mesure : 1,03 kΩ, écart +3,00 % : dans la tolérance.\n"
              "Ni la lecture à l'envers ni une valeur normalisée voisine ne s'accordent "
              "mieux.\n");
    const Outcome edge = run({"check", "marron", "noir", "rouge", "or", "--mesure", "1,05k"});
    EXPECT_EQ(edge.status, 0);  // the limit itself is within
    const Outcome outside = run({"verifier", "marron", "noir", "rouge", "or", "--mesure", "1100"});
    EXPECT_EQ(outside.status, 1);
    EXPECT_NE(outside.out.find("hors tolérance, de 5,00 % au-delà."), std::string::npos);
    EXPECT_NE(outside.out.find("La valeur normalisée voisine 1,1 kΩ (E24) est plus proche"),
              std::string::npos);
    const Outcome reversed =
        run({"verifier", "rouge", "rouge", "marron", "marron", "--mesure", "1,1k"});
    EXPECT_NE(reversed.out.find("La lecture à l'envers, 1,1 kΩ ±2 %, s'accorde mieux"),
              std::string::npos)
        << reversed.out;
}

struct BadInput {
    std::vector<std::string> arguments;
    const char* message;  // the whole error line after "resistances-code : "
};

TEST(BadInputs, ClearFrenchMessagesAndStatusTwo) {
    const std::string colours =
        "NOIR, MARRON, ROUGE, ORANGE, JAUNE, VERT, BLEU, VIOLET, GRIS, BLANC, OR, ARGENT";
    const std::vector<BadInput> rows{
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
        {{"verifier", "marron", "noir", "rouge", "or"},
         "il manque la mesure. Exemple : resistances-code verifier marron noir rouge or --mesure "
         "1030"},
        {{"vecteurs", "E12"}, "la commande vecteurs ne prend pas d'argument (« E12 »)."},
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
        {{"trouver", "4,567k", "--cms"},
         "aucun marquage ne peut écrire 4,567 kΩ : ni 3 chiffres (deux chiffres "
         "significatifs, jusqu'à 99 GΩ), ni 4 chiffres (trois chiffres significatifs), "
         "ni "
         "EIA-96 (valeurs de la série E96, de 0,1 Ω à 97,6 MΩ). Valeurs "
         "normalisées voisines : 4,3 kΩ (432, 4301) et 4,7 kΩ (472, 4701)."},
        {{"trouver", "4,7k", "--smd", "--bandes", "5"},
         "l'option --bandes ne va pas avec --cms : un marquage n'a pas de bagues."},
        {{"trouver", "4,7k", "--cms=oui"}, "l'option --cms ne prend pas de valeur."},
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
         "les courants et les totaux se contredisent : R1 + R2 devrait être d'au moins 5 kΩ et "
         "d'au plus 2,5 kΩ. Voyez --total-min, --total-max, --courant-max et --courant-min."},
        {{"diviseur", "5", "1", "--courant-max", "20 ampères"},
         "courant maximal illisible « 20 ampères » : un caractère inattendu. Exemples : 20m, "
         "20mA, \"20 mA\", 0,02, 50µ, 50u, 50µA."},
        {{"diviseur", "5", "1", "--tolerance-entree", "100"},
         "tolérance impossible « 100 » : un pourcentage de 0 à moins de 100. Exemples : 1, "
         "0,5 %, ±2 %."},
        {{"led", "5", "2,5", "20m", "--leds", "2"},
         "l'alimentation (5 V) doit dépasser la tension des LED (2 × 2,5 V = 5 V) : montez "
         "l'alimentation ou mettez moins de LED en série (--leds)."},
        {{"led", "5", "2", "0"}, "courant nul « 0 » : ce courant se donne au-dessus de 0."},
        {{"led", "5", "2", "20m", "--puissance", "1/3"},
         "puissance illisible « 1/3 » : une fraction qui ne tombe pas juste. Exemples : 0,25, "
         "250mW, 1/4, \"1/4 W\"."},
        {{"led", "5", "-2", "20m"},
         "tension de la LED négative « -2 » : les tensions se donnent positives."},
        {{"led", "5", "2"},
         "il faut l'alimentation, la tension d'une LED et le courant. Exemple : resistances-code "
         "led 5 2 20mA"},
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
        {{"calculer"},
         "commande inconnue « calculer ». Commandes : lire (read), trouver (find), "
         "verifier "
         "(check), vecteurs (vectors), combiner (combine), diviseur (divider), led, etiquettes "
         "(labels) ; --help pour l'aide."},
        {{"labels", "--page", "A3"}, "--page « A3 » : A4 ou Letter."},
        {{"etiquettes", "--grille", "3x8", "--taille", "48x17"},
         "--grille ne va pas avec --taille : l'une ou l'autre."},
        {{"etiquettes", "--grille", "21x8"},
         "--grille « 21x8 » : de 1 à 20 colonnes et de 1 à 20 lignes, qui tiennent sur A4 dans "
         "ces marges."},
        {{"etiquettes", "--taille", "0x0"},
         "--taille « 0x0 » : une étiquette a au moins 10 mm de côté."},
        {{"etiquettes", "--nomenclature", "/dev/null"},
         "la nomenclature « /dev/null » n'est pas un fichier ordinaire."},
        {{"etiquettes", "--nomenclature", "-", "--serie", "E12"},
         "--nomenclature ne va pas avec --serie."},
    };
    for (const BadInput& row : rows) {
        const Outcome outcome = run(row.arguments);
        EXPECT_EQ(outcome.status, 2) << row.message;
        EXPECT_EQ(outcome.out, "") << row.message;
        EXPECT_EQ(outcome.err, std::string("resistances-code : ") + row.message + "\n");
    }
    const Outcome none = run({});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("commande manquante."), std::string::npos);
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

TEST(HelpAndVersion, InFrenchForTheToolAndForEachVerb) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage : resistances-code COMMANDE [ARGUMENTS]"), std::string::npos);
    EXPECT_NE(help.out.find("lire COULEUR..."), std::string::npos);
    EXPECT_EQ(run({"--version"}).out, "resistances-code 1.3.0\n");
    const std::vector<std::vector<std::string>> asked{
        {"lire", "--help"},     {"read", "-h"},         {"trouver", "4k7", "--help"},
        {"combine", "-h"},      {"diviseur", "--help"}, {"divider", "5", "-h"},
        {"verifier", "--help"}, {"vecteurs", "--help"}};
    for (const std::vector<std::string>& arguments : asked) {
        const Outcome verb = run(arguments);
        EXPECT_EQ(verb.status, 0) << arguments[0] << verb.err;
        EXPECT_EQ(verb.out.rfind("Usage :\n", 0), 0U) << verb.out;
        EXPECT_EQ(help.out.find(verb.out.substr(8, verb.out.find("\n\n") - 7)) == std::string::npos,
                  false)
            << "the verb's usage is the one in the whole help: " << verb.out;
    }
}

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
        {{"diviseur", "--rapport", "4,7", "--serie", "E6", "--total-max", "2k"},
         "1. R1 = 1 kΩ ; R2 = 220 Ω\n   4,54545, écart -3,29 %"},
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

// Whatever file is given as a stock ends at once: a message, or the values.
TEST(Stocks, AnyFileEndsAtOnceInBoundedMemory) {
    const std::string folder = testing::TempDir();
    const std::string fifo = folder + "stock.fifo";
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(folder + "long.txt") << std::string(3 << 20, '7');
    std::ofstream(folder + "line.txt") << "4k7\n" << std::string(300, '7');
    std::ofstream(folder + "binary.txt") << "4k7\n\x1B]0;\xC3\x28\x01\n";
    std::ofstream(folder + "bom.txt") << "\xEF\xBB\xBF"
                                         "4k7\r\n";
    const std::vector<std::pair<std::string, std::string>> rows{
        {"/dev/zero", "le stock « /dev/zero » n'est pas un fichier ordinaire."},
        {fifo, "le stock « " + fifo + " » n'est pas un fichier ordinaire."},
        {folder, "le stock « " + folder + " » n'est pas un fichier ordinaire."},
        {folder + "line.txt", folder + "line.txt, ligne 2 : ligne de plus de 256 octets ; un "
                                       "stock donne une valeur par ligne."},
        {folder + "long.txt", "le stock « " + folder +
                                  "long.txt » dépasse 1 Mio : ce n'est pas une liste "
                                  "de valeurs."},
        {folder + "binary.txt", folder + "binary.txt, ligne 2 : valeur illisible « "
                                         "\\x1B]0;\\xC3(\\x01 » : un caractère "
                                         "inattendu."},
        {folder + "bom.txt", ""},
    };
    for (const auto& [path, message] : rows) {
        const Outcome outcome = run({"combiner", "4k7", "--stock", path});
        EXPECT_EQ(outcome.err, message.empty() ? "" : "resistances-code : " + message + "\n");
        EXPECT_EQ(outcome.status, message.empty() ? 0 : 2) << path;
    }
    // The same stocks on standard input, read with the same limit.
    std::setvbuf(stdin, nullptr, _IONBF, 0);
    const int kept = dup(STDIN_FILENO);
    const auto fromStandardInput = [&](const std::string& path) {
        const int file = open(path.c_str(), O_RDONLY);
        dup2(file, STDIN_FILENO);
        close(file);
        std::clearerr(stdin);
        return run({"combiner", "4k7", "--stock", "-"});
    };
    EXPECT_EQ(fromStandardInput(folder + "long.txt").err,
              "resistances-code : le stock « entrée standard » dépasse 1 Mio : ce n'est pas une "
              "liste de valeurs.\n");
    const Outcome piped = fromStandardInput(folder + "bom.txt");
    EXPECT_EQ(piped.out.substr(0, piped.out.find('\n')),
              "4,7 kΩ avec le stock lu sur l'entrée standard :");
    dup2(kept, STDIN_FILENO);
    close(kept);
}

// Every verb and option of the table, under each of its names, in both
// manual pages.
TEST(ManualPages, NameEveryVerbAndOption) {
    for (const char* path : {ManualPage, FrenchManualPage}) {
        std::ifstream file(path);
        std::string page((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(page.empty()) << path;
        // Roff writes a minus as \-.
        for (std::size_t at = page.find("\\-"); at != std::string::npos;
             at = page.find("\\-", at)) {
            page.erase(at, 1);
        }
        for (const cli::Verb& verb : cli::verbs()) {
            for (const std::string_view name : {verb.name, verb.english, verb.otherSpelling}) {
                EXPECT_TRUE(name.empty() || page.find(name) != std::string::npos)
                    << path << " lacks " << name;
            }
            for (const cli::Option& option : verb.options) {
                for (const std::string_view name : {option.name, option.alias}) {
                    EXPECT_TRUE(name.empty() ||
                                page.find(std::string(name) + " ") != std::string::npos ||
                                page.find(std::string(name) + "\n") != std::string::npos)
                        << path << " lacks " << verb.name << " " << name;
                }
            }
        }
    }
}

// The published vectors are what the tool prints, and every row decodes back
// to its value and tolerance.
TEST(Vectors, TheCommittedFileIsTheToolsOutputAndEveryRowDecodes) {
    const Outcome outcome = run({"vecteurs"});
    std::ifstream file(VectorsFile);
    ASSERT_TRUE(file.good()) << VectorsFile;
    const std::string committed((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
    EXPECT_EQ(outcome.out, committed)
        << "regenerate with: resistances-code vecteurs > docs/vecteurs.csv";

    std::istringstream lines(outcome.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "serie,valeur_ohms,bandes,tolerance_pourcent,couleurs");
    int rows = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string series, ohms, bands, tolerance, colours;
        std::getline(fields, series, ',');
        std::getline(fields, ohms, ',');
        std::getline(fields, bands, ',');
        std::getline(fields, tolerance, ',');
        std::getline(fields, colours);
        std::vector<std::string> words;
        std::istringstream split(colours);
        for (std::string word; split >> word;) {
            words.push_back(word);
        }
        ASSERT_EQ(words.size(), std::stoul(bands)) << line;
        const auto reading = std::get<code::Reading>(code::decode(words));
        EXPECT_EQ(reading.value.plainOhms(), ohms) << line;
        EXPECT_EQ(code::Value(reading.toleranceBasisPoints, -2).plainOhms(), tolerance) << line;
        EXPECT_TRUE(code::contains(*code::seriesNamed(series), reading.value)) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 7029);
}

}  // namespace
