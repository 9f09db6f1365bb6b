// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "notation/colour_code.h"
#include "notation/series.h"
#include "run_support.h"
#include "source_paths.h"

namespace {

using cli_test::Outcome;
using cli_test::run;

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
        const auto reading = std::get<notation::Reading>(notation::decode(words));
        EXPECT_EQ(reading.value.plainOhms(), ohms) << line;
        EXPECT_EQ(notation::Value(reading.toleranceBasisPoints, -2).plainOhms(), tolerance) << line;
        EXPECT_TRUE(notation::contains(*notation::seriesNamed(series), reading.value)) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 7029);
}

TEST(Vectors, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
        {{"vecteurs", "E12"}, "la commande vecteurs ne prend pas d'argument (« E12 »)."},
    });
}

}  // namespace
