#pragma once

#include <QPointF>
#include <QRectF>

#include <array>

// Where everything on the FG110's liquid-crystal display lies, in picture pixels of the
// panel's picture ("panels/fg110", which prints the display at the factory settings with
// these very places): the live display is drawn over the picture's and looks like it.
// The glass itself is `Fg110PanelPlaces::display`, with a 1 px black edge on its border.
namespace Fg110DisplayLayout {

// A word of the crystal: what the model calls it, what is printed, where its baseline
// starts. All are 7 px bold type.
struct Word {
    const char* state; // the model's parameter or mode that lights it
    const char* printed;
    QPointF baseline;
};
inline constexpr double wordPixels = 7;

// The parameters, in one row along the top.
inline constexpr std::array<Word, 8> parameterWords{{
    {"FREQ", "FREQ", {40.0, 33.5}},
    {"PERIOD", "PER", {72.2, 33.5}},
    {"AMPL", "AMPL", {99.3, 33.5}},
    {"OFFSET", "OFST", {131.8, 33.5}},
    {"PHASE", "PHASE", {163.2, 33.5}},
    {"DUTY", "DUTY", {200.0, 33.5}},
    {"HI LEVEL", "HI LEVEL", {231.7, 33.5}},
    {"LO LEVEL", "LO LEVEL", {275.9, 33.5}},
}};

// The modes, two by two at the right, above the unit.
inline constexpr std::array<Word, 4> modeWords{{
    {"CONT", "CONT", {264, 45}},
    {"TRIG", "TRIG", {290, 45}},
    {"GATE", "GATE", {264, 55}},
    {"DC", "DC", {290, 55}},
}};

// The waveform signs in a column at the left, in the generator's order (sine, square,
// ramp, triangle, pulse): each one cycle `signWidth` wide and `signHeight` high, centred
// on its row.
inline constexpr double signLeft = 38;
inline constexpr double signWidth = 16;
inline constexpr double signHeight = 6;
inline constexpr std::array<double, 5> signCentres{42, 51.5, 61, 70.5, 80};
inline constexpr double signStroke = 1.3;

// The seven digit cells: each 20 × 38 before it leans 6° to the right, its point a small
// square after its lower right corner.
inline constexpr double firstCellLeft = 63;
inline constexpr double cellPitch = 29;
inline constexpr double cellTop = 41;
inline constexpr double cellSlantDegrees = 6;
inline constexpr QRectF point{19, 34.4, 3.6, 3.6}; // from the cell's top-left, upright

// The unit, 17 px bold type.
inline constexpr QPointF unitBaseline{264, 78.5};
inline constexpr double unitPixels = 17;

// How strongly the crystal's ink shows, lit and unlit.
inline constexpr double litWords = 0.9;
inline constexpr double unlitWords = 0.09;
inline constexpr double litSegments = 0.92;
inline constexpr double unlitSegments = 0.07;

} // namespace Fg110DisplayLayout
