// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "form_support.h"
#include "tables/band_tables.h"
#include "tables/series.h"

namespace {

using namespace testing_support;
using logic::TForm1;

std::optional<Colour> expectedShown(tables::BandTable table, int index) {
    const tables::BandEntry& entry = table[static_cast<std::size_t>(index)];
    return entry.paint.isHidden() ? Picture : std::optional<Colour>(entry.paint.colour());
}

// What must hold whenever the window waits for the user. Returns the first
// broken fact, or an empty text.
std::string brokenFact(const TForm1& f) {
    if (f.repaints().pending()) {
        return "repaints left pending";
    }
    if (f.ListBox3.itemIndex() != f.ListBox7.itemIndex() ||
        f.ListBox24.itemIndex() != f.ListBox7.itemIndex() || f.Edit3.text() != f.Edit24.text()) {
        return "the multipliers and the decade differ";
    }
    const int bandCounts = int{f.RadioButton4B.checked()} + int{f.RadioButton5B.checked()} +
                           int{f.RadioButton6B.checked()};
    const int seriesChecked = int{f.RadioButton1.checked()} + int{f.RadioButton2.checked()} +
                              int{f.RadioButton3.checked()} + int{f.RadioButton4.checked()};
    if (bandCounts != 1 || seriesChecked > 1) {
        return "not exactly one band count, or more than one series";
    }
    const bool four = f.RadioButton4B.checked();
    if ((f.RadioButton1.checked() || f.RadioButton2.checked()) && !four) {
        return "E12 or E24 without four bands";
    }
    if ((f.RadioButton3.checked() || f.RadioButton4.checked()) && !f.RadioButton5B.checked()) {
        return "E48 or E96 without five bands";
    }
    for (const logic::ListBox* list : {&f.ListBox1, &f.ListBox2, &f.ListBox3, &f.ListBox4}) {
        if (list->enabled() != four) {
            return list->name() + " enabled against the band count";
        }
    }
    for (const logic::ListBox* list :
         {&f.ListBox21, &f.ListBox22, &f.ListBox23, &f.ListBox24, &f.ListBox25}) {
        if (list->enabled() == four) {
            return list->name() + " enabled against the band count";
        }
    }
    if (f.ListBox26.enabled() != f.RadioButton6B.checked() ||
        f.PaintBox26.visible() != f.RadioButton6B.checked()) {
        return "the temperature band against six bands";
    }
    if (f.ListBox5.enabled() != f.RadioButton1.checked() ||
        f.ListBox6.enabled() != f.RadioButton2.checked() ||
        f.ListBox8.enabled() != f.RadioButton3.checked() ||
        f.ListBox9.enabled() != f.RadioButton4.checked() || !f.ListBox7.enabled()) {
        return "a series list enabled against its series";
    }
    struct Band {
        const logic::ListBox& list;
        const logic::Edit& readout;
        const logic::PaintBox& overlay;
        tables::BandTable table;
    };
    for (const Band& band :
         {Band{f.ListBox1, f.Edit1, f.PaintBox1, tables::DigitColorList},
          Band{f.ListBox2, f.Edit2, f.PaintBox2, tables::DigitColorList},
          Band{f.ListBox21, f.Edit21, f.PaintBox21, tables::DigitColorList},
          Band{f.ListBox22, f.Edit22, f.PaintBox22, tables::DigitColorList},
          Band{f.ListBox3, f.Edit3, f.PaintBox3, tables::MultiplierColorList},
          Band{f.ListBox24, f.Edit24, f.PaintBox24, tables::MultiplierColorList},
          Band{f.ListBox4, f.Edit4, f.PaintBox4, tables::CarbonToleranceList},
          Band{f.ListBox25, f.Edit25, f.PaintBox25, tables::MetalToleranceList}}) {
        const int index = band.list.itemIndex();
        if (index < 0 ||
            band.readout.text() != band.table[static_cast<std::size_t>(index)].readout ||
            band.overlay.shownColour() != expectedShown(band.table, index)) {
            return band.list.name() + " and its band disagree";
        }
    }
    // The third metal-film digit's field is editable: only its band is checked.
    if (f.PaintBox23.shownColour() !=
        expectedShown(tables::DigitColorList, f.ListBox23.itemIndex())) {
        return "ListBox23 and its band disagree";
    }
    if (f.RadioButton6B.checked() &&
        (f.ListBox26.itemIndex() < 0 ||
         f.Edit26.text() !=
             tables::TempCoeffList[static_cast<std::size_t>(f.ListBox26.itemIndex())].readout ||
         f.PaintBox26.shownColour() !=
             expectedShown(tables::TempCoeffList, f.ListBox26.itemIndex()))) {
        return "the temperature coefficient and its band disagree";
    }
    // A selected preferred value is what the digit bands encode.
    const auto encodes = [](const logic::ListBox& series, tables::TextList values,
                            std::initializer_list<const logic::ListBox*> digits) {
        const std::optional<std::string_view> value = tables::textAt(values, series.itemIndex());
        if (!value) {
            return true;
        }
        std::size_t position = 0;
        for (const logic::ListBox* digit : digits) {
            if (tables::digitAt(*value, position++) != digit->itemIndex()) {
                return false;
            }
        }
        return true;
    };
    if (!encodes(f.ListBox5, tables::E12Values, {&f.ListBox1, &f.ListBox2}) ||
        !encodes(f.ListBox6, tables::E24Values, {&f.ListBox1, &f.ListBox2}) ||
        !encodes(f.ListBox8, tables::E48Values, {&f.ListBox21, &f.ListBox22, &f.ListBox23}) ||
        !encodes(f.ListBox9, tables::E96Values, {&f.ListBox21, &f.ListBox22, &f.ListBox23})) {
        return "a selected preferred value differs from the digit bands";
    }
    if (f.State.CarbonMultiplierByDecade || f.State.MetalMultiplierByDecade ||
        f.State.MetalDigitsBySeries) {
        return "a one-shot flag left set";
    }
    return {};
}

TEST(RandomUserActions, EveryChainEndsAndTheWindowStaysConsistent) {
    TForm1 form;
    form.show();
    ASSERT_EQ(brokenFact(form), "");

    std::vector<logic::ListBox*> lists{
        &form.ListBox1,  &form.ListBox2,  &form.ListBox3,  &form.ListBox4,  &form.ListBox5,
        &form.ListBox6,  &form.ListBox7,  &form.ListBox8,  &form.ListBox9,  &form.ListBox21,
        &form.ListBox22, &form.ListBox23, &form.ListBox24, &form.ListBox25, &form.ListBox26};
    std::vector<logic::RadioButton*> buttons{
        &form.RadioButton1,  &form.RadioButton2,  &form.RadioButton3, &form.RadioButton4,
        &form.RadioButton4B, &form.RadioButton5B, &form.RadioButton6B};
    std::vector<logic::PaintBox*> boxes{
        &form.PaintBox1,  &form.PaintBox2,  &form.PaintBox3,  &form.PaintBox4,  &form.PaintBox21,
        &form.PaintBox22, &form.PaintBox23, &form.PaintBox24, &form.PaintBox25, &form.PaintBox26};

    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    constexpr int Actions = 300'000;
    for (int action = 0; action < Actions; ++action) {
        std::string what;
        switch (pick(10)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4: {
                logic::ListBox& list = *lists[pick(lists.size())];
                const int item = static_cast<int>(pick(static_cast<std::size_t>(list.count())));
                what = "select " + list.name() + " " + std::to_string(item);
                form.userSelect(list, item);  // ignored by a disabled list
                break;
            }
            case 5:
            case 6: {
                logic::RadioButton& button = *buttons[pick(buttons.size())];
                what = "choose " + button.name();
                form.userChoose(button);
                break;
            }
            case 7:
                what = "expose the window";
                form.expose();
                break;
            case 8: {
                logic::PaintBox& box = *boxes[pick(boxes.size())];
                what = "expose " + box.name();
                form.expose(box);
                break;
            }
            default:
                what = "type into Edit23";
                form.userType(form.Edit23, std::to_string(pick(1000)));
                break;
        }
        const std::string broken = brokenFact(form);
        ASSERT_EQ(broken, "") << "after action " << action << ": " << what << "\n"
                              << describe(form);
    }
}

}  // namespace
