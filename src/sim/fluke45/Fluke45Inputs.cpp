#include "sim/fluke45/Fluke45Inputs.h"

#include "sim/fluke45/MeterLoad.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

// The least AC signal the frequency counter counts, on each input.
constexpr double voltsSensitivity = 0.005;
constexpr double currentSensitivity = 1e-4;

double pick(const SignalMeasures& measures, Fluke45Function function)
{
    switch (function) {
    case Fluke45Function::VoltsAc:
    case Fluke45Function::AmpsAc:
        return measures.acRms;
    case Fluke45Function::VoltsAcDc:
    case Fluke45Function::AmpsAcDc:
        return measures.trueRms;
    default:
        return measures.mean;
    }
}

} // namespace

void Fluke45Inputs::set(const MeterSignals& seen)
{
    m_volts = measureSamples(seen.volts, seen.timeStep);
    m_milliamps = seen.milliampsFuseOpen ? SignalMeasures{} : measureSamples(seen.milliamps, seen.timeStep);
    m_amps = seen.ampsFuseOpen ? SignalMeasures{} : measureSamples(seen.amps, seen.timeStep);
}

double Fluke45Inputs::value(Fluke45Function function, const Fluke45Range& range, double ohmsSource) const
{
    if (function == Fluke45Function::Frequency) {
        const double hertz = frequency();
        return range.automatic && hertz < leastAutoFrequency ? 0 : hertz;
    }
    if (measuresAmps(function))
        return pick(range.jack == MeterJack::Amps ? m_amps : m_milliamps, function);
    if (function == Fluke45Function::Ohms) {
        const double volts = m_volts.mean;
        if (volts >= testSourceVolts * (1 - 1e-12))
            return std::numeric_limits<double>::infinity();
        return volts * ohmsSource / (testSourceVolts - volts);
    }
    return pick(m_volts, function);
}

// The frequency of whichever input carries a signal, the V Ω jack first.
double Fluke45Inputs::frequency() const
{
    if (m_volts.acRms >= voltsSensitivity)
        return m_volts.frequency;
    if (m_amps.acRms >= currentSensitivity)
        return m_amps.frequency;
    if (m_milliamps.acRms >= currentSensitivity)
        return m_milliamps.frequency;
    return 0;
}

int Fluke45Inputs::bestRange(Fluke45Function function, double ohmsSource) const
{
    const auto& ranges = fluke45Function(function).ranges;
    std::optional<MeterJack> jack;
    if (measuresAmps(function))
        jack = m_amps.trueRms > m_milliamps.trueRms ? MeterJack::Amps : MeterJack::Milliamps;
    int best = 0;
    for (int index = 0; index < int(ranges.size()); ++index) {
        const auto& range = ranges.at(std::size_t(index));
        if (!range.automatic || (jack && range.jack != *jack))
            continue;
        best = index;
        if (std::abs(value(function, range, ohmsSource)) <= range.fullScale)
            break;
    }
    return best;
}
