#pragma once

#include "sim/fluke45/Fluke45Function.h"

#include <optional>
#include <vector>

enum class Fluke45Rate { Slow, Medium, Fast };
enum class MinMaxShown { Off, Minimum, Maximum };

// Everything the keys set: what POWER restores to the factory values below, and what an
// exercise judges besides the reading.
struct Fluke45Settings {
    Fluke45Function function = Fluke45Function::VoltsDc;
    int range = 0; // index in the function's ranges; autorange keeps it current
    bool autoRange = true;
    std::optional<Fluke45Function> secondary;
    Fluke45Rate rate = Fluke45Rate::Medium;
    bool relative = false;
    double relativeBase = 0; // in the unit the display shows (V, Ω, dBm...), not the digits' unit
    bool decibels = false;
    int referenceOhms = 600;
    bool hold = false;
    int holdThreshold = 2; // 1, 2 or 3
    MinMaxShown minMax = MinMaxShown::Off;
    bool compare = false;
    double high = 0; // COMP's limits, in the unit the display shows
    double low = 0;
    bool beeper = true; // the continuity beep of the diode test

    bool operator==(const Fluke45Settings&) const = default;
};

// The dB reference impedances the list editor offers, in ohms.
const std::vector<int>& fluke45ReferenceImpedances();

// Touch Hold's thresholds: a reading is stable when it moves by no more than this share
// of the range. Level 1 is the most demanding.
double holdThresholdShare(int level);

// "lenta", "media", "rápida".
QString fluke45RateName(Fluke45Rate rate);
