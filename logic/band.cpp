// SPDX-License-Identifier: GPL-3.0-or-later
// What every band handler does with its band: show an item, remember, fill.
#include "logic/form.h"

namespace logic {

// Readout first, then the paint: a colour into the brush, or the overlay hidden
// with its brush left as it was. An index outside the table shows nothing new.
bool TForm1::showItem(tables::BandTable table, int index, Edit& readout, PaintBox& overlay) {
    const std::optional<tables::BandEntry> entry = tables::entryAt(table, index);
    if (!entry) {
        return false;
    }
    readout.setText(entry->readout);
    if (entry->paint.isHidden()) {
        overlay.setVisible(false);
    } else {
        overlay.setBrushColor(entry->paint.colour());
    }
    return true;
}

void TForm1::recordAndFill(PaintBox& overlay, tables::Colour& remembered) {
    remembered = overlay.brushColor();
    overlay.fillClipRect();
}

// A digit chosen by hand also drops the preferred value it no longer matches;
// one set by a series handler (flag set) only shows the digit.
void TForm1::digitClick(Control& Sender, const Band& band, bool& bySeries, Method clearSeries,
                        tables::Colour& remembered) {
    const int index = band.list.itemIndex();
    if (bySeries == true) {
        showItem(tables::DigitColorList, index, band.readout, band.overlay);
        bySeries = false;
    } else if (tables::entryAt(tables::DigitColorList, index)) {
        (this->*clearSeries)(Sender);
        showItem(tables::DigitColorList, index, band.readout, band.overlay);
    }
    recordAndFill(band.overlay, remembered);
}

// A multiplier chosen by hand drops the preferred value and goes to the decade
// list, which carries it to both panels (and back here, on the flag path).
void TForm1::multiplierClick(Control& Sender, const Band& band, bool& byDecade, std::int32_t& index,
                             ListBox& seriesA, ListBox& seriesB) {
    band.overlay.setVisible(true);
    index = band.list.itemIndex();
    if (byDecade == true) {
        showItem(tables::MultiplierColorList, band.list.itemIndex(), band.readout, band.overlay);
        byDecade = false;
    } else {
        const int chosen = band.list.itemIndex();
        if (tables::entryAt(tables::MultiplierColorList, chosen)) {
            seriesA.setItemIndex(-1);
            seriesB.setItemIndex(-1);
            ListBox7.setItemIndex(index);
            ListBox7Click(Sender);
            showItem(tables::MultiplierColorList, chosen, band.readout, band.overlay);
        }
    }
}

}  // namespace logic
