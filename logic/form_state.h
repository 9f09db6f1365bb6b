// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "tables/colour.h"

namespace logic {

// What the handlers remember between events, outside the controls. A value of
// FormState{} is zero-filled: every index 0, every flag false, every colour black.
//
// The four flags are one-shot: a caller that moves a list from code sets the
// flag, sets the selection and calls the list's handler, which then shows the
// item and clears the flag instead of undoing other selections.
struct FormState {
    std::int32_t SavedDecade = 0;
    std::int32_t CarbonMultiplierIndex = 0;
    std::int32_t MetalMultiplierIndex = 0;
    std::int32_t TempCoeffIndex = 0;
    bool CarbonMultiplierByDecade = false;
    bool MetalMultiplierByDecade = false;
    bool CarbonDigitsBySeries = false;
    bool MetalDigitsBySeries = false;
    tables::Colour BandColor1;
    tables::Colour BandColor2;
    tables::Colour BandColor21;
    tables::Colour BandColor22;
    tables::Colour BandColor23;
    tables::Colour BandColor25;
    tables::Colour BandColor26;
    // The metal-film multiplier too, so that repainting its band never leaves
    // the picture's gold showing while the readout says another multiplier.
    tables::Colour BandColor24;
};

static_assert(sizeof(bool) == 1, "the flags are one byte each");

}  // namespace logic
