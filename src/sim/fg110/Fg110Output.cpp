#include "sim/fg110/Fg110Output.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double fg110WaveShape(Fg110Waveform waveform, double cycle, double duty)
{
    const double x = cycle - std::floor(cycle);
    switch (waveform) {
    case Fg110Waveform::Sine:
        return std::sin(2 * std::numbers::pi * x);
    case Fg110Waveform::Square:
        return x < 0.5 ? 1 : -1;
    case Fg110Waveform::Ramp:
        return x < 0.5 ? 2 * x : 2 * x - 2;
    case Fg110Waveform::Triangle:
        return x < 0.25 ? 4 * x : x < 0.75 ? 2 - 4 * x : 4 * x - 4;
    case Fg110Waveform::Pulse:
        return x < duty / 100 ? 1 : -1;
    }
    return 0;
}

namespace {

// The cycles a trigger gives: the burst in TRIG; in GATE none while the gate is open (it
// runs on), then every cycle begun before it closed.
int burstCycles(const Fg110Settings& s, const Fg110Trigger& trigger)
{
    if (s.mode == Fg110Mode::Triggered)
        return s.burst;
    if (trigger.gateOpen)
        return 0;
    constexpr double mostCycles = 1e9; // beyond any screen
    return int(std::min(std::floor(trigger.gateSeconds * s.frequency + 1e-9) + 1, mostCycles));
}

ScopeSignal::Shape scopeShape(Fg110Waveform waveform)
{
    switch (waveform) {
    case Fg110Waveform::Sine:
        return ScopeSignal::Shape::Sine;
    case Fg110Waveform::Square:
        return ScopeSignal::Shape::Square;
    case Fg110Waveform::Ramp:
        return ScopeSignal::Shape::Ramp;
    case Fg110Waveform::Triangle:
        return ScopeSignal::Shape::Triangle;
    case Fg110Waveform::Pulse:
        return ScopeSignal::Shape::Pulse;
    }
    return ScopeSignal::Shape::Unnamed;
}

} // namespace

ScopeSignal fg110Output(const Fg110Settings& s, bool powerOn, const Fg110Trigger& trigger)
{
    ScopeSignal signal;
    if (!powerOn)
        return signal;
    if (!s.outputOn) {
        signal.output = ScopeSignal::Output::Zero;
        signal.volts = [](double) { return 0.0; };
        return signal;
    }
    signal.output = ScopeSignal::Output::Live;
    const double offset = s.offset;
    if (s.mode == Fg110Mode::Dc) {
        signal.volts = [offset](double) { return offset; };
        signal.lowest = signal.highest = offset;
        return signal;
    }

    const double half = (s.inverted ? -1 : 1) * s.amplitude / 2;
    const double frequency = s.frequency;
    const Fg110Waveform waveform = s.waveform;
    const double duty = s.duty;
    const auto level = [=](double cycle) { return offset + half * fg110WaveShape(waveform, cycle, duty); };

    if (s.mode == Fg110Mode::Continuous) {
        signal.volts = [=](double t) { return level(frequency * t); };
    } else {
        const double start = s.phase / 360;
        const double rest = level(start);
        if (!trigger.started) {
            signal.volts = [rest](double) { return rest; };
            signal.lowest = signal.highest = rest;
            return signal;
        }
        const int cycles = burstCycles(s, trigger);
        signal.cycles = cycles;
        signal.volts = [=](double t) {
            const double cycle = frequency * t;
            return cycle >= 0 && (cycles == 0 || cycle < cycles) ? level(start + cycle) : rest;
        };
    }
    signal.period = 1 / frequency;
    signal.shape = scopeShape(waveform);
    signal.duty = waveform == Fg110Waveform::Pulse ? duty : 50;
    signal.inverted = s.inverted;
    signal.lowest = offset - s.amplitude / 2;
    signal.highest = offset + s.amplitude / 2;
    return signal;
}
