// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/band_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notation/colour_code.h"
#include "run_support.h"

namespace {

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
        EXPECT_EQ(notation::joined(cli::bandsOfText(text)), bands) << text;
    }
    using notation::Colour;
    const std::vector<std::optional<Colour>> half{Colour::Jaune, std::nullopt, Colour::Or,
                                                  Colour::Noir, std::nullopt};
    const std::vector<cli::BandPlace> places = cli::bandPlaces(half);
    EXPECT_EQ(places[2].label, "Bague 3 : à choisir, troisième chiffre");  // no gold digit
    EXPECT_EQ(places[3].label, "Bague 4 : noir, multiplicateur");
    EXPECT_EQ(cli::stillToChoose(places),
              "Encore à choisir : bague 2 (deuxième chiffre), bague 3 (troisième chiffre) et "
              "bague 5 (tolérance).");
}

}  // namespace
