// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include "../support/french_text.h"
#include "ui/main_window.h"

namespace testing_support {

inline QString qname(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

// The window as the user first sees it: shown and exposed once.
class ShownWindow : public testing::Test {
protected:
    ShownWindow() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename Widget = QWidget>
    Widget* child(std::string_view name) {
        auto* widget = window.findChild<Widget*>(qname(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // The colour the user sees at the middle of a band, read from a grab of
    // the whole window.
    QColor seenAt(std::string_view overlayName) {
        QWidget* overlay = child(overlayName);
        const QPoint centre = overlay->mapTo(&window, overlay->rect().center());
        return window.grab().toImage().pixelColor(centre);
    }

    // The colour of the resistor picture at the same place.
    QColor pictureAt(std::string_view overlayName, std::string_view imageName) {
        QWidget* overlay = child(overlayName);
        QWidget* image = child(imageName);
        const QPoint centre =
            overlay->mapTo(&window, overlay->rect().center()) - image->mapTo(&window, QPoint(0, 0));
        return image->grab().toImage().pixelColor(centre);
    }

    ui::MainWindow window;
};

}  // namespace testing_support
