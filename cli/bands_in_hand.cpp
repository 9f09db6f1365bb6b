// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/bands_in_hand.h"

#include <algorithm>
#include <array>
#include <variant>

#include "cli/wording.h"
#include "code/marking.h"
#include "code/series.h"
#include "code/value.h"

namespace cli {

namespace {

std::string roleName(int bands, int position) {
    static constexpr std::array<std::string_view, 3> Digits{"premier chiffre", "deuxième chiffre",
                                                            "troisième chiffre"};
    switch (code::roleAt(bands, position)) {
        case code::BandRole::Digit:
            return std::string(Digits[static_cast<std::size_t>(position - 1)]);
        case code::BandRole::Multiplier:
            return "multiplicateur";
        case code::BandRole::Tolerance:
            return "tolérance";
        case code::BandRole::TempCoefficient:
            break;
    }
    return "coefficient de température";
}

}  // namespace

std::string spokenColour(code::Colour colour) {
    std::string name(code::nameOf(colour));
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return name;
}

std::vector<BandPlace> bandPlaces(std::span<const std::optional<code::Colour>> chosen) {
    const auto bands = static_cast<int>(chosen.size());
    std::vector<BandPlace> places;
    for (int position = 1; position <= bands; ++position) {
        BandPlace place{{}, roleName(bands, position), code::coloursAt(bands, position), {}};
        const std::optional<code::Colour> colour = chosen[static_cast<std::size_t>(position - 1)];
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

std::vector<code::Colour> bandsOfText(std::string_view text) {
    const std::vector<std::string> words = wordsOf(text);
    if (words.empty()) {
        return {};
    }
    if (!code::looksLikeMarking(words.front())) {
        std::vector<code::Colour> colours;
        for (const std::string& name : words) {
            if (const std::optional<code::Colour> colour = code::parseColour(name)) {
                colours.push_back(*colour);
            }
        }
        const bool read = colours.size() == words.size() &&
                          std::holds_alternative<code::Reading>(code::decode(colours));
        return read ? colours : std::vector<code::Colour>{};
    }
    std::optional<std::vector<code::Colour>> bands;
    if (words.size() == 1) {
        const code::MarkingRead marking = code::readMarking(words.front());
        if (const auto* meanings = std::get_if<std::vector<code::Marking>>(&marking);
            meanings != nullptr && meanings->front().value.isPositive()) {
            bands = usualColours(meanings->front().value, nullptr,
                                 code::usualToleranceOf(meanings->front().system));
            return bands.value_or(std::vector<code::Colour>{});
        }
    }
    std::string joined;
    for (const std::string& part : words) {
        joined += (joined.empty() ? "" : " ") + part;
    }
    const code::Read<code::Value> value = code::readValue(joined);
    if (const auto* read = std::get_if<code::Value>(&value)) {
        bands = usualColours(*read, code::coarsestSeriesHolding(*read));
    }
    return bands.value_or(std::vector<code::Colour>{});
}

}  // namespace cli
