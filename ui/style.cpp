// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style.h"

#include <QPalette>
#include <QWidget>

namespace ui {

void registerFontSubstitutes() {
    QFont::insertSubstitutions("MS Sans Serif",
                               {"Liberation Sans Narrow", "Arial Narrow", "DejaVu Sans Condensed"});
}

QFont windowFont(const FontSpec& look) {
    QFont font("MS Sans Serif");
    font.setPixelSize(look.pixelHeight);
    font.setBold(look.bold);
    return font;
}

void applyFont(QWidget& widget, const FontSpec& look) {
    if (look.pixelHeight == 0) {
        return;
    }
    widget.setFont(windowFont(look));
    QPalette palette = widget.palette();
    const QColor colour = toQColor(look.colour);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    }
    widget.setPalette(palette);
}

void applyButtonFace(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(tables::ButtonFace));
    palette.setColor(QPalette::Button, toQColor(tables::ButtonFace));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace ui
