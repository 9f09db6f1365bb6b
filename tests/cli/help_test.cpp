// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/verbs/verbs.h"
#include "run_support.h"
#include "source_paths.h"

namespace {

using cli_test::Outcome;
using cli_test::run;

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

// Each verb's help names its options under every name the completion offers.
TEST(HelpAndVersion, EachVerbNamesItsOptionsUnderEveryName) {
    for (const cli::Verb& verb : cli::verbs()) {
        const Outcome help = run({std::string(verb.name), "--help"});
        for (const cli::Option& option : verb.options) {
            for (const std::string_view name : {option.name, option.alias}) {
                EXPECT_TRUE(name.empty() || help.out.find(name) != std::string::npos)
                    << verb.name << " --help lacks " << name;
            }
        }
    }
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

TEST(UnknownOrMissingVerb, RefusesBadInputWithAClearFrenchMessage) {
    cli_test::expectRefused({
        {{"calculer"},
         "commande inconnue « calculer ». Commandes : lire (read), trouver (find), "
         "verifier "
         "(check), vecteurs (vectors), combiner (combine), diviseur (divider), led, etiquettes "
         "(labels), condensateur (capacitor), inductance (inductor) ; --help pour l'aide."},
    });
    const Outcome none = run({});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("commande manquante."), std::string::npos);
}

}  // namespace
