// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "../support/french_text.h"
#include "logic/form.h"
#include "tables/colour.h"

namespace testing_support {

using tables::Colour;

inline constexpr Colour Black = Colour::rgb(0, 0, 0);
inline constexpr Colour Brown = Colour::rgb(128, 0, 0);
inline constexpr Colour Red = Colour::rgb(255, 0, 0);
inline constexpr Colour Orange = Colour::rgb(237, 127, 16);
inline constexpr Colour Yellow = Colour::rgb(255, 255, 0);
inline constexpr Colour Green = Colour::rgb(0, 255, 0);
inline constexpr Colour Blue = Colour::rgb(0, 0, 255);
inline constexpr Colour Violet = Colour::rgb(128, 0, 128);
inline constexpr Colour Grey = Colour::rgb(128, 128, 128);
inline constexpr Colour White = Colour::rgb(255, 255, 255);
inline constexpr Colour Silver = Colour::rgb(192, 192, 192);

// What a band shows when its overlay draws nothing: the picture beneath.
inline constexpr std::optional<Colour> Picture = std::nullopt;

inline std::string describe(std::optional<Colour> shown) {
    if (!shown) {
        return "picture";
    }
    if (shown->isNone()) {
        return "none";
    }
    std::ostringstream out;
    out << '(' << int{shown->red()} << ", " << int{shown->green()} << ", " << int{shown->blue()}
        << ')';
    return out.str();
}

// Everything a user or a handler can observe, as one text: two forms in the same
// state give the same text, and a failed comparison shows what differs.
inline std::string describe(const logic::TForm1& form) {
    std::ostringstream out;
    const auto list = [&](const logic::ListBox& box) {
        out << box.name() << '=' << box.itemIndex() << (box.enabled() ? "" : "(off)") << '\n';
    };
    for (const logic::ListBox* box :
         {&form.ListBox1, &form.ListBox2, &form.ListBox3, &form.ListBox4, &form.ListBox5,
          &form.ListBox6, &form.ListBox7, &form.ListBox8, &form.ListBox9, &form.ListBox21,
          &form.ListBox22, &form.ListBox23, &form.ListBox24, &form.ListBox25, &form.ListBox26}) {
        list(*box);
    }
    for (const logic::Edit* edit :
         {&form.Edit1, &form.Edit2, &form.Edit3, &form.Edit4, &form.Edit21, &form.Edit22,
          &form.Edit23, &form.Edit24, &form.Edit25, &form.Edit26}) {
        out << edit->name() << "='" << edit->text() << "'\n";
    }
    for (const logic::RadioButton* button :
         {&form.RadioButton1, &form.RadioButton2, &form.RadioButton3, &form.RadioButton4,
          &form.RadioButton4B, &form.RadioButton5B, &form.RadioButton6B}) {
        out << button->name() << '=' << button->checked() << '\n';
    }
    for (const logic::PaintBox* box :
         {&form.PaintBox1, &form.PaintBox2, &form.PaintBox3, &form.PaintBox4, &form.PaintBox21,
          &form.PaintBox22, &form.PaintBox23, &form.PaintBox24, &form.PaintBox25,
          &form.PaintBox26}) {
        out << box->name() << (box->visible() ? "" : "(hidden)") << " shows "
            << describe(box->shownColour()) << " brush " << describe(box->brushColor()) << '\n';
    }
    const logic::FormState& s = form.State;
    out << "SavedDecade=" << s.SavedDecade << " CarbonMultiplierIndex=" << s.CarbonMultiplierIndex
        << " MetalMultiplierIndex=" << s.MetalMultiplierIndex
        << " TempCoeffIndex=" << s.TempCoeffIndex << '\n'
        << "flags " << s.CarbonMultiplierByDecade << s.MetalMultiplierByDecade
        << s.CarbonDigitsBySeries << s.MetalDigitsBySeries << '\n'
        << "colours " << describe(s.BandColor1) << describe(s.BandColor2) << describe(s.BandColor21)
        << describe(s.BandColor22) << describe(s.BandColor23) << describe(s.BandColor24)
        << describe(s.BandColor25) << describe(s.BandColor26) << '\n';
    return out.str();
}

// A window as the user first sees it: built, then shown once.
class StartedForm : public testing::Test {
protected:
    StartedForm() { form.show(); }

    logic::TForm1 form;

    // Ways into the window that a user has.
    void select(logic::ListBox& list, int index) { form.userSelect(list, index); }
    void choose(logic::RadioButton& button) { form.userChoose(button); }

    // The four-band panel with E12 chosen, or E24, and a value picked.
    void useE12(int item) {
        choose(form.RadioButton1);
        select(form.ListBox5, item);
    }
    void useE24(int item) {
        choose(form.RadioButton2);
        select(form.ListBox6, item);
    }
};

}  // namespace testing_support
