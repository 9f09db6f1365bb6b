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
    std::string markingsTitle = "CMS";  // what the markings are: "Code" on a capacitor
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

// A label's content keeps this far inside its edges, in millimetres: a die
// cut is seldom truer than a millimetre.
inline constexpr double SafeInset = 1.5;
// Most printers print nothing this close to the paper's edges.
inline constexpr double UsualPrinterEdge = 4;
// Less room than this each way holds no label's content.
inline constexpr double SmallestContentSide = SmallestLabelSide - 2 * SafeInset;

// How a sheet is printed.
struct SheetOptions {
    int skipped = 0;         // positions of the first page already used
    double shiftAcross = 0;  // a printer's measured offset, added to everything
    double shiftDown = 0;
    double printerEdge = UsualPrinterEdge;  // nothing printed closer to the paper's edges
    bool outlines = false;                  // each label's outline drawn
};

// The part of a label its content prints on: SafeInset inside its edges and
// printerEdge inside the paper's, the label itself never moved.
struct Area {
    double x;
    double y;
    double width;
    double height;
};
Area contentArea(const SheetLayout& layout, const SheetOptions& options, int place);
// Whether every place of the page leaves its content SmallestContentSide each way.
bool contentFits(const SheetLayout& layout, const SheetOptions& options);

// A page to check a printer against a sheet, on plain paper held to the
// light over it: every label's outline, a cross at each corner, and rulers in
// millimetres across and down the middle of the paper.
Page testPage(const SheetLayout& layout, const SheetOptions& options);

// The pages of labels, as many as they need, the first `options.skipped`
// places of the first page left empty.
std::vector<Page> drawSheet(std::span<const LabelContent> labels, const SheetLayout& layout,
                            const SheetOptions& options = {});

}  // namespace labelling
