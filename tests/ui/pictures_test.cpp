// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <set>

#include "ui/views.h"
#include "window_support.h"

namespace {

using namespace testing_support;
using ui::BandPlace;

QColor lookOf(BandPlace::Look look) {
    return look == BandPlace::Look::Brown ? QColor(128, 0, 0) : QColor(0, 0, 0);
}

struct Picture {
    const char* name;
    QImage image;
    std::vector<BandPlace> bands;
};

std::vector<Picture> resistors() {
    return {{"carbon", ui::carbonFilmResistor(), {ui::CarbonBands.begin(), ui::CarbonBands.end()}},
            {"metal", ui::metalFilmResistor(), {ui::MetalBands.begin(), ui::MetalBands.end()}}};
}

TEST(Pictures, AreDrawnAtTheirOwnSizes) {
    EXPECT_EQ(ui::carbonFilmResistor().size(), QSize(319, 122));
    EXPECT_EQ(ui::metalFilmResistor().size(), QSize(308, 122));
    EXPECT_EQ(ui::seriesFormula().size(), QSize(52, 30));
    EXPECT_EQ(ui::workedExample().size(), QSize(100, 30));
    EXPECT_EQ(ui::programIcon().size(), QSize(32, 32));
}

TEST(Pictures, FlatBandsFillTheirRectangleExactly) {
    for (const Picture& picture : resistors()) {
        for (const BandPlace& band : picture.bands) {
            if (band.look != BandPlace::Look::Brown && band.look != BandPlace::Look::Black) {
                continue;
            }
            for (int y = band.top; y <= band.bottom; ++y) {
                for (int x = band.left; x <= band.right; ++x) {
                    ASSERT_EQ(picture.image.pixelColor(x, y), lookOf(band.look))
                        << picture.name << " at " << x << "," << y;
                }
            }
            // Just outside the band the body (or the paper) shows again.
            EXPECT_NE(picture.image.pixelColor(band.left - 1, 50), lookOf(band.look));
            EXPECT_NE(picture.image.pixelColor(band.right + 1, 50), lookOf(band.look));
        }
    }
}

TEST(Pictures, GoldIsDarkOnTopPaleInTheMiddleTanBelowAndBrightestInTheMiddleColumns) {
    for (const Picture& picture : resistors()) {
        for (const BandPlace& band : picture.bands) {
            if (band.look != BandPlace::Look::Gold) {
                continue;
            }
            SCOPED_TRACE(std::string(picture.name) + " gold at " + std::to_string(band.left));
            const int middle = band.left + 4;
            const QColor top = picture.image.pixelColor(middle, band.top);
            const QColor highlight = picture.image.pixelColor(middle, 47);
            const QColor below = picture.image.pixelColor(middle, band.bottom);
            EXPECT_LT(top.lightness(), 110);
            EXPECT_GT(highlight.lightness(), 220);
            EXPECT_GT(highlight.red(), highlight.blue());  // a yellow, not a white
            EXPECT_GT(below.lightness(), top.lightness());
            EXPECT_LT(below.lightness(), highlight.lightness());
            EXPECT_GT(below.red(), below.blue() + 30);  // tan
            for (int row : {30, 47, 70}) {
                EXPECT_GT(picture.image.pixelColor(middle, row).lightness(),
                          picture.image.pixelColor(band.left, row).lightness());
                EXPECT_GT(picture.image.pixelColor(middle, row).lightness(),
                          picture.image.pixelColor(band.right, row).lightness());
            }
        }
    }
}

TEST(Pictures, BodiesLeadsAndShadowAreWhereTheyBelong) {
    const QImage carbon = ui::carbonFilmResistor();
    EXPECT_EQ(carbon.pixelColor(140, 50), QColor(226, 204, 174));  // body between bands
    EXPECT_EQ(carbon.pixelColor(5, 45).red(), carbon.pixelColor(5, 45).blue());  // grey lead
    EXPECT_LT(carbon.pixelColor(5, 45).red(), 200);
    EXPECT_GT(carbon.pixelColor(5, 30).lightness(), 245);  // paper above the lead
    EXPECT_GT(carbon.pixelColor(315, 48).red(), 100);
    EXPECT_LT(carbon.pixelColor(315, 48).red(), 200);
    EXPECT_LT(carbon.pixelColor(150, 84).red(), 180);   // the shadow right below
    EXPECT_GT(carbon.pixelColor(150, 114).red(), 245);  // gone by row 114

    const QImage metal = ui::metalFilmResistor();
    EXPECT_EQ(metal.pixelColor(120, 50), QColor(0, 128, 255));
    EXPECT_EQ(metal.pixelColor(233, 50), QColor(0, 128, 255));  // no sixth band
}

TEST(Pictures, FormulasHaveAGreenFrameAndBlackLettering) {
    for (const QImage& image : {ui::seriesFormula(), ui::workedExample()}) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(image.pixelColor(x, 0), QColor(0, 255, 0));
            ASSERT_EQ(image.pixelColor(x, image.height() - 1), QColor(0, 255, 0));
        }
        for (int y = 0; y < image.height(); ++y) {
            ASSERT_EQ(image.pixelColor(0, y), QColor(0, 255, 0));
            ASSERT_EQ(image.pixelColor(image.width() - 1, y), QColor(0, 255, 0));
        }
        int dark = 0;
        for (int y = 1; y < image.height() - 1; ++y) {
            for (int x = 1; x < image.width() - 1; ++x) {
                dark += image.pixelColor(x, y).lightness() < 80 ? 1 : 0;
            }
        }
        EXPECT_GT(dark, 40);
    }
}

TEST(Pictures, TheIconUsesTheSixteenColourPaletteOnly) {
    const QImage icon = ui::programIcon();
    const std::set<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_TRUE(palette.count(icon.pixel(x, y) | 0xFF000000U)) << x << "," << y;
        }
    }
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(icon.pixelColor(4, 5), QColor(0, 255, 255));     // A on cyan, top left
    EXPECT_EQ(icon.pixelColor(14, 15), QColor(255, 0, 255));   // B on magenta, middle right
    EXPECT_EQ(icon.pixelColor(6, 30), QColor(255, 255, 0));    // C on yellow, bottom left
    EXPECT_EQ(icon.pixelColor(14, 6), QColor(128, 128, 128));  // shadow on the right of A
    EXPECT_EQ(icon.pixelColor(8, 2), QColor(128, 128, 128));   // line above A
    EXPECT_EQ(icon.pixelColor(5, 9), QColor(0, 0, 0));         // the letters are black
    EXPECT_EQ(icon.pixelColor(15, 19), QColor(0, 0, 0));
}

using PicturesInTheWindow = ShownWindow;

// With every overlay hidden, the pictures alone read 1, 0, x0,1, 5 % and
// 1, 0, 0, x0,1, 5 %: what the readouts say before any choice.
TEST_F(PicturesInTheWindow, WithEveryOverlayHiddenTheResistorsReadTheStartValues) {
    for (QWidget* overlay : window.findChildren<ui::BandOverlay*>()) {
        overlay->hide();
    }
    const QImage shot = window.grab().toImage();
    const auto at = [&](const char* image, const BandPlace& band) {
        return shot.pixelColor(child(image)->mapTo(&window, QPoint(band.left + 4, 30)));
    };
    const auto isGold = [](const QColor& colour) {
        return colour.red() > colour.blue() && colour.green() > colour.blue() && colour.red() < 200;
    };
    EXPECT_EQ(at("Image1", ui::CarbonBands[0]), QColor(128, 0, 0));
    EXPECT_EQ(at("Image1", ui::CarbonBands[1]), QColor(0, 0, 0));
    EXPECT_TRUE(isGold(at("Image1", ui::CarbonBands[2])));
    EXPECT_TRUE(isGold(at("Image1", ui::CarbonBands[3])));
    EXPECT_EQ(at("Image2", ui::MetalBands[0]), QColor(128, 0, 0));
    EXPECT_EQ(at("Image2", ui::MetalBands[1]), QColor(0, 0, 0));
    EXPECT_EQ(at("Image2", ui::MetalBands[2]), QColor(0, 0, 0));
    EXPECT_TRUE(isGold(at("Image2", ui::MetalBands[3])));
    EXPECT_TRUE(isGold(at("Image2", ui::MetalBands[4])));
    EXPECT_EQ(at("Image2", ui::MetalBands[5]), QColor(0, 128, 255));
}

// The overlays lie exactly over their bands.
TEST_F(PicturesInTheWindow, EveryOverlayCoversItsBandsColumns) {
    const std::vector<std::pair<const char*, BandPlace>> places{
        {"PaintBox1", ui::CarbonBands[0]}, {"PaintBox2", ui::CarbonBands[1]},
        {"PaintBox3", ui::CarbonBands[2]}, {"PaintBox4", ui::CarbonBands[3]},
        {"PaintBox21", ui::MetalBands[0]}, {"PaintBox22", ui::MetalBands[1]},
        {"PaintBox23", ui::MetalBands[2]}, {"PaintBox24", ui::MetalBands[3]},
        {"PaintBox25", ui::MetalBands[4]}, {"PaintBox26", ui::MetalBands[5]}};
    for (const auto& [name, band] : places) {
        QWidget* overlay = child(name);
        const char* image = std::string_view(name).size() == 10 ? "Image2" : "Image1";
        const QRect inPicture(
            overlay->mapTo(&window, QPoint(0, 0)) - child(image)->mapTo(&window, QPoint(0, 0)),
            overlay->size());
        EXPECT_EQ(inPicture.left(), band.left) << name;
        EXPECT_EQ(inPicture.right(), band.right) << name;
    }
}

}  // namespace

namespace {

// At twice the device pixel ratio every picture is twice as large, each of
// its design pixels an exact two-by-two block of the same colour; only the
// curves of the body are drawn finer.
TEST(Pictures, AtTwiceTheDensityEveryBandIsAnExactDoubleBlock) {
    const std::vector<std::pair<QImage, QImage>> pairs{
        {ui::carbonFilmResistor(1), ui::carbonFilmResistor(2)},
        {ui::metalFilmResistor(1), ui::metalFilmResistor(2)}};
    const std::vector<std::vector<BandPlace>> bands{
        {ui::CarbonBands.begin(), ui::CarbonBands.end()},
        {ui::MetalBands.begin(), ui::MetalBands.end()}};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto& [single, twice] = pairs[i];
        EXPECT_EQ(twice.size(), single.size() * 2);
        EXPECT_EQ(twice.devicePixelRatio(), 2.0);
        for (const BandPlace& band : bands[i]) {
            if (band.look == BandPlace::Look::Body) {
                continue;  // no band drawn there: the body's curves are finer at 2x
            }
            for (int y = band.top; y <= band.bottom; ++y) {
                for (int x = band.left; x <= band.right; ++x) {
                    for (const QPoint corner :
                         {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                        ASSERT_EQ(twice.pixel(QPoint(2 * x, 2 * y) + corner), single.pixel(x, y))
                            << "band at " << band.left << ", pixel " << x << "," << y;
                    }
                }
            }
        }
    }
    const QImage icon = ui::programIcon(2);
    EXPECT_EQ(icon.size(), QSize(64, 64));
    EXPECT_EQ(icon.pixel(9, 11), ui::programIcon(1).pixel(4, 5));
    EXPECT_EQ(ui::seriesFormula(2).size(), QSize(104, 60));
    EXPECT_EQ(ui::workedExample(2).size(), QSize(200, 60));
}

}  // namespace
