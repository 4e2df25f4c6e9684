#pragma once

#include "sim/signal/ScopeSignal.h"

#include <QString>

// The oscilloscope's settings for a signal: a timebase and a vertical scale, both from
// the 1-2-5 sequences, and the time at the screen's left edge. 0 V is the screen's
// centre line.
struct ScopeScale {
    double secondsPerDivision = 1e-3;
    double voltsPerDivision = 1;
    double leftEdgeSeconds = 0; // a continuous signal from the left edge; a burst one division in
};

// The screen is 10 divisions wide and 8 high.
inline constexpr int ScopeDivisionsAcross = 10;
inline constexpr int ScopeDivisionsHigh = 8;

// The smallest timebase that shows at least two whole periods (two to five; two to
// two and a half for the usual 1-2-5 frequencies), or, for a burst, the whole burst
// with a division of the resting level after it; the smallest V/div that keeps the
// largest excursion from 0 V within 3.5 of the 4 divisions either side of the centre.
ScopeScale chooseScale(const ScopeSignal& signal);

// "0.2 ms/div", "50 µs/div", "1 s/div"; "1 V/div", "0.5 mV/div".
QString timebaseLabel(double secondsPerDivision);
QString verticalLabel(double voltsPerDivision);

// What a screen reader says of the settings: "0.2 ms por división, 1 V por división".
QString spokenScale(const ScopeScale& scale);
