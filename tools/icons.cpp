// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into a hicolor icon theme folder:
//   icons DIR  ->  DIR/hicolor/<n>x<n>/apps/org.example.resistances.png
// 32 is the original design itself, kept to its 16 colours. 64, 128 and 256
// are the same design drawn at 2, 4 and 8 device pixels per design pixel, so
// they stay crisp; 16 and 48 are drawn larger and smoothly halved.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "ui/pictures.h"

namespace {

// The standard 16-colour palette the design uses.
QList<QRgb> sixteenColours() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QImage iconOfSize(int size) {
    if (size == 32) {
        return ui::programIcon(1).convertToFormat(QImage::Format_Indexed8, sixteenColours(),
                                                  Qt::ThresholdDither);
    }
    if (size % 32 == 0) {
        QImage image = ui::programIcon(size / 32);
        image.setDevicePixelRatio(1);
        return image;
    }
    QImage larger = ui::programIcon(size * 2 / 32);
    larger.setDevicePixelRatio(1);
    return larger.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder =
            QStringLiteral("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(folder) ||
            !iconOfSize(size).save(folder + QStringLiteral("/org.example.resistances.png"))) {
            std::fprintf(stderr, "icons: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
