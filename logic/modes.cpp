// SPDX-License-Identifier: GPL-3.0-or-later
// The series and band-count radio buttons: which lists the user may use.
#include "logic/form.h"

namespace logic {

// A series enables its own list, drops the other three, sets its tolerance and
// switches to the band count it implies.
void TForm1::chooseSeries(Control& Sender, const SeriesChoice& choice) {
    for (ListBox* list : {&ListBox5, &ListBox6, &ListBox8, &ListBox9}) {
        if (list != &choice.own) {
            list->setItemIndex(-1);
            list->setEnabled(false);
        }
    }
    choice.own.setEnabled(true);
    choice.toleranceList.setItemIndex(choice.toleranceItem);
    (this->*choice.toleranceClick)(Sender);
    (this->*choice.bandCountClick)(Sender);
    choice.bandCount.setChecked(true);
}

void TForm1::RadioButton1Click(Control& Sender) {
    chooseSeries(Sender, {ListBox5, ListBox4, 0, &TForm1::ListBox4Click,
                          &TForm1::RadioButton4BClick, RadioButton4B});
}

void TForm1::RadioButton2Click(Control& Sender) {
    chooseSeries(Sender, {ListBox6, ListBox4, 1, &TForm1::ListBox4Click,
                          &TForm1::RadioButton4BClick, RadioButton4B});
}

void TForm1::RadioButton3Click(Control& Sender) {
    chooseSeries(Sender, {ListBox8, ListBox25, 2, &TForm1::ListBox25Click,
                          &TForm1::RadioButton5BClick, RadioButton5B});
}

void TForm1::RadioButton4Click(Control& Sender) {
    chooseSeries(Sender, {ListBox9, ListBox25, 3, &TForm1::ListBox25Click,
                          &TForm1::RadioButton5BClick, RadioButton5B});
}

void TForm1::useCarbonPanel() {
    for (ListBox* list : {&ListBox1, &ListBox2, &ListBox3, &ListBox4}) {
        list->setEnabled(true);
    }
    for (ListBox* list : {&ListBox21, &ListBox22, &ListBox23, &ListBox24, &ListBox25, &ListBox26}) {
        list->setEnabled(false);
    }
}

void TForm1::useMetalPanel() {
    for (ListBox* list : {&ListBox1, &ListBox2, &ListBox3, &ListBox4}) {
        list->setEnabled(false);
    }
    for (ListBox* list : {&ListBox21, &ListBox22, &ListBox23, &ListBox24, &ListBox25}) {
        list->setEnabled(true);
    }
}

// A series that does not fit the band count is unchecked and its list disabled.
void TForm1::dropSeries(RadioButton& series, ListBox& values, bool keepSelection) {
    if (!series.checked()) {
        return;
    }
    series.setChecked(false);
    if (!keepSelection) {
        values.setItemIndex(-1);
    }
    values.setEnabled(false);
}

void TForm1::RadioButton4BClick(Control& /*Sender*/) {
    useCarbonPanel();
    dropSeries(RadioButton3, ListBox8, false);
    dropSeries(RadioButton4, ListBox9, false);
    // Four bands never show a sixth; hiding it also keeps its repaint, which
    // re-applies six bands, from ever running in four-band mode.
    PaintBox26.setVisible(false);
}

void TForm1::RadioButton5BClick(Control& /*Sender*/) {
    useMetalPanel();
    dropSeries(RadioButton1, ListBox5, false);
    dropSeries(RadioButton2, ListBox6, false);
    // The temperature coefficient goes; TempCoeffIndex keeps it for six bands.
    ListBox26.setItemIndex(-1);
    ListBox26.setEnabled(false);
    PaintBox26.setVisible(false);
    Edit26.setText("");
}

// Also the paint handler of the temperature band: each repaint re-applies it.
void TForm1::RadioButton6BClick(Control& Sender) {
    useMetalPanel();
    dropSeries(RadioButton1, ListBox5, false);
    dropSeries(RadioButton2, ListBox6, false);
    dropSeries(RadioButton3, ListBox8, true);
    dropSeries(RadioButton4, ListBox9, true);
    PaintBox26.setVisible(true);
    PaintBox26.setBrushColor(State.BandColor26);
    PaintBox26.fillClipRect();
    ListBox26.setEnabled(true);
    ListBox26.setItemIndex(State.TempCoeffIndex);
    ListBox26Click(Sender);
}

}  // namespace logic
