// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstdlib>

#include "labelling/writers.h"
#include "strings/text.h"

namespace labelling {

namespace {

// "12.35": hundredths of a millimetre, with a point whatever the locale.
std::string number(double value) {
    const long long hundredths = std::llround(value * 100);
    const long long whole = std::llabs(hundredths) / 100;
    const long long part = std::llabs(hundredths) % 100;
    return std::string(hundredths < 0 ? "-" : "") + std::to_string(whole) + "." +
           (part < 10 ? "0" : "") + std::to_string(part);
}

}  // namespace

std::string svgOf(std::span<const Page> pages, const SheetLayout& layout) {
    constexpr double Gap = 10;  // between pages shown one under the other
    const double width = layout.page.width;
    const double height = layout.page.height;
    const double total = static_cast<double>(pages.size()) * (height + Gap) - Gap;
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        number(width) + "mm\" height=\"" + number(total) + "mm\" viewBox=\"0 0 " + number(width) +
        " " + number(total) + "\" font-family=\"Liberation Sans, Arial, sans-serif\">\n";
    for (std::size_t k = 0; k < pages.size(); ++k) {
        svg += "<g class=\"page\" transform=\"translate(0 " +
               number(static_cast<double>(k) * (height + Gap)) + ")\">\n<rect width=\"" +
               number(width) + "\" height=\"" + number(height) + "\" fill=\"#ffffff\"/>\n";
        for (const Shape& shape : pages[k]) {
            if (shape.kind == Shape::Kind::Box) {
                svg += "<rect x=\"" + number(shape.x) + "\" y=\"" + number(shape.y) +
                       "\" width=\"" + number(shape.width) + "\" height=\"" + number(shape.height) +
                       "\" " +
                       (shape.paint.empty() ? std::string("fill=\"none\" stroke=\"") +
                                                  std::string(Ink) + "\" stroke-width=\"0.15\""
                                            : "fill=\"" + shape.paint + "\"") +
                       "/>\n";
            } else {
                svg += "<text x=\"" + number(shape.x) + "\" y=\"" + number(shape.y) +
                       "\" font-size=\"" + number(shape.size) + "\"" +
                       (shape.centred ? " text-anchor=\"middle\"" : "") + ">" +
                       strings::xmlEscaped(shape.text) + "</text>\n";
            }
        }
        svg += "</g>\n";
    }
    return svg + "</svg>\n";
}

}  // namespace labelling
