// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "logic/edit.h"
#include "logic/list_box.h"
#include "logic/paint_box.h"
#include "logic/radio_button.h"
#include "logic/repaint.h"
#include "logic/static_controls.h"
#include "logic/window.h"

namespace {

using logic::Control;
using tables::Colour;

constexpr Colour Green = Colour::rgb(0, 255, 0);
constexpr Colour Blue = Colour::rgb(0, 0, 255);
constexpr Colour Face = tables::ButtonFace;

TEST(ListBox, SettingTheIndexFromCodeNeverRunsTheHandler) {
    logic::ListBox list("List");
    for (const char* item : {"b", "a", "c"}) {
        list.appendItem(item);
    }
    int clicks = 0;
    list.OnClick = [&](Control&) { ++clicks; };
    list.setItemIndex(2);
    list.setItemIndex(2);
    list.setEnabled(false);
    list.setItemIndex(0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.itemIndex(), 0);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"b", "a", "c"}));  // never sorted
}

TEST(ListBox, AnIndexNamingNoItemLeavesNoSelection) {
    for (const int index : {-1, 3, 4, -7}) {
        logic::ListBox list("List");
        for (const char* item : {"a", "b", "c"}) {
            list.appendItem(item);
        }
        list.setItemIndex(1);
        list.setItemIndex(index);
        EXPECT_EQ(list.itemIndex(), -1) << index;
    }
}

TEST(ListBox, AUserChoiceSelectsFirstThenRunsTheHandlerEvenOnTheSameItem) {
    logic::ListBox list("List");
    for (const char* item : {"a", "b", "c"}) {
        list.appendItem(item);
    }
    std::vector<int> seen;
    list.OnClick = [&](Control& sender) {
        EXPECT_EQ(&sender, &list);
        seen.push_back(list.itemIndex());
    };
    list.userSelect(1);
    list.userSelect(1);
    list.userSelect(5);  // off the items: nothing
    list.setEnabled(false);
    list.userSelect(2);  // a disabled list takes no input
    EXPECT_EQ(seen, (std::vector<int>{1, 1}));
    EXPECT_EQ(list.itemIndex(), 1);
}

TEST(Edit, CodeSetsAnyTextButTheUserTypesOnlyIntoEditableFields) {
    logic::Edit readOnly("Edit1", "1", logic::ReadOnly::yes);
    logic::Edit editable("Edit23", "0", logic::ReadOnly::no);
    readOnly.setText(
        "\u00B1"
        "5%");
    readOnly.userType("typed");
    editable.userType("typed");
    EXPECT_EQ(readOnly.text(),
              "\u00B1"
              "5%");
    EXPECT_EQ(editable.text(), "typed");
}

class RadioGroup : public testing::Test {
protected:
    logic::GroupBox group{"Group", "Choisir :"};
    logic::RadioButton first{"First", "1", group, logic::Checked::yes};
    logic::RadioButton second{"Second", "2", group, logic::Checked::no};
    logic::RadioButton third{"Third", "3", group, logic::Checked::no};
    std::vector<std::string> runs;

    void SetUp() override {
        for (logic::RadioButton* button : {&first, &second, &third}) {
            button->OnClick = [this, button](Control&) {
                // By the time the handler runs, the check has moved here.
                EXPECT_TRUE(button->checked());
                for (const logic::RadioButton* other : group.radioButtons()) {
                    if (other != button) {
                        EXPECT_FALSE(other->checked());
                    }
                }
                runs.push_back(button->name());
            };
        }
    }
};

TEST_F(RadioGroup, BuildingTheGroupRunsNoHandler) {
    EXPECT_TRUE(runs.empty());
    EXPECT_TRUE(first.checked());
    EXPECT_EQ(group.radioButtons().size(), 3U);
}

TEST_F(RadioGroup, CheckingUnchecksTheSiblingsThenRunsOnlyItsOwnHandler) {
    second.setChecked(true);
    EXPECT_EQ(runs, (std::vector<std::string>{"Second"}));
    EXPECT_FALSE(first.checked());
    EXPECT_FALSE(third.checked());
}

TEST_F(RadioGroup, CheckingACheckedButtonDoesNothing) {
    first.setChecked(true);
    first.userChoose();
    EXPECT_TRUE(runs.empty());
}

TEST_F(RadioGroup, UncheckingRunsNothingAndMayLeaveNoneChecked) {
    first.setChecked(false);
    EXPECT_TRUE(runs.empty());
    EXPECT_FALSE(first.checked());
    EXPECT_FALSE(second.checked());
    EXPECT_FALSE(third.checked());
    third.userChoose();
    EXPECT_EQ(runs, (std::vector<std::string>{"Third"}));
}

// A window with three paint boxes, painted in the order a, b, c.
class Boxes : public testing::Test {
protected:
    logic::Window window{"Window"};
    logic::PaintBox a{"a", Face, window.repaints()};
    logic::PaintBox b{"b", Green, window.repaints()};
    logic::PaintBox c{"c", Face, window.repaints()};
    std::vector<std::string> painted;

    void SetUp() override {
        window.repaints().setPaintOrder({&a, &b, &c});
        for (logic::PaintBox* box : {&a, &b, &c}) {
            box->OnPaint = [this, box](Control& sender) {
                EXPECT_EQ(&sender, box);
                painted.push_back(box->name());
            };
        }
    }
};

TEST_F(Boxes, AnExposurePaintsEveryVisibleBoxInPaintOrder) {
    b.setVisible(false);
    painted.clear();
    window.expose();
    EXPECT_EQ(painted, (std::vector<std::string>{"a", "c"}));
    EXPECT_FALSE(window.repaints().pending());
}

TEST_F(Boxes, BeforeItsHandlerABoxTakesItsOwnColourAndShowsThePicture) {
    b.setBrushColor(Blue);
    b.fillClipRect();
    ASSERT_EQ(b.shownColour(), Blue);
    b.OnPaint = [&](Control&) {
        EXPECT_EQ(b.brushColor(), Green);
        EXPECT_EQ(b.shownColour(), std::nullopt);
    };
    window.expose(b);
    EXPECT_EQ(b.shownColour(), std::nullopt);  // the handler filled nothing
    EXPECT_EQ(b.brushColor(), Green);
}

TEST_F(Boxes, AFillOutsideAPaintDrawsAtOnceAndNoColorDrawsNothing) {
    a.setBrushColor(Blue);
    a.fillClipRect();
    EXPECT_EQ(a.shownColour(), Blue);
    a.setBrushColor(tables::NoColor);
    EXPECT_EQ(a.brushColor(), tables::NoColor);  // the brush reads back what was set
    a.fillClipRect();
    EXPECT_EQ(a.shownColour(), Blue);
    EXPECT_FALSE(window.repaints().pending());
}

TEST_F(Boxes, AHiddenBoxAlwaysShowsThePicture) {
    a.setBrushColor(Blue);
    a.fillClipRect();
    a.setVisible(false);
    EXPECT_EQ(a.shownColour(), std::nullopt);
    a.fillClipRect();  // drawn on a hidden box: never left over the picture
    EXPECT_EQ(a.shownColour(), std::nullopt);
    a.setVisible(true);
    EXPECT_EQ(a.shownColour(), std::nullopt);
}

TEST_F(Boxes, AVisibilityChangeAsksForARepaintAfterTheHandler) {
    b.setVisible(true);  // already visible: asks nothing
    EXPECT_FALSE(window.repaints().pending());
    c.setVisible(false);
    c.setVisible(true);
    EXPECT_TRUE(painted.empty());  // not during the handler
    EXPECT_TRUE(window.repaints().pending());
    window.processRepaints();
    EXPECT_EQ(painted, (std::vector<std::string>{"c"}));
}

TEST_F(Boxes, ABoxHiddenEarlierInTheSameRepaintIsSkipped) {
    a.OnPaint = [&](Control&) {
        painted.push_back("a");
        c.setVisible(false);
    };
    window.expose();
    EXPECT_EQ(painted, (std::vector<std::string>{"a", "b"}));
}

TEST_F(Boxes, ARepaintAskedForDuringAPassIsServedOnce) {
    int ownRepaints = 0;
    c.OnPaint = [&](Control&) {
        painted.push_back("c");
        if (++ownRepaints == 1) {
            a.setVisible(false);  // an earlier box: next pass, skipped as hidden
            a.setVisible(true);   // shown again: painted in the next pass
        }
    };
    window.expose();
    EXPECT_EQ(painted, (std::vector<std::string>{"a", "b", "c", "a"}));
    EXPECT_FALSE(window.repaints().pending());
}

TEST(Window, AnErrorEscapingAHandlerIsReportedAndTheWindowGoesOn) {
    logic::Window window("Window");
    logic::PaintBox box("box", Face, window.repaints());
    window.repaints().setPaintOrder({&box});
    logic::ListBox list("List");
    list.appendItem("a");
    list.appendItem("b");
    std::vector<std::string> reported;
    window.setErrorReporter([&](const std::string& message) { reported.push_back(message); });
    list.OnClick = [&](Control&) {
        box.setVisible(false);
        throw std::runtime_error("list failed");
    };
    box.OnPaint = [](Control&) { throw std::logic_error("paint failed"); };

    window.userSelect(list, 1);
    EXPECT_EQ(list.itemIndex(), 1);
    EXPECT_FALSE(window.repaints().pending());  // repaints still ran (box hidden: skipped)
    box.setVisible(true);
    window.expose();
    EXPECT_EQ(reported, (std::vector<std::string>{"list failed", "paint failed"}));

    logic::MenuItem item("item", "menu");
    int chosen = 0;
    item.OnClick = [&](Control& sender) {
        EXPECT_EQ(&sender, &item);
        ++chosen;
    };
    window.userChooseMenuItem(item);
    EXPECT_EQ(chosen, 1);
}

}  // namespace
