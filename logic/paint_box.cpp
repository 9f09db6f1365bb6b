// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/paint_box.h"

#include <utility>

#include "logic/repaint.h"

namespace logic {

PaintBox::PaintBox(std::string name, tables::Colour color, RepaintQueue& repaints)
    : Control(std::move(name)), color_(color), repaints_(repaints), brushColor_(color) {}

void PaintBox::setVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    // Shown or hidden, the area is drawn anew: the picture first.
    shown_.reset();
    repaints_.request(*this);
}

void PaintBox::fillClipRect() {
    if (visible_ && !brushColor_.isNone()) {
        shown_ = brushColor_;
    }
}

void PaintBox::repaint() {
    if (!visible_) {
        return;
    }
    shown_.reset();
    brushColor_ = color_;
    if (OnPaint) {
        OnPaint(*this);
    }
}

}  // namespace logic
