#include "sim/fluke45/Fluke45Meter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double milliwatt = 1e-3;

std::optional<Fluke45Function> singleFunction(Fluke45Key key)
{
    switch (key) {
    case Fluke45Key::VoltsDc:
        return Fluke45Function::VoltsDc;
    case Fluke45Key::VoltsAc:
        return Fluke45Function::VoltsAc;
    case Fluke45Key::AmpsDc:
        return Fluke45Function::AmpsDc;
    case Fluke45Key::AmpsAc:
        return Fluke45Function::AmpsAc;
    case Fluke45Key::Ohms:
        return Fluke45Function::Ohms;
    case Fluke45Key::DiodeContinuity:
        return Fluke45Function::Diode;
    case Fluke45Key::Frequency:
        return Fluke45Function::Frequency;
    default:
        return std::nullopt;
    }
}

// The key that, held with this one, makes AC+DC.
std::optional<Fluke45Key> partnerKey(Fluke45Key key)
{
    switch (key) {
    case Fluke45Key::VoltsDc:
        return Fluke45Key::VoltsAc;
    case Fluke45Key::VoltsAc:
        return Fluke45Key::VoltsDc;
    case Fluke45Key::AmpsDc:
        return Fluke45Key::AmpsAc;
    case Fluke45Key::AmpsAc:
        return Fluke45Key::AmpsDc;
    default:
        return std::nullopt;
    }
}

// Ohms and diode test drive the V Ω jack, so the other display can only show the same.
bool canShowTogether(Fluke45Function primary, Fluke45Function secondary)
{
    if (drivesTestCurrent(primary) || drivesTestCurrent(secondary))
        return primary == secondary;
    return true;
}

} // namespace

bool Fluke45Meter::atFactorySettings() const
{
    Fluke45Settings factory;
    if (m_settings.autoRange)
        factory.range = m_settings.range;
    return m_on && !m_secondPending && !m_editing && m_heldFor.empty() && m_settings == factory;
}

int Fluke45Meter::readingInterval(Fluke45Rate rate)
{
    switch (rate) {
    case Fluke45Rate::Slow:
        return 400;
    case Fluke45Rate::Medium:
        return 200;
    case Fluke45Rate::Fast:
        return 50;
    }
    return 200;
}

// ---- keys

void Fluke45Meter::press(Fluke45Key key)
{
    if (key == Fluke45Key::Power) {
        if (m_on)
            powerOff();
        else {
            m_on = true;
            m_settings = {};
            m_previous.reset();
            m_belowBeepVolts = false;
            m_sinceReading = 0;
            autorange();
        }
        return;
    }
    if (!m_on)
        return;
    if (m_editing) {
        if (!pressEditing(key)) {
            m_editing.reset();
            m_numberEditor.reset();
            m_listEditor.reset();
        }
        return;
    }
    if (isFunctionKey(key)) {
        const auto partner = partnerKey(key);
        const bool combined = partner && m_pressedOnSecondary.count(*partner);
        const bool onSecondary = combined ? m_pressedOnSecondary.at(*partner) : m_secondPending;
        m_secondPending = false;
        m_pressedOnSecondary[key] = onSecondary;
        chooseFunction(key, onSecondary);
        return;
    }
    if (key == Fluke45Key::Second) {
        if (m_secondPending)
            m_settings.secondary.reset();
        m_secondPending = !m_secondPending;
        return;
    }
    if (m_secondPending) {
        m_secondPending = false;
        pressSecond(key);
    } else {
        pressNormal(key);
    }
}

void Fluke45Meter::release(Fluke45Key key)
{
    m_heldFor.erase(key);
    m_pressedOnSecondary.erase(key);
}

void Fluke45Meter::pressNormal(Fluke45Key key)
{
    switch (key) {
    case Fluke45Key::Auto:
        m_settings.autoRange = !m_settings.autoRange;
        autorange();
        break;
    case Fluke45Key::Up:
        stepRange(+1);
        break;
    case Fluke45Key::Down:
        stepRange(-1);
        break;
    case Fluke45Key::Relative:
        toggleRelative();
        break;
    case Fluke45Key::Decibels:
        toggleDecibels();
        break;
    case Fluke45Key::Hold:
        pressHold();
        m_heldFor[key] = 0;
        break;
    case Fluke45Key::MinMax:
        pressMinMax();
        m_heldFor[key] = 0;
        break;
    case Fluke45Key::Rate:
        m_settings.rate = m_settings.rate == Fluke45Rate::Slow     ? Fluke45Rate::Medium
                          : m_settings.rate == Fluke45Rate::Medium ? Fluke45Rate::Fast
                                                                   : Fluke45Rate::Slow;
        m_sinceReading = 0;
        break;
    default:
        break;
    }
}

void Fluke45Meter::pressSecond(Fluke45Key key)
{
    switch (key) {
    case Fluke45Key::Auto:
        toggleCompare();
        break;
    case Fluke45Key::Up:
        openNumberEditor(EditTarget::High);
        break;
    case Fluke45Key::Down:
        openNumberEditor(EditTarget::Low);
        break;
    case Fluke45Key::Relative:
        if (m_settings.relative)
            openNumberEditor(EditTarget::RelativeBase);
        else
            refuse();
        break;
    case Fluke45Key::Decibels:
        openListEditor(EditTarget::ReferenceOhms);
        break;
    case Fluke45Key::Hold:
        openListEditor(EditTarget::Threshold);
        break;
    case Fluke45Key::MinMax:
        refuse();
        break; // no computer interface is fitted
    default:
        pressNormal(key);
        break; // RATE has no second function
    }
}

// Returns whether the key belongs to the editor; any other key ends the edit unsaved.
bool Fluke45Meter::pressEditing(Fluke45Key key)
{
    switch (key) {
    case Fluke45Key::Auto:
        saveEdit();
        return true;
    case Fluke45Key::Up:
        if (m_numberEditor)
            m_numberEditor->turnDigit();
        else
            m_listEditor->next();
        return true;
    case Fluke45Key::Down:
        if (m_numberEditor)
            m_numberEditor->chooseNextDigit();
        else
            m_listEditor->previous();
        return true;
    default:
        return false;
    }
}

void Fluke45Meter::chooseFunction(Fluke45Key key, bool onSecondary)
{
    Fluke45Function function = *singleFunction(key);
    const auto partner = partnerKey(key);
    if (partner && m_pressedOnSecondary.count(*partner))
        function = measuresVolts(function) ? Fluke45Function::VoltsAcDc : Fluke45Function::AmpsAcDc;
    if (onSecondary) {
        if (canShowTogether(m_settings.function, function))
            m_settings.secondary = function;
        else
            refuse();
        return;
    }
    if (function == m_settings.function) {
        if (function == Fluke45Function::Diode) {
            m_settings.beeper = !m_settings.beeper;
            if (!m_settings.beeper)
                stopContinuous();
        }
        return;
    }
    setPrimary(function);
}

void Fluke45Meter::setPrimary(Fluke45Function function)
{
    m_settings.function = function;
    m_settings.autoRange = true;
    m_settings.range = 0;
    m_settings.decibels = false;
    endModifiers();
    if (m_settings.secondary && !canShowTogether(function, *m_settings.secondary))
        m_settings.secondary.reset();
    stopContinuous();
    m_belowBeepVolts = false;
    autorange();
}

void Fluke45Meter::endModifiers()
{
    m_settings.relative = false;
    m_settings.hold = false;
    m_settings.compare = false;
    m_settings.minMax = MinMaxShown::Off;
    m_previous.reset();
}

void Fluke45Meter::stepRange(int step)
{
    const auto& ranges = fluke45Function(m_settings.function).ranges;
    const int next = m_settings.range + step;
    m_settings.autoRange = false;
    if (next < 0 || next >= int(ranges.size()))
        refuse();
    else
        m_settings.range = next;
}

// REL changes what every reading means, so MN MX starts its record again from the next.
void Fluke45Meter::toggleRelative()
{
    if (m_settings.relative) {
        m_settings.relative = false;
    } else {
        const Shown now = live();
        if (now.overload != 0) {
            refuse();
            return;
        }
        m_settings.relative = true;
        m_settings.relativeBase = now.value;
        m_settings.autoRange = false;
    }
    m_minimum = m_maximum = live();
}

void Fluke45Meter::toggleDecibels()
{
    if (!measuresVolts(m_settings.function)) {
        refuse();
        return;
    }
    m_settings.decibels = !m_settings.decibels;
    endModifiers();
}

void Fluke45Meter::pressHold()
{
    m_settings.minMax = MinMaxShown::Off;
    m_settings.hold = true;
    m_held = live();
}

void Fluke45Meter::pressMinMax()
{
    if (m_settings.minMax == MinMaxShown::Off) {
        m_settings.hold = false;
        m_settings.compare = false;
        m_settings.autoRange = false;
        m_minimum = m_maximum = live();
        m_settings.minMax = MinMaxShown::Minimum;
    } else {
        m_settings.minMax = m_settings.minMax == MinMaxShown::Minimum ? MinMaxShown::Maximum : MinMaxShown::Minimum;
    }
}

void Fluke45Meter::toggleCompare()
{
    if (m_settings.compare) {
        m_settings.compare = false;
        m_settings.hold = false;
        return;
    }
    pressHold();
    m_settings.compare = true;
}

void Fluke45Meter::longPress(Fluke45Key key)
{
    if (key == Fluke45Key::Hold) {
        m_settings.hold = false;
        m_settings.compare = false;
    } else if (key == Fluke45Key::MinMax) {
        m_settings.minMax = MinMaxShown::Off;
    }
}

void Fluke45Meter::openNumberEditor(EditTarget target)
{
    Shown start = shownPrimary();
    if (target == EditTarget::RelativeBase)
        start = {m_settings.relativeBase, 0, m_settings.range};
    if (start.overload != 0)
        start = {0, 0, m_settings.range};
    const auto& range = fluke45Function(m_settings.function).ranges.at(std::size_t(start.range));
    m_editUnit = m_settings.decibels ? QStringLiteral("dBm") : range.unit;
    m_editFactor = m_settings.decibels ? 1 : range.unitFactor;
    m_editing = target;
    m_numberEditor.emplace(digits(start));
}

void Fluke45Meter::openListEditor(EditTarget target)
{
    m_editing = target;
    if (target == EditTarget::ReferenceOhms)
        m_listEditor.emplace(fluke45ReferenceImpedances(), m_settings.referenceOhms);
    else
        m_listEditor.emplace(std::vector<int>{1, 2, 3}, m_settings.holdThreshold);
}

void Fluke45Meter::saveEdit()
{
    switch (*m_editing) {
    case EditTarget::High:
        m_settings.high = m_numberEditor->value() * m_editFactor;
        break;
    case EditTarget::Low:
        m_settings.low = m_numberEditor->value() * m_editFactor;
        break;
    case EditTarget::RelativeBase:
        m_settings.relativeBase = m_numberEditor->value() * m_editFactor;
        break;
    case EditTarget::ReferenceOhms:
        m_settings.referenceOhms = m_listEditor->value();
        break;
    case EditTarget::Threshold:
        m_settings.holdThreshold = m_listEditor->value();
        break;
    }
    m_editing.reset();
    m_numberEditor.reset();
    m_listEditor.reset();
}

void Fluke45Meter::refuse()
{
    m_sounds.push_back(Fluke45Sound::Beep);
}

void Fluke45Meter::powerOff()
{
    stopContinuous();
    m_on = false;
    m_secondPending = false;
    m_editing.reset();
    m_numberEditor.reset();
    m_listEditor.reset();
    m_heldFor.clear();
    m_pressedOnSecondary.clear();
}

// ---- time and readings

void Fluke45Meter::tick(int milliseconds)
{
    if (!m_on)
        return;
    for (auto& [key, held] : m_heldFor) {
        const bool wasShort = held < longPressMilliseconds;
        held += milliseconds;
        if (wasShort && held >= longPressMilliseconds)
            longPress(key);
    }
    m_sinceReading += milliseconds;
    const int interval = readingInterval(m_settings.rate);
    while (m_sinceReading >= interval) {
        m_sinceReading -= interval;
        takeReading();
    }
}

void Fluke45Meter::setSignals(const MeterSignals& seen)
{
    m_inputs.set(seen);
    if (m_on)
        takeReading();
}

void Fluke45Meter::takeReading()
{
    autorange();
    const Shown now = live();
    if (m_settings.minMax != MinMaxShown::Off) {
        const auto below = [](const Shown& a, const Shown& b) {
            return a.overload != b.overload ? a.overload < b.overload : a.overload == 0 && a.value < b.value;
        };
        if (below(now, m_minimum))
            m_minimum = now;
        if (below(m_maximum, now))
            m_maximum = now;
    }
    if (m_settings.hold && m_previous && now.overload == 0 && m_previous->overload == 0) {
        const auto& range = fluke45Function(m_settings.function).ranges.at(std::size_t(now.range));
        const double scale = m_settings.decibels ? 100.0 : range.fullScale;
        const double threshold = holdThresholdShare(m_settings.holdThreshold) * scale;
        const bool stable = std::abs(now.value - m_previous->value) <= threshold;
        const bool fresh = m_held.overload != 0 || std::abs(now.value - m_held.value) > threshold;
        const bool connected = m_settings.decibels || std::abs(now.value) > threshold;
        if (stable && fresh && connected) {
            m_held = now;
            m_sounds.push_back(Fluke45Sound::Beep);
        }
    }
    m_previous = now;
    followContinuity();
}

void Fluke45Meter::followContinuity()
{
    if (m_settings.function != Fluke45Function::Diode || !m_settings.beeper)
        return;
    const double volts = m_inputs.volts();
    const bool below = volts < continuityBeepVolts;
    if (volts < continuousBeepVolts) {
        if (!m_continuous)
            m_sounds.push_back(Fluke45Sound::ContinuousOn);
        m_continuous = true;
    } else {
        stopContinuous();
        if (below && !m_belowBeepVolts)
            m_sounds.push_back(Fluke45Sound::Beep);
    }
    m_belowBeepVolts = below;
}

void Fluke45Meter::stopContinuous()
{
    if (m_continuous)
        m_sounds.push_back(Fluke45Sound::ContinuousOff);
    m_continuous = false;
}

std::vector<Fluke45Sound> Fluke45Meter::takeSounds()
{
    std::vector<Fluke45Sound> sounds;
    sounds.swap(m_sounds);
    return sounds;
}

void Fluke45Meter::autorange()
{
    if (m_settings.autoRange)
        m_settings.range = m_inputs.bestRange(m_settings.function, ohmsSource());
}

// ---- measuring

// The series resistance of the test source in place (the signals were taken with it).
double Fluke45Meter::ohmsSource() const
{
    return fluke45Function(m_settings.function).ranges.at(std::size_t(m_settings.range)).testSourceResistance;
}

Fluke45Meter::Shown Fluke45Meter::live() const
{
    const auto& row = fluke45Function(m_settings.function);
    const auto& range = row.ranges.at(std::size_t(m_settings.range));
    const double value = m_inputs.value(m_settings.function, range, ohmsSource());
    Shown shown{value, 0, m_settings.range};
    if (!(std::abs(value) <= range.fullScale)) // a value the solver could not give (NaN) too
        return {0, value < 0 ? -1 : 1, m_settings.range};
    if (m_settings.decibels) {
        if (value == 0)
            return {0, -1, m_settings.range};
        shown.value = 10 * std::log10(value * value / m_settings.referenceOhms / milliwatt);
    }
    if (m_settings.relative)
        shown.value -= m_settings.relativeBase;
    return shown;
}

Fluke45Meter::Shown Fluke45Meter::shownPrimary() const
{
    if (m_settings.hold)
        return m_held;
    if (m_settings.minMax == MinMaxShown::Minimum)
        return m_minimum;
    if (m_settings.minMax == MinMaxShown::Maximum)
        return m_maximum;
    return live();
}

MeterLoad Fluke45Meter::load() const
{
    if (!m_on || !drivesTestCurrent(m_settings.function))
        return benchMeterLoad();
    const auto& range = fluke45Function(m_settings.function).ranges.at(std::size_t(m_settings.range));
    return testSourceLoad(range.testSourceResistance);
}
