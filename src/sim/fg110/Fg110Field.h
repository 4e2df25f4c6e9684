#pragma once

#include "sim/fg110/Fg110Key.h"
#include "sim/fg110/Fg110NumberFormat.h"
#include "sim/fg110/Fg110Settings.h"

#include <optional>
#include <utility>

// What the display shows and the keypad, cursors and knob set: one setting at a time.
// Voltages (amplitude, offset, high and low level) are shown multiplied by the scaling
// factor, and entered in those scaled units; the output itself is not scaled.
enum class Fg110Field {
    Frequency,
    Amplitude,
    Offset,
    Phase,
    Period,
    Duty,
    HighLevel,
    LowLevel,
    Scaling,
    Address,
    Burst,
    Slope, // no number: PoS or nEg
};

// The parameter lamp lit for the field ("FREQ", "HI LEVEL"), empty for the fields shown
// by a word.
QString fg110ParameterLamp(Fg110Field field);

// The word the display shows when the field is chosen ("brSt"), empty for the fields
// with a lamp.
QString fg110FieldWord(Fg110Field field);

// How the display writes the field's number. Not for Slope.
NumberFormat fg110FieldFormat(Fg110Field field, const Fg110Settings& settings);

// The field's number as the display writes it. Not for Slope.
ShownNumber fg110ShowField(Fg110Field field, const Fg110Settings& settings, int address);

// Sets the field to a value in the display's base units (Hz, V, s, deg, %, a count),
// rounded as the display shows it. Returns false, changing nothing, if the generator
// refuses the value.
bool fg110SetField(Fg110Field field, Fg110Settings& settings, int& address, double shown);

// The lowest and highest value the field accepts now, in the display's base units.
std::pair<double, double> fg110FieldBounds(Fg110Field field, const Fg110Settings& settings);

// Whether amplitude and offset lie within their range's bounds and together within its
// output swing (|offset| + amplitude / 2).
bool fg110VoltagesFit(const Fg110Settings& settings);

// Whether a value lies within bounds, allowing for the rounding of both.
bool fg110WithinBounds(double value, double lowest, double highest);

// What a unit key means for the field: the base units in one typed unit, or nothing when
// the key is no unit of the field (or Vrms for a pulse).
std::optional<double> fg110UnitFactor(Fg110Field field, Fg110Key unitKey, const Fg110Settings& settings);
