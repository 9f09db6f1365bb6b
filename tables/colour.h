// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tables {

// An RGB colour, or NoColor: the "no colour at all" value a brush can hold.
// A zero-filled Colour is black, as a zero-filled record of the form holds.
class Colour {
public:
    constexpr Colour() = default;

    static constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        Colour colour;
        colour.red_ = red;
        colour.green_ = green;
        colour.blue_ = blue;
        return colour;
    }

    static constexpr Colour none() {
        Colour colour;
        colour.none_ = true;
        return colour;
    }

    [[nodiscard]] constexpr bool isNone() const { return none_; }
    [[nodiscard]] constexpr std::uint8_t red() const { return red_; }
    [[nodiscard]] constexpr std::uint8_t green() const { return green_; }
    [[nodiscard]] constexpr std::uint8_t blue() const { return blue_; }

    friend constexpr bool operator==(const Colour&, const Colour&) = default;

private:
    std::uint8_t red_ = 0;
    std::uint8_t green_ = 0;
    std::uint8_t blue_ = 0;
    bool none_ = false;
};

inline constexpr Colour NoColor = Colour::none();

// Named colours the window is built with.
inline constexpr Colour Black = Colour::rgb(0, 0, 0);
inline constexpr Colour Maroon = Colour::rgb(128, 0, 0);
inline constexpr Colour Red = Colour::rgb(255, 0, 0);
inline constexpr Colour Silver = Colour::rgb(192, 192, 192);
// The desktop's button-face grey: panels, and paint boxes that take their panel's colour.
inline constexpr Colour ButtonFace = Colour::rgb(240, 240, 240);

}  // namespace tables
