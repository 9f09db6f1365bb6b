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

}  // namespace ui
