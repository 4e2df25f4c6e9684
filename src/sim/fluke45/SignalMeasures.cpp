#include "sim/fluke45/SignalMeasures.h"

#include <algorithm>
#include <cmath>

namespace {

// Rising crossings through a band round the mean, the samples taken as one cycle that
// repeats (the last sample is followed by the first).
int risingCrossings(const std::vector<double>& samples, double mean, double band)
{
    const auto zone = [&](double value) { return value > mean + band ? 1 : value < mean - band ? -1 : 0; };
    int state = 0;
    for (auto it = samples.rbegin(); it != samples.rend() && state == 0; ++it)
        state = zone(*it);
    int crossings = 0;
    for (double value : samples) {
        const int now = zone(value);
        if (now != 0 && now != state) {
            if (now > 0)
                ++crossings;
            state = now;
        }
    }
    return crossings;
}

} // namespace

SignalMeasures measureSamples(const std::vector<double>& samples, double timeStep)
{
    SignalMeasures measures;
    if (samples.empty())
        return measures;
    const double count = double(samples.size());
    double sum = 0;
    double squares = 0;
    for (double value : samples) {
        sum += value;
        squares += value * value;
    }
    measures.mean = sum / count;
    measures.trueRms = std::sqrt(squares / count);
    double deviations = 0;
    double above = 0;
    double below = 0;
    for (double value : samples) {
        const double deviation = value - measures.mean;
        deviations += deviation * deviation;
        above = std::max(above, deviation);
        below = std::max(below, -deviation);
    }
    measures.acRms = std::sqrt(deviations / count);
    const double band = std::min(above, below) / 2;
    const double tiny = 1e-9 * std::max(1.0, std::abs(measures.mean));
    if (timeStep > 0 && band > tiny)
        measures.frequency = risingCrossings(samples, measures.mean, band) / (count * timeStep);
    return measures;
}
