// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/verbs/verbs.h"

#include <algorithm>
#include <array>

#include "searches/divider.h"
#include "searches/network.h"

namespace cli {

namespace {

// How many answers of each kind a search may give, and LEDs in series.
constexpr int MostAnswers = 20;
constexpr int MostLedsInSeries = 20;

// Where a network's or a divider's parts come from.
constexpr Option Serie{.name = "--serie", .takes = Takes::Series};
constexpr Option De{.name = "--de"};
constexpr Option A{.name = "--a"};
constexpr Option Stock{.name = "--stock", .takes = Takes::File};
constexpr Option Valeurs{.name = "--valeurs"};
constexpr Option Cms{.name = "--cms", .alias = "--smd", .takes = Takes::Nothing};
constexpr Option Tolerance{.name = "--tolerance", .takes = Takes::Tolerance};

constexpr std::array<Option, 4> TrouverOptions{{
    {.name = "--bandes", .takes = Takes::Count, .low = 4, .high = 6},
    Tolerance,
    {.name = "--coefficient", .takes = Takes::Coefficient},
    Cms,
}};
constexpr Option Marge{.name = "--marge"};
constexpr Option Puissance{.name = "--puissance"};
constexpr std::array<Option, 11> CombinerOptions{{
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    {.name = "--parties", .takes = Takes::Count, .low = 1, .high = searches::MostNetworkParts},
    {.name = "--nombre", .takes = Takes::Count, .low = 1, .high = MostAnswers},
    {.name = "--tension"},
    {.name = "--courant"},
    Marge,
    Puissance,
}};
constexpr Option ToleranceEntree{.name = "--tolerance-entree"};
constexpr std::array<Option, 25> DiviseurOptions{{
    {.name = "--reference"},
    {.name = "--ajustable"},
    {.name = "--gain"},
    {.name = "--rapport"},
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    {.name = "--parties", .takes = Takes::Count, .low = 1, .high = searches::MostLegParts},
    {.name = "--nombre", .takes = Takes::Count, .low = 1, .high = MostAnswers},
    {.name = "--total-min"},
    {.name = "--total-max"},
    Tolerance,
    {.name = "--charge"},
    {.name = "--fixe-r1"},
    {.name = "--fixe-r2"},
    {.name = "--courant-broche"},
    {.name = "--courant-broche-max"},
    {.name = "--courant-max"},
    {.name = "--courant-min"},
    {.name = "--tolerance-reference"},
    ToleranceEntree,
    Marge,
    Puissance,
}};
constexpr std::array<Option, 10> LedOptions{{
    {.name = "--leds", .takes = Takes::Count, .low = 1, .high = MostLedsInSeries},
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    Tolerance,
    ToleranceEntree,
    Marge,
    Puissance,
}};
constexpr std::array<Option, 22> EtiquettesOptions{{
    {.name = "--sorte", .takes = Takes::Choice, .choices = "resistance condensateur inductance"},
    Serie,
    De,
    A,
    Stock,
    Valeurs,
    {.name = "--nomenclature", .alias = "--bom", .takes = Takes::File},
    {.name = "--format", .takes = Takes::Choice, .choices = "svg pdf"},
    {.name = "--sortie", .alias = "--output", .takes = Takes::File},
    {.name = "--planche", .takes = Takes::Sheet},
    {.name = "--planches", .takes = Takes::Nothing},
    {.name = "--page", .takes = Takes::Choice, .choices = "A4 Letter"},
    {.name = "--grille"},
    {.name = "--taille"},
    {.name = "--pas"},
    {.name = "--origine"},
    {.name = "--marges"},
    {.name = "--debut", .takes = Takes::Count, .low = 0, .high = 400},
    {.name = "--decalage"},
    {.name = "--bord-imprimante"},
    {.name = "--contours", .takes = Takes::Nothing},
    {.name = "--essai", .takes = Takes::Nothing},
}};
constexpr std::array<Option, 3> CondensateurOptions{{
    {.name = "--tolerance"},
    {.name = "--tension"},
    Cms,
}};
constexpr std::array<Option, 1> InductanceOptions{{{.name = "--tolerance"}}};
constexpr std::array<Option, 1> VerifierOptions{{{.name = "--mesure"}}};
constexpr std::array<Option, 1> VecteursOptions{{Cms}};

constexpr std::array<Verb, 10> Verbs{{
    {
        .name = "lire",
        .english = "read",
        .usage = lireUsage,
        .words = Takes::Colours,
        .run = lire,
    },
    {
        .name = "trouver",
        .english = "find",
        .usage = trouverUsage,
        .words = Takes::Text,
        .options = TrouverOptions,
        .run = trouver,
    },
    {
        .name = "verifier",
        .english = "check",
        .otherSpelling = "vérifier",
        .usage = verifierUsage,
        .words = Takes::Colours,
        .options = VerifierOptions,
        .run = verifier,
    },
    {
        .name = "vecteurs",
        .english = "vectors",
        .usage = vecteursUsage,
        .words = Takes::Nothing,
        .options = VecteursOptions,
        .run = vecteurs,
    },
    {
        .name = "combiner",
        .english = "combine",
        .usage = combinerUsage,
        .words = Takes::Text,
        .options = CombinerOptions,
        .run = combiner,
    },
    {
        .name = "diviseur",
        .english = "divider",
        .usage = diviseurUsage,
        .words = Takes::Text,
        .options = DiviseurOptions,
        .run = diviseur,
    },
    {
        .name = "led",
        .english = "led",
        .usage = ledUsage,
        .words = Takes::Text,
        .options = LedOptions,
        .run = led,
    },
    {
        .name = "etiquettes",
        .english = "labels",
        .otherSpelling = "étiquettes",
        .usage = etiquettesUsage,
        .words = Takes::Nothing,
        .options = EtiquettesOptions,
        .run = etiquettes,
    },
    {
        .name = "condensateur",
        .english = "capacitor",
        .otherSpelling = "cap",
        .usage = condensateurUsage,
        .words = Takes::Text,
        .options = CondensateurOptions,
        .run = condensateur,
    },
    {
        .name = "inductance",
        .english = "inductor",
        .usage = inductanceUsage,
        .words = Takes::Text,
        .options = InductanceOptions,
        .run = inductance,
    },
}};

}  // namespace

std::span<const Verb> verbs() {
    return Verbs;
}

const Verb* verbNamed(std::string_view name) {
    const auto named = std::find_if(Verbs.begin(), Verbs.end(), [&](const Verb& verb) {
        return !name.empty() &&
               (name == verb.name || name == verb.english || name == verb.otherSpelling);
    });
    return named == Verbs.end() ? nullptr : &*named;
}

}  // namespace cli
