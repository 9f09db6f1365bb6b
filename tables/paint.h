// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tables/colour.h"

namespace tables {

// What choosing a colour does to its band: fill the overlay with a colour, or
// hide the overlay so that the picture's own (gold) band shows through.
class Paint {
public:
    static constexpr Paint fill(Colour colour) { return Paint{colour, false}; }
    static constexpr Paint hidden() { return Paint{Colour{}, true}; }

    [[nodiscard]] constexpr bool isHidden() const { return hidden_; }
    // Meaningful only when the paint is not hidden.
    [[nodiscard]] constexpr Colour colour() const { return colour_; }

    friend constexpr bool operator==(const Paint&, const Paint&) = default;

private:
    constexpr Paint(Colour colour, bool hidden) : colour_(colour), hidden_(hidden) {}

    Colour colour_;
    bool hidden_;
};

}  // namespace tables
