// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <set>

#include "ui/views.h"
#include "window_support.h"

namespace {

using namespace testing_support;
using ui::Kind;

const char* className(Kind kind) {
    switch (kind) {
        case Kind::GroupBox:
            return "QGroupBox";
        case Kind::Label:
            return "QLabel";
        case Kind::ListBox:
            return "ui::ListBoxView";
        case Kind::Edit:
            return "QLineEdit";
        case Kind::RadioButton:
            return "ui::RadioButtonView";
        case Kind::Image:
            return "ui::PictureView";
        case Kind::PaintBox:
            return "ui::BandOverlay";
    }
    return "";
}

using Layout = ShownWindow;

TEST_F(Layout, TheWindowHasItsCaptionSizeAndButtons) {
    EXPECT_EQ(window.windowTitle().toStdString(),
              "D\u00E9termination de la valeur d'une r\u00E9sistance (\u00E0 4, 5 ou 6 bandes) "
              "- V1.2 - RAZORO");
    EXPECT_EQ(window.size(), QSize(719, 649));
    EXPECT_EQ(window.objectName(), "Form1");
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(240, 240, 240));
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(Layout, EveryControlHasItsNameKindPlaceAndFont) {
    std::set<std::string> seen;
    for (const ui::ControlLayout& entry : ui::windowLayout()) {
        SCOPED_TRACE(std::string(entry.name));
        QWidget* widget = child(entry.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(seen.insert(std::string(entry.name)).second);
        EXPECT_STREQ(widget->metaObject()->className(), className(entry.kind));
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), entry.parent);
        EXPECT_EQ(widget->geometry(), QRect(entry.geometry.left, entry.geometry.top,
                                            entry.geometry.width, entry.geometry.height));
        if (entry.font.pixelHeight != 0) {
            EXPECT_EQ(widget->font().pixelSize(), entry.font.pixelHeight);
            EXPECT_EQ(widget->font().bold(), entry.font.bold);
            const QColor colour(entry.font.colour.red(), entry.font.colour.green(),
                                entry.font.colour.blue());
            EXPECT_EQ(widget->palette().color(QPalette::Active, QPalette::WindowText), colour);
        }
    }
    EXPECT_EQ(seen.size(), 76U);
}

TEST_F(Layout, SpotChecksOfThePlacesAndFonts) {
    EXPECT_EQ(child("GroupBox5")->geometry(), QRect(288, 328, 425, 313));
    EXPECT_EQ(child("ListBox7")->geometry(), QRect(72, 48, 129, 129));
    EXPECT_EQ(child("PaintBox26")->geometry(), QRect(245, 41, 9, 66));
    EXPECT_EQ(child("Label1")->font().pixelSize(), 19);
    EXPECT_EQ(child("ListBox21")->font().pixelSize(), 11);
    EXPECT_TRUE(child("ListBox21")->font().bold());
    EXPECT_EQ(child("Edit4")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(child("Label22")->palette().color(QPalette::WindowText), QColor(0, 128, 128));
}

TEST_F(Layout, CaptionsTextsAndReadOnlyFieldsAreTheModels) {
    logic::TForm1& form = window.form();
    for (const ui::ControlLayout& entry : ui::windowLayout()) {
        SCOPED_TRACE(std::string(entry.name));
        logic::Control* model = form.findControl(entry.name);
        ASSERT_NE(model, nullptr);
        if (auto* label = dynamic_cast<logic::Label*>(model)) {
            auto* view = child<QLabel>(entry.name);
            EXPECT_EQ(view->text().toStdString(), label->caption());
            EXPECT_EQ(view->toolTip().toStdString(), label->hint());
        } else if (auto* edit = dynamic_cast<logic::Edit*>(model)) {
            auto* view = child<QLineEdit>(entry.name);
            EXPECT_EQ(view->isReadOnly(), edit->readOnly());
            EXPECT_TRUE(view->toolTip().isEmpty());
        } else if (auto* button = dynamic_cast<logic::RadioButton*>(model)) {
            EXPECT_EQ(child<QRadioButton>(entry.name)->text().toStdString(), button->caption());
        } else if (auto* group = dynamic_cast<logic::GroupBox*>(model)) {
            EXPECT_EQ(child<QGroupBox>(entry.name)->title().toStdString(), group->caption());
        } else if (auto* list = dynamic_cast<logic::ListBox*>(model)) {
            auto* view = child<QListWidget>(entry.name);
            ASSERT_EQ(view->count(), list->count());
            for (int row = 0; row < view->count(); ++row) {
                EXPECT_EQ(view->item(row)->text().toStdString(),
                          list->items()[static_cast<std::size_t>(row)]);
            }
            EXPECT_FALSE(view->isSortingEnabled());
            EXPECT_TRUE(view->toolTip().isEmpty());
        }
    }
    EXPECT_EQ(child<QLabel>("Label22")->text().toStdString(),
              "Une s\u00E9rie \"n\" se compose des valeurs arrondies ");
    EXPECT_EQ(child<QRadioButton>("RadioButton6B")->text().toStdString(), "6 ");
    EXPECT_EQ(child<QLabel>("Label5")->toolTip().toStdString(),
              "S\u00E9lectionner la tol\u00E9rence.");
    EXPECT_TRUE(child<QLabel>("Label1")->toolTip().isEmpty());
    EXPECT_FALSE(child<QLineEdit>("Edit23")->isReadOnly());
}

TEST_F(Layout, ListItemsHaveTheirHeightBelowATwoPixelFrame) {
    for (const ui::ControlLayout& entry : ui::windowLayout()) {
        if (entry.kind != Kind::ListBox) {
            continue;
        }
        SCOPED_TRACE(std::string(entry.name));
        auto* view = child<QListWidget>(entry.name);
        view->scrollToTop();
        const QRect first = view->visualItemRect(view->item(0));
        EXPECT_EQ(first.height(), entry.itemHeight);
        EXPECT_EQ(view->viewport()->mapTo(view, first.topLeft()).y(), 2);
    }
}

TEST_F(Layout, TheTabOrderFollowsTheLayout) {
    const std::vector<std::string> expected{
        "ListBox5",      "ListBox6",      "ListBox8",     "ListBox9",     "RadioButton6B",
        "RadioButton5B", "RadioButton4B", "RadioButton4", "RadioButton3", "RadioButton2",
        "RadioButton1",  "Edit1",         "ListBox4",     "ListBox3",     "ListBox2",
        "ListBox1",      "Edit4",         "Edit3",        "Edit2",        "Edit21",
        "ListBox25",     "ListBox24",     "ListBox22",    "Edit25",       "Edit24",
        "Edit22",        "ListBox23",     "ListBox26",    "Edit23",       "Edit26",
        "ListBox21",     "ListBox7"};
    std::vector<std::string> order{expected.front()};
    QWidget* widget = child(expected.front());
    for (std::size_t i = 1; i < expected.size(); ++i) {
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty()) {
            widget = widget->nextInFocusChain();
        }
        order.push_back(widget->objectName().toStdString());
    }
    EXPECT_EQ(order, expected);
}

}  // namespace
