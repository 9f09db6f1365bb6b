// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_support.h"

namespace {

TEST(Etiquettes, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
        {{"labels", "--page", "A3"}, "--page « A3 » : A4 ou Letter."},
        {{"etiquettes", "--grille", "3x8", "--taille", "48x17"},
         "--grille ne va pas avec --taille seule : l'une ou l'autre, ou les deux avec --pas et "
         "--origine."},
        {{"etiquettes", "--planche", "L7161"},
         "planche inconnue « L7161 ». Planches : L7160, L7163, 3474, L7651, 3657, 5160, 5161, "
         "5167 (--planches les décrit)."},
        {{"etiquettes", "--planche", "L7160", "--page", "Letter"},
         "--planche ne va pas avec --page : la planche a ses propres mesures."},
        {{"etiquettes", "--taille", "63,5x38,1", "--pas", "66,04x38,1", "--origine", "7,21x15,15",
          "--grille", "4x7"},
         "ces étiquettes ne tiennent pas sur A4 : la dernière dépasse du papier, ou la première "
         "commence avant lui."},
        {{"etiquettes", "--taille", "63,5x38,1", "--origine", "7x15", "--grille", "3xsept"},
         "--grille « 3xsept » : de 1 à 20 colonnes et de 1 à 20 lignes."},
        {{"etiquettes", "--taille", "63,5x38,1", "--pas", "60x38,1"},
         "--pas « 60x38,1 » : le pas va d'une étiquette à la suivante, il est au moins sa taille "
         "(63,5x38,1)."},
        {{"etiquettes", "--pas", "66x38"},
         "--pas et --origine vont avec --taille, la taille d'une étiquette : --taille 63,5x38,1 "
         "--pas 66,04x38,1 --origine 7,21x15,15."},
        {{"etiquettes", "--planche", "3474", "--debut", "24"},
         "--debut 24 : la planche n'a que 24 étiquettes ; --debut en saute de 0 à 23."},
        {{"etiquettes", "--planche", "5167", "--bord-imprimante", "20"},
         "une étiquette de 44,45 × 12,7 mm n'a pas la place de son contenu : il reste 1,5 mm à "
         "l'intérieur de ses bords et 20 mm des bords du papier (--bord-imprimante)."},
        {{"etiquettes", "--decalage", "25,0"},
         "--decalage « 25,0 » : un décalage d'imprimante va de -20 à 20 mm de chaque côté."},
        {{"etiquettes", "--grille", "21x8"},
         "--grille « 21x8 » : de 1 à 20 colonnes et de 1 à 20 lignes, qui tiennent sur A4 dans "
         "ces marges."},
        {{"etiquettes", "--taille", "0x0"},
         "--taille « 0x0 » : une étiquette a au moins 10 mm de côté."},
        {{"etiquettes", "--nomenclature", "/dev/null"},
         "la nomenclature « /dev/null » n'est pas un fichier ordinaire."},
        {{"etiquettes", "--nomenclature", "-", "--serie", "E12"},
         "--nomenclature ne va pas avec --serie."},
    });
}

}  // namespace
