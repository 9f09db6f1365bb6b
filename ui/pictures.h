// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <array>

namespace ui {

// A band of a resistor picture, columns and rows inclusive.
struct BandPlace {
    int left;
    int top;
    int right;
    int bottom;
    enum class Look { Brown, Black, Gold, Body } look;
};

inline constexpr int ResistorHeight = 122;
inline constexpr int CarbonWidth = 319;
inline constexpr int MetalWidth = 308;

inline constexpr std::array<BandPlace, 4> CarbonBands{{
    {67, 17, 75, 82, BandPlace::Look::Brown},
    {114, 22, 122, 79, BandPlace::Look::Black},
    {158, 21, 166, 79, BandPlace::Look::Gold},
    {221, 19, 229, 80, BandPlace::Look::Gold},
}};

inline constexpr std::array<BandPlace, 6> MetalBands{{
    {67, 16, 75, 81, BandPlace::Look::Brown},
    {97, 22, 105, 79, BandPlace::Look::Black},
    {127, 22, 135, 79, BandPlace::Look::Black},
    {158, 21, 166, 79, BandPlace::Look::Gold},
    {190, 21, 198, 79, BandPlace::Look::Gold},
    {229, 17, 237, 82, BandPlace::Look::Body},  // no band: the sixth shows only when painted
}};

// The pictures of the window, drawn by code at their own size, or `scale`
// times as large for a screen with that device pixel ratio (the image then
// carries the ratio, so it still lays out at its own size).
QImage carbonFilmResistor(int scale = 1);
QImage metalFilmResistor(int scale = 1);
QImage seriesFormula(int scale = 1);
QImage workedExample(int scale = 1);
QImage programIcon(int scale = 1);

}  // namespace ui
