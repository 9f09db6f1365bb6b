// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/reactive_labels.h"

#include "notation/french.h"
#include "reactive/capacitor_codes.h"
#include "reactive/inductor_code.h"

namespace labelling {

LabelContent capacitorLabel(const reactive::Capacitance& value) {
    LabelContent label;
    label.value = value.french();
    label.markingsTitle = "Code";
    const notation::Decimal picofarads = value.picofarads();
    if (const auto code = reactive::threeDigitCodeOf(picofarads, true)) {
        label.markings.push_back(*code);
    }
    if (const auto code = reactive::rCodeOf(picofarads)) {
        label.markings.push_back(*code);
    }
    label.markings.push_back(value.compact());
    return label;
}

LabelContent inductorLabel(const reactive::Inductance& value, int toleranceBasisPoints) {
    LabelContent label;
    label.value = value.french();
    label.markingsTitle = "Code";
    const std::string tolerance = notation::frenchTolerance(toleranceBasisPoints);
    if (const auto bands = reactive::inductorBandsOf(value, toleranceBasisPoints)) {
        label.fourBands = *bands;
        label.fourCaption = "4 bagues " + tolerance;
    }
    if (const auto bands = reactive::militaryBandsOf(value, toleranceBasisPoints)) {
        label.fiveBands = *bands;
        label.fiveCaption = "militaire " + tolerance;
    }
    label.markings = reactive::inductorCodesOf(value);
    return label;
}

}  // namespace labelling
