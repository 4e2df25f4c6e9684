#include "MeterScript.h"

#include <QStringList>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

std::optional<Fluke45Key> keyNamed(const QString& name)
{
    for (Fluke45Key key : fluke45Keys())
        if (fluke45KeyLegend(key).remove(QLatin1Char(' ')) == name)
            return key;
    return std::nullopt;
}

Fluke45Key key(const QString& name)
{
    const auto found = keyNamed(name);
    if (!found)
        throw std::invalid_argument(qPrintable(QStringLiteral("no key ") + name));
    return *found;
}

std::vector<double> samples(const auto& jack, double step, int count)
{
    std::vector<double> values;
    for (int index = 0; index < count; ++index)
        values.push_back(jack.dc
                         + jack.rms * std::numbers::sqrt2 * std::sin(2 * std::numbers::pi * jack.hertz * index * step));
    return values;
}

} // namespace

void MeterScript::play(const QString& line)
{
    for (const QString& each : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        word(each);
}

void MeterScript::word(const QString& word)
{
    const int equals = int(word.indexOf(QLatin1Char('=')));
    if (equals > 0) {
        const QString name = word.left(equals);
        const QString value = word.mid(equals + 1);
        if (name == QLatin1String("R") || name == QLatin1String("D")) {
            m_part = name == QLatin1String("R") ? Part::Resistor : Part::Diode;
            m_partValue = value == QLatin1String("open") ? INFINITY : value.toDouble();
            m_volts = {};
        } else {
            Jack& jack = name == QLatin1String("V") ? m_volts : name == QLatin1String("mA") ? m_milliamps : m_amps;
            const QStringList dcAndAc = value.split(QLatin1Char('~'));
            jack = {dcAndAc.at(0).toDouble(), 0, 0};
            if (dcAndAc.size() > 1) {
                jack.rms = dcAndAc.at(1).section(QLatin1Char('@'), 0, 0).toDouble();
                jack.hertz = dcAndAc.at(1).section(QLatin1Char('@'), 1, 1).toDouble();
            }
            if (name == QLatin1String("V"))
                m_part = Part::None;
        }
        feed();
    } else if (word == QLatin1String("fuse")) {
        m_fuseOpen = true;
        feed();
    } else if (word.startsWith(QLatin1Char('t')) && word.size() > 1 && word.at(1).isDigit()) {
        m_meter.tick(word.mid(1).toInt());
    } else if (word.endsWith(QLatin1Char('*'))) {
        const Fluke45Key held = key(word.chopped(1));
        m_meter.press(held);
        m_meter.tick(Fluke45Meter::longPressMilliseconds);
        m_meter.release(held);
    } else {
        const QStringList together = word.size() > 1 ? word.split(QLatin1Char('+')) : QStringList{word};
        for (const QString& name : together)
            m_meter.press(key(name));
        for (const QString& name : together)
            m_meter.release(key(name));
        if (m_part != Part::None)
            feed();
    }
}

// Gives the meter what its jacks see; a part across V Ω is solved again until the load
// the meter puts on it (its range's test source) stays the same.
void MeterScript::feed()
{
    for (int round = 0; round < 4; ++round) {
        const MeterLoad load = m_meter.load();
        MeterSignals seen;
        const double hertz = std::max({m_volts.hertz, m_milliamps.hertz, m_amps.hertz});
        const int count = hertz > 0 ? 200 : 1;
        seen.timeStep = hertz > 0 ? 1 / (hertz * count) : 0;
        seen.volts = samples(m_volts, seen.timeStep, count);
        seen.milliamps = samples(m_milliamps, seen.timeStep, count);
        seen.amps = samples(m_amps, seen.timeStep, count);
        seen.milliampsFuseOpen = m_fuseOpen;
        if (m_part == Part::Resistor)
            seen.volts = {std::isinf(m_partValue)
                              ? load.inputVolts
                              : load.inputVolts * m_partValue / (m_partValue + load.inputResistance)};
        else if (m_part == Part::Diode)
            seen.volts = {std::min(load.inputVolts, m_partValue)};
        m_meter.setSignals(seen);
        if (m_meter.load() == load)
            return;
    }
}

QString MeterScript::summary(const Fluke45Display& display)
{
    if (!display.lit)
        return QStringLiteral("apagado");
    const auto side = [](const Fluke45Readout& readout) {
        return readout.shown ? (readout.text + QLatin1Char(' ') + readout.unit).trimmed() : QString();
    };
    return QStringLiteral("%1 | %2 | %3")
        .arg(side(display.primary), side(display.secondary), display.legends().join(QLatin1Char(' ')));
}
