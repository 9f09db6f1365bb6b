// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <variant>

#include "notation/french.h"
#include "notation/marking.h"
#include "strings/terminal.h"

namespace labelling {

namespace {

using notation::Colour;

// Under each band, so that a sheet printed in black and white, or read by
// someone who does not see colours, still names them; a second letter where
// two names share their first.
std::string_view initialOf(notation::Colour colour) {
    static constexpr std::array<std::string_view, 12> Initials{"N", "M",  "R", "O",  "J",  "V",
                                                               "B", "Vi", "G", "Bc", "Or", "A"};
    return Initials[static_cast<std::size_t>(colour)];
}

constexpr std::string_view Body = "#e8d3a9";

// A strip of bands on a resistor's body, the last band apart, each band's
// initial under it.
void drawStrip(Page& page, std::span<const notation::Colour> bands, double x, double y,
               double width, double height, double initialSize) {
    if (bands.empty()) {
        return;
    }
    page.push_back(Shape::box(x, y, width, height, std::string(Body)));
    page.push_back(Shape::box(x, y, width, height));
    const double bandWidth = width * 0.08;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const double left = bands.size() == 1       ? width * 0.46
                            : i + 1 == bands.size() ? width * 0.82
                                                    : width * (0.1 + 0.17 * static_cast<double>(i));
        page.push_back(
            Shape::box(x + left, y, bandWidth, height, std::string(notation::swatchOf(bands[i]))));
        page.push_back(Shape::box(x + left, y, bandWidth, height));
        page.push_back(Shape::words(std::string(initialOf(bands[i])), x + left + bandWidth / 2,
                                    y + height + initialSize * 1.1, initialSize, true));
    }
}

// The parts' references that fit on a line of `room` characters, each whole,
// the count after them: "R1, R4, R9 (3)", or "R1, R2-R7… (40)"; the first
// is written even where it alone is too long.
std::string partsLine(const LabelContent& label, std::size_t room) {
    const std::string count = " (" + std::to_string(label.count) + ")";
    constexpr std::string_view More = "…";
    std::string line;
    for (std::size_t i = 0; i < label.parts.size(); ++i) {
        const std::string_view separator = line.empty() ? "" : ", ";
        const std::size_t after = i + 1 == label.parts.size() ? 0 : 1;  // "…" is one character
        if (!line.empty() &&
            line.size() + separator.size() + label.parts[i].size() + after + count.size() > room) {
            return line.append(More).append(count);
        }
        line.append(separator).append(label.parts[i]);
    }
    return line.append(count);
}

void drawLabel(Page& page, const LabelContent& label, double x, double y, double width,
               double height) {
    const auto text = [&](std::string words, double left, double baseline, double size) {
        if (words.empty()) {
            return;
        }
        page.push_back(Shape::words(std::move(words), left, baseline, size));
    };
    page.push_back(Shape::box(x, y, width, height));  // where to cut
    const double pad = std::min(width, height) * 0.06;
    const double valueSize = std::min(height * 0.24, width * 0.11);
    text(label.value, x + pad, y + pad + valueSize * 0.8, valueSize);
    const double smallSize = height * 0.08;
    const double stripTop = y + height * 0.42;
    const double stripHeight = height * 0.17;
    const double stripWidth = (width - 3 * pad) / 2;
    const double fiveLeft = x + 2 * pad + stripWidth;
    text(label.fourCaption, x + pad, stripTop - smallSize * 0.4, smallSize);
    text(label.fiveCaption, fiveLeft, stripTop - smallSize * 0.4, smallSize);
    drawStrip(page, label.fourBands, x + pad, stripTop, stripWidth, stripHeight, smallSize);
    drawStrip(page, label.fiveBands, fiveLeft, stripTop, stripWidth, stripHeight, smallSize);
    const double infoSize = height * 0.09;
    std::string markings;
    for (const std::string& marking : label.markings) {
        markings += (markings.empty() ? "CMS " : "  ") + marking;
    }
    const double bottom = y + height - pad;
    // About half an em a character in a sans.
    const auto room = static_cast<std::size_t>((width - 2 * pad) / (infoSize * 0.55));
    if (!label.details.empty() && markings.size() + 2 + label.details.size() <= room) {
        markings += (markings.empty() ? "" : "  ") + label.details;
    }
    text(markings, x + pad, label.parts.empty() ? bottom : bottom - infoSize * 1.25, infoSize);
    if (!label.parts.empty()) {
        text(partsLine(label, room), x + pad, bottom, infoSize);
    }
}

}  // namespace

LabelContent labelOf(const notation::Value& value, StripTolerances tolerances,
                     std::span<const std::string> parts, int count) {
    LabelContent label;
    label.value = value.french();
    for (const std::string& part : parts) {
        label.parts.push_back(strings::printable(part));
    }
    label.count = count;
    if (!value.isPositive()) {
        label.fourBands = {notation::Colour::Noir};  // a zero-ohm link: one black band
        label.fourCaption = "1 bague";
    } else {
        const notation::Encoded four = notation::encode(value, 4, tolerances.four);
        const notation::Encoded five = notation::encode(value, 5, tolerances.five);
        if (const auto* colours = std::get_if<std::vector<notation::Colour>>(&four)) {
            label.fourBands = *colours;
            label.fourCaption = "4 bagues " + notation::frenchTolerance(tolerances.four);
        }
        if (const auto* colours = std::get_if<std::vector<notation::Colour>>(&five)) {
            label.fiveBands = *colours;
            label.fiveCaption = "5 bagues " + notation::frenchTolerance(tolerances.five);
        }
    }
    for (const notation::Marking& marking : notation::markingsOf(value)) {
        label.markings.push_back(marking.text);
    }
    return label;
}

std::vector<Page> drawSheet(std::span<const LabelContent> labels, const SheetLayout& layout) {
    std::vector<Page> pages;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const auto place = static_cast<int>(i % static_cast<std::size_t>(layout.perPage()));
        if (place == 0) {
            pages.emplace_back();
        }
        drawLabel(pages.back(), labels[i], layout.xOf(place), layout.yOf(place), layout.labelWidth,
                  layout.labelHeight);
    }
    return pages;
}

}  // namespace labelling
