// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

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

// A picture being drawn in design pixels onto an image `scale` times as
// large in each direction, for screens with that many device pixels to one:
// every design pixel becomes an exact scale × scale block.
class Canvas {
public:
    Canvas(int width, int height, int scale)
        : image_(width * scale, height * scale, QImage::Format_RGB32), scale_(scale) {}

    [[nodiscard]] int scale() const { return scale_; }
    QImage& image() { return image_; }

    void put(int x, int y, QRgb colour) {
        for (int dy = 0; dy < scale_; ++dy) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y * scale_ + dy));
            std::fill_n(line + static_cast<std::ptrdiff_t>(x) * scale_, scale_, colour);
        }
    }
    [[nodiscard]] QRgb at(int x, int y) const {
        const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y * scale_));
        return line[static_cast<std::ptrdiff_t>(x) * scale_];
    }

    // For QPainter work in design coordinates.
    void scalePainter(QPainter& painter) const { painter.scale(scale_, scale_); }

    QImage finish() {
        image_.setDevicePixelRatio(scale_);
        return std::move(image_);
    }

private:
    QImage image_;
    int scale_;
};

QColor mix(const QColor& from, const QColor& to, double amount) {
    const auto channel = [amount](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * std::clamp(amount, 0.0, 1.0)));
    };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()),
            channel(from.blue(), to.blue())};
}

void drawLead(Canvas& canvas, int fromX, int toX, int top, int bottom) {
    for (int y = top; y <= bottom; ++y) {
        const QRgb colour = (y == top ? LeadLight : (y == bottom ? LeadDark : Lead)).rgb();
        for (int x = fromX; x <= toX; ++x) {
            canvas.put(x, y, colour);
        }
    }
}

// A soft shadow under the body: darkest just below it, white by row 114, and
// fading out towards both ends.
void drawShadow(Canvas& canvas, const Scene& scene) {
    constexpr int Darkest = 165;
    constexpr int Gone = 114;
    constexpr int Fade = 12;  // columns over which the ends fade
    const int top = scene.bodyBottom + 1;
    const int left = scene.bodyLeft + 4;
    const int right = scene.bodyRight - 4;
    for (int y = top; y <= Gone; ++y) {
        // Depth of the shade in 1/256ths, from full at the top to none at Gone.
        const int depth = 256 * (Gone - y) / (Gone - top);
        for (int x = left; x <= right; ++x) {
            const int edge = std::min({x - left, right - x, Fade});
            const int level = 255 - (255 - Darkest) * depth * edge / (256 * Fade);
            if (level < qRed(canvas.at(x, y))) {
                canvas.put(x, y, qRgb(level, level, level));
            }
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
void drawGold(Canvas& canvas, const BandPlace& band) {
    const QColor dark(115, 94, 95);
    const QColor highlight(254, 246, 205);
    const QColor tan(188, 157, 132);
    for (int y = band.top; y <= band.bottom; ++y) {
        QColor base = highlight;
        if (y < 42) {
            const double along = static_cast<double>(y - band.top) / (42 - band.top);
            base = mix(dark, highlight, along * along);
        } else if (y > 52) {
            base = mix(highlight, tan, std::min(1.0, (y - 52) / 6.0));
        }
        for (int column = 0; column <= band.right - band.left; ++column) {
            const double offCentre = (column - 4) / 4.0;
            canvas.put(band.left + column, y, mix(base, dark, 0.22 * offCentre * offCentre).rgb());
        }
    }
}

void drawBand(Canvas& canvas, const BandPlace& band) {
    if (band.look == BandPlace::Look::Gold) {
        drawGold(canvas, band);
        return;
    }
    if (band.look == BandPlace::Look::Body) {
        return;
    }
    const QRgb flat = band.look == BandPlace::Look::Brown ? qRgb(128, 0, 0) : qRgb(0, 0, 0);
    for (int y = band.top; y <= band.bottom; ++y) {
        for (int x = band.left; x <= band.right; ++x) {
            canvas.put(x, y, flat);
        }
    }
}

template <std::size_t Bands>
QImage resistor(const Scene& scene, const std::array<BandPlace, Bands>& bands, int scale) {
    Canvas canvas(scene.width, ResistorHeight, scale);
    canvas.image().fill(Paper);
    drawShadow(canvas, scene);
    drawLead(canvas, 0, scene.bodyLeft + 10, scene.leftLeadTop, scene.leftLeadBottom);
    drawLead(canvas, scene.bodyRight - 10, scene.width - 1, scene.rightLeadTop,
             scene.rightLeadBottom);
    {
        // The curves are drawn at the device resolution: sharper, not larger.
        QPainter painter(&canvas.image());
        canvas.scalePainter(painter);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(scene.outline.isValid() ? QPen(scene.outline, 1.0) : Qt::NoPen);
        painter.setBrush(scene.body);
        painter.drawPath(bodyOutline(scene));
    }
    for (const BandPlace& band : bands) {
        drawBand(canvas, band);
    }
    return canvas.finish();
}

}  // namespace

QImage carbonFilmResistor(int scale) {
    const Scene scene{CarbonWidth,           43,      270, 17, 81, 100, 210, 22, 78, 42, 49, 45, 51,
                      QColor(226, 204, 174), QColor()};
    return resistor(scene, CarbonBands, scale);
}

QImage metalFilmResistor(int scale) {
    const Scene scene{
        MetalWidth,           48, 255, 17, 82, 92, 214, 22, 79, 41, 48, 42, 48, QColor(0, 128, 255),
        QColor(226, 204, 174)};
    return resistor(scene, MetalBands, scale);
}

namespace {

// Our own pixel lettering, so that the pictures need no font: one string a
// row, '#' for ink. Glyphs are as wide as their rows.
using Glyph = std::span<const std::string_view>;

constexpr std::array<std::string_view, 7> LetterA{".###.", "#...#", "#...#", "#####",
                                                  "#...#", "#...#", "#...#"};
constexpr std::array<std::string_view, 7> LetterB{"####.", "#...#", "#...#", "####.",
                                                  "#...#", "#...#", "####."};
constexpr std::array<std::string_view, 7> LetterC{".###.", "#...#", "#....", "#....",
                                                  "#....", "#...#", ".###."};
constexpr std::array<std::string_view, 7> Digit0{".###.", "#...#", "#..##", "#.#.#",
                                                 "##..#", "#...#", ".###."};
constexpr std::array<std::string_view, 7> Digit1{"..#..", ".##..", "..#..", "..#..",
                                                 "..#..", "..#..", ".###."};
constexpr std::array<std::string_view, 7> Digit3{"####.", "....#", "....#", ".###.",
                                                 "....#", "....#", "####."};
constexpr std::array<std::string_view, 7> Equals{".....", ".....", "#####", ".....",
                                                 "#####", ".....", "....."};
constexpr std::array<std::string_view, 9> Comma{"..", "..", "..", "..", "..",
                                                ".#", ".#", "#.", ".."};

// Small glyphs for the index and the exponent, five rows high.
constexpr std::array<std::string_view, 5> SmallN{"....", "###.", "#..#", "#..#", "#..#"};
constexpr std::array<std::string_view, 5> SmallM{"......", "##.#..", "#.#.#.", "#.#.#.", "#.#.#."};
constexpr std::array<std::string_view, 5> SmallMinus{"...", "...", "###", "...", "..."};
constexpr std::array<std::string_view, 5> Small1{".#", "##", ".#", ".#", ".#"};
constexpr std::array<std::string_view, 5> Small2{"##.", "..#", ".#.", "#..", "###"};
constexpr std::array<std::string_view, 5> Small4{"#.#", "#.#", "###", "..#", "..#"};
constexpr std::array<std::string_view, 5> SmallOpen{".#", "#.", "#.", "#.", ".#"};
constexpr std::array<std::string_view, 5> SmallClose{"#.", ".#", ".#", ".#", "#."};

// Draws a glyph with its top-left ink cell at (left, top), each cell `scale`
// pixels square, leaning right by `lean` pixels over its height for italics.
// Returns the column just after it.
int drawGlyph(Canvas& canvas, int left, int top, Glyph glyph, QRgb ink, int scale = 1,
              int lean = 0) {
    const int rows = static_cast<int>(glyph.size());
    int width = 0;
    for (int row = 0; row < rows; ++row) {
        const std::string_view cells = glyph[static_cast<std::size_t>(row)];
        width = std::max(width, static_cast<int>(cells.size()));
        const int shift = lean * (rows - 1 - row) / std::max(1, rows - 1);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            if (cells[column] != '#') {
                continue;
            }
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    canvas.put(left + shift + static_cast<int>(column) * scale + dx,
                               top + row * scale + dy, ink);
                }
            }
        }
    }
    return left + width * scale;
}

// White with a one-pixel pure green frame, as both formula pictures are.
Canvas framedPaper(int width, int height, int scale) {
    Canvas canvas(width, height, scale);
    canvas.image().fill(Qt::white);
    const QRgb green = qRgb(0, 255, 0);
    for (int x = 0; x < width; ++x) {
        canvas.put(x, 0, green);
        canvas.put(x, height - 1, green);
    }
    for (int y = 0; y < height; ++y) {
        canvas.put(0, y, green);
        canvas.put(width - 1, y, green);
    }
    return canvas;
}

// A radical sign from `left` whose bar runs along row 4 to `barEnd`.
void drawRadical(Canvas& canvas, int left, int barEnd) {
    QPainter painter(&canvas.image());
    canvas.scalePainter(painter);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(left, 17, left + 2, 15);
    painter.drawLine(left + 2, 15, left + 6, 26);
    painter.drawLine(left + 6, 26, left + 10, 4);
    painter.drawLine(left + 10, 4, barEnd, 4);
}

constexpr QRgb Ink = 0xFF000000;

// The radicand "10", twice the size of the lettering, from `left`.
int drawTen(Canvas& canvas, int left) {
    const int afterOne = drawGlyph(canvas, left, 10, Digit1, Ink, 2);
    return drawGlyph(canvas, afterOne + 1, 10, Digit0, Ink, 2);
}

}  // namespace

// The m-th value of the series En is 10 to the power (m - 1)/n, rounded.
QImage seriesFormula(int scale) {
    Canvas image = framedPaper(52, 30, scale);
    drawRadical(image, 3, 48);
    drawGlyph(image, 3, 7, SmallN, Ink, 1, 1);
    const int afterTen = drawTen(image, 15);
    int x = drawGlyph(image, afterTen + 1, 6, SmallM, Ink, 1, 1);
    x = drawGlyph(image, x, 6, SmallMinus, Ink) + 1;
    drawGlyph(image, x, 6, Small1, Ink);
    return image.finish();
}

// The 24th root of 10 cubed: the fourth value of E24.
QImage workedExample(int scale) {
    Canvas image = framedPaper(100, 30, scale);
    drawRadical(image, 5, 58);
    const int afterTwo = drawGlyph(image, 2, 8, Small2, Ink) + 1;
    drawGlyph(image, afterTwo, 8, Small4, Ink);
    const int afterTen = drawTen(image, 17);
    int x = drawGlyph(image, afterTen + 2, 6, SmallOpen, Ink) + 1;
    x = drawGlyph(image, x, 6, Small4, Ink) + 1;
    x = drawGlyph(image, x, 6, SmallMinus, Ink) + 1;
    x = drawGlyph(image, x, 6, Small1, Ink) + 1;
    drawGlyph(image, x, 6, SmallClose, Ink);

    x = drawGlyph(image, 62, 13, Equals, Ink) + 3;
    x = drawGlyph(image, x, 13, Digit1, Ink) + 1;
    x = drawGlyph(image, x, 13, Comma, Ink) + 1;
    x = drawGlyph(image, x, 13, Digit3, Ink) + 1;
    drawGlyph(image, x, 13, Digit3, Ink);
    return image.finish();
}

namespace {

// A lettered tile: a grey line along the top, a grey shadow three pixels wide
// down the right side, the letter centred on the coloured face.
void drawTile(Canvas& canvas, QRect tile, QRgb face, Glyph letter) {
    const QRgb grey = qRgb(128, 128, 128);
    for (int y = tile.top(); y <= tile.bottom(); ++y) {
        for (int x = tile.left(); x <= tile.right(); ++x) {
            const bool shadow = x > tile.right() - 3;
            canvas.put(x, y, (y == tile.top() || shadow) ? grey : face);
        }
    }
    const int faceWidth = tile.width() - 3;
    const int faceHeight = tile.height() - 1;
    drawGlyph(canvas, tile.left() + (faceWidth - 5) / 2, tile.top() + 1 + (faceHeight - 7) / 2,
              letter, Ink);
}

}  // namespace

QImage programIcon(int scale) {
    Canvas image(32, 32, scale);
    image.image().fill(Qt::white);
    drawTile(image, QRect(QPoint(4, 2), QPoint(14, 10)), qRgb(0, 255, 255), LetterA);
    drawTile(image, QRect(QPoint(14, 11), QPoint(24, 20)), qRgb(255, 0, 255), LetterB);
    drawTile(image, QRect(QPoint(5, 21), QPoint(15, 31)), qRgb(255, 255, 0), LetterC);
    return image.finish();
}

}  // namespace ui
