#pragma once

// The settings of the FG110 practice generator: what a memory stores, what INITIALIZE
// restores and what the exercises judge. Frequencies in hertz, voltages in volts (the
// amplitude peak to peak), phase in degrees, duty in percent.
enum class Fg110Waveform { Sine, Square, Ramp, Triangle, Pulse };
enum class Fg110Mode { Continuous, Triggered, Gated, Dc };
enum class Fg110Slope { Positive, Negative };
enum class Fg110Range { OneVolt, TenVolts };

struct Fg110Settings {
    Fg110Waveform waveform = Fg110Waveform::Sine;
    Fg110Mode mode = Fg110Mode::Continuous;
    double frequency = 1000;
    double amplitude = 1;
    double offset = 0;
    double phase = 0;
    double duty = 50;
    int burst = 1;
    Fg110Slope slope = Fg110Slope::Positive;
    Fg110Range range = Fg110Range::TenVolts;
    bool inverted = false;
    double scaling = 1;
    bool outputOn = false; // CH1

    bool operator==(const Fg110Settings&) const = default;
};

// The generator as it leaves the factory (and as INITIALIZE leaves it).
inline Fg110Settings fg110FactorySettings()
{
    return {};
}

// The highest and lowest values the generator accepts.
namespace Fg110Limits {
constexpr double lowestFrequency = 1e-6;              // 0.001 mHz
constexpr double highestSineFrequency = 2e6;          // sine and square
constexpr double highestOtherFrequency = 1e5;         // ramp, triangle, pulse
constexpr double lowestSinePeriod = 0.0005e-3;        // sine and square
constexpr double lowestOtherPeriod = 0.01e-3;         // ramp, triangle, pulse
constexpr double highestPeriod = 1 / lowestFrequency; // 1000000 s
constexpr double lowestAmplitudeTenVolts = 0.020;     // peak to peak
constexpr double highestAmplitudeTenVolts = 20;
constexpr double highestOffsetTenVolts = 9.99; // either sign
// Amplitude and offset share the output's swing: |offset| + amplitude / 2 stays within it
// (9.99 V is this swing less half the least amplitude).
constexpr double outputSwingTenVolts = 10;
constexpr double phaseMagnitude = 10000;
constexpr double lowestDuty = 5;
constexpr double highestDuty = 95;
constexpr int lowestBurst = 1;
constexpr int highestBurst = 9999;
constexpr double lowestScaling = 0.001;
constexpr double highestScaling = 9.999;
constexpr int highestAddress = 30;
constexpr int factoryAddress = 2;

// The 1 V range allows a tenth of the 10 V range's amplitude and offset.
inline double rangeFactor(Fg110Range range)
{
    return range == Fg110Range::TenVolts ? 1.0 : 0.1;
}
inline double highestFrequency(Fg110Waveform w)
{
    return w == Fg110Waveform::Sine || w == Fg110Waveform::Square ? highestSineFrequency : highestOtherFrequency;
}
inline double lowestPeriod(Fg110Waveform w)
{
    return w == Fg110Waveform::Sine || w == Fg110Waveform::Square ? lowestSinePeriod : lowestOtherPeriod;
}
} // namespace Fg110Limits
