#pragma once

#include <QString>

#include <vector>

// What the meter measures on a display. The two pairs of DC and AC keys pressed together
// give the AC+DC functions (true RMS of the whole signal).
enum class Fluke45Function {
    VoltsDc,
    VoltsAc,
    VoltsAcDc,
    AmpsDc,
    AmpsAc,
    AmpsAcDc,
    Ohms,
    Diode,
    Frequency,
};

// The jack whose signal a range reads.
enum class MeterJack { VoltsOhms, Milliamps, Amps };

// One range of a function: what it shows and how. Values are in the function's own unit
// (V, A, Ω, Hz); `unitFactor` turns a display unit into it (0.001 for mV).
struct Fluke45Range {
    QString name;         // "300 mV", as the reading says it
    double fullScale = 0; // the largest magnitude shown before "OL"
    QString unit;         // the unit the digits are in: "mV", "kΩ", "kHz"
    double unitFactor = 1;
    int decimals = 0; // at the medium rate; slow shows one more, fast one fewer
    MeterJack jack = MeterJack::VoltsOhms;
    double testSourceResistance = 0; // ohms and diode test: the source's series resistance
    bool automatic = true;           // whether autorange may choose it
};

struct Fluke45FunctionRow {
    Fluke45Function function;
    QString name;        // "V DC", "V DC+V~", "Ω": how an exercise names it
    QString spoken;      // what follows the value in a reading: "en continua"
    bool acMark = false; // the display's AC and DC marks beside the unit
    bool dcMark = false;
    bool rateChangesDigits = true;
    std::vector<Fluke45Range> ranges; // from the smallest
};

// The row of a function (the table is data, in Fluke45Functions.cpp).
const Fluke45FunctionRow& fluke45Function(Fluke45Function function);

bool measuresVolts(Fluke45Function function);
bool measuresAmps(Fluke45Function function);
// Ohms and diode test drive a test current out of the V Ω jack.
bool drivesTestCurrent(Fluke45Function function);
