// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>

#include "window_support.h"

namespace {

using namespace testing_support;

using Access = ShownWindow;

std::string accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

TEST_F(Access, EveryControlIsNamedAfterWhatASightedUserReadsBesideIt) {
    const std::vector<std::pair<const char*, std::string>> names{
        {"ListBox5", "S\u00E9rie E12"},
        {"ListBox9", "S\u00E9rie E96"},
        {"ListBox7", "Choisir la d\u00E9cades"},
        {"ListBox1", "1er valeur"},
        {"ListBox4", "4) Tol\u00E9rence"},
        {"ListBox23", "3\u00E8me valeur"},
        {"ListBox26", "6) Temp. Coeff."},
        {"Edit1", "1er valeur, bande 1"},
        {"Edit3", "3) Multiplicateur, bande 3"},
        {"Edit24", "4) Multiplicateur, bande 4"},
        {"Edit26", "6) Temp. Coeff., bande 6"},
        {"RadioButton1", "E12"},
        {"RadioButton6B", "6 bandes"},
        {"GroupBox2", "R\u00E9sistance \u00E0 couche carbone :"},
        {"GroupBox4", "Choisir la s\u00E9rie :"},
    };
    for (const auto& [name, expected] : names) {
        EXPECT_EQ(accessibleName(child(name)), expected) << name;
    }
    // Every list, edit and radio button has a name; the two panels differ by description.
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (qobject_cast<QListWidget*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QRadioButton*>(widget)) {
            EXPECT_FALSE(accessibleName(widget).empty()) << widget->objectName().toStdString();
        }
    }
    EXPECT_EQ(child("ListBox1")->accessibleDescription().toStdString(),
              "R\u00E9sistance \u00E0 couche carbone");
    EXPECT_EQ(child("ListBox21")->accessibleDescription().toStdString(),
              "R\u00E9sistance \u00E0 couche m\u00E9talique");
    // No visible text changed.
    EXPECT_EQ(child<QRadioButton>("RadioButton6B")->text().toStdString(), "6 ");
}

TEST_F(Access, EveryBandSaysWhatItShows) {
    EXPECT_EQ(accessibleName(child("PaintBox1")), "bande 1 : MARRON");
    EXPECT_EQ(accessibleName(child("PaintBox2")), "bande 2 : NOIR");
    EXPECT_EQ(accessibleName(child("PaintBox4")), "bande 4 : or (image)");
    EXPECT_EQ(accessibleName(child("PaintBox25")), "bande 5 : ROUGE");
    EXPECT_EQ(accessibleName(child("PaintBox26")), "bande 6 : aucune (image)");
    window.form().userSelect(window.form().ListBox24, 6);
    window.mirror();
    EXPECT_EQ(accessibleName(child("PaintBox24")), "bande 4 : JAUNE");
    EXPECT_EQ(accessibleName(child("PaintBox3")), "bande 3 : JAUNE");
}

// Keyboard only: Tab to the E48 list, arrows to a value, and the bands follow.
TEST_F(Access, TabToTheE48ListAndChooseAValueWithTheArrows) {
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    auto* e48 = child<QListWidget>("ListBox8");
    for (int presses = 0; presses < 40 && QApplication::focusWidget() != e48; ++presses) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                        Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), e48);
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(e48, Qt::Key_Down);
    }
    EXPECT_EQ(e48->currentRow(), 3);
    EXPECT_EQ(child<QLineEdit>("Edit21")->text() + child<QLineEdit>("Edit22")->text() +
                  child<QLineEdit>("Edit23")->text(),
              "115");
    EXPECT_EQ(seenAt("PaintBox23"), QColor(0, 255, 0));
    EXPECT_EQ(accessibleName(child("PaintBox23")), "bande 3 : VERT");
}

TEST_F(Access, SpaceChecksAFocusedRadioButton) {
    auto* sixBands = child<QRadioButton>("RadioButton6B");
    sixBands->setFocus();
    QTest::keyClick(sixBands, Qt::Key_Space);
    EXPECT_TRUE(sixBands->isChecked());
    EXPECT_TRUE(window.form().RadioButton6B.checked());
    EXPECT_TRUE(child<QListWidget>("ListBox26")->isEnabled());
}

TEST_F(Access, TheMenuKeyAndShiftF10OpenThePopupMenu) {
    auto* list = child<QListWidget>("ListBox7");
    list->setFocus();
    QContextMenuEvent fromKey(QContextMenuEvent::Keyboard, list->rect().center(),
                              list->mapToGlobal(list->rect().center()));
    QApplication::sendEvent(list, &fromKey);
    EXPECT_TRUE(window.popupMenu().isVisible());
    window.popupMenu().close();

    window.activateWindow();
    QApplication::setActiveWindow(&window);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(window.popupMenu().isVisible());
    window.popupMenu().close();
}

}  // namespace
