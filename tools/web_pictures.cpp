// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window's pictures and the icon as PNG files for the page, drawn
// by the same code as the Qt window's, so the page never redraws them:
//   web_pictures DIR  ->  DIR/Image1.png, DIR/Image1@2x.png, ... DIR/icon-192.png
#include <QDir>
#include <QImage>
#include <cstdio>
#include <utility>

#include "ui/pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    using Drawing = QImage (*)(int);
    const std::pair<const char*, Drawing> pictures[] = {
        {"Image1", ui::carbonFilmResistor},
        {"Image2", ui::metalFilmResistor},
        {"Image3", ui::seriesFormula},
        {"Image4", ui::workedExample},
    };
    bool written = true;
    for (const auto& [name, draw] : pictures) {
        for (const int scale : {1, 2}) {
            QImage image = draw(scale);
            image.setDevicePixelRatio(1);
            const QString file = QStringLiteral("%1/%2%3.png")
                                     .arg(folder, QLatin1String(name),
                                          scale == 1 ? QString() : QStringLiteral("@2x"));
            written = image.save(file) && written;
        }
    }
    // The tab's icon and the web app's, the same design at 1, 6 and 16 pixels to one.
    for (const int size : {32, 192, 512}) {
        QImage icon = ui::programIcon(size / 32);
        icon.setDevicePixelRatio(1);
        written = icon.save(QStringLiteral("%1/icon-%2.png").arg(folder).arg(size)) && written;
    }
    if (!written) {
        std::fprintf(stderr, "web_pictures: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
