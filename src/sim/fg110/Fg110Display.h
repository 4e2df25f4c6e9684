#pragma once

#include "sim/fg110/Fg110Settings.h"

#include <QString>

// What the FG110's display shows at one moment, as data for whoever draws it. The value
// and the word are written in characters a seven-segment digit can show.
struct Fg110Display {
    static constexpr int cells = 7; // the digit cells; whatever is shown or typed fits them

    bool lit = true;   // false while the generator is off: nothing below is shown
    QString value;     // "1.000", or what is being typed; empty while a word is shown
    QString word;      // "rEcALL", "StorE", "ScALE", "AdrS", "brSt", "SLoPE", "PoS", "nEg", "Err"
    QString unit;      // "MHz", "kHz", "Hz", "mHz", "V", "mV", "Vrms", "deg", "%", "sec", "msec" or empty
    QString parameter; // "FREQ", "AMPL", "OFFSET", "PHASE", "PERIOD", "DUTY", "HI LEVEL", "LO LEVEL" or empty
    QString mode;      // "CONT", "TRIG", "GATE", "DC"
    Fg110Waveform waveform = Fg110Waveform::Sine;
    bool inverted = false;
    Fg110Range range = Fg110Range::TenVolts;
    bool shiftLamp = false;
    bool channel1Lamp = false;
    int blinkingDigit = -1; // index in `value` of the digit chosen with the cursors, or -1

    // What a screen reader says: "1.000 kHz, FREQ, CONT, senoidal".
    QString reading() const;
};

// The cells a text takes on the display: every character one, but a point sits on the
// cell before it (a point at the start takes a blank cell of its own).
int fg110CellsTaken(const QString& text);

// The waveform's name in the reading: "senoidal", "cuadrada", "rampa", "triangular", "pulsos".
QString fg110WaveformName(Fg110Waveform waveform);

// The mode lamp: "CONT", "TRIG", "GATE", "DC".
QString fg110ModeLamp(Fg110Mode mode);
