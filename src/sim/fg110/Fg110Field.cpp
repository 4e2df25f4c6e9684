#include "sim/fg110/Fg110Field.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace Fg110Limits;

bool isVoltage(Fg110Field field)
{
    return field == Fg110Field::Amplitude || field == Fg110Field::Offset || field == Fg110Field::HighLevel
           || field == Fg110Field::LowLevel;
}

NumberFormat formatOf(Fg110Field field, const Fg110Settings& s)
{
    const int levelDecimals = s.range == Fg110Range::TenVolts ? 2 : 3;
    switch (field) {
    case Fg110Field::Frequency:
        return {{{QStringLiteral("MHz"), 1e6, 3},
                 {QStringLiteral("kHz"), 1e3, 3},
                 {QStringLiteral("Hz"), 1, 3},
                 {QStringLiteral("mHz"), 1e-3, 3}},
                4};
    case Fg110Field::Amplitude:
        return {{{QStringLiteral("V"), 1, 2}, {QStringLiteral("mV"), 1e-3, 2}}, 3};
    case Fg110Field::Offset:
    case Fg110Field::HighLevel:
    case Fg110Field::LowLevel:
        return {{{QStringLiteral("V"), 1, levelDecimals}}, 0, levelDecimals};
    case Fg110Field::Phase:
        return {{{QStringLiteral("deg"), 1, 0}}, 0, 0};
    case Fg110Field::Period:
        return {{{QStringLiteral("sec"), 1, 3}, {QStringLiteral("msec"), 1e-3, 6}}, 4};
    case Fg110Field::Duty:
        return {{{QStringLiteral("%"), 1, 1}}, 0, 1};
    case Fg110Field::Scaling:
        return {{{QString(), 1, 3}}, 0, 3};
    case Fg110Field::Address:
    case Fg110Field::Burst:
    case Fg110Field::Slope:
        break;
    }
    return {{{QString(), 1, 0}}, 0, 0};
}

double valueOf(Fg110Field field, const Fg110Settings& s, int address)
{
    switch (field) {
    case Fg110Field::Frequency:
        return s.frequency;
    case Fg110Field::Amplitude:
        return s.amplitude * s.scaling;
    case Fg110Field::Offset:
        return s.offset * s.scaling;
    case Fg110Field::Phase:
        return s.phase;
    case Fg110Field::Period:
        return 1 / s.frequency;
    case Fg110Field::Duty:
        return s.duty;
    case Fg110Field::HighLevel:
        return (s.offset + s.amplitude / 2) * s.scaling;
    case Fg110Field::LowLevel:
        return (s.offset - s.amplitude / 2) * s.scaling;
    case Fg110Field::Scaling:
        return s.scaling;
    case Fg110Field::Address:
        return address;
    case Fg110Field::Burst:
        return s.burst;
    case Fg110Field::Slope:
        break;
    }
    return 0;
}

// The other level, in scaled volts, when one of the two is being set.
double otherLevel(Fg110Field field, const Fg110Settings& s)
{
    return valueOf(field == Fg110Field::HighLevel ? Fg110Field::LowLevel : Fg110Field::HighLevel, s, 0);
}

} // namespace

QString fg110ParameterLamp(Fg110Field field)
{
    switch (field) {
    case Fg110Field::Frequency:
        return QStringLiteral("FREQ");
    case Fg110Field::Amplitude:
        return QStringLiteral("AMPL");
    case Fg110Field::Offset:
        return QStringLiteral("OFFSET");
    case Fg110Field::Phase:
        return QStringLiteral("PHASE");
    case Fg110Field::Period:
        return QStringLiteral("PERIOD");
    case Fg110Field::Duty:
        return QStringLiteral("DUTY");
    case Fg110Field::HighLevel:
        return QStringLiteral("HI LEVEL");
    case Fg110Field::LowLevel:
        return QStringLiteral("LO LEVEL");
    default:
        return {};
    }
}

QString fg110FieldWord(Fg110Field field)
{
    switch (field) {
    case Fg110Field::Scaling:
        return QStringLiteral("ScALE");
    case Fg110Field::Address:
        return QStringLiteral("AdrS");
    case Fg110Field::Burst:
        return QStringLiteral("brSt");
    case Fg110Field::Slope:
        return QStringLiteral("SLoPE");
    default:
        return {};
    }
}

NumberFormat fg110FieldFormat(Fg110Field field, const Fg110Settings& settings)
{
    return formatOf(field, settings);
}

ShownNumber fg110ShowField(Fg110Field field, const Fg110Settings& settings, int address)
{
    return showNumber(valueOf(field, settings, address), formatOf(field, settings));
}

std::pair<double, double> fg110FieldBounds(Fg110Field field, const Fg110Settings& s)
{
    const double volts = rangeFactor(s.range) * s.scaling;
    const double lowestAmplitude = lowestAmplitudeTenVolts * volts;
    const double highestAmplitude = highestAmplitudeTenVolts * volts;
    const double highestOffset = highestOffsetTenVolts * volts;
    const double swing = outputSwingTenVolts * volts;
    // Amplitude and offset share the swing; for the levels that is simply -swing <= LO < HI <= swing.
    const double amplitude = valueOf(Fg110Field::Amplitude, s, 0);
    const double offset = valueOf(Fg110Field::Offset, s, 0);
    switch (field) {
    case Fg110Field::Frequency:
        return {lowestFrequency, highestFrequency(s.waveform)};
    case Fg110Field::Amplitude:
        return {lowestAmplitude, std::min(highestAmplitude, 2 * (swing - std::abs(offset)))};
    case Fg110Field::Offset: {
        const double highest = std::min(highestOffset, swing - amplitude / 2);
        return {-highest, highest};
    }
    case Fg110Field::Phase:
        return {-phaseMagnitude, phaseMagnitude};
    case Fg110Field::Period:
        return {lowestPeriod(s.waveform), highestPeriod};
    case Fg110Field::Duty:
        return {lowestDuty, highestDuty};
    case Fg110Field::HighLevel: {
        const double low = otherLevel(field, s);
        return {std::max(low + lowestAmplitude, -2 * highestOffset - low),
                std::min({low + highestAmplitude, 2 * highestOffset - low, swing})};
    }
    case Fg110Field::LowLevel: {
        const double high = otherLevel(field, s);
        return {std::max({high - highestAmplitude, -2 * highestOffset - high, -swing}),
                std::min(high - lowestAmplitude, 2 * highestOffset - high)};
    }
    case Fg110Field::Scaling:
        return {lowestScaling, highestScaling};
    case Fg110Field::Address:
        return {0, highestAddress};
    case Fg110Field::Burst:
        return {lowestBurst, highestBurst};
    case Fg110Field::Slope:
        break;
    }
    return {0, 0};
}

bool fg110VoltagesFit(const Fg110Settings& s)
{
    const double range = rangeFactor(s.range);
    const double tolerance = 1e-9 * outputSwingTenVolts;
    return s.amplitude >= lowestAmplitudeTenVolts * range - tolerance
           && s.amplitude <= highestAmplitudeTenVolts * range + tolerance
           && std::abs(s.offset) <= highestOffsetTenVolts * range + tolerance
           && std::abs(s.offset) + s.amplitude / 2 <= outputSwingTenVolts * range + tolerance;
}

bool fg110WithinBounds(double value, double lowest, double highest)
{
    // Bounds made of sums and differences carry rounding errors of their own.
    const auto slack = [](double bound) { return 1e-9 * std::abs(bound) + 1e-15; };
    return value >= lowest - slack(lowest) && value <= highest + slack(highest);
}

bool fg110SetField(Fg110Field field, Fg110Settings& s, int& address, double shown)
{
    if (field == Fg110Field::Slope || !std::isfinite(shown))
        return false;
    const double rounded = showNumber(shown, formatOf(field, s)).value;
    const auto [lowest, highest] = fg110FieldBounds(field, s);
    if (!fg110WithinBounds(rounded, lowest, highest))
        return false;
    const double volts = isVoltage(field) ? rounded / s.scaling : 0;
    switch (field) {
    case Fg110Field::Frequency:
        s.frequency = rounded;
        break;
    case Fg110Field::Amplitude:
        s.amplitude = volts;
        break;
    case Fg110Field::Offset:
        s.offset = volts;
        break;
    case Fg110Field::Phase:
        s.phase = rounded;
        break;
    case Fg110Field::Period: // kept as entered: the frequency reads it rounded
        s.frequency = 1 / rounded;
        break;
    case Fg110Field::Duty:
        s.duty = rounded;
        break;
    case Fg110Field::HighLevel:
    case Fg110Field::LowLevel: {
        const double other = otherLevel(field, s) / s.scaling;
        const double high = field == Fg110Field::HighLevel ? volts : other;
        const double low = field == Fg110Field::HighLevel ? other : volts;
        s.amplitude = high - low;
        s.offset = (high + low) / 2;
        break;
    }
    case Fg110Field::Scaling:
        s.scaling = rounded;
        break;
    case Fg110Field::Address:
        address = int(rounded);
        break;
    case Fg110Field::Burst:
        s.burst = int(rounded);
        break;
    case Fg110Field::Slope:
        break;
    }
    return true;
}

std::optional<double> fg110UnitFactor(Fg110Field field, Fg110Key key, const Fg110Settings& s)
{
    const bool first = key == Fg110Key::UnitMHz, second = key == Fg110Key::UnitKHz;
    const bool third = key == Fg110Key::UnitHz, fourth = key == Fg110Key::UnitMilliHz;
    switch (field) {
    case Fg110Field::Frequency:
        return first ? 1e6 : second ? 1e3 : third ? 1.0 : 1e-3;
    case Fg110Field::Amplitude:
        if (first)
            return 1.0;
        if (second)
            return 1e-3;
        if (third) { // Vrms, to peak to peak
            switch (s.waveform) {
            case Fg110Waveform::Sine:
                return 2 * std::sqrt(2.0);
            case Fg110Waveform::Square:
                return 2.0;
            case Fg110Waveform::Ramp:
            case Fg110Waveform::Triangle:
                return 2 * std::sqrt(3.0);
            case Fg110Waveform::Pulse:
                return std::nullopt;
            }
        }
        return std::nullopt;
    case Fg110Field::Offset:
    case Fg110Field::HighLevel:
    case Fg110Field::LowLevel:
        return first ? std::optional(1.0) : second ? std::optional(1e-3) : std::nullopt;
    case Fg110Field::Phase:
        return third ? std::optional(1.0) : std::nullopt;
    case Fg110Field::Period:
        return first ? std::optional(1.0) : second ? std::optional(1e-3) : std::nullopt;
    case Fg110Field::Duty:
        return fourth ? std::optional(1.0) : std::nullopt;
    case Fg110Field::Scaling:
    case Fg110Field::Address:
    case Fg110Field::Burst:
        return 1.0;
    case Fg110Field::Slope:
        break;
    }
    return std::nullopt;
}
