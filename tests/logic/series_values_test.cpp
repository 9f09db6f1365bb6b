// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "form_support.h"
#include "tables/series.h"

namespace {

using namespace testing_support;

using SeriesValues = StartedForm;

std::string carbonPanel(const logic::TForm1& form) {
    std::string text = describe(form);
    std::string carbon;
    for (const char* name :
         {"ListBox1=", "ListBox2=", "ListBox3=", "ListBox4=", "Edit1=", "Edit2=", "Edit3=",
          "Edit4=", "PaintBox1 ", "PaintBox2", "PaintBox3", "PaintBox4"}) {
        const std::size_t at = text.find(name);
        carbon += text.substr(at, text.find('\n', at) - at) + '\n';
    }
    return carbon;
}

TEST_F(SeriesValues, EveryE12AndE24ValueSetsBothDigitsAndTheSeriesTolerance) {
    struct Series {
        logic::RadioButton& button;
        logic::ListBox& list;
        tables::TextList values;
        int toleranceItem;
        std::string readout;
    };
    for (const Series& series :
         {Series{form.RadioButton1, form.ListBox5, tables::E12Values, 0, pm("10%")},
          Series{form.RadioButton2, form.ListBox6, tables::E24Values, 1, pm("5%")}}) {
        choose(series.button);
        select(form.ListBox7, 5);
        for (int item = 0; item < static_cast<int>(series.values.size()); ++item) {
            const std::string_view value = series.values[static_cast<std::size_t>(item)];
            SCOPED_TRACE(std::string(value));
            select(series.list, item);
            EXPECT_EQ(form.ListBox1.itemIndex(), value[0] - '0');
            EXPECT_EQ(form.ListBox2.itemIndex(), value[1] - '0');
            EXPECT_EQ(form.Edit1.text() + form.Edit2.text(), value);
            EXPECT_EQ(form.ListBox4.itemIndex(), series.toleranceItem);
            EXPECT_EQ(form.Edit4.text(), series.readout);
            EXPECT_EQ(form.PaintBox4.visible(), series.toleranceItem == 0);
            EXPECT_EQ(form.ListBox3.itemIndex(), 5);  // the multiplier is not touched
            EXPECT_FALSE(form.State.CarbonDigitsBySeries);
        }
    }
}

TEST_F(SeriesValues, E12FortySevenAtTheKiloDecade) {
    choose(form.RadioButton1);
    select(form.ListBox7, 5);
    select(form.ListBox5, 8);
    EXPECT_EQ(form.ListBox1.itemIndex(), 4);
    EXPECT_EQ(form.ListBox2.itemIndex(), 7);
    EXPECT_EQ(form.PaintBox1.shownColour(), Yellow);
    EXPECT_EQ(form.PaintBox2.shownColour(), Violet);
    EXPECT_EQ(form.ListBox4.itemIndex(), 0);
    EXPECT_EQ(form.PaintBox4.shownColour(), Silver);
    EXPECT_EQ(form.Edit3.text(), "000");
    EXPECT_EQ(form.PaintBox3.shownColour(), Orange);
}

TEST_F(SeriesValues, E12TenAfterE24TenTurnsTheToleranceSilver) {
    useE24(0);
    EXPECT_EQ(form.Edit4.text(), pm("5%"));
    useE12(0);
    EXPECT_EQ(form.ListBox1.itemIndex(), 1);
    EXPECT_EQ(form.ListBox2.itemIndex(), 0);
    EXPECT_EQ(form.Edit4.text(), pm("10%"));
    EXPECT_EQ(form.PaintBox4.shownColour(), Silver);
}

// The series handlers reached without a selection still set the tolerance and
// leave the flag for the next digit handler.
TEST_F(SeriesValues, SeriesHandlersWithoutASelectionStopAfterTheTolerance) {
    choose(form.RadioButton4B);
    form.ListBox5.setItemIndex(-1);
    form.ListBox5Click(form.ListBox5);
    EXPECT_EQ(form.Edit4.text(), pm("10%"));
    EXPECT_TRUE(form.State.CarbonDigitsBySeries);
    form.ListBox6.setItemIndex(-1);
    form.ListBox6Click(form.ListBox6);
    EXPECT_EQ(form.Edit4.text(), pm("5%"));
    EXPECT_TRUE(form.State.CarbonDigitsBySeries);

    form.ListBox7.setItemIndex(-1);
    const std::string listsBefore = describe(form).substr(0, describe(form).find("Edit1"));
    form.State.CarbonMultiplierByDecade = false;
    form.State.MetalMultiplierByDecade = false;
    form.ListBox7Click(form.ListBox7);
    EXPECT_TRUE(form.State.CarbonMultiplierByDecade);
    EXPECT_TRUE(form.State.MetalMultiplierByDecade);
    EXPECT_EQ(describe(form).substr(0, describe(form).find("Edit1")), listsBefore);

    form.State.MetalDigitsBySeries = false;
    for (auto [list, click, tolerance] :
         {std::tuple{&form.ListBox8, &logic::TForm1::ListBox8Click, 2},
          std::tuple{&form.ListBox9, &logic::TForm1::ListBox9Click, 3}}) {
        list->setItemIndex(-1);
        (form.*click)(*list);
        EXPECT_EQ(form.ListBox25.itemIndex(), tolerance);
        EXPECT_TRUE(form.State.MetalDigitsBySeries);
    }
}

TEST_F(SeriesValues, EveryDecadeSetsBothMultipliersAndNothingElse) {
    for (int decade = 0; decade < 9; ++decade) {
        SCOPED_TRACE(decade);
        useE12(3);
        const std::string digits = form.Edit1.text() + form.Edit2.text() + form.Edit4.text() +
                                   form.Edit21.text() + form.Edit22.text() + form.Edit23.text() +
                                   form.Edit25.text();
        select(form.ListBox7, decade);
        const tables::BandEntry& entry =
            tables::MultiplierColorList[static_cast<std::size_t>(decade)];
        const std::optional<Colour> shown =
            entry.paint.isHidden() ? Picture : std::optional<Colour>(entry.paint.colour());
        EXPECT_EQ(form.ListBox3.itemIndex(), decade);
        EXPECT_EQ(form.ListBox24.itemIndex(), decade);  // also while its panel is disabled
        EXPECT_EQ(form.Edit3.text(), entry.readout);
        EXPECT_EQ(form.Edit24.text(), entry.readout);
        EXPECT_EQ(form.PaintBox3.shownColour(), shown);
        EXPECT_EQ(form.PaintBox24.shownColour(), shown);
        EXPECT_EQ(form.ListBox5.itemIndex(), 3);
        EXPECT_EQ(form.Edit1.text() + form.Edit2.text() + form.Edit4.text() + form.Edit21.text() +
                      form.Edit22.text() + form.Edit23.text() + form.Edit25.text(),
                  digits);
    }
}

// The typical event: five bands, E48, decade x1k, the user clicks "487".
TEST_F(SeriesValues, E48FourHundredEightySevenAtTheKiloDecade) {
    select(form.ListBox7, 5);
    select(form.ListBox8, 33);

    EXPECT_EQ(form.State.SavedDecade, 5);
    EXPECT_EQ(form.ListBox21.itemIndex(), 4);
    EXPECT_EQ(form.ListBox22.itemIndex(), 8);
    EXPECT_EQ(form.ListBox23.itemIndex(), 7);
    EXPECT_EQ(form.ListBox24.itemIndex(), 5);
    EXPECT_EQ(form.ListBox25.itemIndex(), 2);
    EXPECT_EQ(form.Edit21.text() + "|" + form.Edit22.text() + "|" + form.Edit23.text() + "|" +
                  form.Edit24.text() + "|" + form.Edit25.text(),
              "4|8|7|000|\u00B1"
              "2%");
    EXPECT_EQ(form.PaintBox21.shownColour(), Yellow);
    EXPECT_EQ(form.PaintBox22.shownColour(), Grey);
    EXPECT_EQ(form.PaintBox23.shownColour(), Violet);
    EXPECT_EQ(form.PaintBox24.shownColour(), Orange);
    EXPECT_EQ(form.PaintBox25.shownColour(), Red);
    EXPECT_EQ(form.State.BandColor21, Yellow);
    EXPECT_EQ(form.State.BandColor22, Grey);
    EXPECT_EQ(form.State.BandColor23, Violet);
    EXPECT_FALSE(form.State.MetalDigitsBySeries);
    EXPECT_FALSE(form.State.MetalMultiplierByDecade);
    EXPECT_EQ(form.ListBox8.itemIndex(), 33);
    EXPECT_FALSE(form.repaints().pending());

    // The whole window repainted afterwards shows the same.
    const std::string settled = describe(form);
    form.expose();
    EXPECT_EQ(describe(form), settled);
}

TEST_F(SeriesValues, E96AndE48SameTextDifferOnlyInTolerance) {
    select(form.ListBox7, 5);
    select(form.ListBox8, 33);
    const std::string e48 =
        form.Edit21.text() + form.Edit22.text() + form.Edit23.text() + form.Edit24.text();
    choose(form.RadioButton4);
    select(form.ListBox9, 66);
    EXPECT_EQ(form.Edit21.text() + form.Edit22.text() + form.Edit23.text() + form.Edit24.text(),
              e48);
    EXPECT_EQ(form.ListBox25.itemIndex(), 3);
    EXPECT_EQ(form.Edit25.text(), pm("1%"));
    EXPECT_EQ(form.PaintBox25.shownColour(), Brown);
}

TEST_F(SeriesValues, EveryE48AndE96ValueSetsThreeDigitsAndTheDecade) {
    struct Series {
        logic::RadioButton& button;
        logic::ListBox& list;
        tables::TextList values;
    };
    for (const Series& series : {Series{form.RadioButton3, form.ListBox8, tables::E48Values},
                                 Series{form.RadioButton4, form.ListBox9, tables::E96Values}}) {
        choose(series.button);
        select(form.ListBox7, 1);  // "xO,1": the multiplier band stays gold
        for (int item = static_cast<int>(series.values.size()) - 1; item >= 0; --item) {
            const std::string_view value = series.values[static_cast<std::size_t>(item)];
            SCOPED_TRACE(std::string(value));
            select(series.list, item);
            EXPECT_EQ(form.Edit21.text() + form.Edit22.text() + form.Edit23.text(), value);
            EXPECT_EQ(form.ListBox23.itemIndex(), value[2] - '0');
            EXPECT_EQ(form.ListBox24.itemIndex(), 1);
            EXPECT_FALSE(form.PaintBox24.visible());
            EXPECT_TRUE(form.PaintBox25.visible());
        }
    }
}

TEST_F(SeriesValues, AMetalDigitByHandDropsTheValueAndChoosingItAgainReappliesIt) {
    select(form.ListBox8, 20);  // "261"
    select(form.ListBox22, 0);
    EXPECT_EQ(form.ListBox8.itemIndex(), -1);
    EXPECT_EQ(form.Edit22.text(), "0");
    select(form.ListBox8, 20);
    EXPECT_EQ(form.Edit21.text() + form.Edit22.text() + form.Edit23.text(), "261");
}

TEST_F(SeriesValues, MetalValuesLeaveTheCarbonPanelAlone) {
    select(form.ListBox7, 4);
    const std::string before = carbonPanel(form);
    select(form.ListBox8, 40);
    choose(form.RadioButton4);
    select(form.ListBox9, 90);
    EXPECT_EQ(carbonPanel(form), before);
}

// The four-band multiplier is repainted through the decade list, so its repaint
// re-runs both multiplier handlers, but never while it shows the picture's gold.
TEST_F(SeriesValues, RepaintingTheCarbonMultiplierReappliesTheDecade) {
    int decadeRuns = 0;
    const logic::Handler original = form.PaintBox3.OnPaint;
    form.PaintBox3.OnPaint = [&](logic::Control& sender) {
        ++decadeRuns;
        original(sender);
    };
    form.expose();
    EXPECT_EQ(decadeRuns, 0);

    select(form.ListBox24, 7);
    decadeRuns = 0;
    form.PaintBox24.setBrushColor(Black);  // stale colours a repaint must put right
    form.PaintBox3.setBrushColor(Black);
    form.expose(form.PaintBox3);
    EXPECT_EQ(decadeRuns, 1);
    EXPECT_EQ(form.PaintBox3.shownColour(), Green);
    EXPECT_EQ(form.PaintBox24.shownColour(), Green);
    EXPECT_EQ(form.State.CarbonMultiplierIndex, 7);
    EXPECT_EQ(form.State.MetalMultiplierIndex, 7);
}

}  // namespace
