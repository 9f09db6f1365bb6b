// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// A readout with the plus-minus sign (U+00B1), spelled as an escape so that a
// hyphen in its place cannot pass for it: pm("5%") is "±5%".
inline std::string pm(std::string_view rest) {
    return "\u00B1" + std::string(rest);
}

}  // namespace testing_support
