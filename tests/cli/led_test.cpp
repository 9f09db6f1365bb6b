// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_support.h"

namespace {

TEST(Led, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
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
    });
}

}  // namespace
