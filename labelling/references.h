// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The references of a bill's line as exporters and people write them.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace labelling {

// A reference split into its letters and its number: "R" and 12 for R12.
struct Reference {
    std::string letters;
    long number;

    [[nodiscard]] std::string text() const { return letters + std::to_string(number); }
    friend bool operator==(const Reference&, const Reference&) = default;
};

// "R1,R4,R9", "R1 R4 R9 ", "R1, R2, " (KiCad leaves the last separator),
// "R8;R9", runs "R1-R4" or "R1-4", the shorthand "R5,6,7", and references run
// together "C27C28". Nothing for a field that does not start with a
// reference: a summary line, a note. After the first, a word that is none
// (a comment) names no part.
std::optional<std::vector<Reference>> referencesIn(std::string_view field);

// The references in order, runs of three or more written "R10-R12":
// "R1, R4, R10-R12". Each as one piece, for a label to write as many as fit.
std::vector<std::string> compactReferences(std::span<const Reference> references);

}  // namespace labelling
