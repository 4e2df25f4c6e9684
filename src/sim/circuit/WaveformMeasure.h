#pragma once

#include <vector>

// Measures of a waveform sampled at equal steps over whole periods (the last sample closing
// the last period, as a transient run records it), as a meter reads it.
namespace WaveformMeasure {

double mean(const std::vector<double>& samples);
// The root of the mean square: the true RMS of AC+DC.
double rms(const std::vector<double>& samples);
// The RMS of what varies, the mean taken away: a meter's AC reading.
double acRms(const std::vector<double>& samples);
// The frequency from the rising crossings of the mean (each placed between its two
// samples); 0 when fewer than two cross, as for a steady level.
double frequency(const std::vector<double>& samples, double step);

} // namespace WaveformMeasure
