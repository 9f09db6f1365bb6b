// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/reactive_wording.h"

#include <array>

#include "notation/french.h"
#include "notation/series.h"

namespace cli {

namespace {

std::string deviation(const notation::Decimal& from, const notation::Decimal& to) {
    return notation::frenchPercent((to.amount() - from.amount()) / from.amount() * 100.0L);
}

}  // namespace

std::string seriesLines(const notation::Decimal& value, WriteValue write) {
    std::string lines;
    // The series are figures, the same for every unit.
    const notation::Value figures(value.significand(), value.exponent());
    for (const std::string_view name : {"E3", "E6", "E12", "E24"}) {
        const notation::Series& series = *notation::seriesNamed(name);
        const notation::Neighbours near = notation::neighbours(series, figures);
        lines += "  " + std::string(name) + " : ";
        if (near.below == near.above) {
            lines += write(near.below) + "\n";
            continue;
        }
        lines += write(near.below) + " (" + deviation(value, near.below) + ") ou " +
                 write(near.above) + " (" + deviation(value, near.above) + ")\n";
    }
    return lines;
}

std::string limitsOf(const notation::Decimal& value, int minusBasisPoints, int plusBasisPoints,
                     WriteValue write) {
    const notation::Decimal low(value.significand() * (10'000 - minusBasisPoints),
                                value.exponent() - 4);
    const notation::Decimal high(value.significand() * (10'000 + plusBasisPoints),
                                 value.exponent() - 4);
    return "de " + write(low) + " à " + write(high);
}

std::string figuresTimesPower(std::string_view figures, int power, std::string_view unit) {
    static constexpr std::array<std::string_view, 10> Superscripts{"⁰", "¹", "²", "³", "⁴",
                                                                   "⁵", "⁶", "⁷", "⁸", "⁹"};
    const std::string factor =
        power >= 1 ? "10" + std::string(Superscripts[static_cast<std::size_t>(power)])
                   : notation::Decimal(1, power).french();
    return std::string(figures) + " × " + factor + " " + std::string(unit);
}

}  // namespace cli
