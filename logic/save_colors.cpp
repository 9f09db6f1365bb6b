// SPDX-License-Identifier: GPL-3.0-or-later
// Repainting the bands: the remembered colours go back on, and the checked
// radio buttons are applied again.
#include "logic/form.h"

namespace logic {

namespace {

void fillWith(PaintBox& overlay, tables::Colour colour) {
    overlay.setBrushColor(colour);
    overlay.fillClipRect();
}

}  // namespace

// Works on every band whichever box is being painted. There is deliberately no
// E24 step: with E24 checked, the tolerance the user chose survives a repaint.
void TForm1::SaveColors(Control& Sender) {
    fillWith(PaintBox1, State.BandColor1);
    fillWith(PaintBox2, State.BandColor2);
    fillWith(PaintBox21, State.BandColor21);
    fillWith(PaintBox22, State.BandColor22);
    fillWith(PaintBox23, State.BandColor23);
    if (PaintBox4.visible()) {
        fillWith(PaintBox4, tables::Silver);
    }
    if (PaintBox25.visible()) {
        fillWith(PaintBox25, State.BandColor25);
    }

    if (RadioButton4B.checked()) {
        RadioButton4BClick(Sender);
    }
    if (RadioButton5B.checked()) {
        RadioButton5BClick(Sender);
    }
    if (RadioButton6B.checked()) {
        RadioButton6BClick(Sender);
    }
    if (RadioButton1.checked()) {
        RadioButton1Click(Sender);
    }
    if (RadioButton3.checked()) {
        RadioButton3Click(Sender);
    }
    if (RadioButton4.checked()) {
        RadioButton4Click(Sender);
    }
}

void TForm1::PaintBox24Paint(Control& /*Sender*/) {
    fillWith(PaintBox24, State.BandColor24);
}

}  // namespace logic
