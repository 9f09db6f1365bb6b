// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A person's stock: the values they have in their drawers, one a line in a
// file, on standard input, or pasted into the page.
#include <string_view>
#include <vector>

#include "notation/quantity.h"

namespace cli {

// The values of a stock's text, one a line in any spelling `trouver` takes,
// with `#` comments and a byte-order mark skipped; `name` names it in
// complaints.
std::vector<notation::Value> stockValues(std::string_view text, std::string_view name);

}  // namespace cli
