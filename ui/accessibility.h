// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tables/colour.h"

class QWidget;

namespace ui {

// Makes assistive technology announce our radio buttons as radio buttons.
// Call before any of them exists: Qt keeps the first interface it made.
void announceRadioButtons();

// Gives every list, readout, radio button and group box the name a screen
// reader announces: the caption a sighted user reads beside it.
void nameForScreenReaders(QWidget& window);

// What a band overlay shows, in words: "bande 1 : MARRON", or the picture's
// own band where the overlay draws nothing ("bande 4 : or (image)").
std::string bandDescription(std::string_view overlay, std::optional<tables::Colour> shown);

}  // namespace ui
