// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "form_support.h"
#include "tables/band_tables.h"

namespace {

using namespace testing_support;

struct MetalDigit {
    const char* name;
    logic::ListBox logic::TForm1::*list;
    logic::Edit logic::TForm1::*readout;
    logic::PaintBox logic::TForm1::*overlay;
    Colour logic::FormState::*remembered;
};

class MetalFilmDigit : public StartedForm, public testing::WithParamInterface<MetalDigit> {};

// Unlike the carbon-film digits, a metal-film digit by hand only drops the E48
// or E96 value: the tolerance and every flag stay, and no flag is left set.
TEST_P(MetalFilmDigit, ByHandDropsOnlyTheE48AndE96Values) {
    const MetalDigit& digit = GetParam();
    choose(form.RadioButton4);
    select(form.ListBox9, 65);  // "475"
    ASSERT_EQ(form.Edit25.text(), pm("1%"));

    for (int item = 0; item < 10; ++item) {
        SCOPED_TRACE(item);
        form.ListBox8.setItemIndex(3);  // a selection the by-hand path must clear
        form.ListBox9.setItemIndex(7);
        select(form.*digit.list, item);
        const tables::BandEntry& entry = tables::DigitColorList[static_cast<std::size_t>(item)];
        EXPECT_EQ((form.*digit.readout).text(), std::string(entry.readout));
        EXPECT_EQ((form.*digit.overlay).shownColour(), entry.paint.colour());
        EXPECT_EQ(form.State.*digit.remembered, entry.paint.colour());
        EXPECT_EQ(form.ListBox8.itemIndex(), -1);
        EXPECT_EQ(form.ListBox9.itemIndex(), -1);
        EXPECT_EQ(form.ListBox25.itemIndex(), 3);
        EXPECT_EQ(form.Edit25.text(), pm("1%"));
        EXPECT_FALSE(form.State.MetalDigitsBySeries);
        EXPECT_FALSE(form.State.CarbonDigitsBySeries);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachDigit, MetalFilmDigit,
    testing::Values(MetalDigit{"first", &logic::TForm1::ListBox21, &logic::TForm1::Edit21,
                               &logic::TForm1::PaintBox21, &logic::FormState::BandColor21},
                    MetalDigit{"second", &logic::TForm1::ListBox22, &logic::TForm1::Edit22,
                               &logic::TForm1::PaintBox22, &logic::FormState::BandColor22},
                    MetalDigit{"third", &logic::TForm1::ListBox23, &logic::TForm1::Edit23,
                               &logic::TForm1::PaintBox23, &logic::FormState::BandColor23}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(StartedForm, MetalMultiplierByHandMovesTheDecadeAndTheCarbonMultiplier) {
    select(form.ListBox8, 10);
    select(form.ListBox24, 6);  // "JAUNE"
    EXPECT_EQ(form.Edit24.text(), "0 000");
    EXPECT_EQ(form.PaintBox24.shownColour(), Yellow);
    EXPECT_EQ(form.ListBox7.itemIndex(), 6);
    EXPECT_EQ(form.ListBox3.itemIndex(), 6);
    EXPECT_EQ(form.Edit3.text(), "0 000");
    EXPECT_EQ(form.PaintBox3.shownColour(), Yellow);
    EXPECT_EQ(form.ListBox8.itemIndex(), -1);
    EXPECT_EQ(form.ListBox9.itemIndex(), -1);
    EXPECT_EQ(form.State.MetalMultiplierIndex, 6);
    EXPECT_EQ(form.State.BandColor24, Yellow);

    select(form.ListBox24, 0);  // "ARGENT"
    EXPECT_EQ(form.Edit24.text(), "x0,01");
    EXPECT_EQ(form.PaintBox24.shownColour(), Silver);

    select(form.ListBox24, 1);  // "OR": both multiplier bands show the picture's gold
    EXPECT_EQ(form.Edit24.text(), "x0,1");
    EXPECT_FALSE(form.PaintBox24.visible());
    EXPECT_FALSE(form.PaintBox3.visible());
    EXPECT_EQ(form.PaintBox24.shownColour(), Picture);
}

// "OR" hides the tolerance band and keeps the previous colour in BandColor25;
// a visible colour after it shows the band again. The repaint that showing it
// asks for then re-applies the checked E48, which brings back 2 %.
TEST_F(StartedForm, MetalToleranceGoldThenAColourByHandAndAfterTheRepaint) {
    select(form.ListBox25, 1);
    EXPECT_EQ(form.Edit25.text(), pm("5%"));
    EXPECT_FALSE(form.PaintBox25.visible());
    EXPECT_EQ(form.State.BandColor25, Red);

    form.ListBox25.setItemIndex(7);  // "GRIS", as the click does, before the repaint
    form.ListBox25Click(form.ListBox25);
    EXPECT_TRUE(form.PaintBox25.visible());
    EXPECT_EQ(form.Edit25.text(), pm("0,05%"));
    EXPECT_EQ(form.PaintBox25.shownColour(), Grey);
    EXPECT_EQ(form.State.BandColor25, Grey);

    form.processRepaints();
    EXPECT_EQ(form.ListBox25.itemIndex(), 2);
    EXPECT_EQ(form.Edit25.text(), pm("2%"));
    EXPECT_EQ(form.PaintBox25.shownColour(), Red);
}

TEST_F(StartedForm, MetalToleranceWithoutASeriesKeepsTheUsersChoice) {
    choose(form.RadioButton4B);
    choose(form.RadioButton5B);  // five bands, no series
    select(form.ListBox25, 1);
    select(form.ListBox25, 7);
    EXPECT_EQ(form.ListBox25.itemIndex(), 7);
    EXPECT_EQ(form.Edit25.text(), pm("0,05%"));
    EXPECT_EQ(form.PaintBox25.shownColour(), Grey);
}

struct TempRow {
    int item;
    std::string readout;
    Colour colour;
};

TEST_F(StartedForm, TemperatureCoefficientEveryItem) {
    choose(form.RadioButton6B);
    for (const TempRow& row : {TempRow{0, pm("100"), Brown}, TempRow{1, pm("50"), Red},
                               TempRow{2, pm("25"), Yellow}, TempRow{3, pm("15"), Orange}}) {
        select(form.ListBox26, row.item);
        EXPECT_EQ(form.Edit26.text(), row.readout);
        EXPECT_EQ(form.PaintBox26.shownColour(), row.colour);
        EXPECT_EQ(form.State.TempCoeffIndex, row.item);
        EXPECT_EQ(form.State.BandColor26, row.colour);
    }
}

TEST_F(StartedForm, MetalHandlersWithoutASelection) {
    choose(form.RadioButton6B);
    select(form.ListBox26, 2);

    form.ListBox26.setItemIndex(-1);
    form.PaintBox26.setBrushColor(Green);
    form.PaintBox26.setVisible(false);
    form.ListBox26Click(form.ListBox26);
    EXPECT_EQ(form.State.TempCoeffIndex, -1);
    EXPECT_TRUE(form.PaintBox26.visible());
    EXPECT_EQ(form.PaintBox26.shownColour(), Green);
    EXPECT_EQ(form.State.BandColor26, Green);
    EXPECT_EQ(form.Edit26.text(), pm("25"));

    form.State.MetalDigitsBySeries = true;
    form.ListBox22.setItemIndex(-1);
    form.ListBox22Click(form.ListBox22);
    EXPECT_FALSE(form.State.MetalDigitsBySeries);
    EXPECT_EQ(form.Edit22.text(), "0");

    form.State.MetalMultiplierByDecade = true;
    form.ListBox24.setItemIndex(-1);
    form.ListBox24Click(form.ListBox24);
    EXPECT_FALSE(form.State.MetalMultiplierByDecade);
    EXPECT_EQ(form.State.MetalMultiplierIndex, -1);
    EXPECT_TRUE(form.PaintBox24.visible());
    EXPECT_EQ(form.Edit24.text(), "x0,1");

    form.ListBox25.setItemIndex(-1);
    form.PaintBox25.setBrushColor(Blue);
    form.ListBox25Click(form.ListBox25);
    EXPECT_EQ(form.State.BandColor25, Blue);
    EXPECT_EQ(form.PaintBox25.shownColour(), Blue);
    EXPECT_EQ(form.Edit25.text(), pm("2%"));
}

}  // namespace
