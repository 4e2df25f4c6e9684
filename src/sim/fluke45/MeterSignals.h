#pragma once

#include <vector>

// What the meter sees of the circuit, with its present load in place: the V Ω jack's
// voltage to COM and the currents flowing into the two current jacks (out of COM). A
// steady circuit gives one sample each and no time step; a changing one gives samples at
// `timeStep` over whole periods, so that the sample after the last would repeat the first.
struct MeterSignals {
    double timeStep = 0;                // seconds
    std::vector<double> volts{0.0};     // V
    std::vector<double> milliamps{0.0}; // into the 100 mA jack, A
    std::vector<double> amps{0.0};      // into the 10 A jack, A
    bool milliampsFuseOpen = false;
    bool ampsFuseOpen = false;
};
