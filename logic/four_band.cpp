// SPDX-License-Identifier: GPL-3.0-or-later
// The carbon-film resistor: two digits, multiplier, tolerance.
#include "logic/form.h"

namespace logic {

void TForm1::ListBox1Click(Control& Sender) {
    digitClick(Sender, {ListBox1, Edit1, PaintBox1}, State.CarbonDigitsBySeries,
               &TForm1::ClearSeriesSelection, State.BandColor1);
}

void TForm1::ListBox2Click(Control& Sender) {
    digitClick(Sender, {ListBox2, Edit2, PaintBox2}, State.CarbonDigitsBySeries,
               &TForm1::ClearSeriesSelection, State.BandColor2);
}

void TForm1::ListBox3Click(Control& Sender) {
    multiplierClick(Sender, {ListBox3, Edit3, PaintBox3}, State.CarbonMultiplierByDecade,
                    State.CarbonMultiplierIndex, ListBox5, ListBox6);
    PaintBox3.fillClipRect();
}

// Silver is filled; gold hides the overlay. Repaints restore silver only, so
// the colour is not remembered.
void TForm1::ListBox4Click(Control& /*Sender*/) {
    PaintBox4.setVisible(true);
    // Showing gold hides the overlay; only a colour left it visible to fill.
    if (showItem(tables::CarbonToleranceList, ListBox4.itemIndex(), Edit4, PaintBox4) &&
        PaintBox4.visible()) {
        PaintBox4.fillClipRect();
    }
}

}  // namespace logic
