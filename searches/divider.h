// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The best two legs R1 and R2, each one resistor or a network of two, for a
// voltage divider (loaded or not), a regulator's feedback (with the current
// of its pin), a three-terminal adjustable regulator, the gain of a
// non-inverting amplifier, or the quotient R1 / R2; one leg may be given.
#include <limits>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "notation/quantity.h"
#include "searches/network.h"

namespace searches {

// What the pair is for, and the quantity it must give. Whatever the goal,
// the quantity moves one way as either leg grows, the other leg kept: the
// search and the worst case rely on it.
class Goal {
public:
    enum class Kind : unsigned char { Divider, Feedback, Adjustable, Gain, Ratio };

    // Vout = Vin · R2 / (R1 + R2): R1 from the input to the output, R2 from
    // the output to ground; with a load, R2 ∥ RL in place of R2. Needs
    // 0 < output < input.
    static Goal divider(double input, double output) { return {Kind::Divider, input, output}; }
    // Vout = Vref · (1 + R1 / R2) + I · R1: R1 from the output to the
    // feedback pin, R2 from that pin to ground, I flowing into the pin.
    // Needs 0 < reference < output.
    static Goal feedback(double reference, double output) {
        return {Kind::Feedback, reference, output};
    }
    // Vout = Vref · (1 + R2 / R1) + I · R2: the reference across R1, from the
    // output to the adjust pin; R2 from that pin to ground, I flowing out of
    // the pin into R2. Needs 0 < reference < output.
    static Goal adjustable(double reference, double output) {
        return {Kind::Adjustable, reference, output};
    }
    // G = 1 + R1 / R2. Needs gain > 1.
    static Goal gain(double gain) { return {Kind::Gain, 1, gain}; }
    // R1 / R2 itself. Needs quotient > 0.
    static Goal ratio(double quotient) { return {Kind::Ratio, 1, quotient}; }

    // The same goal with a load from the output to ground, in ohms.
    [[nodiscard]] Goal loaded(double ohms) const;
    // The same goal with the current of the pin, in amperes, signed.
    [[nodiscard]] Goal withPinCurrent(double amperes) const;

    [[nodiscard]] Kind kind() const { return kind_; }
    // Vin or Vref; 1 for a gain or a quotient.
    [[nodiscard]] double given() const { return given_; }
    // The quantity asked for: Vout, the gain or the quotient.
    [[nodiscard]] double wanted() const { return wanted_; }
    [[nodiscard]] double load() const { return load_; }
    [[nodiscard]] double pinCurrent() const { return pinCurrent_; }

    // What the legs give; at another input or reference and pin current for
    // the corners of a worst case.
    [[nodiscard]] double quantity(double r1, double r2) const {
        return quantity(r1, r2, given_, pinCurrent_);
    }
    [[nodiscard]] double quantity(double r1, double r2, double given, double pinCurrent) const;
    // The R1 that gives `quantity` with this R2: 0 or infinity where no R1
    // gives it, whichever comes nearest.
    [[nodiscard]] double r1For(double r2, double quantity) const;
    // Whether what the legs give depends on R1 / R2 alone: no load, no pin
    // current. Then the quotients within a deviation bound the search.
    [[nodiscard]] bool onQuotientAlone() const;

    // The current the pair draws: from the input of a divider, into R1 and on
    // through R2 and the load; from the output of a regulator, through R1
    // (the pin's own current included); none for a gain or a quotient.
    [[nodiscard]] double drawn(double r1, double r2) const;
    // What sits below the output of a divider: R2, or R2 ∥ RL with a load.
    [[nodiscard]] double lowerLeg(double r2) const;
    [[nodiscard]] std::pair<double, double> quotientsWithin(double deviation) const;

private:
    Goal(Kind kind, double given, double wanted) : kind_(kind), given_(given), wanted_(wanted) {}
    [[nodiscard]] double quotientFor(double quantity) const;

    Kind kind_;
    double given_;
    double wanted_;
    double load_ = std::numeric_limits<double>::infinity();
    double pinCurrent_ = 0;
};

// Bounds on the current the pair draws, held by every answer at its own
// output, with its load and pin current.
struct Draw {
    std::optional<double> most;
    std::optional<double> least;

    [[nodiscard]] bool bounded() const { return most.has_value() || least.has_value(); }
    // Within the bounds, give or take a rounding of the last digits.
    [[nodiscard]] bool allows(double amperes) const;
    // The R1 with which `goal` draws within the bounds, this R2 kept: the
    // current moves one way as R1 grows, or not at all. Crossed where no R1
    // does.
    [[nodiscard]] std::pair<double, double> r1Range(const Goal& goal, double r2) const;
};

struct Divider {
    Network r1;  // a given leg is a network of no parts, of its value
    Network r2;
    double quantity;  // what the pair gives
    int partCount;
    int distinctCount;  // over both legs
    // The totals, smallest first, at which the same two leg values times one
    // power of ten also fit the bounds: the same answer at another total.
    std::vector<double> otherTotals;

    [[nodiscard]] double total() const { return r1.ohms() + r2.ohms(); }
};

// A leg that is given rather than searched: any value, standard or not.
struct GivenLeg {
    enum class Which : unsigned char { None, R1, R2 };
    Which which = Which::None;
    double ohms = 0;
};

// A leg is one part, or a network of two.
inline constexpr int MostLegParts = 2;

// The `howMany` best pairs of legs of one to `partsPerLeg` (1 or 2) parts
// each, with R1 + R2 from `lowestTotal` to `highestTotal`, best first: the
// smallest deviation of the quantity, then the fewest parts, then the fewest
// distinct values, then the total nearest the geometric middle of its bounds,
// then the largest parts first. The answer is the true optimum. Pairs whose
// leg values are those of a better one times a power of ten are not answers of
// their own: the same values are written once, with their simplest networks,
// and the other powers of ten as its other totals. With a given leg, only the
// other is searched. `available` must be sorted, without repeats, and hold at
// most PairIndex::MostParts values (more is a std::length_error); nothing when
// no pair fits. Every answer draws within `draw`.
std::vector<Divider> bestDividers(std::span<const notation::Value> available, const Goal& goal,
                                  int partsPerLeg, const notation::Value& lowestTotal,
                                  const notation::Value& highestTotal, int howMany,
                                  const GivenLeg& given = {}, const Draw& draw = {});

// Everything a search is asked, in one place.
struct DividerQuestion {
    std::span<const notation::Value> available;
    Goal goal;
    int partsPerLeg = 1;
    notation::Value lowestTotal;
    notation::Value highestTotal;
    GivenLeg given{};
    Draw draw{};
    // The total that ties are broken towards; the geometric middle of the
    // bounds when not given.
    std::optional<double> middleTotal{};
};

std::vector<Divider> bestDividers(const DividerQuestion& question, int howMany);

// A bound of the question that keeps its best answer from a better one.
enum class Bound : unsigned char {
    LowestTotal,
    HighestTotal,
    MostCurrent,
    LeastCurrent,
    GivenLeg,
    All
};

struct Relaxed {
    Bound bound;
    Divider best;  // the best answer without that bound
};

// The bounds whose relaxation alone gives a better best answer than
// `bestDeviation` (|quantity - wanted|), each with that answer; where none
// alone does, all of them together, when that does; nothing otherwise. The
// totals relax to whatever the parts can make, a given leg to a searched one.
std::vector<Relaxed> boundsHoldingBack(const DividerQuestion& question, double bestDeviation);

// How far each input of a divider may stray: each part (a given leg too) by
// its tolerance, the goal's input or reference by its own, the pin current
// anywhere from 0 to `pinCurrentUpTo` where that is given.
struct Spread {
    int partsBasisPoints = 0;
    double givenFraction = 0;
    std::optional<double> pinCurrentUpTo;
};

// The lowest and highest quantity the divider gives within the spread. The
// quantity moves one way with each part, with the input or reference and
// with the pin current, so the extremes are among the corners, all of which
// are tried.
std::pair<double, double> worstCase(const Goal& goal, const Divider& divider,
                                    std::span<const notation::Value> available,
                                    const Spread& spread);

}  // namespace searches
