// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/band_reader.h"

#include <algorithm>
#include <array>
#include <variant>

#include "cli/wording.h"
#include "notation/marking.h"
#include "notation/quantity.h"
#include "notation/reading.h"
#include "notation/series.h"
#include "reactive/inductor_code.h"

namespace cli {

namespace {

std::string roleName(int bands, int position) {
    static constexpr std::array<std::string_view, 3> Digits{"premier chiffre", "deuxième chiffre",
                                                            "troisième chiffre"};
    switch (notation::roleAt(bands, position)) {
        case notation::BandRole::Digit:
            return std::string(Digits[static_cast<std::size_t>(position - 1)]);
        case notation::BandRole::Multiplier:
            return "multiplicateur";
        case notation::BandRole::Tolerance:
            return "tolérance";
        case notation::BandRole::TempCoefficient:
            break;
    }
    return "coefficient de température";
}

// An inductor's bands: four as a resistor's, or the military five where a
// gold band among the figures is the comma.
std::string inductorRoleName(int bands, int position) {
    static constexpr std::array<std::string_view, 4> Four{"premier chiffre", "deuxième chiffre",
                                                          "multiplicateur", "tolérance"};
    static constexpr std::array<std::string_view, 5> Military{
        "code militaire", "chiffre ou virgule", "chiffre ou virgule", "chiffre ou multiplicateur",
        "tolérance"};
    const auto at = static_cast<std::size_t>(position - 1);
    return std::string(bands == 5 ? Military[at] : Four[at]);
}

}  // namespace

std::string spokenColour(notation::Colour colour) {
    std::string name(notation::nameOf(colour));
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return name;
}

std::vector<BandPlace> bandPlaces(std::span<const std::optional<notation::Colour>> chosen,
                                  BandedPart part) {
    const auto bands = static_cast<int>(chosen.size());
    const bool inductor = part == BandedPart::Inductor;
    std::vector<BandPlace> places;
    for (int position = 1; position <= bands; ++position) {
        BandPlace place{{},
                        inductor ? inductorRoleName(bands, position) : roleName(bands, position),
                        inductor ? reactive::inductorColoursAt(bands, position)
                                 : notation::coloursAt(bands, position),
                        {}};
        const std::optional<notation::Colour> colour =
            chosen[static_cast<std::size_t>(position - 1)];
        if (colour &&
            std::find(place.allowed.begin(), place.allowed.end(), *colour) != place.allowed.end()) {
            place.chosen = colour;
        }
        place.label = "Bague " + std::to_string(position) + " : " +
                      (place.chosen ? spokenColour(*place.chosen) : std::string("à choisir")) +
                      ", " + place.role;
        places.push_back(std::move(place));
    }
    return places;
}

std::string stillToChoose(std::span<const BandPlace> places) {
    std::vector<std::string> missing;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (!places[i].chosen) {
            missing.push_back("bague " + std::to_string(i + 1) + " (" + places[i].role + ")");
        }
    }
    if (missing.empty()) {
        return {};
    }
    std::string text = "Encore à choisir : ";
    for (std::size_t i = 0; i < missing.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == missing.size() ? " et " : ", ") + missing[i];
    }
    return text + ".";
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : std::string(text) + ' ') {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (!word.empty()) {
                words.push_back(std::move(word));
                word.clear();
            }
        } else {
            word += c;
        }
    }
    return words;
}

std::vector<notation::Colour> bandsOfText(std::string_view text) {
    const std::vector<std::string> words = wordsOf(text);
    if (words.empty()) {
        return {};
    }
    if (!notation::looksLikeMarking(words.front())) {
        std::vector<notation::Colour> colours;
        for (const std::string& name : words) {
            if (const std::optional<notation::Colour> colour = notation::parseColour(name)) {
                colours.push_back(*colour);
            }
        }
        const bool read = colours.size() == words.size() &&
                          std::holds_alternative<notation::Reading>(notation::decode(colours));
        return read ? colours : std::vector<notation::Colour>{};
    }
    std::optional<std::vector<notation::Colour>> bands;
    if (words.size() == 1) {
        const notation::MarkingRead marking = notation::readMarking(words.front());
        if (const auto* meanings = std::get_if<std::vector<notation::Marking>>(&marking);
            meanings != nullptr && meanings->front().value.isPositive()) {
            bands = notation::usualColours(meanings->front().value, nullptr,
                                           notation::usualToleranceOf(meanings->front().system));
            return bands.value_or(std::vector<notation::Colour>{});
        }
    }
    std::string joined;
    for (const std::string& part : words) {
        joined += (joined.empty() ? "" : " ") + part;
    }
    const notation::Read<notation::Value> value = notation::readValue(joined);
    if (const auto* read = std::get_if<notation::Value>(&value)) {
        bands = notation::usualColours(*read, notation::coarsestSeriesHolding(*read));
    }
    return bands.value_or(std::vector<notation::Colour>{});
}

}  // namespace cli
