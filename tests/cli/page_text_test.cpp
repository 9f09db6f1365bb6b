// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/page_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_support.h"

namespace {

using cli_test::run;

// A number and its unit joined, volts, amperes and watts to four digits,
// ohms, counts and words as they are.
TEST(PageText, NumbersKeepTheirUnitsAndAReadablePrecision) {
    const std::string n(cli::NarrowNoBreakSpace);
    const std::vector<std::pair<std::string, std::string>> rows{
        {"6,98544 V, écart +38,89 %", "6,985" + n + "V, écart +38,89" + n + "%"},
        {"126,667 µA tirés", "126,7" + n + "µA tirés"},
        {"9,99951 mA", "10" + n + "mA"},
        {"0,0012345 W", "0,001235" + n + "W"},
        {"3,30001 V", "3,3" + n + "V"},
        {"-2 µA, de 0 à -1 µA", "-2" + n + "µA, de 0 à -1" + n + "µA"},
        {"919,1 kΩ (1/16 W)", "919,1" + n + "kΩ (1/16" + n + "W)"},
        {"R1 + R2 de 1 kΩ ; E24 de 1 Ω", "R1 + R2 de 1" + n + "kΩ ; E24 de 1" + n + "Ω"},
        {"1 partie, 1 LED de 2,5 V ; 48x17 mm",
         "1 partie, 1 LED de 2,5" + n + "V ; 48x17" + n + "mm"},
        {"100 ppm/°C, 1 Mio, 5 Volts, R47 V", "100" + n + "ppm/°C, 1" + n + "Mio, 5 Volts, R47 V"},
        {"de 4,23333 µH à 2,2 pF ; 1 F ; T ou H",
         "de 4,23333" + n + "µH à 2,2" + n + "pF ; 1" + n + "F ; T ou H"},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(cli::typesetForPage(text), expected) << text;
    }
}

// A complaint for a form: without the program or a command line, tied to the
// word it quotes or the option it names.
TEST(PageText, ComplaintsSaidForAFormAndTiedToTheirWord) {
    struct Row {
        std::vector<std::string> arguments;
        std::string message;  // its start
        int word;
    };
    const std::vector<Row> rows{
        {{"diviseur", "--ajustable", "", "5"}, "tension de référence illisible «  »", 2},
        {{"diviseur", "5", "x"}, "tension de sortie illisible « x »", 2},
        {{"diviseur", "5", "1", "--courant-max", "1mA", "--courant-min", "2mA"},
         "les courants sont à l'envers",
         6},
        {{"diviseur", "5"}, "il faut deux tensions, l'entrée puis la sortie.", -1},
        {{"led", "5", "2", "20m", "--marge", "120"}, "marge impossible « 120 »", 5},
    };
    for (const Row& row : rows) {
        const cli_test::Outcome outcome = run(row.arguments);
        const cli::FormComplaint form = cli::complaintForForm(outcome.err, row.arguments);
        EXPECT_TRUE(form.message.starts_with(row.message)) << form.message;
        EXPECT_EQ(form.message.find("resistances-code"), std::string::npos) << form.message;
        EXPECT_EQ(form.word, row.word) << form.message;
    }
}

}  // namespace
