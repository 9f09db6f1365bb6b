// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "logic/control.h"
#include "tables/colour.h"

namespace logic {

class RepaintQueue;

// A transparent rectangle laid over a band of a resistor picture. It paints no
// background: until something fills it, the picture beneath shows.
class PaintBox : public Control {
public:
    PaintBox(std::string name, tables::Colour color, RepaintQueue& repaints);

    // The colour its brush takes before each repaint.
    [[nodiscard]] tables::Colour color() const { return color_; }

    [[nodiscard]] bool visible() const { return visible_; }
    // Takes effect at once; a change asks for a repaint of the box once the
    // running handler has returned. Setting the current value asks for nothing.
    void setVisible(bool visible);

    [[nodiscard]] tables::Colour brushColor() const { return brushColor_; }
    void setBrushColor(tables::Colour colour) { brushColor_ = colour; }

    // Fills the whole box with the brush colour, at once, also outside a paint.
    // A hidden box keeps showing the picture: a colour must never stand over a
    // band the logic has hidden. NoColor draws nothing.
    void fillClipRect();

    // What the user sees at the box's place: a colour, or nothing (the picture).
    [[nodiscard]] std::optional<tables::Colour> shownColour() const { return shown_; }

    Handler OnPaint;

    // Run by the repaint queue when the box's turn comes. A hidden box is
    // skipped; a visible one shows the picture, takes its own colour into the
    // brush and runs OnPaint.
    void repaint();

private:
    tables::Colour color_;
    RepaintQueue& repaints_;
    bool visible_ = true;
    tables::Colour brushColor_;
    std::optional<tables::Colour> shown_;
};

}  // namespace logic
