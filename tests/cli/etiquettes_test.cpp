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
    });
}

}  // namespace
