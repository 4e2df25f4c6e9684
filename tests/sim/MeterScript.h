#pragma once

#include "sim/fluke45/Fluke45Meter.h"

#include <QString>

// Plays a line of words on a meter, as a student at a bench would: keys by their legend
// with the blanks taken out ("V~", "MNMX", "▲"), two keys held together ("VDC+V~"), a key
// held two seconds ("HOLD*"), time passing ("t400"), and what the jacks see. A source
// keeps its voltage or current whatever the meter does: "V=5" (DC), "V=2~1@50" (2 V DC
// with 1 V RMS at 50 Hz), the same for the "mA" and "A" jacks, "fuse" (the 100 mA fuse
// open). A part across V Ω and COM answers the meter's own test source: "R=1000",
// "R=open", "D=0.6123" (a diode that holds that voltage).
class MeterScript {
public:
    explicit MeterScript(Fluke45Meter& meter)
        : m_meter(meter)
    { }
    void play(const QString& line);

    // "12.000 V | 50.00 Hz | AUTO M", or "apagado".
    static QString summary(const Fluke45Display& display);

private:
    struct Jack {
        double dc = 0;
        double rms = 0;
        double hertz = 0;
    };
    void word(const QString& word);
    void feed();

    Fluke45Meter& m_meter;
    Jack m_volts, m_milliamps, m_amps;
    bool m_fuseOpen = false;
    enum class Part { None, Resistor, Diode } m_part = Part::None;
    double m_partValue = 0;
};
