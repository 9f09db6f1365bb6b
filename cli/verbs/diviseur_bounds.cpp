// SPDX-License-Identifier: GPL-3.0-or-later
// What a diviseur answer says of its bounds, and of a wish they keep it from.
#include "cli/verbs/diviseur_bounds.h"

#include <cmath>
#include <limits>

#include "cli/wording.h"
#include "notation/french.h"

namespace cli {

namespace {

using searches::Bound;
using searches::Goal;

// "la sortie" for a regulator, whose pair hangs on its output.
std::string_view drawnFrom(const Goal& goal) {
    return goal.kind() == Goal::Kind::Divider ? "de l'entrée" : "de la sortie";
}

std::string totalEnd(const notation::Value& value, std::string_view from, bool yielded,
                     const notation::Value& byDefault) {
    std::string text = value.french();
    if (from.empty() && yielded) {
        text += " (" + byDefault.french() + " par défaut, déplacé vers votre borne)";
    }
    return text;
}

std::string boundName(Bound bound, const searches::DividerQuestion& question,
                      const Totals& totals) {
    const auto total = [](std::string_view from, std::string_view which,
                          const notation::Value& value) {
        return from.empty()
                   ? "le total " + std::string(which) + " par défaut (" + value.french() + ")"
                   : std::string(from) + " " + value.french();
    };
    switch (bound) {
        case Bound::LowestTotal:
            return total(totals.lowestFrom, "minimal", question.lowestTotal);
        case Bound::HighestTotal:
            return total(totals.highestFrom, "maximal", question.highestTotal);
        case Bound::MostCurrent:
            return "--courant-max " + notation::frenchQuantity(*question.draw.most, "A");
        case Bound::LeastCurrent:
            return "--courant-min " + notation::frenchQuantity(*question.draw.least, "A");
        case Bound::GivenLeg:
            return std::string(question.given.which == searches::GivenLeg::Which::R1
                                   ? "--fixe-r1 "
                                   : "--fixe-r2 ") +
                   notation::frenchApproximate(question.given.ohms);
        case Bound::All:
            break;
    }
    return "aucune de ces bornes";
}

}  // namespace

std::string shown(const Goal& goal, double quantity) {
    switch (goal.kind()) {
        case Goal::Kind::Divider:
        case Goal::Kind::Feedback:
        case Goal::Kind::Adjustable:
            return volts(quantity);
        case Goal::Kind::Gain:
        case Goal::Kind::Ratio:
            break;
    }
    return notation::frenchNumber(quantity);
}

std::string boundsText(const Goal& goal, const Totals& totals) {
    std::string text =
        "R1 + R2 de " +
        totalEnd(totals.lowest, totals.lowestFrom, totals.lowestYielded, notation::Value(1, 3)) +
        " à " +
        totalEnd(totals.highest, totals.highestFrom, totals.highestYielded, notation::Value(1, 6));
    if (totals.draw.most) {
        text += ", au plus " + notation::frenchQuantity(*totals.draw.most, "A");
    }
    if (totals.draw.least) {
        text += std::string(totals.draw.most ? " et" : ",") + " au moins " +
                notation::frenchQuantity(*totals.draw.least, "A");
    }
    if (totals.draw.bounded()) {
        text += " tirés " + std::string(drawnFrom(goal));
    }
    return text;
}

std::string pairLine(const Goal& goal, const searches::Divider& divider,
                     std::span<const notation::Value> available) {
    const auto leg = [&](const searches::Network& network) {
        return network.partCount() == 0 ? notation::frenchApproximate(network.ohms())
                                        : networkText(network, available);
    };
    const double deviation = (divider.quantity - goal.wanted()) / goal.wanted() * 100;
    std::string text = "R1 = " + leg(divider.r1) + " ; R2 = " + leg(divider.r2) + ", " +
                       shown(goal, divider.quantity) + deviationText(deviation) + " ; total " +
                       notation::frenchApproximate(divider.total());
    if (goal.kind() != Goal::Kind::Gain && goal.kind() != Goal::Kind::Ratio) {
        text += ", " +
                notation::frenchQuantity(goal.drawn(divider.r1.ohms(), divider.r2.ohms()), "A") +
                " tirés " + std::string(drawnFrom(goal));
    }
    return text;
}

void writeShortfall(Answer& out, const searches::DividerQuestion& question, const Totals& totals,
                    const searches::Divider& best, int toleranceBasisPoints) {
    const Goal& goal = question.goal;
    const double deviation = std::abs(best.quantity - goal.wanted());
    if (deviation <= goal.wanted() * toleranceBasisPoints / 10'000.0) {
        return;
    }
    out << "Aucune réponse à " << notation::frenchTolerance(toleranceBasisPoints) << " de "
        << shown(goal, goal.wanted()) << " : la meilleure s'en écarte de "
        << notation::frenchDeviation((best.quantity - goal.wanted()) / goal.wanted() * 100)
        << ".\n";
    const std::vector<searches::Relaxed> holding = searches::boundsHoldingBack(question, deviation);
    if (holding.empty()) {
        out << "Aucune borne n'en est la cause : ces parties ne font pas mieux.\n";
        return;
    }
    for (const searches::Relaxed& relaxed : holding) {
        out << (relaxed.bound == Bound::All ? "Sans aucune de ces bornes" : "En cause : ")
            << (relaxed.bound == Bound::All ? "" : boundName(relaxed.bound, question, totals))
            << (relaxed.bound == Bound::All ? " : " : ". Sans cette borne : ")
            << pairLine(goal, relaxed.best, question.available) << ".\n";
    }
}

std::string whatWouldAnswer(const searches::DividerQuestion& question, const Totals& totals) {
    std::string text;
    for (const searches::Relaxed& relaxed :
         searches::boundsHoldingBack(question, std::numeric_limits<double>::infinity())) {
        text += " Sans " + boundName(relaxed.bound, question, totals) + " : " +
                pairLine(question.goal, relaxed.best, question.available) + ".";
    }
    return text;
}

}  // namespace cli
