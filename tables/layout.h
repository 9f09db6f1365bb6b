// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's layout: every control's name, place, font, item height and tab
// order. Plain data, shared by every front end of the calculator.
#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "tables/colour.h"

namespace tables {

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
    Colour colour;
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
inline constexpr FontSpec WindowFont{11, false, Black};

namespace layout_detail {

constexpr Colour Blue = Colour::rgb(0, 0, 255);
constexpr Colour Navy = Colour::rgb(0, 0, 128);
constexpr Colour Fuchsia = Colour::rgb(255, 0, 255);
constexpr Colour Teal = Colour::rgb(0, 128, 128);
constexpr Colour Red = Colour::rgb(255, 0, 0);

constexpr FontSpec Caption{16, true, Blue};     // group boxes, radio buttons
constexpr FontSpec Note{11, false, Navy};       // labels over the lists
constexpr FontSpec Explain{11, false, Teal};    // the series explanation
constexpr FontSpec Choose{11, false, Fuchsia};  // the choice group boxes
constexpr FontSpec Readout{16, true, Red};
constexpr FontSpec BigList{16, true, Navy};
constexpr FontSpec SmallList{11, true, Navy};
constexpr FontSpec Ohms{19, false, Fuchsia};
constexpr FontSpec NoText{0, false, Black};

constexpr ControlLayout control(std::string_view name, std::string_view parent, Kind kind,
                                Geometry geometry, FontSpec font, int tabOrder = -1,
                                int itemHeight = 0) {
    return ControlLayout{name, parent, kind, geometry, font, itemHeight, tabOrder};
}

constexpr ControlLayout list(std::string_view name, std::string_view parent, Geometry geometry,
                             FontSpec font, int tabOrder) {
    return control(name, parent, Kind::ListBox, geometry, font, tabOrder,
                   font.pixelHeight == 16 ? 20 : 13);
}

using enum Kind;

inline constexpr std::array Layout{
    control("GroupBox1", "Form1", GroupBox, {8, 8, 273, 393}, Caption, 0),
    control("GroupBox2", "Form1", GroupBox, {288, 8, 425, 313}, Caption, 1),
    control("GroupBox5", "Form1", GroupBox, {288, 328, 425, 313}, Caption, 2),
    control("GroupBox6", "Form1", GroupBox, {8, 408, 273, 233}, Caption, 3),

    control("Label6", "GroupBox1", Label, {16, 32, 52, 13}, Note),
    control("Label9", "GroupBox1", Label, {72, 32, 52, 13}, Note),
    control("Label10", "GroupBox1", Label, {136, 32, 52, 13}, Note),
    control("Label11", "GroupBox1", Label, {200, 32, 52, 13}, Note),
    control("Label22", "GroupBox1", Label, {8, 292, 230, 13}, Explain),
    control("Label19", "GroupBox1", Label, {8, 308, 66, 13}, Explain),
    control("Label25", "GroupBox1", Label, {8, 340, 247, 13}, Explain),
    control("Label24", "GroupBox1", Label, {8, 356, 108, 13}, Explain),
    control("Image3", "GroupBox1", Image, {128, 308, 57, 37}, NoText),
    control("Image4", "GroupBox1", Image, {128, 357, 105, 36}, NoText),
    list("ListBox5", "GroupBox1", {16, 48, 49, 129}, BigList, 0),
    list("ListBox6", "GroupBox1", {72, 48, 49, 129}, BigList, 1),
    list("ListBox8", "GroupBox1", {136, 48, 57, 129}, BigList, 2),
    list("ListBox9", "GroupBox1", {200, 48, 57, 129}, BigList, 3),
    control("GroupBox3", "GroupBox1", GroupBox, {8, 240, 257, 49}, Choose, 4),
    control("GroupBox4", "GroupBox1", GroupBox, {8, 192, 257, 49}, Choose, 5),

    control("RadioButton1", "GroupBox4", RadioButton, {8, 20, 57, 17}, Caption, 3),
    control("RadioButton2", "GroupBox4", RadioButton, {65, 20, 57, 17}, Caption, 2),
    control("RadioButton3", "GroupBox4", RadioButton, {128, 20, 57, 17}, Caption, 1),
    control("RadioButton4", "GroupBox4", RadioButton, {192, 20, 57, 17}, Caption, 0),
    control("RadioButton4B", "GroupBox3", RadioButton, {40, 20, 49, 17}, Caption, 2),
    control("RadioButton5B", "GroupBox3", RadioButton, {120, 20, 49, 17}, Caption, 1),
    control("RadioButton6B", "GroupBox3", RadioButton, {184, 20, 41, 17}, Caption, 0),

    control("Label8", "GroupBox6", Label, {72, 28, 92, 13}, Choose),
    list("ListBox7", "GroupBox6", {72, 48, 129, 129}, BigList, 0),
    control("Label7", "GroupBox6", Label, {4, 205, 205, 20}, Caption),

    control("Image1", "GroupBox2", Image, {48, 24, 321, 113}, NoText),
    control("PaintBox4", "GroupBox2", PaintBox, {269, 43, 9, 62}, NoText),
    control("PaintBox3", "GroupBox2", PaintBox, {206, 45, 9, 59}, NoText),
    control("PaintBox2", "GroupBox2", PaintBox, {162, 46, 9, 59}, NoText),
    control("PaintBox1", "GroupBox2", PaintBox, {115, 41, 9, 66}, NoText),
    control("Edit1", "GroupBox2", Edit, {110, 144, 17, 28}, Readout, 0),
    control("Edit2", "GroupBox2", Edit, {158, 144, 17, 28}, Readout, 7),
    control("Edit3", "GroupBox2", Edit, {190, 144, 75, 28}, Readout, 6),
    control("Label1", "GroupBox2", Label, {272, 146, 78, 24}, Ohms),
    control("Edit4", "GroupBox2", Edit, {360, 144, 57, 28}, Readout, 5),
    control("Label2", "GroupBox2", Label, {32, 184, 47, 13}, Note),
    control("Label3", "GroupBox2", Label, {132, 184, 58, 13}, Note),
    control("Label4", "GroupBox2", Label, {232, 184, 74, 13}, Note),
    control("Label5", "GroupBox2", Label, {344, 184, 60, 13}, Note),
    list("ListBox1", "GroupBox2", {8, 200, 100, 105}, BigList, 4),
    list("ListBox2", "GroupBox2", {112, 200, 100, 105}, BigList, 3),
    list("ListBox3", "GroupBox2", {216, 200, 100, 105}, BigList, 2),
    list("ListBox4", "GroupBox2", {336, 200, 81, 41}, BigList, 1),

    control("Image2", "GroupBox5", Image, {16, 24, 313, 113}, NoText),
    control("PaintBox25", "GroupBox5", PaintBox, {206, 46, 9, 58}, NoText),
    control("PaintBox24", "GroupBox5", PaintBox, {174, 46, 9, 58}, NoText),
    control("PaintBox22", "GroupBox5", PaintBox, {113, 46, 9, 58}, NoText),
    control("PaintBox21", "GroupBox5", PaintBox, {83, 40, 9, 66}, NoText),
    control("PaintBox23", "GroupBox5", PaintBox, {143, 46, 9, 58}, NoText),
    control("PaintBox26", "GroupBox5", PaintBox, {245, 41, 9, 66}, NoText),
    control("Label21", "GroupBox5", Label, {352, 52, 61, 13}, Note),
    control("Label20", "GroupBox5", Label, {360, 64, 45, 13}, Note),
    control("Edit26", "GroupBox5", Edit, {352, 80, 65, 28}, Readout, 10),
    control("Edit21", "GroupBox5", Edit, {78, 144, 17, 28}, Readout, 0),
    control("Edit22", "GroupBox5", Edit, {108, 144, 17, 28}, Readout, 6),
    control("Edit23", "GroupBox5", Edit, {140, 144, 17, 28}, Readout, 9),
    control("Edit24", "GroupBox5", Edit, {166, 144, 75, 28}, Readout, 5),
    control("Label16", "GroupBox5", Label, {248, 146, 78, 24}, Ohms),
    control("Edit25", "GroupBox5", Edit, {352, 144, 65, 28}, Readout, 4),
    control("Label15", "GroupBox5", Label, {24, 184, 47, 13}, Note),
    control("Label14", "GroupBox5", Label, {92, 184, 58, 13}, Note),
    control("Label17", "GroupBox5", Label, {172, 184, 58, 13}, Note),
    control("Label13", "GroupBox5", Label, {250, 184, 74, 13}, Note),
    control("Label12", "GroupBox5", Label, {344, 184, 60, 13}, Note),
    control("Label18", "GroupBox5", Label, {340, 248, 73, 13}, Note),
    list("ListBox21", "GroupBox5", {8, 200, 81, 105}, SmallList, 11),
    list("ListBox22", "GroupBox5", {88, 200, 81, 105}, SmallList, 3),
    list("ListBox23", "GroupBox5", {168, 200, 81, 105}, SmallList, 7),
    list("ListBox24", "GroupBox5", {248, 200, 81, 105}, SmallList, 2),
    list("ListBox25", "GroupBox5", {336, 200, 81, 41}, SmallList, 1),
    list("ListBox26", "GroupBox5", {336, 264, 81, 41}, SmallList, 8),
};

}  // namespace layout_detail

// Every control of the window, parents before their children, and within a
// group box in the order it paints (pictures before the bands over them).
constexpr std::span<const ControlLayout> windowLayout() {
    return layout_detail::Layout;
}

constexpr std::optional<ControlLayout> layoutOf(std::string_view name) {
    for (const ControlLayout& entry : layout_detail::Layout) {
        if (entry.name == name) {
            return entry;
        }
    }
    return std::nullopt;
}

// The controls Tab visits, in order: containers in their order, each one's
// controls in theirs.
inline std::vector<std::string_view> tabStops() {
    std::vector<std::string_view> order;
    const auto visit = [&](const auto& self, std::string_view parent) -> void {
        std::vector<ControlLayout> stops;
        for (const ControlLayout& entry : windowLayout()) {
            if (entry.parent == parent && entry.tabOrder >= 0) {
                stops.push_back(entry);
            }
        }
        std::stable_sort(stops.begin(), stops.end(),
                         [](const auto& a, const auto& b) { return a.tabOrder < b.tabOrder; });
        for (const ControlLayout& stop : stops) {
            if (stop.kind == Kind::GroupBox) {
                self(self, stop.name);
            } else {
                order.push_back(stop.name);
            }
        }
    };
    visit(visit, WindowName);
    return order;
}

}  // namespace tables
