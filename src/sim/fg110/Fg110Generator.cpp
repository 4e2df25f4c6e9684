#include "sim/fg110/Fg110Generator.h"

#include "sim/fg110/Fg110Output.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

bool isTriggerMode(Fg110Mode mode)
{
    return mode == Fg110Mode::Triggered || mode == Fg110Mode::Gated;
}

bool isUnitKey(Fg110Key key)
{
    return key == Fg110Key::UnitMHz || key == Fg110Key::UnitKHz || key == Fg110Key::UnitHz
           || key == Fg110Key::UnitMilliHz;
}

bool isEntryKey(Fg110Key key)
{
    return fg110KeyDigit(key) >= 0 || key == Fg110Key::Point || key == Fg110Key::Sign || isUnitKey(key)
           || key == Fg110Key::CursorLeft || key == Fg110Key::CursorRight || key == Fg110Key::KnobDown
           || key == Fg110Key::KnobUp;
}

double smallestWeight(const ShownNumber& n)
{
    double smallest = 0;
    for (double w : n.weights)
        if (w > 0)
            smallest = w;
    return smallest;
}

double largestWeight(const ShownNumber& n)
{
    for (double w : n.weights)
        if (w > 0)
            return w;
    return 0;
}

// Where one knob step from `value` by `step` lands, or nothing. A step that would pass a
// bound stops on it only when the bound is of the stepped digit's order (so the knob
// never jumps decades down to the lowest value), and does nothing otherwise.
std::optional<double> knobTarget(double value, double step, double lowest, double highest)
{
    const double target = value + step;
    if (fg110WithinBounds(target, lowest, highest))
        return target;
    const double bound = step > 0 ? highest : lowest;
    const bool atBound = fg110WithinBounds(value, bound, bound);
    if (atBound || std::abs(bound) < std::abs(step) * (1 - 1e-9))
        return std::nullopt;
    return bound;
}

} // namespace

Fg110Generator Fg110Generator::switchedOff()
{
    Fg110Generator generator;
    generator.m_on = false;
    return generator;
}

void Fg110Generator::press(Fg110Key key)
{
    if (key == Fg110Key::Power) {
        m_on = !m_on;
        clearTransients();
        forgetTrigger();
        return;
    }
    if (!m_on)
        return;
    m_errorLeft = 0;
    if (m_prompt != Prompt::None) {
        const int digit = fg110KeyDigit(key);
        if (digit >= 0 && !m_shift) {
            answerPrompt(digit);
            return;
        }
        m_prompt = Prompt::None;
    }
    if (key == Fg110Key::Shift) {
        m_shift = !m_shift;
        return;
    }
    const bool shifted = m_shift;
    m_shift = false;
    if (shifted && pressShifted(key))
        return;
    pressNormal(key);
}

void Fg110Generator::release(Fg110Key key)
{
    if (key == Fg110Key::LocalManualTrigger)
        m_trigger.gateOpen = false;
}

void Fg110Generator::tick(int milliseconds)
{
    m_errorLeft = std::max(0, m_errorLeft - milliseconds);
    if (m_trigger.gateOpen)
        m_trigger.gateSeconds += milliseconds / 1000.0;
}

void Fg110Generator::forgetTrigger()
{
    m_trigger = {};
}

bool Fg110Generator::pressShifted(Fg110Key key)
{
    switch (key) {
    case Fg110Key::Range:
        choose(Fg110Field::Scaling);
        return true;
    case Fg110Key::LocalManualTrigger:
        choose(Fg110Field::Address);
        return true;
    case Fg110Key::Frequency:
        choose(Fg110Field::Period);
        return true;
    case Fg110Key::Amplitude:
        choose(Fg110Field::HighLevel);
        return true;
    case Fg110Key::Offset:
        choose(Fg110Field::LowLevel);
        return true;
    case Fg110Key::Digit5:
        choose(Fg110Field::Slope);
        return true;
    case Fg110Key::Recall: // STORE
        m_typed.clear();
        m_prompt = Prompt::Store;
        return true;
    case Fg110Key::Function: // INVERSE
        m_typed.clear();
        m_settings.inverted = !m_settings.inverted;
        return true;
    case Fg110Key::Phase: // DUTY, for the pulse only
        if (m_settings.waveform == Fg110Waveform::Pulse)
            choose(Fg110Field::Duty);
        else
            refuse();
        return true;
    case Fg110Key::Digit4: // BURST, in TRIG, and for a pulse only at 50 %
        if (m_settings.mode == Fg110Mode::Triggered
            && (m_settings.waveform != Fg110Waveform::Pulse || m_settings.duty == 50))
            choose(Fg110Field::Burst);
        else
            refuse();
        return true;
    case Fg110Key::Digit1: // TTL: 5 V high, 0 V low, which needs the 10 V range
        m_typed.clear();
        m_settings.range = Fg110Range::TenVolts;
        m_settings.amplitude = 5;
        m_settings.offset = 2.5;
        return true;
    case Fg110Key::Digit0: // INITIALIZE
        m_settings = fg110FactorySettings();
        m_initializedAt = ++m_events;
        forgetTrigger();
        m_amplitudeInRms = false;
        choose(Fg110Field::Frequency);
        return true;
    case Fg110Key::Point: // UTILITY: the self-tests are not simulated
        m_typed.clear();
        return true;
    default:
        return false;
    }
}

void Fg110Generator::pressNormal(Fg110Key key)
{
    if (!isEntryKey(key))
        m_typed.clear();
    switch (key) {
    case Fg110Key::Function:
        nextFunction();
        break;
    case Fg110Key::Mode:
        nextMode();
        break;
    case Fg110Key::Frequency:
        choose(Fg110Field::Frequency);
        break;
    case Fg110Key::Amplitude:
        choose(Fg110Field::Amplitude);
        break;
    case Fg110Key::Offset:
        choose(Fg110Field::Offset);
        break;
    case Fg110Key::Phase:
        if (isTriggerMode(m_settings.mode))
            choose(Fg110Field::Phase);
        else
            refuse();
        break;
    case Fg110Key::Range:
        switchRange();
        break;
    case Fg110Key::Channel1:
        m_settings.outputOn = !m_settings.outputOn;
        break;
    case Fg110Key::LocalManualTrigger: // a burst in TRIG; in GATE the gate opens until the key is let go
        if (isTriggerMode(m_settings.mode))
            m_trigger = {.started = true, .gateOpen = m_settings.mode == Fg110Mode::Gated};
        break;
    case Fg110Key::Recall:
        m_prompt = Prompt::Recall;
        break;
    case Fg110Key::CursorLeft:
        if (!m_typed.isEmpty())
            m_typed.chop(1);
        else
            moveCursor(1);
        break;
    case Fg110Key::CursorRight:
        if (m_typed.isEmpty())
            moveCursor(-1);
        break;
    case Fg110Key::KnobDown:
        turnKnob(-1);
        break;
    case Fg110Key::KnobUp:
        turnKnob(1);
        break;
    default:
        if (isUnitKey(key))
            enter(key);
        else
            type(key);
        break;
    }
}

void Fg110Generator::choose(Fg110Field field)
{
    m_field = field;
    m_typed.clear();
    m_selectedWeight = 0;
    m_wordShown = !fg110FieldWord(field).isEmpty();
}

void Fg110Generator::refuse()
{
    m_typed.clear();
    m_errorLeft = errorMilliseconds;
}

void Fg110Generator::type(Fg110Key key)
{
    if (m_field == Fg110Field::Slope)
        return;
    m_wordShown = false;
    m_selectedWeight = 0;
    QString typed = m_typed;
    const int digit = fg110KeyDigit(key);
    if (digit >= 0)
        typed += QString::number(digit);
    else if (key == Fg110Key::Point && !typed.contains(QLatin1Char('.')))
        typed += QLatin1Char('.');
    else if (key == Fg110Key::Sign)
        typed = typed.startsWith(QLatin1Char('-')) ? typed.mid(1) : QLatin1Char('-') + typed;
    if (fg110CellsTaken(typed) <= Fg110Display::cells)
        m_typed = typed;
}

void Fg110Generator::enter(Fg110Key unitKey)
{
    if (m_typed.isEmpty())
        return;
    bool isNumber = false;
    const double typed = m_typed.toDouble(&isNumber);
    m_typed.clear();
    const auto factor = fg110UnitFactor(m_field, unitKey, m_settings);
    // An entry finer than the display shows is refused, never rounded silently.
    const bool inRms = m_field == Fg110Field::Amplitude && unitKey == Fg110Key::UnitHz;
    const auto showable = [&] {
        const double value = inRms ? typed : typed * *factor;
        const double shown = showNumber(value, inRms ? rmsFormat() : fg110FieldFormat(m_field, m_settings)).value;
        return std::abs(shown - value) <= 1e-9 * std::abs(value);
    };
    if (!isNumber || !factor || !showable() || !fg110SetField(m_field, m_settings, m_address, typed * *factor)) {
        refuse();
        return;
    }
    if (m_field == Fg110Field::Amplitude)
        m_amplitudeInRms = unitKey == Fg110Key::UnitHz;
}

std::optional<double> Fg110Generator::rmsFactor() const
{
    if (m_field != Fg110Field::Amplitude || !m_amplitudeInRms)
        return std::nullopt;
    return fg110UnitFactor(Fg110Field::Amplitude, Fg110Key::UnitHz, m_settings);
}

NumberFormat Fg110Generator::rmsFormat()
{
    return {{{QStringLiteral("Vrms"), 1, 3}}, 3};
}

ShownNumber Fg110Generator::shown() const
{
    if (const auto rms = rmsFactor())
        return showNumber(m_settings.amplitude * m_settings.scaling / *rms, rmsFormat());
    return fg110ShowField(m_field, m_settings, m_address);
}

bool Fg110Generator::setShown(double value)
{
    return fg110SetField(m_field, m_settings, m_address, value * rmsFactor().value_or(1.0));
}

void Fg110Generator::moveCursor(int towardsLarger)
{
    m_wordShown = false;
    if (m_field == Fg110Field::Slope) {
        m_settings.slope = towardsLarger > 0 ? Fg110Slope::Positive : Fg110Slope::Negative;
        return;
    }
    const ShownNumber number = shown();
    if (m_selectedWeight == 0 || digitIndexOfWeight(number, m_selectedWeight) < 0) {
        m_selectedWeight = smallestWeight(number);
        return;
    }
    const double next = towardsLarger > 0 ? m_selectedWeight * 10 : m_selectedWeight / 10;
    const int index = digitIndexOfWeight(number, next);
    if (index >= 0)
        m_selectedWeight = number.weights[std::size_t(index)];
}

void Fg110Generator::turnKnob(int step)
{
    if (!m_typed.isEmpty())
        return;
    m_wordShown = false;
    if (m_field == Fg110Field::Slope) {
        m_settings.slope = step > 0 ? Fg110Slope::Negative : Fg110Slope::Positive;
        return;
    }
    const ShownNumber before = shown();
    if (m_selectedWeight == 0 || digitIndexOfWeight(before, m_selectedWeight) < 0)
        m_selectedWeight = smallestWeight(before);
    auto [lowest, highest] = fg110FieldBounds(m_field, m_settings);
    if (const auto rms = rmsFactor()) {
        lowest /= *rms;
        highest /= *rms;
    }
    if (const auto target = knobTarget(before.value, step * m_selectedWeight, lowest, highest))
        setShown(*target);

    // The value may now read in another unit, or with fewer decimals: keep the digit of the
    // same worth where it is still shown.
    const ShownNumber after = shown();
    if (digitIndexOfWeight(after, m_selectedWeight) < 0)
        m_selectedWeight = m_selectedWeight < smallestWeight(after) ? smallestWeight(after) : largestWeight(after);
}

void Fg110Generator::answerPrompt(int digit)
{
    const auto slot = std::size_t(digit);
    if (m_prompt == Prompt::Store) {
        m_memories[slot] = m_settings;
        m_storedAt[slot] = ++m_events;
    } else if (m_memories[slot]) {
        m_settings = *m_memories[slot];
        forgetTrigger();
        keepFieldAvailable();
    } else {
        refuse();
    }
    m_prompt = Prompt::None;
}

void Fg110Generator::nextFunction()
{
    const bool skipSquare = isTriggerMode(m_settings.mode);
    auto& w = m_settings.waveform;
    do
        w = Fg110Waveform((int(w) + 1) % 5);
    while (skipSquare && w == Fg110Waveform::Square);
    m_settings.frequency = std::min(m_settings.frequency, Fg110Limits::highestFrequency(w));
    if (w == Fg110Waveform::Pulse)
        m_amplitudeInRms = false;
    keepFieldAvailable();
}

void Fg110Generator::nextMode()
{
    const bool skipTriggerModes = m_settings.waveform == Fg110Waveform::Square;
    auto& mode = m_settings.mode;
    do
        mode = Fg110Mode((int(mode) + 1) % 4);
    while (skipTriggerModes && isTriggerMode(mode));
    forgetTrigger();
    keepFieldAvailable();
}

void Fg110Generator::switchRange()
{
    // The 1 V range is an attenuator after the output amplifier: amplitude and offset
    // follow it, so they always fit; settings that did not would be refused.
    const bool toOneVolt = m_settings.range == Fg110Range::TenVolts;
    const double factor = toOneVolt ? 0.1 : 10;
    Fg110Settings switched = m_settings;
    switched.range = toOneVolt ? Fg110Range::OneVolt : Fg110Range::TenVolts;
    switched.amplitude *= factor;
    switched.offset *= factor;
    if (fg110VoltagesFit(switched))
        m_settings = switched;
    else
        refuse();
}

void Fg110Generator::keepFieldAvailable()
{
    const bool lost = (m_field == Fg110Field::Phase && !isTriggerMode(m_settings.mode))
                      || (m_field == Fg110Field::Burst && m_settings.mode != Fg110Mode::Triggered)
                      || (m_field == Fg110Field::Duty && m_settings.waveform != Fg110Waveform::Pulse);
    if (lost)
        choose(Fg110Field::Frequency);
}

void Fg110Generator::clearTransients()
{
    m_shift = false;
    m_typed.clear();
    m_prompt = Prompt::None;
    m_errorLeft = 0;
    m_selectedWeight = 0;
    m_wordShown = false;
}

bool Fg110Generator::initializedAfterStoring(int slot) const
{
    const auto s = std::size_t(slot);
    return m_memories.at(s) && m_initializedAt > m_storedAt.at(s);
}

Fg110Display Fg110Generator::display() const
{
    Fg110Display d;
    d.lit = m_on;
    if (!m_on)
        return d;
    d.mode = fg110ModeLamp(m_settings.mode);
    d.waveform = m_settings.waveform;
    d.inverted = m_settings.inverted;
    d.range = m_settings.range;
    d.shiftLamp = m_shift;
    d.channel1Lamp = m_settings.outputOn;
    d.parameter = fg110ParameterLamp(m_field);
    if (m_errorLeft > 0)
        d.word = QStringLiteral("Err");
    else if (m_prompt == Prompt::Store)
        d.word = QStringLiteral("StorE");
    else if (m_prompt == Prompt::Recall)
        d.word = QStringLiteral("rEcALL");
    else if (m_wordShown)
        d.word = fg110FieldWord(m_field);
    else if (m_field == Fg110Field::Slope)
        d.word = m_settings.slope == Fg110Slope::Positive ? QStringLiteral("PoS") : QStringLiteral("nEg");
    else if (!m_typed.isEmpty())
        d.value = m_typed;
    else {
        const ShownNumber number = shown();
        d.value = number.text;
        d.unit = number.unit;
        if (m_selectedWeight > 0)
            d.blinkingDigit = digitIndexOfWeight(number, m_selectedWeight);
    }
    return d;
}

ScopeSignal Fg110Generator::output() const
{
    return fg110Output(m_settings, m_on, m_trigger);
}
