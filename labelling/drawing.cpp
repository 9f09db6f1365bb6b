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

// A label's content within `area`, the part of the label it may print on.
void drawLabel(Page& page, const LabelContent& label, const Area& area) {
    const auto text = [&](std::string words, double left, double baseline, double size) {
        if (words.empty()) {
            return;
        }
        page.push_back(Shape::words(std::move(words), left, baseline, size));
    };
    // An outline's stroke is centred on its edge: half of it stays inside too.
    constexpr double HalfStroke = 0.1;
    const double x = area.x + HalfStroke;
    const double y = area.y + HalfStroke;
    const double width = area.width - 2 * HalfStroke;
    const double height = area.height - 2 * HalfStroke;
    const double gap = std::min(width, height) * 0.05;
    const double valueSize = std::min(height * 0.26, width * 0.12);
    text(label.value, x, y + valueSize * 0.75, valueSize);
    const double smallSize = height * 0.085;
    const double stripTop = y + height * 0.38;
    const double stripHeight = height * 0.18;
    const double stripWidth = (width - gap) / 2;
    const double fiveLeft = x + gap + stripWidth;
    text(label.fourCaption, x, stripTop - smallSize * 0.4, smallSize);
    text(label.fiveCaption, fiveLeft, stripTop - smallSize * 0.4, smallSize);
    drawStrip(page, label.fourBands, x, stripTop, stripWidth, stripHeight, smallSize);
    drawStrip(page, label.fiveBands, fiveLeft, stripTop, stripWidth, stripHeight, smallSize);
    const double infoSize = height * 0.1;
    std::string markings;
    for (const std::string& marking : label.markings) {
        markings += (markings.empty() ? label.markingsTitle + " " : "  ") + marking;
    }
    // Baselines leave room for the descenders of a sans, a fifth of an em.
    const double bottom = y + height - infoSize * 0.22;
    // About half an em a character in a sans.
    const auto room = static_cast<std::size_t>(width / (infoSize * 0.55));
    if (!label.details.empty() && markings.size() + 2 + label.details.size() <= room) {
        markings += (markings.empty() ? "" : "  ") + label.details;
    }
    text(markings, x, label.parts.empty() ? bottom : bottom - infoSize * 1.2, infoSize);
    if (!label.parts.empty()) {
        text(partsLine(label, room), x, bottom, infoSize);
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

Area contentArea(const SheetLayout& layout, const SheetOptions& options, int place) {
    const double edge = options.printerEdge;
    const double left = std::max(layout.xOf(place) + SafeInset, edge);
    const double top = std::max(layout.yOf(place) + SafeInset, edge);
    const double right =
        std::min(layout.xOf(place) + layout.labelWidth - SafeInset, layout.page.width - edge);
    const double bottom =
        std::min(layout.yOf(place) + layout.labelHeight - SafeInset, layout.page.height - edge);
    return {left, top, right - left, bottom - top};
}

bool contentFits(const SheetLayout& layout, const SheetOptions& options) {
    for (int place = 0; place < layout.perPage(); ++place) {
        const Area area = contentArea(layout, options, place);
        if (!(area.width >= SmallestContentSide && area.height >= SmallestContentSide)) {
            return false;
        }
    }
    return true;
}

namespace {

// Everything moved by the printer's offset.
void shifted(Page& page, const SheetOptions& options) {
    for (Shape& shape : page) {
        shape.x += options.shiftAcross;
        shape.y += options.shiftDown;
    }
}

// A line as a thin inked box.
Shape line(double x, double y, double width, double height) {
    constexpr double Thin = 0.1;
    return Shape::box(x - (width == 0 ? Thin / 2 : 0), y - (height == 0 ? Thin / 2 : 0),
                      std::max(width, Thin), std::max(height, Thin), std::string(Ink));
}

}  // namespace

Page testPage(const SheetLayout& layout, const SheetOptions& options) {
    Page page;
    constexpr double Arm = 3;  // of a corner's cross, each way
    for (int place = 0; place < layout.perPage(); ++place) {
        const double x = layout.xOf(place);
        const double y = layout.yOf(place);
        page.push_back(Shape::box(x, y, layout.labelWidth, layout.labelHeight));
        for (const double cornerX : {x, x + layout.labelWidth}) {
            for (const double cornerY : {y, y + layout.labelHeight}) {
                page.push_back(line(cornerX - Arm, cornerY, 2 * Arm, 0));
                page.push_back(line(cornerX, cornerY - Arm, 0, 2 * Arm));
            }
        }
    }
    // A tick a millimetre, longer each 5, numbered each 10, from the paper's edges.
    const double middleX = layout.page.width / 2;
    const double middleY = layout.page.height / 2;
    for (int mm = 0; mm <= static_cast<int>(layout.page.width); ++mm) {
        const double length = mm % 10 == 0 ? 4 : mm % 5 == 0 ? 2.5 : 1.5;
        page.push_back(line(mm, middleY, 0, length));
        if (mm % 10 == 0 && mm > 0) {
            page.push_back(Shape::words(std::to_string(mm), mm, middleY + 7, 2.5, true));
        }
    }
    for (int mm = 0; mm <= static_cast<int>(layout.page.height); ++mm) {
        const double length = mm % 10 == 0 ? 4 : mm % 5 == 0 ? 2.5 : 1.5;
        page.push_back(line(middleX, mm, length, 0));
        if (mm % 10 == 0 && mm > 0) {
            page.push_back(Shape::words(std::to_string(mm), middleX + 5, mm + 0.9, 2.5));
        }
    }
    page.push_back(line(0, middleY, layout.page.width, 0));
    page.push_back(line(middleX, 0, 0, layout.page.height));
    shifted(page, options);
    return page;
}

std::vector<Page> drawSheet(std::span<const LabelContent> labels, const SheetLayout& layout,
                            const SheetOptions& options) {
    std::vector<Page> pages;
    const auto perPage = static_cast<std::size_t>(layout.perPage());
    const auto skipped = static_cast<std::size_t>(std::max(options.skipped, 0));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::size_t position = skipped + i;
        const auto place = static_cast<int>(position % perPage);
        if (place == 0 || i == 0) {
            pages.emplace_back();
        }
        if (options.outlines) {
            pages.back().push_back(Shape::box(layout.xOf(place), layout.yOf(place),
                                              layout.labelWidth, layout.labelHeight));
        }
        drawLabel(pages.back(), labels[i], contentArea(layout, options, place));
    }
    for (Page& page : pages) {
        shifted(page, options);
    }
    return pages;
}

}  // namespace labelling
