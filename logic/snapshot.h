// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window shows, as JSON: for a front end that mirrors the model
// across a language boundary (the page around the WebAssembly build) and for
// the test that compares two builds of the model. No calculator rule lives here.
#include <string>

#include "tables/colour.h"

namespace logic {

class TForm1;

// What the user sees now: each list's selection and enabled state, each
// edit's text, each radio button's check, and each band's colour ("#rrggbb",
// or null where the picture shows) with what a screen reader says of it.
std::string snapshot(TForm1& form);

// "#rrggbb", as pages write colours.
std::string hexColour(tables::Colour colour);

}  // namespace logic
