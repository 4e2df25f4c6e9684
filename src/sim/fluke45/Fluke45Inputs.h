#pragma once

#include "sim/fluke45/Fluke45Function.h"
#include "sim/fluke45/MeterSignals.h"
#include "sim/fluke45/SignalMeasures.h"

// What the meter's jacks see, read as a function on a range.
class Fluke45Inputs {
public:
    static constexpr double leastAutoFrequency = 5; // Hz; autorange reads slower signals as 0

    void set(const MeterSignals& seen);

    // The function's value on a range, in its own unit (V, A, Ω, Hz). Ohms are worked out
    // from the voltage seen, with a test source of `ohmsSource` ohms in place: infinite
    // when the jacks see the source's whole voltage.
    double value(Fluke45Function function, const Fluke45Range& range, double ohmsSource) const;
    // The smallest range autorange may choose that holds the value (the top one when none
    // does); for current, among the ranges of the jack that carries more.
    int bestRange(Fluke45Function function, double ohmsSource) const;
    // The V Ω jack's DC voltage, which the continuity beep follows.
    double volts() const { return m_volts.mean; }

private:
    double frequency() const;

    SignalMeasures m_volts;
    SignalMeasures m_milliamps;
    SignalMeasures m_amps;
};
