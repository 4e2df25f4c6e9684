#pragma once

#include "instruments/common/practice/InstrumentFace.h"

#include <vector>

// Every key of the FG110's panel picture ("panels/fg110", 604 × 244) as the practice
// window presses it, one rectangle each; the knob is two keys, its left and right halves.
const std::vector<PanelKey>& fg110PanelKeys();

// Where the picture draws the display, and its SHIFT and CH1 lamps (centres).
namespace Fg110PanelPlaces {
inline constexpr QRect display{32, 22, 282, 65};
inline constexpr QPoint shiftLamp{67, 149};
inline constexpr QPoint channel1Lamp{84, 185};
inline constexpr QSize picture{604, 244};
} // namespace Fg110PanelPlaces
