// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <stdexcept>

#include "window_support.h"

namespace {

using namespace testing_support;

using Window = ShownWindow;

void clickItem(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    const QRect place = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
}

TEST_F(Window, ShowsTheStartUpStateAfterTheFirstPaint) {
    struct ListState {
        const char* name;
        int row;
        bool enabled;
    };
    for (const ListState& list :
         {ListState{"ListBox1", 1, false}, ListState{"ListBox2", 0, false},
          ListState{"ListBox3", 1, false}, ListState{"ListBox4", 1, false},
          ListState{"ListBox5", -1, false}, ListState{"ListBox6", -1, false},
          ListState{"ListBox7", 1, true}, ListState{"ListBox8", 0, true},
          ListState{"ListBox9", -1, false}, ListState{"ListBox21", 1, true},
          ListState{"ListBox22", 0, true}, ListState{"ListBox23", 0, true},
          ListState{"ListBox24", 1, true}, ListState{"ListBox25", 2, true},
          ListState{"ListBox26", -1, false}}) {
        auto* view = child<QListWidget>(list.name);
        EXPECT_EQ(view->currentRow(), list.row) << list.name;
        EXPECT_EQ(view->selectedItems().size(), list.row < 0 ? 0 : 1) << list.name;
        EXPECT_EQ(view->isEnabled(), list.enabled) << list.name;
    }
    const std::vector<std::pair<const char*, std::string>> texts{
        {"Edit1", "1"},  {"Edit2", "0"},  {"Edit3", "x0,1"},  {"Edit4", pm("5%")},  {"Edit21", "1"},
        {"Edit22", "0"}, {"Edit23", "0"}, {"Edit24", "x0,1"}, {"Edit25", pm("2%")}, {"Edit26", ""}};
    for (const auto& [name, text] : texts) {
        EXPECT_EQ(child<QLineEdit>(name)->text().toStdString(), text) << name;
    }
    EXPECT_TRUE(child<QRadioButton>("RadioButton3")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("RadioButton5B")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("RadioButton1")->isChecked());

    // What the grab shows at each band.
    EXPECT_EQ(seenAt("PaintBox1"), QColor(128, 0, 0));
    EXPECT_EQ(seenAt("PaintBox2"), QColor(0, 0, 0));
    EXPECT_EQ(seenAt("PaintBox3"), pictureAt("PaintBox3", "Image1"));  // the picture's gold
    EXPECT_EQ(seenAt("PaintBox4"), pictureAt("PaintBox4", "Image1"));
    EXPECT_EQ(seenAt("PaintBox21"), QColor(128, 0, 0));
    EXPECT_EQ(seenAt("PaintBox22"), QColor(0, 0, 0));
    EXPECT_EQ(seenAt("PaintBox23"), QColor(0, 0, 0));
    EXPECT_EQ(seenAt("PaintBox24"), pictureAt("PaintBox24", "Image2"));
    EXPECT_EQ(seenAt("PaintBox25"), QColor(255, 0, 0));
    EXPECT_EQ(seenAt("PaintBox26"), pictureAt("PaintBox26", "Image2"));  // the plain body
}

// The typical event, with real mouse clicks: the decade x1k, then E48 "487".
TEST_F(Window, ClicksOnTheListsGiveTheBandsOfTheValue) {
    clickItem(child<QListWidget>("ListBox7"), 5);
    clickItem(child<QListWidget>("ListBox8"), 33);

    EXPECT_EQ(child<QListWidget>("ListBox8")->currentRow(), 33);
    EXPECT_EQ(child<QListWidget>("ListBox24")->currentRow(), 5);
    std::string readouts;
    for (const char* name : {"Edit21", "Edit22", "Edit23", "Edit24", "Edit25"}) {
        readouts += child<QLineEdit>(name)->text().toStdString() + "|";
    }
    EXPECT_EQ(readouts,
              "4|8|7|000|\u00B1"
              "2%|");
    EXPECT_EQ(seenAt("PaintBox21"), QColor(255, 255, 0));
    EXPECT_EQ(seenAt("PaintBox22"), QColor(128, 128, 128));
    EXPECT_EQ(seenAt("PaintBox23"), QColor(128, 0, 128));
    EXPECT_EQ(seenAt("PaintBox24"), QColor(237, 127, 16));
    EXPECT_EQ(seenAt("PaintBox25"), QColor(255, 0, 0));
    EXPECT_EQ(seenAt("PaintBox3"), QColor(237, 127, 16));
}

TEST_F(Window, ClickingARadioButtonSwitchesPanelsAndItCannotBeUnchecked) {
    auto* e12 = child<QRadioButton>("RadioButton1");
    QTest::mouseClick(e12, Qt::LeftButton);
    EXPECT_TRUE(e12->isChecked());
    EXPECT_TRUE(child<QRadioButton>("RadioButton4B")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("RadioButton3")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("RadioButton5B")->isChecked());
    EXPECT_TRUE(child<QListWidget>("ListBox1")->isEnabled());
    EXPECT_FALSE(child<QListWidget>("ListBox21")->isEnabled());
    EXPECT_EQ(child<QLineEdit>("Edit4")->text().toStdString(), pm("10%"));
    EXPECT_EQ(seenAt("PaintBox4"), QColor(192, 192, 192));

    QTest::mouseClick(e12, Qt::LeftButton);  // the checked button stays checked
    EXPECT_TRUE(e12->isChecked());

    // Four bands after E48 leaves no series checked at all.
    QTest::mouseClick(child<QRadioButton>("RadioButton3"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>("RadioButton4B"), Qt::LeftButton);
    for (const char* series : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}) {
        EXPECT_FALSE(child<QRadioButton>(series)->isChecked()) << series;
    }
}

TEST_F(Window, ArrowKeysChooseAnItemAsAClickDoes) {
    auto* decades = child<QListWidget>("ListBox7");
    decades->setFocus();
    QTest::keyClick(decades, Qt::Key_Down);
    QTest::keyClick(decades, Qt::Key_Down);
    EXPECT_EQ(decades->currentRow(), 3);
    EXPECT_EQ(window.form().ListBox7.itemIndex(), 3);
    EXPECT_EQ(child<QLineEdit>("Edit24")->text().toStdString(), "0");
    EXPECT_EQ(seenAt("PaintBox24"), QColor(128, 0, 0));
}

TEST_F(Window, ADisabledListTakesNoClickAndKeepsItsSelection) {
    auto* carbonDigit = child<QListWidget>("ListBox1");
    clickItem(carbonDigit, 4);
    EXPECT_EQ(carbonDigit->currentRow(), 1);
    EXPECT_EQ(window.form().ListBox1.itemIndex(), 1);
    EXPECT_EQ(carbonDigit->selectedItems().size(), 1);
}

TEST_F(Window, TypingIntoTheThirdDigitIsKeptUntilTheLogicWritesIt) {
    auto* third = child<QLineEdit>("Edit23");
    third->selectAll();
    QTest::keyClicks(third, "7");
    EXPECT_EQ(window.form().Edit23.text(), "7");
    clickItem(child<QListWidget>("ListBox23"), 2);
    EXPECT_EQ(third->text(), "2");
}

TEST_F(Window, TheAboutItemShowsTwoMessagesInOrder) {
    std::vector<std::pair<std::string, std::string>> shown;
    // Closes each message box as it opens, noting its caption and text.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown.emplace_back(box->windowTitle().toStdString(), box->text().toStdString());
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            box->accept();
        }
    });
    closer.start(10);
    QAction* about = window.popupMenu().actions().front();
    EXPECT_EQ(about->text().toStdString(), "\u00E0 propos de...");
    about->trigger();
    closer.stop();
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[0].first, "\u00E0 propos de...");
    EXPECT_EQ(shown[0].second, "     https://resistances.example.org");
    EXPECT_EQ(shown[1].first, "\u00E0 propos de...");
    EXPECT_EQ(shown[1].second, "");
}

TEST_F(Window, ARightClickOnTheWindowOpensThePopupMenu) {
    QWidget* list = child("ListBox5");  // no control has a menu of its own
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            list->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list, &event);
    EXPECT_TRUE(window.popupMenu().isVisible());
    window.popupMenu().close();
}

}  // namespace

namespace {

using namespace testing_support;

// A handler that fails shows its error in a message box, and the window goes on.
TEST_F(ShownWindow, AnErrorInAHandlerIsShownAndTheWindowGoesOn) {
    logic::TForm1& form = window.form();
    const logic::Handler decade = form.ListBox7.OnClick;
    form.ListBox7.OnClick = [](logic::Control&) { throw std::runtime_error("panne de test"); };

    std::vector<std::string> shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown.push_back(box->text().toStdString());
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            box->accept();
        }
    });
    closer.start(10);
    clickItem(child<QListWidget>("ListBox7"), 4);
    closer.stop();
    EXPECT_EQ(shown, (std::vector<std::string>{"panne de test"}));

    form.ListBox7.OnClick = decade;
    clickItem(child<QListWidget>("ListBox7"), 6);
    EXPECT_EQ(child<QLineEdit>("Edit24")->text().toStdString(), "0 000");
}

}  // namespace

namespace {

using namespace testing_support;

// While an About box is open the window takes no input, but the window system
// may still expose it, and the bands repaint through the calculator.
TEST_F(ShownWindow, ExposuresReachTheCalculatorWhileAMessageBoxIsOpen) {
    logic::TForm1& form = window.form();
    int repaints = 0;
    const logic::Handler original = form.PaintBox1.OnPaint;
    form.PaintBox1.OnPaint = [&](logic::Control& sender) {
        ++repaints;
        original(sender);
    };
    int duringBox = -1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (duringBox < 0) {
                const int before = repaints;
                QExposeEvent expose(QRegion(QRect(QPoint(0, 0), window.size())));
                QCoreApplication::sendEvent(window.windowHandle(), &expose);
                duringBox = repaints - before;
            }
            box->accept();
        }
    });
    closer.start(10);
    window.popupMenu().actions().front()->trigger();
    closer.stop();
    EXPECT_EQ(duringBox, 1);
}

}  // namespace
