#include "sim/circuit/WaveformMeasure.h"

#include <algorithm>
#include <cmath>

namespace WaveformMeasure {
namespace {
// The samples that cover whole periods once: the closing sample repeats the first.
std::size_t periodSamples(const std::vector<double>& samples)
{
    return samples.size() > 1 ? samples.size() - 1 : samples.size();
}
} // namespace

double mean(const std::vector<double>& samples)
{
    const std::size_t count = periodSamples(samples);
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        sum += samples[i];
    return count ? sum / double(count) : 0.0;
}

double rms(const std::vector<double>& samples)
{
    const std::size_t count = periodSamples(samples);
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        sum += samples[i] * samples[i];
    return count ? std::sqrt(sum / double(count)) : 0.0;
}

double acRms(const std::vector<double>& samples)
{
    const double average = mean(samples);
    const std::size_t count = periodSamples(samples);
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        sum += (samples[i] - average) * (samples[i] - average);
    return count ? std::sqrt(sum / double(count)) : 0.0;
}

double frequency(const std::vector<double>& samples, double step)
{
    const double average = mean(samples);
    const double swing = samples.empty() ? 0.0
                                         : *std::max_element(samples.begin(), samples.end())
                                               - *std::min_element(samples.begin(), samples.end());
    // A level that only wobbles by rounding has no frequency.
    if (!(swing > 1e-9 * std::max(1.0, std::abs(average))) || !(step > 0))
        return 0.0;
    double first = -1.0;
    double last = -1.0;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double before = samples[i - 1] - average;
        const double after = samples[i] - average;
        if (before < 0.0 && after >= 0.0) {
            const double at = (double(i - 1) + before / (before - after)) * step;
            if (crossings == 0)
                first = at;
            last = at;
            ++crossings;
        }
    }
    return crossings >= 2 && last > first ? double(crossings - 1) / (last - first) : 0.0;
}

} // namespace WaveformMeasure
