// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_support.h"

namespace {

using namespace testing_support;

using Repaint = StartedForm;

// A repaint re-runs the checked series, which resets its tolerance.
TEST_F(Repaint, WithE12TheToleranceGoesBackToSilver) {
    useE12(2);
    select(form.ListBox4, 1);  // gold hides the band; the hidden box is not repainted
    EXPECT_EQ(form.ListBox4.itemIndex(), 1);
    form.expose();
    EXPECT_EQ(form.ListBox4.itemIndex(), 0);
    EXPECT_EQ(form.Edit4.text(), pm("10%"));
    EXPECT_EQ(form.PaintBox4.shownColour(), Silver);
}

TEST_F(Repaint, WithE24TheUsersToleranceStays) {
    useE24(2);
    select(form.ListBox4, 0);  // silver shows the band: it is repainted at once
    form.expose();
    EXPECT_EQ(form.ListBox4.itemIndex(), 0);
    EXPECT_EQ(form.Edit4.text(), pm("10%"));
    EXPECT_EQ(form.PaintBox4.shownColour(), Silver);
}

TEST_F(Repaint, WithE48AndE96TheToleranceGoesBackToTheSeries) {
    select(form.ListBox25, 0);  // visible before and after: no repaint yet
    EXPECT_EQ(form.ListBox25.itemIndex(), 0);
    EXPECT_EQ(form.PaintBox25.shownColour(), Silver);
    form.expose();
    EXPECT_EQ(form.ListBox25.itemIndex(), 2);
    EXPECT_EQ(form.PaintBox25.shownColour(), Red);

    choose(form.RadioButton4);
    select(form.ListBox25, 5);
    form.expose(form.PaintBox22);
    EXPECT_EQ(form.ListBox25.itemIndex(), 3);
    EXPECT_EQ(form.Edit25.text(), pm("1%"));
    EXPECT_EQ(form.PaintBox25.shownColour(), Brown);
}

TEST_F(Repaint, GoldThenAVisibleToleranceUnderE48ComesBackToTwoPercent) {
    select(form.ListBox25, 1);
    select(form.ListBox25, 4);
    EXPECT_EQ(form.ListBox25.itemIndex(), 2);
    EXPECT_EQ(form.Edit25.text(), pm("2%"));
    EXPECT_EQ(form.PaintBox25.shownColour(), Red);
}

TEST_F(Repaint, WithoutASeriesAHiddenCarbonToleranceStaysHidden) {
    choose(form.RadioButton4B);
    select(form.ListBox4, 1);
    form.expose();
    EXPECT_FALSE(form.PaintBox4.visible());
    EXPECT_EQ(form.Edit4.text(), pm("5%"));

    choose(form.RadioButton1);
    select(form.ListBox4, 1);
    form.expose();
    EXPECT_TRUE(form.PaintBox4.visible());
    EXPECT_EQ(form.PaintBox4.shownColour(), Silver);
    EXPECT_EQ(form.Edit4.text(), pm("10%"));
}

// Every band refills from what the handlers remember, whichever band is exposed.
TEST_F(Repaint, EveryBandComesBackFromItsRememberedColour) {
    choose(form.RadioButton6B);
    select(form.ListBox26, 2);
    select(form.ListBox21, 9);
    select(form.ListBox22, 3);
    select(form.ListBox23, 5);
    select(form.ListBox24, 8);
    select(form.ListBox25, 6);
    const std::string settled = describe(form);
    for (logic::PaintBox* box : {&form.PaintBox21, &form.PaintBox22, &form.PaintBox23,
                                 &form.PaintBox24, &form.PaintBox25, &form.PaintBox26}) {
        form.expose(*box);
        EXPECT_EQ(describe(form), settled) << box->name();
    }
    EXPECT_EQ(form.PaintBox21.shownColour(), White);
    EXPECT_EQ(form.PaintBox22.shownColour(), Orange);
    EXPECT_EQ(form.PaintBox23.shownColour(), Green);
    EXPECT_EQ(form.PaintBox24.shownColour(), Blue);
    EXPECT_EQ(form.PaintBox25.shownColour(), Violet);
    EXPECT_EQ(form.PaintBox26.shownColour(), Yellow);
}

// Repainting the metal-film multiplier alone never leaves the picture's gold
// showing under a readout that says otherwise.
TEST_F(Repaint, TheMetalMultiplierRepaintsItsOwnColour) {
    select(form.ListBox24, 6);
    form.expose(form.PaintBox24);
    EXPECT_EQ(form.Edit24.text(), "0 000");
    EXPECT_EQ(form.PaintBox24.shownColour(), Yellow);
}

TEST_F(Repaint, AFillWithNoColorDrawsNothing) {
    form.State.BandColor21 = tables::NoColor;
    form.SaveColors(form.PaintBox1);
    EXPECT_EQ(form.PaintBox21.shownColour(), Brown);
    EXPECT_EQ(form.PaintBox21.brushColor(), tables::NoColor);
}

}  // namespace

namespace {

using namespace testing_support;

struct Shown {
    std::string text;
    std::string caption;
    int flags;
};

TEST_F(StartedForm, AboutShowsTwoInformationBoxesInOrderAndChangesNothing) {
    std::vector<Shown> shown;
    form.setMessageBoxShower([&](const std::string& text, const std::string& caption, int flags) {
        shown.push_back({text, caption, flags});
        form.expose();  // the window is still repainted while a box is open
    });
    select(form.ListBox25, 5);
    const std::string before = describe(form);
    form.userChooseMenuItem(form.proposde1);
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[0].text, "     https://resistances.example.org");
    EXPECT_EQ(shown[1].text, "");
    for (const Shown& box : shown) {
        EXPECT_EQ(box.caption, "\u00E0 propos de...");
        EXPECT_EQ(box.flags, 64);
    }
    EXPECT_EQ(form.proposde1.caption(), "\u00E0 propos de...");
    // The handler changes nothing itself; the repaints re-apply E48's 2 %.
    EXPECT_NE(describe(form), before);
    EXPECT_EQ(form.ListBox25.itemIndex(), 2);
}

}  // namespace
