// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The best two legs R1 and R2, each one resistor or a network of two, for
// anything that depends only on R1 / R2: a voltage divider, the feedback of
// a regulator, the gain of a non-inverting amplifier, or the quotient itself.
#include <span>
#include <utility>
#include <vector>

#include "code/network.h"
#include "code/value.h"

namespace code {

// What the pair is for, and the quantity it must give.
class Goal {
public:
    enum class Kind : unsigned char { Divider, Feedback, Gain, Ratio };

    // Vout = Vin · R2 / (R1 + R2): R1 from the input to the output, R2 from
    // the output to ground. Needs 0 < output < input.
    static Goal divider(double input, double output) { return {Kind::Divider, input, output}; }
    // Vout = Vref · (1 + R1 / R2): R1 from the output to the feedback pin, R2
    // from that pin to ground. Needs 0 < reference < output.
    static Goal feedback(double reference, double output) {
        return {Kind::Feedback, reference, output};
    }
    // G = 1 + R1 / R2. Needs gain > 1.
    static Goal gain(double gain) { return {Kind::Gain, 1, gain}; }
    // R1 / R2 itself. Needs quotient > 0.
    static Goal ratio(double quotient) { return {Kind::Ratio, 1, quotient}; }

    [[nodiscard]] Kind kind() const { return kind_; }
    // Vin or Vref; 1 for a gain or a quotient.
    [[nodiscard]] double given() const { return given_; }
    // The quantity asked for: Vout, the gain or the quotient.
    [[nodiscard]] double wanted() const { return wanted_; }
    // What R1 / R2 = quotient gives.
    [[nodiscard]] double quantity(double quotient) const;
    // The quotient that gives `quantity`; 0 or infinity beyond what any gives.
    [[nodiscard]] double quotientFor(double quantity) const;
    // The quotients whose quantity lies within `deviation` of the wanted one.
    [[nodiscard]] std::pair<double, double> quotientsWithin(double deviation) const;

private:
    Goal(Kind kind, double given, double wanted) : kind_(kind), given_(given), wanted_(wanted) {}

    Kind kind_;
    double given_;
    double wanted_;
};

struct Divider {
    Network r1;
    Network r2;
    double quantity;  // what the pair gives
    int partCount;
    int distinctCount;  // over both legs
    // The totals, smallest first, at which the same two leg values times one
    // power of ten also fit the bounds: the same answer at another total.
    std::vector<double> otherTotals;

    [[nodiscard]] double total() const { return r1.ohms() + r2.ohms(); }
};

// The `howMany` best pairs of legs of one to `partsPerLeg` (1 or 2) parts
// each, with R1 + R2 from `lowestTotal` to `highestTotal`, best first: the
// smallest deviation of the quantity, then the fewest parts, then the fewest
// distinct values, then the total nearest the geometric middle of its bounds,
// then the largest parts first. The answer is the true optimum. Pairs whose
// leg values are those of a better one times a power of ten are not answers of
// their own: the same values are written once, with their simplest networks,
// and the other powers of ten as its other totals. `available` must be sorted,
// without repeats, and hold at most PairIndex::MostParts values (more is a
// std::length_error); nothing when no pair fits.
std::vector<Divider> bestDividers(std::span<const Value> available, const Goal& goal,
                                  int partsPerLeg, const Value& lowestTotal,
                                  const Value& highestTotal, int howMany);

// The lowest and highest quantity when each part may lie anywhere within
// ±tolerance of its value. Every leg grows with each of its parts, so the
// extremes are at the corners where all of R1 sits at one end and all of R2
// at the other.
std::pair<double, double> worstCase(const Goal& goal, const Divider& divider,
                                    int toleranceBasisPoints);

}  // namespace code
