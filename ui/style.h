// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

#include "tables/colour.h"
#include "ui/layout.h"

class QWidget;

namespace ui {

inline QColor toQColor(tables::Colour colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

// The window's font family is MS Sans Serif; where it is missing, a narrow sans
// stands in, narrow enough that no caption is clipped in its control.
void registerFontSubstitutes();
QFont windowFont(const FontSpec& look);

// Gives a widget its font and text colour, so that it no longer inherits them.
void applyFont(QWidget& widget, const FontSpec& look);

// The button-face look of the window and its panels.
void applyButtonFace(QWidget& widget);

}  // namespace ui
