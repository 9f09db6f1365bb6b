// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "tables/colour.h"

namespace ui {

enum class Kind { GroupBox, Label, ListBox, Edit, RadioButton, Image, PaintBox };

// Pixels at 96 dpi, relative to the client area or the containing group box.
struct Geometry {
    int left;
    int top;
    int width;
    int height;
};

struct FontSpec {
    int pixelHeight;  // 0: the control shows no text of its own
    bool bold;
    tables::Colour colour;
};

struct ControlLayout {
    std::string_view name;
    std::string_view parent;  // "Form1" for the window itself
    Kind kind;
    Geometry geometry;
    FontSpec font;
    int itemHeight;  // list boxes only
    int tabOrder;    // among the siblings; -1: no tab stop
};

inline constexpr std::string_view WindowName = "Form1";
inline constexpr std::string_view WindowCaption =
    "Détermination de la valeur d'une résistance (à 4, 5 ou 6 bandes) - V1.2 - RAZORO";
inline constexpr int ClientWidth = 719;
inline constexpr int ClientHeight = 649;
inline constexpr FontSpec WindowFont{11, false, tables::Black};

// Every control of the window, parents before their children, and within a
// group box in the order it paints (pictures before the bands over them).
std::span<const ControlLayout> windowLayout();
std::optional<ControlLayout> layoutOf(std::string_view name);

}  // namespace ui
