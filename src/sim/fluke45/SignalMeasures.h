#pragma once

#include <vector>

// What a meter reads from one signal given as samples over whole periods.
struct SignalMeasures {
    double mean = 0;      // the DC reading
    double acRms = 0;     // RMS with the mean taken away (an AC-coupled reading)
    double trueRms = 0;   // RMS of the whole signal (AC+DC)
    double frequency = 0; // Hz; 0 when the signal does not cross its mean
};

// Frequency counts the rising crossings of the mean over the samples' span, with a
// hysteresis of half the smaller excursion from the mean (so that ripple near a crossing
// is not counted, and a narrow pulse still is).
SignalMeasures measureSamples(const std::vector<double>& samples, double timeStep);
