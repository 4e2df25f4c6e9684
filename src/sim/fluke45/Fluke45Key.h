#pragma once

#include <QString>

#include <vector>

// Every key of the Fluke 45's panel, named by the legend on its top. Seven of them have a
// second function, printed below the key, that 2ND gives them.
enum class Fluke45Key {
    VoltsDc,
    AmpsDc,
    Ohms,
    DiodeContinuity,
    VoltsAc,
    AmpsAc,
    Frequency,
    Auto,
    Up,
    Down,
    Relative,
    Decibels,
    Hold,
    MinMax,
    Second,
    Rate,
    Power,
};

// All keys, in the order above.
const std::vector<Fluke45Key>& fluke45Keys();

// The legend on the key's top: "V DC", "A~", "Ω", "FREQ", "▲", "MN MX", "2ND"...
QString fluke45KeyLegend(Fluke45Key key);

// The legend printed below the key, its function after 2ND ("COMP", "HI", "LO", "REF #",
// "REF Ω", "THRESH", "ADDR"), or empty for a key that has none.
QString fluke45SecondLegend(Fluke45Key key);

// Whether the key chooses a measuring function (the seven keys of the function block).
bool isFunctionKey(Fluke45Key key);
