// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ui/layout.h"
#include "ui/pictures.h"
#include "window_support.h"

namespace {

using namespace testing_support;

using HighDensity = ShownWindow;

// Every band overlay covers exactly twice its rectangle in device pixels, all
// of it in the band's colour; the pixels just outside are the picture's.
TEST_F(HighDensity, EveryBandRectangleIsExactlyTwiceAsLargeWithTheSameColour) {
    ASSERT_EQ(window.devicePixelRatio(), 2.0);
    const QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(2 * 719, 2 * 649));
    const std::vector<std::pair<const char*, QColor>> bands{
        {"PaintBox1", QColor(128, 0, 0)},  {"PaintBox2", QColor(0, 0, 0)},
        {"PaintBox21", QColor(128, 0, 0)}, {"PaintBox22", QColor(0, 0, 0)},
        {"PaintBox23", QColor(0, 0, 0)},   {"PaintBox25", QColor(255, 0, 0)}};
    for (const auto& [name, colour] : bands) {
        SCOPED_TRACE(name);
        QWidget* overlay = child(name);
        const ui::Geometry at = ui::layoutOf(name)->geometry;
        const QPoint origin = overlay->mapTo(&window, QPoint(0, 0));
        EXPECT_EQ(overlay->geometry(), QRect(at.left, at.top, at.width, at.height));
        const QRect device(2 * origin.x(), 2 * origin.y(), 2 * at.width, 2 * at.height);
        for (int y = device.top(); y <= device.bottom(); ++y) {
            for (int x = device.left(); x <= device.right(); ++x) {
                ASSERT_EQ(shot.pixelColor(x, y), colour) << x << "," << y;
            }
        }
        EXPECT_NE(shot.pixelColor(device.left() - 1, device.center().y()), colour);
        EXPECT_NE(shot.pixelColor(device.right() + 1, device.center().y()), colour);
    }
}

// The gold bands come from the picture drawn for two device pixels each.
TEST_F(HighDensity, ThePicturesAreDrawnForTheDensity) {
    const QImage shot = window.grab().toImage();
    QWidget* image = child("Image1");
    const QPoint origin = image->mapTo(&window, QPoint(0, 0)) * 2;
    const QImage picture = ui::carbonFilmResistor(2);
    for (const QPoint at : {QPoint(2 * 160, 2 * 47), QPoint(2 * 160 + 1, 2 * 47 + 1),
                            QPoint(2 * 225, 2 * 30), QPoint(2 * 140, 2 * 50)}) {
        EXPECT_EQ(shot.pixel(origin + at), picture.pixel(at)) << at.x() << "," << at.y();
    }
}

}  // namespace
