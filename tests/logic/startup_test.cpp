// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "form_support.h"
#include "logic/form.h"

namespace {

using namespace testing_support;

struct ListStart {
    const char* name;
    logic::ListBox logic::TForm1::*list;
    std::vector<std::string> firstItems;  // the first items, in order
    int count;
    int selected;
    bool enabled;
};

const std::vector<ListStart>& listStarts() {
    using F = logic::TForm1;
    static const std::vector<ListStart> rows{
        {"ListBox1", &F::ListBox1, {"NOIR", "MARRON", "ROUGE"}, 10, 1, true},
        {"ListBox2", &F::ListBox2, {"NOIR", "MARRON"}, 10, 0, true},
        {"ListBox3", &F::ListBox3, {"ARGENT", "OR", "NOIR"}, 9, 1, true},
        {"ListBox4", &F::ListBox4, {"Argent", "Or"}, 2, 1, true},
        {"ListBox5", &F::ListBox5, {"10", "12"}, 12, -1, false},
        {"ListBox6", &F::ListBox6, {"10", "11"}, 24, -1, false},
        {"ListBox7", &F::ListBox7, {"x0,01 (Ohm)", "xO,1 (Ohm)"}, 9, 1, true},
        {"ListBox8", &F::ListBox8, {"100", "105"}, 48, 0, false},
        {"ListBox9", &F::ListBox9, {"100", "102"}, 96, -1, false},
        {"ListBox21", &F::ListBox21, {"NOIR", "MARRON"}, 10, 1, false},
        {"ListBox22", &F::ListBox22, {"NOIR", "MARRON"}, 10, 0, false},
        {"ListBox23", &F::ListBox23, {"NOIR", "MARRON"}, 10, 0, false},
        {"ListBox24", &F::ListBox24, {"ARGENT", "OR", "NOIR"}, 9, 1, false},
        {"ListBox25", &F::ListBox25, {"ARGENT", "OR", "ROUGE", "MARRON"}, 8, 2, false},
        {"ListBox26", &F::ListBox26, {"MARRON", "ROUGE", "JAUNE", "ORANGE"}, 4, -1, false},
    };
    return rows;
}

TEST(FormCreate, FillsEveryListSelectsAndDisablesWithoutRunningAHandler) {
    const logic::TForm1 form;
    for (const ListStart& row : listStarts()) {
        SCOPED_TRACE(row.name);
        const logic::ListBox& list = form.*row.list;
        EXPECT_EQ(list.name(), row.name);
        EXPECT_EQ(list.count(), row.count);
        const std::vector<std::string> first(
            list.items().begin(), list.items().begin() + static_cast<long>(row.firstItems.size()));
        EXPECT_EQ(first, row.firstItems);
        EXPECT_EQ(list.itemIndex(), row.selected);
        EXPECT_EQ(list.enabled(), row.enabled);
    }
    EXPECT_EQ(form.ListBox9.items()[95], "976");
    EXPECT_EQ(form.ListBox3.items(), form.ListBox24.items());
}

TEST(FormCreate, LeavesTheLayoutTextsChecksAndAZeroStateWithItsColours) {
    const logic::TForm1 form;
    EXPECT_EQ(logic::Form1, &form);
    EXPECT_EQ(form.placement(), logic::Placement::ScreenCenter);
    // Edit4 and Edit25 still show the layout's 5 %, though ListBox25 selects 2 %.
    const std::vector<std::pair<const logic::Edit*, std::string>> edits{
        {&form.Edit1, "1"},      {&form.Edit2, "0"},     {&form.Edit3, "x0,1"},
        {&form.Edit4, pm("5%")}, {&form.Edit21, "1"},    {&form.Edit22, "0"},
        {&form.Edit23, "0"},     {&form.Edit24, "x0,1"}, {&form.Edit25, pm("5%")},
        {&form.Edit26, ""}};
    for (const auto& [edit, text] : edits) {
        EXPECT_EQ(edit->text(), text) << edit->name();
        EXPECT_EQ(edit->readOnly(), edit != &form.Edit23) << edit->name();
    }
    EXPECT_TRUE(form.RadioButton3.checked());
    EXPECT_TRUE(form.RadioButton5B.checked());
    for (const logic::RadioButton* other :
         {&form.RadioButton1, &form.RadioButton2, &form.RadioButton4, &form.RadioButton4B,
          &form.RadioButton6B}) {
        EXPECT_FALSE(other->checked()) << other->name();
    }

    const logic::FormState& state = form.State;
    EXPECT_EQ(state.SavedDecade, 0);
    EXPECT_EQ(state.CarbonMultiplierIndex, 0);
    EXPECT_EQ(state.MetalMultiplierIndex, 0);
    EXPECT_EQ(state.TempCoeffIndex, 0);
    EXPECT_FALSE(state.CarbonMultiplierByDecade);
    EXPECT_FALSE(state.MetalMultiplierByDecade);
    EXPECT_FALSE(state.CarbonDigitsBySeries);
    EXPECT_FALSE(state.MetalDigitsBySeries);
    EXPECT_EQ(state.BandColor1, Brown);
    EXPECT_EQ(state.BandColor2, Black);
    EXPECT_EQ(state.BandColor21, Brown);
    EXPECT_EQ(state.BandColor22, Black);
    EXPECT_EQ(state.BandColor23, Black);
    EXPECT_EQ(state.BandColor25, tables::NoColor);
    EXPECT_EQ(state.BandColor26, Brown);
}

TEST(FormCreate, HidesBothMultipliersAndTheCarbonToleranceAndDrawsNothing) {
    const logic::TForm1 form;
    for (const logic::PaintBox* box :
         {&form.PaintBox1, &form.PaintBox2, &form.PaintBox3, &form.PaintBox4, &form.PaintBox21,
          &form.PaintBox22, &form.PaintBox23, &form.PaintBox24, &form.PaintBox25,
          &form.PaintBox26}) {
        const bool hidden =
            box == &form.PaintBox3 || box == &form.PaintBox4 || box == &form.PaintBox24;
        EXPECT_EQ(box->visible(), !hidden) << box->name();
        EXPECT_EQ(box->shownColour(), Picture) << box->name();
    }
    // Each box's own colour, which its brush takes before each repaint.
    EXPECT_EQ(form.PaintBox1.color(), Brown);
    EXPECT_EQ(form.PaintBox26.color(), Brown);
    EXPECT_EQ(form.PaintBox4.color(), Silver);
    EXPECT_EQ(form.PaintBox25.color(), Red);
    EXPECT_EQ(form.PaintBox2.color(), tables::ButtonFace);
    EXPECT_EQ(form.PaintBox24.color(), tables::ButtonFace);
}

// Records which box painted, in order, by wrapping each paint handler.
void recordPaints(logic::TForm1& form, std::vector<std::string>& log) {
    for (logic::PaintBox* box : {&form.PaintBox1, &form.PaintBox2, &form.PaintBox3, &form.PaintBox4,
                                 &form.PaintBox21, &form.PaintBox22, &form.PaintBox23,
                                 &form.PaintBox24, &form.PaintBox25, &form.PaintBox26}) {
        logic::Handler original = box->OnPaint;
        box->OnPaint = [&log, box, original](logic::Control& sender) {
            log.push_back(box->name());
            original(sender);
        };
    }
}

TEST(FirstPaint, PaintsTheVisibleBandsInOrderAndNeverEntersSixBands) {
    logic::TForm1 form;
    std::vector<std::string> painted;
    recordPaints(form, painted);
    form.show();
    // PaintBox26 is hidden by the first SaveColors before its turn comes.
    EXPECT_EQ(painted, (std::vector<std::string>{"PaintBox2", "PaintBox1", "PaintBox25",
                                                 "PaintBox22", "PaintBox21", "PaintBox23"}));
    EXPECT_FALSE(form.RadioButton6B.checked());
    EXPECT_EQ(form.State.TempCoeffIndex, 0);
    EXPECT_FALSE(form.repaints().pending());
}

using FirstPaintState = StartedForm;

TEST_F(FirstPaintState, IsWhatTheUserFirstSees) {
    const std::vector<std::pair<const logic::ListBox*, std::pair<int, bool>>> lists{
        {&form.ListBox1, {1, false}},  {&form.ListBox2, {0, false}},
        {&form.ListBox3, {1, false}},  {&form.ListBox4, {1, false}},
        {&form.ListBox21, {1, true}},  {&form.ListBox22, {0, true}},
        {&form.ListBox23, {0, true}},  {&form.ListBox24, {1, true}},
        {&form.ListBox25, {2, true}},  {&form.ListBox26, {-1, false}},
        {&form.ListBox8, {0, true}},   {&form.ListBox5, {-1, false}},
        {&form.ListBox6, {-1, false}}, {&form.ListBox9, {-1, false}},
        {&form.ListBox7, {1, true}}};
    for (const auto& [list, expected] : lists) {
        EXPECT_EQ(list->itemIndex(), expected.first) << list->name();
        EXPECT_EQ(list->enabled(), expected.second) << list->name();
    }
    EXPECT_EQ(form.Edit1.text(), "1");
    EXPECT_EQ(form.Edit2.text(), "0");
    EXPECT_EQ(form.Edit3.text(), "x0,1");
    EXPECT_EQ(form.Edit4.text(), pm("5%"));
    EXPECT_EQ(form.Edit21.text(), "1");
    EXPECT_EQ(form.Edit22.text(), "0");
    EXPECT_EQ(form.Edit23.text(), "0");
    EXPECT_EQ(form.Edit24.text(), "x0,1");
    EXPECT_EQ(form.Edit25.text(), pm("2%"));
    EXPECT_EQ(form.Edit26.text(), "");

    EXPECT_EQ(form.PaintBox1.shownColour(), Brown);
    EXPECT_EQ(form.PaintBox2.shownColour(), Black);
    EXPECT_EQ(form.PaintBox3.shownColour(), Picture);
    EXPECT_EQ(form.PaintBox4.shownColour(), Picture);
    EXPECT_EQ(form.PaintBox21.shownColour(), Brown);
    EXPECT_EQ(form.PaintBox22.shownColour(), Black);
    EXPECT_EQ(form.PaintBox23.shownColour(), Black);
    EXPECT_EQ(form.PaintBox24.shownColour(), Picture);
    EXPECT_EQ(form.PaintBox25.shownColour(), Red);
    EXPECT_EQ(form.PaintBox26.shownColour(), Picture);
    EXPECT_FALSE(form.PaintBox3.visible());
    EXPECT_FALSE(form.PaintBox4.visible());
    EXPECT_FALSE(form.PaintBox24.visible());
    EXPECT_FALSE(form.PaintBox26.visible());

    EXPECT_TRUE(form.RadioButton5B.checked());
    EXPECT_TRUE(form.RadioButton3.checked());
    EXPECT_EQ(form.State.BandColor25, Red);

    // Everything else as FormCreate left it.
    logic::FormState expected = logic::TForm1().State;
    expected.BandColor25 = Red;
    const logic::FormState& state = form.State;
    EXPECT_EQ(
        std::tie(state.SavedDecade, state.CarbonMultiplierIndex, state.MetalMultiplierIndex,
                 state.TempCoeffIndex, state.CarbonMultiplierByDecade,
                 state.MetalMultiplierByDecade, state.CarbonDigitsBySeries,
                 state.MetalDigitsBySeries, state.BandColor1, state.BandColor2, state.BandColor21,
                 state.BandColor22, state.BandColor23, state.BandColor25, state.BandColor26),
        std::tie(expected.SavedDecade, expected.CarbonMultiplierIndex,
                 expected.MetalMultiplierIndex, expected.TempCoeffIndex,
                 expected.CarbonMultiplierByDecade, expected.MetalMultiplierByDecade,
                 expected.CarbonDigitsBySeries, expected.MetalDigitsBySeries, expected.BandColor1,
                 expected.BandColor2, expected.BandColor21, expected.BandColor22,
                 expected.BandColor23, expected.BandColor25, expected.BandColor26));
}

TEST_F(FirstPaintState, AnotherExposureChangesNothing) {
    const std::string before = describe(form);
    form.expose();
    EXPECT_EQ(describe(form), before);
}

}  // namespace
