#pragma once

#include "instruments/common/practice/InstrumentFace.h"

#include <QPointF>
#include <QRect>
#include <QSize>

#include <vector>

// Every key of the Fluke 45's panel picture ("panels/fluke45", 759 × 304) as the practice
// window presses it on the bench (BenchKey::meter), one rectangle each, in reading order.
const std::vector<PanelKey>& fluke45PanelKeys();

// Where the picture draws the meter's glass (both displays), each display, and the
// centres of its four input jacks (in the order of `Fluke45Jack`).
namespace Fluke45PanelPlaces {
inline constexpr QSize picture{759, 304};
inline constexpr QRect display{226, 42, 406, 85};
inline constexpr QRectF primary{228, 44, 270, 81};
inline constexpr QRectF secondary{500, 44, 130, 81};
inline constexpr QPointF jacks[] = {{58.5, 61}, {59.5, 129.5}, {126, 129.5}, {125, 61}}; // V Ω, COM, 100 mA, 10 A
} // namespace Fluke45PanelPlaces
