#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The display's marks besides the digits, in the order a reading names them.
enum class Fluke45Annunciator {
    Auto,     // "AUTO": autorange
    Manual,   // "MAN": a range chosen with the arrows
    Hold,     // "HOLD": Touch Hold
    Minimum,  // "MIN": MN MX shows the least reading
    Maximum,  // "MAX": MN MX shows the greatest
    Relative, // "REL"
    Decibels, // "dB"
    Compare,  // "COMP"
    Second,   // "2ND": the next key does its second function
    Beeper,   // "·)))": the continuity beep is on
    Slow,     // "S", "M", "F": the reading rate
    Medium,
    Fast,
};

// A number as the display writes it, with `decimals` digits after the point and no sign
// on a zero: (-0.0004, 3) is "0.000".
QString displayDigits(double value, int decimals);

// The mark's legend as the display prints it.
QString fluke45AnnunciatorLegend(Fluke45Annunciator annunciator);

// One of the two displays. The text is written in characters a seven-segment digit can
// show: "12.000", "-0.5012", "OL", "PASS", "HI", "rEF".
struct Fluke45Readout {
    bool shown = false;
    QString text;
    QString unit; // "mV", "V", "mA", "A", "Ω", "kΩ", "MΩ", "Hz", "kHz", "dBm" or empty
    bool acMark = false;
    bool dcMark = false;
    int blinkingDigit = -1; // index in `text` of the digit being edited, or -1
    // For the reading: the function's words ("en continua") and the range ("30 V").
    QString spoken;
    QString range;

    // "12.000 V en continua, rango 30 V"; an overload "OL (fuera de rango) en continua,
    // rango 3 V".
    QString reading() const;
};

// What the Fluke 45 shows at one moment, as data for whoever draws it or reads it out.
struct Fluke45Display {
    bool lit = true; // false while the meter is off: nothing below is shown
    Fluke45Readout primary;
    Fluke45Readout secondary;
    QList<Fluke45Annunciator> annunciators;

    bool has(Fluke45Annunciator annunciator) const { return annunciators.contains(annunciator); }
    // The marks lit, by their legends, in order: {"AUTO", "M"}.
    QStringList legends() const;
    // What a screen reader says: "12.000 V en continua, rango 30 V automático, lectura
    // media; display secundario: 50.00 Hz".
    QString reading() const;
};
