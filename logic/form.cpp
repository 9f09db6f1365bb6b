// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/form.h"

#include "tables/band_tables.h"
#include "tables/series.h"

namespace logic {

TForm1* Form1 = nullptr;

namespace {

void appendAll(ListBox& list, tables::BandTable table) {
    for (const tables::BandEntry& entry : table) {
        list.appendItem(entry.item);
    }
}

void appendAll(ListBox& list, tables::TextList texts) {
    for (const std::string_view text : texts) {
        list.appendItem(text);
    }
}

}  // namespace

TForm1::TForm1() : Window("Form1") {
    Form1 = this;
    repaints().setPaintOrder({&PaintBox4, &PaintBox3, &PaintBox2, &PaintBox1,  //
                              &PaintBox25, &PaintBox24, &PaintBox22, &PaintBox21, &PaintBox23,
                              &PaintBox26});
    bindEvents();
    FormCreate(*this);
}

TForm1::~TForm1() {
    if (Form1 == this) {
        Form1 = nullptr;
    }
}

Control* TForm1::findControl(std::string_view name) {
    for (Control* control : std::initializer_list<Control*>{
             &GroupBox1,    &Label6,        &Label9,        &Label10,       &Label11,
             &Label22,      &Label19,       &Label25,       &Label24,       &Image3,
             &Image4,       &ListBox5,      &ListBox6,      &ListBox8,      &ListBox9,
             &GroupBox3,    &GroupBox4,     &RadioButton1,  &RadioButton2,  &RadioButton3,
             &RadioButton4, &RadioButton4B, &RadioButton5B, &RadioButton6B, &GroupBox6,
             &Label8,       &ListBox7,      &Label7,        &GroupBox2,     &Image1,
             &Edit1,        &Edit2,         &Edit3,         &Label1,        &Edit4,
             &Label2,       &Label3,        &Label4,        &Label5,        &ListBox1,
             &ListBox2,     &ListBox3,      &ListBox4,      &PaintBox1,     &PaintBox2,
             &PaintBox3,    &PaintBox4,     &GroupBox5,     &Image2,        &Label21,
             &Label20,      &Edit26,        &Edit21,        &Edit22,        &Edit23,
             &Edit24,       &Label16,       &Edit25,        &Label15,       &Label14,
             &Label17,      &Label13,       &Label12,       &Label18,       &ListBox21,
             &ListBox22,    &ListBox23,     &ListBox24,     &ListBox25,     &ListBox26,
             &PaintBox21,   &PaintBox22,    &PaintBox23,    &PaintBox24,    &PaintBox25,
             &PaintBox26,   &proposde1,     &PopupMenu1}) {
        if (control->name() == name) {
            return control;
        }
    }
    return name == this->name() ? this : nullptr;
}

Handler TForm1::bind(Method method) {
    return [this, method](Control& sender) { (this->*method)(sender); };
}

void TForm1::bindEvents() {
    ListBox1.OnClick = bind(&TForm1::ListBox1Click);
    ListBox2.OnClick = bind(&TForm1::ListBox2Click);
    ListBox3.OnClick = bind(&TForm1::ListBox3Click);
    ListBox4.OnClick = bind(&TForm1::ListBox4Click);
    ListBox5.OnClick = bind(&TForm1::ListBox5Click);
    ListBox6.OnClick = bind(&TForm1::ListBox6Click);
    ListBox7.OnClick = bind(&TForm1::ListBox7Click);
    ListBox8.OnClick = bind(&TForm1::ListBox8Click);
    ListBox9.OnClick = bind(&TForm1::ListBox9Click);
    ListBox21.OnClick = bind(&TForm1::ListBox21Click);
    ListBox22.OnClick = bind(&TForm1::ListBox22Click);
    ListBox23.OnClick = bind(&TForm1::ListBox23Click);
    ListBox24.OnClick = bind(&TForm1::ListBox24Click);
    ListBox25.OnClick = bind(&TForm1::ListBox25Click);
    ListBox26.OnClick = bind(&TForm1::ListBox26Click);

    RadioButton1.OnClick = bind(&TForm1::RadioButton1Click);
    RadioButton2.OnClick = bind(&TForm1::RadioButton2Click);
    RadioButton3.OnClick = bind(&TForm1::RadioButton3Click);
    RadioButton4.OnClick = bind(&TForm1::RadioButton4Click);
    RadioButton4B.OnClick = bind(&TForm1::RadioButton4BClick);
    RadioButton5B.OnClick = bind(&TForm1::RadioButton5BClick);
    RadioButton6B.OnClick = bind(&TForm1::RadioButton6BClick);

    // Repainting a band runs logic: most bands restore every remembered colour
    // and re-apply the checked modes, the four-band multiplier re-applies the
    // decade, the temperature band re-applies six bands.
    for (PaintBox* box :
         {&PaintBox1, &PaintBox2, &PaintBox4, &PaintBox21, &PaintBox22, &PaintBox23, &PaintBox25}) {
        box->OnPaint = bind(&TForm1::SaveColors);
    }
    PaintBox3.OnPaint = bind(&TForm1::ListBox7Click);
    PaintBox24.OnPaint = bind(&TForm1::PaintBox24Paint);
    PaintBox26.OnPaint = bind(&TForm1::RadioButton6BClick);

    proposde1.OnClick = bind(&TForm1::proposde1Click);
}

void TForm1::FormCreate(Control& /*Sender*/) {
    placement_ = Placement::ScreenCenter;

    for (ListBox* list : {&ListBox1, &ListBox2, &ListBox21, &ListBox22, &ListBox23}) {
        appendAll(*list, tables::DigitColorList);
    }
    appendAll(ListBox4, tables::CarbonToleranceList);
    appendAll(ListBox3, tables::MultiplierColorList);
    appendAll(ListBox24, tables::MultiplierColorList);
    appendAll(ListBox25, tables::MetalToleranceList);
    appendAll(ListBox5, tables::E12Values);
    appendAll(ListBox6, tables::E24Values);
    appendAll(ListBox7, tables::DecadeList);
    appendAll(ListBox8, tables::E48Values);
    appendAll(ListBox9, tables::E96Values);
    appendAll(ListBox26, tables::TempCoeffList);

    // The metal-film bands start as the first E48 value would set them at
    // decade 1, but without running ListBox8Click.
    ListBox1.setItemIndex(1);
    ListBox2.setItemIndex(0);
    ListBox3.setItemIndex(1);
    ListBox4.setItemIndex(1);
    ListBox5.setItemIndex(-1);
    ListBox6.setItemIndex(-1);
    ListBox7.setItemIndex(1);
    ListBox8.setItemIndex(0);
    ListBox9.setItemIndex(-1);
    ListBox21.setItemIndex(1);
    ListBox22.setItemIndex(0);
    ListBox23.setItemIndex(0);
    ListBox24.setItemIndex(1);
    ListBox25.setItemIndex(2);
    ListBox26.setItemIndex(-1);

    for (ListBox* list : {&ListBox5, &ListBox6, &ListBox8, &ListBox9, &ListBox21, &ListBox22,
                          &ListBox23, &ListBox24, &ListBox25, &ListBox26}) {
        list->setEnabled(false);
    }

    State.BandColor1 = tables::Colour::rgb(128, 0, 0);
    State.BandColor2 = tables::Colour::rgb(0, 0, 0);
    State.BandColor21 = tables::Colour::rgb(128, 0, 0);
    State.BandColor22 = tables::Colour::rgb(0, 0, 0);
    State.BandColor23 = tables::Colour::rgb(0, 0, 0);
    State.BandColor25 = tables::NoColor;
    State.BandColor26 = tables::Colour::rgb(128, 0, 0);

    // The pictures' own gold bands show at both multipliers and the tolerance.
    PaintBox3.setVisible(false);
    PaintBox4.setVisible(false);
    PaintBox24.setVisible(false);
}

}  // namespace logic
