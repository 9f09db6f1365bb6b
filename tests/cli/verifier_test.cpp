// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_support.h"

namespace {

using cli_test::Outcome;
using cli_test::run;

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

TEST(Verifier, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
        {{"verifier", "marron", "noir", "rouge", "or"},
         "il manque la mesure. Exemple : resistances-code verifier marron noir rouge or --mesure "
         "1030"},
    });
}

}  // namespace
