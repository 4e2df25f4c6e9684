#pragma once

#include <QString>

#include <vector>

// Every key of the FG110's panel that the practice generator answers, the knob's two
// directions counted as keys. The four unit keys carry several legends each and are
// named by the first: MHz (also V, sec), kHz (also mV, msec), Hz (also deg, Vrms) and
// mHz (also %).
enum class Fg110Key {
    LocalManualTrigger,
    Range,
    Mode,
    Frequency,
    Amplitude,
    Shift,
    Recall,
    Function,
    Phase,
    Offset,
    Power,
    Channel1,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    Sign,
    UnitMHz,
    UnitKHz,
    UnitHz,
    UnitMilliHz,
    CursorLeft,
    CursorRight,
    KnobDown,
    KnobUp,
};

// All keys, in the order above.
const std::vector<Fg110Key>& fg110Keys();

// The key's legend as the panel prints it ("FREQ", "kHz", "7", "+/-", "POWER"); the knob's
// directions read "rueda -" and "rueda +".
QString fg110KeyLegend(Fg110Key key);

// The digit of a keypad key, or -1 for any other key.
int fg110KeyDigit(Fg110Key key);

// The keypad key of a digit 0-9.
Fg110Key fg110DigitKey(int digit);
