// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The labels of capacitors and inductors: the value, and the markings a
// drawer's parts may carry.
#include "labelling/drawing.h"
#include "reactive/quantities.h"

namespace labelling {

// "100 nF", its three-digit code and its value written out ("104  100n").
LabelContent capacitorLabel(const reactive::Capacitance& value);
// "4,7 µH", its four bands and its military five at the tolerance, and its
// codes ("4R7").
LabelContent inductorLabel(const reactive::Inductance& value, int toleranceBasisPoints);

}  // namespace labelling
