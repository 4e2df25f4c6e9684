#pragma once

#include <functional>

// What an instrument puts at its output, as an oscilloscope shows it. Time 0 is the
// trigger: a continuous signal is shown from there, a burst starts there.
struct ScopeSignal {
    enum class Output {
        None, // the instrument is off: the screen shows no trace
        Zero, // the instrument is on with its output off: a flat 0 V line
        Live, // the signal below
    };
    Output output = Output::None;
    std::function<double(double seconds)> volts; // the output at a time, for Live
    double period = 0;                           // seconds, of one cycle; 0 for a steady level (DC)
    double lowest = 0;                           // the signal's lowest and highest values, volts
    double highest = 0;
    int cycles = 0; // a burst: this many cycles from time 0, then the resting level; 0 for continuous

    // What the instrument says its wave is, for the words a screen reader hears; the
    // trace comes from `volts` alone.
    enum class Shape { Unnamed, Sine, Square, Ramp, Triangle, Pulse };
    Shape shape = Shape::Unnamed;
    double duty = 50;      // percent of the period a pulse is high
    bool inverted = false; // the wave mirrored about its middle level
};
