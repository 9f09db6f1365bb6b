// SPDX-License-Identifier: GPL-3.0-or-later
// The metal-film resistor: three digits, multiplier, tolerance and, with six
// bands, the temperature coefficient.
#include "logic/form.h"

namespace logic {

// A metal-film digit chosen by hand drops the E48 or E96 value without running
// their handlers, so no other band and no flag changes.
void TForm1::forgetMetalSeriesValue(Control& /*Sender*/) {
    ListBox8.setItemIndex(-1);
    ListBox9.setItemIndex(-1);
}

void TForm1::ListBox21Click(Control& Sender) {
    digitClick(Sender, {ListBox21, Edit21, PaintBox21}, State.MetalDigitsBySeries,
               &TForm1::forgetMetalSeriesValue, State.BandColor21);
}

void TForm1::ListBox22Click(Control& Sender) {
    digitClick(Sender, {ListBox22, Edit22, PaintBox22}, State.MetalDigitsBySeries,
               &TForm1::forgetMetalSeriesValue, State.BandColor22);
}

void TForm1::ListBox23Click(Control& Sender) {
    digitClick(Sender, {ListBox23, Edit23, PaintBox23}, State.MetalDigitsBySeries,
               &TForm1::forgetMetalSeriesValue, State.BandColor23);
}

void TForm1::ListBox24Click(Control& Sender) {
    multiplierClick(Sender, {ListBox24, Edit24, PaintBox24}, State.MetalMultiplierByDecade,
                    State.MetalMultiplierIndex, ListBox8, ListBox9);
    recordAndFill(PaintBox24, State.BandColor24);
}

void TForm1::ListBox25Click(Control& /*Sender*/) {
    const int index = ListBox25.itemIndex();
    const std::optional<tables::BandEntry> entry =
        tables::entryAt(tables::MetalToleranceList, index);
    if (entry && !entry->paint.isHidden()) {
        PaintBox25.setVisible(true);
    }
    showItem(tables::MetalToleranceList, index, Edit25, PaintBox25);
    recordAndFill(PaintBox25, State.BandColor25);
}

void TForm1::ListBox26Click(Control& /*Sender*/) {
    State.TempCoeffIndex = ListBox26.itemIndex();
    PaintBox26.setVisible(true);
    showItem(tables::TempCoeffList, ListBox26.itemIndex(), Edit26, PaintBox26);
    recordAndFill(PaintBox26, State.BandColor26);
}

}  // namespace logic
