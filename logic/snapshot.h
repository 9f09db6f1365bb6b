// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window as JSON, for a front end that mirrors the model across a
// language boundary (the page around the WebAssembly build) and for tests
// that compare two builds of the model. No calculator rule lives here.
#include <string>

namespace logic {

class TForm1;

// What never changes: every control of the layout with its kind, parent,
// place, font, tab order, item height, caption, hint, items and the label a
// screen reader names it by; the window's caption and size; the menu's item.
std::string describeWindow(TForm1& form);

// What the user sees now: each list's selection and enabled state, each
// edit's text, each radio button's check, and each band's colour ("#rrggbb",
// or null where the picture shows) with what a screen reader says of it.
std::string snapshot(TForm1& form);

// A text as a JSON string, quotes included.
std::string jsonString(const std::string& text);

}  // namespace logic
