// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sheet of labels for parts drawers and kits, drawn once as shapes in
// millimetres, for the writers of SVG and PDF to put on paper.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "labelling/sheet_layout.h"
#include "notation/colour_code.h"
#include "notation/quantity.h"

namespace labelling {

struct Shape {
    enum class Kind : unsigned char { Box, Text };
    Kind kind;
    double x;  // a box's corner; a text's baseline, at its start or its middle
    double y;
    double width = 0;  // a box's
    double height = 0;
    std::string paint;  // "#rrggbb"; a box without paint is an outline
    std::string text;   // valid UTF-8, without control characters
    double size = 0;    // a text's height, in millimetres
    bool centred = false;

    static Shape box(double x, double y, double width, double height, std::string paint = {}) {
        return {Kind::Box, x, y, width, height, std::move(paint), {}};
    }
    static Shape words(std::string text, double x, double y, double size, bool centred = false) {
        return {Kind::Text, x, y, 0, 0, {}, std::move(text), size, centred};
    }
};

// The ink of every text and outline.
inline constexpr std::string_view Ink = "#000000";

using Page = std::vector<Shape>;

// What one label says: the value, its bands in 4 and 5 with their
// tolerances, its markings and, from a bill of materials, the parts that
// carry it.
struct LabelContent {
    std::string value;
    std::vector<notation::Colour> fourBands;  // empty where 4 bands cannot write it
    std::vector<notation::Colour> fiveBands;
    std::string fourCaption;            // "4 bagues ±5 %"
    std::string fiveCaption;            // "5 bagues ±1 %"
    std::vector<std::string> markings;  // "472", "4701", "68X"
    std::string details;                // what a bill says of the part: "0603, 1/16 W"
    std::vector<std::string> parts;     // "R1", "R4", "R10-R12", printable
    int count = 0;                      // how many parts, from the bill's quantities
};

// Tolerances of the strips of a label, in basis points.
struct StripTolerances {
    int four = notation::UsualTwoDigitTolerance;
    int five = notation::UsualThreeDigitTolerance;
};

// The label of a value: its bands, its markings and, when given, the parts
// that carry it.
LabelContent labelOf(const notation::Value& value, StripTolerances tolerances,
                     std::span<const std::string> parts = {}, int count = 0);

// The pages of labels, as many as they need.
std::vector<Page> drawSheet(std::span<const LabelContent> labels, const SheetLayout& layout);

}  // namespace labelling
