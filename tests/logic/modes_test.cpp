// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "form_support.h"

namespace {

using namespace testing_support;
using logic::TForm1;

struct Mode {
    const char* name;
    std::function<void(TForm1&)> reach;  // from the start-up state, as a user would
};

struct Choice {
    const char* name;
    logic::RadioButton TForm1::*button;
};

const std::vector<Mode>& modes() {
    static const std::vector<Mode> all{
        {"FiveE48", [](TForm1& f) { f.userSelect(f.ListBox8, 12); }},
        {"FiveE96",
         [](TForm1& f) {
             f.userChoose(f.RadioButton4);
             f.userSelect(f.ListBox9, 40);
         }},
        {"FiveNone",
         [](TForm1& f) {
             f.userChoose(f.RadioButton4B);
             f.userChoose(f.RadioButton5B);
         }},
        {"FourE12",
         [](TForm1& f) {
             f.userChoose(f.RadioButton1);
             f.userSelect(f.ListBox5, 4);
         }},
        {"FourE24",
         [](TForm1& f) {
             f.userChoose(f.RadioButton2);
             f.userSelect(f.ListBox6, 9);
         }},
        {"FourNone", [](TForm1& f) { f.userChoose(f.RadioButton4B); }},
        {"Six",
         [](TForm1& f) {
             f.userSelect(f.ListBox8, 30);
             f.userChoose(f.RadioButton6B);
             f.userSelect(f.ListBox26, 2);
         }},
    };
    return all;
}

const std::vector<Choice>& choices() {
    static const std::vector<Choice> all{
        {"E12", &TForm1::RadioButton1},   {"E24", &TForm1::RadioButton2},
        {"E48", &TForm1::RadioButton3},   {"E96", &TForm1::RadioButton4},
        {"Four", &TForm1::RadioButton4B}, {"Five", &TForm1::RadioButton5B},
        {"Six", &TForm1::RadioButton6B},
    };
    return all;
}

std::string panelLines(const TForm1& form, std::initializer_list<const char*> names) {
    const std::string text = describe(form);
    std::string lines;
    for (const char* name : names) {
        const std::size_t at = text.find(name);
        std::string line = text.substr(at, text.find('\n', at) - at);
        if (const std::size_t off = line.find("(off)"); off != std::string::npos) {
            line.erase(off, 5);  // what a panel keeps is all but its enabled state
        }
        lines += line + '\n';
    }
    return lines;
}

std::string carbonPanel(const TForm1& form) {
    return panelLines(form, {"ListBox1=", "ListBox2=", "ListBox4=", "Edit1=", "Edit2=", "Edit4=",
                             "PaintBox1 ", "PaintBox2", "PaintBox4"});
}

std::string metalPanel(const TForm1& form) {
    return panelLines(
        form, {"ListBox21=", "ListBox22=", "ListBox23=", "ListBox25=", "Edit21=", "Edit22=",
               "Edit23=", "Edit25=", "PaintBox21", "PaintBox22", "PaintBox23", "PaintBox25"});
}

class Transition : public testing::TestWithParam<std::tuple<int, int>> {
protected:
    TForm1 form;
    std::vector<logic::RadioButton*> series{&form.RadioButton1, &form.RadioButton2,
                                            &form.RadioButton3, &form.RadioButton4};
    std::vector<logic::ListBox*> seriesLists{&form.ListBox5, &form.ListBox6, &form.ListBox8,
                                             &form.ListBox9};

    void expectEnabled(std::initializer_list<logic::ListBox*> lists, bool enabled) {
        for (const logic::ListBox* list : lists) {
            EXPECT_EQ(list->enabled(), enabled) << list->name();
        }
    }
    void expectCarbonPanelInUse(bool inUse) {
        expectEnabled({&form.ListBox1, &form.ListBox2, &form.ListBox3, &form.ListBox4}, inUse);
        expectEnabled(
            {&form.ListBox21, &form.ListBox22, &form.ListBox23, &form.ListBox24, &form.ListBox25},
            !inUse);
    }
    void expectNoTemperatureBand() {
        EXPECT_EQ(form.ListBox26.itemIndex(), -1);
        EXPECT_FALSE(form.ListBox26.enabled());
        EXPECT_FALSE(form.PaintBox26.visible());
        EXPECT_EQ(form.Edit26.text(), "");
    }
    int checkedSeries() {
        for (std::size_t i = 0; i < series.size(); ++i) {
            if (series[i]->checked()) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

TEST_P(Transition, LeavesTheModeTheTransitionTableGives) {
    const Mode& from = modes()[static_cast<std::size_t>(std::get<0>(GetParam()))];
    const Choice& choice = choices()[static_cast<std::size_t>(std::get<1>(GetParam()))];
    form.show();
    from.reach(form);
    logic::RadioButton& button = form.*choice.button;

    const std::string before = describe(form);
    if (button.checked()) {  // choosing the checked button runs nothing
        form.userChoose(button);
        EXPECT_EQ(describe(form), before);
        return;
    }
    const int seriesBefore = checkedSeries();
    const std::vector<int> listsBefore{form.ListBox5.itemIndex(), form.ListBox6.itemIndex(),
                                       form.ListBox8.itemIndex(), form.ListBox9.itemIndex()};
    const bool carbonBefore = form.RadioButton4B.checked();
    const std::string carbon = carbonPanel(form);
    const std::string metal = metalPanel(form);
    const std::string temperature = panelLines(form, {"ListBox26=", "Edit26="});

    form.userChoose(button);
    EXPECT_FALSE(form.repaints().pending());

    const auto own = std::find(series.begin(), series.end(), &button);
    if (own != series.end()) {
        const std::size_t index = static_cast<std::size_t>(own - series.begin());
        const bool fourBands = index < 2;
        EXPECT_EQ(checkedSeries(), static_cast<int>(index));
        EXPECT_TRUE((fourBands ? form.RadioButton4B : form.RadioButton5B).checked());
        for (std::size_t other = 0; other < seriesLists.size(); ++other) {
            EXPECT_EQ(seriesLists[other]->enabled(), other == index);
            if (other != index) {
                EXPECT_EQ(seriesLists[other]->itemIndex(), -1);
            }
        }
        expectCarbonPanelInUse(fourBands);
        EXPECT_FALSE(form.ListBox26.enabled());
        EXPECT_FALSE(form.PaintBox26.visible());
        if (fourBands) {
            EXPECT_EQ(form.ListBox4.itemIndex(), static_cast<int>(index));
            EXPECT_EQ(form.Edit4.text(), index == 0 ? pm("10%") : pm("5%"));
        } else {
            EXPECT_EQ(form.ListBox25.itemIndex(), static_cast<int>(index));
            EXPECT_EQ(form.Edit25.text(), index == 2 ? pm("2%") : pm("1%"));
            expectNoTemperatureBand();
        }
    } else if (&button == &form.RadioButton4B) {
        expectCarbonPanelInUse(true);
        EXPECT_FALSE(form.ListBox26.enabled());
        EXPECT_FALSE(form.PaintBox26.visible());
        EXPECT_EQ(checkedSeries(), -1);
        if (seriesBefore >= 2) {
            EXPECT_EQ(seriesLists[static_cast<std::size_t>(seriesBefore)]->itemIndex(), -1);
        }
        expectEnabled({&form.ListBox5, &form.ListBox6, &form.ListBox8, &form.ListBox9}, false);
        // The metal-film panel keeps everything, the temperature band included.
        EXPECT_EQ(metalPanel(form), metal);
        EXPECT_EQ(panelLines(form, {"ListBox26=", "Edit26="}), temperature);
    } else if (&button == &form.RadioButton5B) {
        expectCarbonPanelInUse(false);
        expectNoTemperatureBand();
        EXPECT_EQ(checkedSeries(), seriesBefore >= 2 ? seriesBefore : -1);
        if (seriesBefore == 0 || seriesBefore == 1) {
            EXPECT_EQ(seriesLists[static_cast<std::size_t>(seriesBefore)]->itemIndex(), -1);
            EXPECT_FALSE(seriesLists[static_cast<std::size_t>(seriesBefore)]->enabled());
        }
    } else {
        expectCarbonPanelInUse(false);
        EXPECT_TRUE(form.ListBox26.enabled());
        EXPECT_TRUE(form.PaintBox26.visible());
        EXPECT_EQ(checkedSeries(), -1);
        expectEnabled({&form.ListBox5, &form.ListBox6, &form.ListBox8, &form.ListBox9}, false);
        for (std::size_t i = 0; i < seriesLists.size(); ++i) {
            // E12 and E24 lose their value, E48 and E96 keep it highlighted.
            EXPECT_EQ(seriesLists[i]->itemIndex(), i < 2 ? -1 : listsBefore[i]);
        }
        EXPECT_EQ(form.ListBox26.itemIndex(), form.State.TempCoeffIndex);
        EXPECT_GE(form.ListBox26.itemIndex(), 0);
    }
    if (carbonBefore && !form.RadioButton4B.checked()) {
        EXPECT_EQ(carbonPanel(form), carbon);
    }
    if (!carbonBefore && form.RadioButton4B.checked()) {
        EXPECT_EQ(metalPanel(form), metal);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryModeAndChoice, Transition, testing::Combine(testing::Range(0, 7), testing::Range(0, 7)),
    [](const auto& test) {
        return std::string(modes()[static_cast<std::size_t>(std::get<0>(test.param))].name) +
               "_to_" + choices()[static_cast<std::size_t>(std::get<1>(test.param))].name;
    });

class BandCountRuns : public StartedForm {
protected:
    int throughTheCheck = 0;
    void SetUp() override {
        const logic::Handler original = form.RadioButton4B.OnClick;
        form.RadioButton4B.OnClick = [this, original](logic::Control& sender) {
            ++throughTheCheck;
            original(sender);
        };
    }
};

// E12 from five bands runs the four-band handler directly and then once more
// through checking RadioButton4B; from four bands only directly.
TEST_F(BandCountRuns, E12FromFiveBandsChecksFourBandsThroughTheToolkit) {
    choose(form.RadioButton1);
    EXPECT_EQ(throughTheCheck, 1);
    EXPECT_FALSE(form.RadioButton5B.checked());
    choose(form.RadioButton2);
    EXPECT_EQ(throughTheCheck, 1);
}

TEST_F(StartedForm, SixBandsRemembersTheTemperatureCoefficient) {
    choose(form.RadioButton6B);
    EXPECT_EQ(form.ListBox26.itemIndex(), 0);  // the first time: item 0
    EXPECT_EQ(form.Edit26.text(), pm("100"));
    EXPECT_EQ(form.PaintBox26.shownColour(), Brown);
    select(form.ListBox26, 3);

    choose(form.RadioButton5B);
    EXPECT_EQ(form.ListBox26.itemIndex(), -1);
    EXPECT_EQ(form.Edit26.text(), "");
    EXPECT_EQ(form.PaintBox26.shownColour(), Picture);
    EXPECT_EQ(form.State.TempCoeffIndex, 3);

    choose(form.RadioButton6B);
    EXPECT_EQ(form.ListBox26.itemIndex(), 3);
    EXPECT_EQ(form.Edit26.text(), pm("15"));
    EXPECT_EQ(form.PaintBox26.shownColour(), Orange);
}

TEST_F(StartedForm, FourBandsAfterSixHidesTheSixthBandForGood) {
    choose(form.RadioButton6B);
    select(form.ListBox26, 1);
    choose(form.RadioButton4B);
    EXPECT_FALSE(form.PaintBox26.visible());
    EXPECT_EQ(form.ListBox26.itemIndex(), 1);  // selection and readout are kept
    EXPECT_EQ(form.Edit26.text(), pm("50"));

    form.expose();  // no repaint switches the panels back
    EXPECT_TRUE(form.RadioButton4B.checked());
    EXPECT_TRUE(form.ListBox1.enabled());
    EXPECT_FALSE(form.ListBox21.enabled());
    EXPECT_FALSE(form.PaintBox26.visible());

    choose(form.RadioButton6B);
    EXPECT_TRUE(form.PaintBox26.visible());
    EXPECT_EQ(form.PaintBox26.shownColour(), Red);
}

}  // namespace
