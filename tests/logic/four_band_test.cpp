// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "form_support.h"
#include "tables/band_tables.h"

namespace {

using namespace testing_support;

std::optional<Colour> paintShown(const tables::BandEntry& entry) {
    return entry.paint.isHidden() ? Picture : std::optional<Colour>(entry.paint.colour());
}

class FourBandDigit : public StartedForm,
                      public testing::WithParamInterface<std::tuple<bool, int>> {
protected:
    logic::ListBox& list() { return std::get<0>(GetParam()) ? form.ListBox1 : form.ListBox2; }
    logic::Edit& readout() { return std::get<0>(GetParam()) ? form.Edit1 : form.Edit2; }
    logic::PaintBox& overlay() { return std::get<0>(GetParam()) ? form.PaintBox1 : form.PaintBox2; }
    Colour remembered() {
        return std::get<0>(GetParam()) ? form.State.BandColor1 : form.State.BandColor2;
    }
};

// Whatever digit is picked by hand, it shows, and the E12 value it no longer
// matches is dropped along with its tolerance: gold comes back.
TEST_P(FourBandDigit, ByHandShowsTheDigitAndDropsTheSeriesValue) {
    const int item = std::get<1>(GetParam());
    useE12(8);  // "47": silver tolerance
    ASSERT_EQ(form.Edit4.text(), pm("10%"));

    select(list(), item);

    const tables::BandEntry& entry = tables::DigitColorList[static_cast<std::size_t>(item)];
    EXPECT_EQ(readout().text(), std::string(1, static_cast<char>('0' + item)));
    EXPECT_EQ(overlay().shownColour(), paintShown(entry));
    EXPECT_EQ(remembered(), entry.paint.colour());
    EXPECT_EQ(form.ListBox5.itemIndex(), -1);
    EXPECT_EQ(form.ListBox6.itemIndex(), -1);
    EXPECT_EQ(form.ListBox4.itemIndex(), 1);
    EXPECT_EQ(form.Edit4.text(), pm("5%"));
    EXPECT_FALSE(form.PaintBox4.visible());
    EXPECT_TRUE(form.State.CarbonDigitsBySeries);  // left set by ClearSeriesSelection
}

INSTANTIATE_TEST_SUITE_P(EveryItem, FourBandDigit,
                         testing::Combine(testing::Bool(), testing::Range(0, 10)),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param) ? "ListBox1" : "ListBox2") +
                                    "_item" + std::to_string(std::get<1>(test.param));
                         });

TEST_F(StartedForm, ADigitAfterAByHandDigitTakesTheFlagPathOnce) {
    useE12(8);
    select(form.ListBox1, 1);  // "MARRON" by hand: tolerance back to gold, flag left set
    select(form.ListBox4, 0);  // the user picks silver
    select(form.ListBox2, 6);  // flag path: no ClearSeriesSelection

    EXPECT_EQ(form.Edit2.text(), "6");
    EXPECT_EQ(form.PaintBox2.shownColour(), Blue);
    EXPECT_FALSE(form.State.CarbonDigitsBySeries);
    EXPECT_EQ(form.ListBox4.itemIndex(), 0);
    EXPECT_EQ(form.Edit4.text(), pm("10%"));

    // Digits only: a repaint would put back E12's silver tolerance anyway, so
    // leave the series to see ClearSeriesSelection at work.
    choose(form.RadioButton5B);
    choose(form.RadioButton4B);
    select(form.ListBox4, 0);
    select(form.ListBox2, 3);  // by hand again: the tolerance goes back to gold
    EXPECT_EQ(form.ListBox4.itemIndex(), 1);
    EXPECT_EQ(form.Edit4.text(), pm("5%"));
    EXPECT_TRUE(form.State.CarbonDigitsBySeries);
}

struct MultiplierRow {
    int item;
    const char* readout;
    std::optional<Colour> shown;
};

class FourBandMultiplier : public StartedForm, public testing::WithParamInterface<MultiplierRow> {};

// A multiplier picked by hand goes to the decade list and to the metal-film
// multiplier, drops the preferred value and leaves digits and tolerance alone.
TEST_P(FourBandMultiplier, ByHandMovesBothMultipliersAndTheDecade) {
    const MultiplierRow& row = GetParam();
    useE24(15);  // "43"
    select(form.ListBox7, 5);
    const std::string digitsBefore = form.Edit1.text() + form.Edit2.text() + form.Edit4.text();
    const bool flagBefore = form.State.CarbonDigitsBySeries;

    select(form.ListBox3, row.item);

    EXPECT_EQ(form.Edit3.text(), row.readout);
    EXPECT_EQ(form.Edit24.text(), row.readout);
    EXPECT_EQ(form.PaintBox3.shownColour(), row.shown);
    EXPECT_EQ(form.PaintBox24.shownColour(), row.shown);
    EXPECT_EQ(form.PaintBox3.visible(), row.shown.has_value());
    EXPECT_EQ(form.ListBox7.itemIndex(), row.item);
    EXPECT_EQ(form.ListBox24.itemIndex(), row.item);
    EXPECT_EQ(form.ListBox5.itemIndex(), -1);
    EXPECT_EQ(form.ListBox6.itemIndex(), -1);
    EXPECT_EQ(form.Edit1.text() + form.Edit2.text() + form.Edit4.text(), digitsBefore);
    EXPECT_EQ(form.State.CarbonDigitsBySeries, flagBefore);
    EXPECT_FALSE(form.State.CarbonMultiplierByDecade);
    EXPECT_FALSE(form.State.MetalMultiplierByDecade);
    EXPECT_EQ(form.State.CarbonMultiplierIndex, row.item);
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, FourBandMultiplier,
    testing::Values(MultiplierRow{0, "x0,01", Silver}, MultiplierRow{1, "x0,1", Picture},
                    MultiplierRow{2, "", Black}, MultiplierRow{3, "0", Brown},
                    MultiplierRow{4, "00", Red}, MultiplierRow{5, "000", Orange},
                    MultiplierRow{6, "0 000", Yellow}, MultiplierRow{7, "00 000", Green},
                    MultiplierRow{8, "000 000", Blue}),
    [](const auto& test) { return "item" + std::to_string(test.param.item); });

TEST_F(StartedForm, CarbonToleranceSilverIsFilledAndGoldIsThePicture) {
    choose(form.RadioButton4B);
    select(form.ListBox4, 0);
    EXPECT_EQ(form.Edit4.text(), pm("10%"));
    EXPECT_TRUE(form.PaintBox4.visible());
    EXPECT_EQ(form.PaintBox4.shownColour(), Silver);
    select(form.ListBox4, 1);
    EXPECT_EQ(form.Edit4.text(), pm("5%"));
    EXPECT_FALSE(form.PaintBox4.visible());
    EXPECT_EQ(form.PaintBox4.shownColour(), Picture);
}

// Handlers reached from code with no selection show nothing new but still do
// their bookkeeping: clear the flag, record, fill, make the overlay visible.
TEST_F(StartedForm, FourBandHandlersWithoutASelection) {
    choose(form.RadioButton4B);

    form.State.CarbonDigitsBySeries = true;
    form.ListBox1.setItemIndex(-1);
    form.PaintBox1.setBrushColor(Green);
    form.ListBox1Click(form.ListBox1);
    EXPECT_EQ(form.Edit1.text(), "1");
    EXPECT_FALSE(form.State.CarbonDigitsBySeries);
    EXPECT_EQ(form.State.BandColor1, Green);
    EXPECT_EQ(form.PaintBox1.shownColour(), Green);

    form.ListBox2.setItemIndex(-1);  // by-hand path: nothing but record and fill
    form.PaintBox2.setBrushColor(Violet);
    form.ListBox2Click(form.ListBox2);
    EXPECT_EQ(form.Edit2.text(), "0");
    EXPECT_FALSE(form.State.CarbonDigitsBySeries);
    EXPECT_EQ(form.State.BandColor2, Violet);
    EXPECT_EQ(form.PaintBox2.shownColour(), Violet);

    form.ListBox3.setItemIndex(-1);
    form.ListBox3Click(form.ListBox3);
    EXPECT_TRUE(form.PaintBox3.visible());
    EXPECT_EQ(form.State.CarbonMultiplierIndex, -1);
    EXPECT_EQ(form.Edit3.text(), "x0,1");
    EXPECT_EQ(form.ListBox7.itemIndex(), 1);

    form.ListBox4.setItemIndex(-1);
    form.ListBox4Click(form.ListBox4);
    EXPECT_TRUE(form.PaintBox4.visible());
    EXPECT_EQ(form.Edit4.text(), pm("5%"));
}

}  // namespace
