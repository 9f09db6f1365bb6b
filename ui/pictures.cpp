#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

const QColor Paper(252, 252, 252);
const QColor Lead(150, 150, 150);
const QColor LeadLight(196, 196, 196);
const QColor LeadDark(110, 110, 110);

// Where the parts of one resistor drawing go.
struct Scene {
    int width;
    int bodyLeft, bodyRight, bodyTop, bodyBottom;  // the caps' extent
    int leftCapEnd, rightCapStart;                 // the narrower middle lies between
    int middleTop, middleBottom;
    int leftLeadTop, leftLeadBottom, rightLeadTop, rightLeadBottom;
    QColor body;
    QColor outline;  // invalid: none
};

QColor mix(const QColor& from, const QColor& to, double amount) {
    const auto channel = [amount](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * std::clamp(amount, 0.0, 1.0)));
    };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()),
            channel(from.blue(), to.blue())};
}

void drawLead(QImage& image, int fromX, int toX, int top, int bottom) {
    for (int y = top; y <= bottom; ++y) {
        const QColor colour = y == top ? LeadLight : (y == bottom ? LeadDark : Lead);
        for (int x = fromX; x <= toX; ++x) {
            image.setPixelColor(x, y, colour);
        }
    }
}

// A soft shadow under the body: darkest just below it, white by row 114.
void drawShadow(QImage& image, const Scene& scene) {
    constexpr int Darkest = 165;
    constexpr int Gone = 114;
    const int top = scene.bodyBottom + 1;
    for (int y = top; y <= Gone; ++y) {
        const double depth = 1.0 - static_cast<double>(y - top) / (Gone - top);
        for (int x = scene.bodyLeft + 4; x <= scene.bodyRight - 4; ++x) {
            const int fromEnd = std::min(x - scene.bodyLeft - 4, scene.bodyRight - 4 - x);
            const double edge = std::min(1.0, fromEnd / 12.0);
            const double shade = depth * edge;
            const int level = static_cast<int>(std::lround(255 - (255 - Darkest) * shade));
            const QColor under = image.pixelColor(x, y);
            image.setPixelColor(x, y, level < under.red() ? QColor(level, level, level) : under);
        }
    }
}

QPainterPath bodyOutline(const Scene& scene) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double capHeight = scene.bodyBottom - scene.bodyTop + 1;
    path.addRoundedRect(
        QRectF(scene.bodyLeft, scene.bodyTop, scene.leftCapEnd - scene.bodyLeft, capHeight), 16,
        22);
    path.addRoundedRect(QRectF(scene.rightCapStart, scene.bodyTop,
                               scene.bodyRight + 1 - scene.rightCapStart, capHeight),
                        16, 22);
    path.addRect(QRectF(scene.leftCapEnd - 8, scene.middleTop,
                        scene.rightCapStart - scene.leftCapEnd + 16,
                        scene.middleBottom - scene.middleTop + 1));
    return path.simplified();
}

// Metallic gold: dark along the top, a pale highlight at rows 42 to 52, tan
// below, and brighter in the middle columns than at the edges.
QColor goldAt(int column, int row, int top) {
    const QColor dark(115, 94, 95);
    const QColor highlight(254, 246, 205);
    const QColor tan(188, 157, 132);
    QColor base;
    if (row < 42) {
        base = mix(dark, highlight, std::pow(static_cast<double>(row - top) / (42 - top), 2.0));
    } else if (row <= 52) {
        base = highlight;
    } else {
        base = mix(highlight, tan, std::min(1.0, (row - 52) / 6.0));
    }
    const double offCentre = (column - 4) / 4.0;
    return mix(base, dark, 0.22 * offCentre * offCentre);
}

void drawBand(QImage& image, const BandPlace& band) {
    for (int y = band.top; y <= band.bottom; ++y) {
        for (int x = band.left; x <= band.right; ++x) {
            switch (band.look) {
                case BandPlace::Look::Brown:
                    image.setPixelColor(x, y, QColor(128, 0, 0));
                    break;
                case BandPlace::Look::Black:
                    image.setPixelColor(x, y, QColor(0, 0, 0));
                    break;
                case BandPlace::Look::Gold:
                    image.setPixelColor(x, y, goldAt(x - band.left, y, band.top));
                    break;
                case BandPlace::Look::Body:
                    break;
            }
        }
    }
}

template <std::size_t Bands>
QImage resistor(const Scene& scene, const std::array<BandPlace, Bands>& bands) {
    QImage image(scene.width, ResistorHeight, QImage::Format_RGB32);
    image.fill(Paper);
    drawShadow(image, scene);
    drawLead(image, 0, scene.bodyLeft + 10, scene.leftLeadTop, scene.leftLeadBottom);
    drawLead(image, scene.bodyRight - 10, scene.width - 1, scene.rightLeadTop,
             scene.rightLeadBottom);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(scene.outline.isValid() ? QPen(scene.outline, 1.0) : Qt::NoPen);
        painter.setBrush(scene.body);
        painter.drawPath(bodyOutline(scene));
    }
    for (const BandPlace& band : bands) {
        drawBand(image, band);
    }
    return image;
}

}  // namespace

QImage carbonFilmResistor() {
    const Scene scene{CarbonWidth,           43,      270, 17, 81, 100, 210, 22, 78, 42, 49, 45, 51,
                      QColor(226, 204, 174), QColor()};
    return resistor(scene, CarbonBands);
}

QImage metalFilmResistor() {
    const Scene scene{
        MetalWidth,           48, 255, 17, 82, 92, 214, 22, 79, 41, 48, 42, 48, QColor(0, 128, 255),
        QColor(226, 204, 174)};
    return resistor(scene, MetalBands);
}

namespace {

// White with a one-pixel pure green frame, as both formula pictures are.
QImage framedPaper(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(0, 255, 0));
    painter.drawRect(0, 0, width - 1, height - 1);
    return image;
}

QFont formulaFont(int pixelSize, bool italic) {
    QFont font("Liberation Serif");
    font.setPixelSize(pixelSize);
    font.setItalic(italic);
    return font;
}

// A radical sign from `left` whose bar runs to `barEnd`, over rows 4 to 26.
void drawRadical(QPainter& painter, int left, int barEnd) {
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(left, 17, left + 2, 15);
    painter.drawLine(left + 2, 15, left + 6, 26);
    painter.drawLine(left + 6, 26, left + 10, 4);
    painter.drawLine(left + 10, 4, barEnd, 4);
}

}  // namespace

// The m-th value of the series En is 10 to the power (m - 1)/n, rounded.
QImage seriesFormula() {
    QImage image = framedPaper(52, 30);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawRadical(painter, 3, 48);
    painter.setFont(formulaFont(9, true));
    painter.drawText(QPoint(4, 13), "n");
    painter.setFont(formulaFont(16, false));
    painter.drawText(QPoint(15, 26), "10");
    painter.setFont(formulaFont(10, true));
    painter.drawText(QPoint(31, 15), "m");
    painter.setFont(formulaFont(10, false));
    painter.drawText(QPoint(39, 15),
                     "\u2212"
                     "1");
    return image;
}

// The 24th root of 10 cubed: the fourth value of E24.
QImage workedExample() {
    QImage image = framedPaper(100, 30);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawRadical(painter, 5, 58);
    painter.setFont(formulaFont(9, false));
    painter.drawText(QPoint(2, 13), "24");
    painter.setFont(formulaFont(16, false));
    painter.drawText(QPoint(17, 26), "10");
    painter.setFont(formulaFont(10, false));
    painter.drawText(QPoint(33, 15),
                     "(4\u2212"
                     "1)");
    painter.setFont(formulaFont(13, false));
    painter.drawText(QPoint(62, 24), "= 1,33");
    return image;
}

namespace {

// Block capitals, five columns by seven rows, one string a row.
using Glyph = std::array<const char*, 7>;
constexpr Glyph LetterA{".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};
constexpr Glyph LetterB{"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."};
constexpr Glyph LetterC{".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."};

// A lettered tile: a grey line along the top, a grey shadow three pixels wide
// down the right side, the letter centred on the coloured face.
void drawTile(QImage& image, QRect tile, const QColor& face, const Glyph& letter) {
    const QColor grey(128, 128, 128);
    for (int y = tile.top(); y <= tile.bottom(); ++y) {
        for (int x = tile.left(); x <= tile.right(); ++x) {
            const bool shadow = x > tile.right() - 3;
            image.setPixelColor(x, y, (y == tile.top() || shadow) ? grey : face);
        }
    }
    const int faceWidth = tile.width() - 3;
    const int faceHeight = tile.height() - 1;
    const int left = tile.left() + (faceWidth - 5) / 2;
    const int top = tile.top() + 1 + (faceHeight - 7) / 2;
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (letter[static_cast<std::size_t>(row)][column] == '#') {
                image.setPixelColor(left + column, top + row, Qt::black);
            }
        }
    }
}

}  // namespace

QImage programIcon() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    drawTile(image, QRect(QPoint(4, 2), QPoint(14, 10)), QColor(0, 255, 255), LetterA);
    drawTile(image, QRect(QPoint(14, 11), QPoint(24, 20)), QColor(255, 0, 255), LetterB);
    drawTile(image, QRect(QPoint(5, 21), QPoint(15, 31)), QColor(255, 255, 0), LetterC);
    return image;
}

}  // namespace ui
