#include "sim/fluke45/Fluke45Meter.h"

#include <algorithm>

// What the meter shows: both displays, the marks, and the state an exercise judges.

int Fluke45Meter::decimals(Fluke45Function function, const Fluke45Range& range) const
{
    if (!fluke45Function(function).rateChangesDigits)
        return range.decimals;
    switch (m_settings.rate) {
    case Fluke45Rate::Slow:
        return range.decimals + 1;
    case Fluke45Rate::Fast:
        return std::max(0, range.decimals - 1);
    default:
        return range.decimals;
    }
}

QString Fluke45Meter::digits(const Shown& shown) const
{
    if (shown.overload != 0)
        return shown.overload > 0 ? QStringLiteral("OL") : QStringLiteral("-OL");
    const auto& range = fluke45Function(m_settings.function).ranges.at(std::size_t(shown.range));
    if (m_settings.decibels)
        return displayDigits(shown.value, 2);
    return displayDigits(shown.value / range.unitFactor, decimals(m_settings.function, range));
}

Fluke45Readout Fluke45Meter::primaryReadout() const
{
    const auto& row = fluke45Function(m_settings.function);
    Fluke45Readout readout;
    readout.shown = true;
    readout.acMark = row.acMark;
    readout.dcMark = row.dcMark;
    if (m_listEditor) {
        readout.text = QString::number(m_listEditor->value());
        readout.spoken = QStringLiteral("en edición");
        if (*m_editing == EditTarget::ReferenceOhms)
            readout.unit = QStringLiteral("Ω");
        return readout;
    }
    if (m_numberEditor) {
        readout.unit = m_editUnit;
        readout.text = m_numberEditor->text();
        readout.blinkingDigit = m_numberEditor->chosenDigit();
        const QString before = readout.text.left(readout.blinkingDigit);
        const auto digitsBefore = std::count_if(before.begin(), before.end(), [](QChar c) { return c.isDigit(); });
        readout.spoken = QStringLiteral("en edición, cifra %1").arg(digitsBefore + 1);
        return readout;
    }
    const Shown shown = shownPrimary();
    const auto& range = row.ranges.at(std::size_t(shown.range));
    readout.unit = m_settings.decibels ? QStringLiteral("dBm") : range.unit;
    readout.text = digits(shown);
    readout.spoken = row.spoken;
    readout.range = range.name;
    return readout;
}

// The reading is compared as its digits show it, so that a limit set from the display
// compares equal to the reading it was set from.
QString Fluke45Meter::compareVerdict() const
{
    const Shown shown = shownPrimary();
    if (shown.overload != 0)
        return shown.overload > 0 ? QStringLiteral("HI") : QStringLiteral("LO");
    const auto& range = fluke45Function(m_settings.function).ranges.at(std::size_t(shown.range));
    const double value = digits(shown).toDouble() * (m_settings.decibels ? 1 : range.unitFactor);
    if (value > m_settings.high)
        return QStringLiteral("HI");
    if (value < m_settings.low)
        return QStringLiteral("LO");
    return QStringLiteral("PASS");
}

Fluke45Readout Fluke45Meter::secondaryReadout() const
{
    Fluke45Readout readout;
    if (m_editing) {
        readout.shown = true;
        switch (*m_editing) {
        case EditTarget::High:
            readout.text = QStringLiteral("HI");
            break;
        case EditTarget::Low:
            readout.text = QStringLiteral("LO");
            break;
        case EditTarget::RelativeBase:
            readout.text = QStringLiteral("rEL");
            break;
        case EditTarget::ReferenceOhms:
            readout.text = QStringLiteral("rEF");
            break;
        case EditTarget::Threshold:
            readout.text = QStringLiteral("thr");
            break;
        }
        return readout;
    }
    if (m_settings.compare) {
        readout.shown = true;
        readout.text = compareVerdict();
        return readout;
    }
    if (!m_settings.secondary)
        return readout;
    const Fluke45Function function = *m_settings.secondary;
    const auto& row = fluke45Function(function);
    // Ohms and diode test on both displays share the primary's range and source.
    const int index = function == m_settings.function && drivesTestCurrent(function)
                          ? m_settings.range
                          : m_inputs.bestRange(function, ohmsSource());
    const auto& range = row.ranges.at(std::size_t(index));
    const double value = m_inputs.value(function, range, ohmsSource());
    readout.shown = true;
    readout.acMark = row.acMark;
    readout.dcMark = row.dcMark;
    readout.unit = range.unit;
    readout.spoken = row.spoken;
    readout.range = range.name;
    if (!(std::abs(value) <= range.fullScale)) {
        readout.text = value < 0 ? QStringLiteral("-OL") : QStringLiteral("OL");
        return readout;
    }
    readout.text = displayDigits(value / range.unitFactor, decimals(function, range));
    return readout;
}

Fluke45Display Fluke45Meter::display() const
{
    Fluke45Display display;
    if (!m_on) {
        display.lit = false;
        return display;
    }
    display.primary = primaryReadout();
    display.secondary = secondaryReadout();
    auto& marks = display.annunciators;
    marks << (m_settings.autoRange ? Fluke45Annunciator::Auto : Fluke45Annunciator::Manual);
    if (m_settings.hold)
        marks << Fluke45Annunciator::Hold;
    if (m_settings.minMax == MinMaxShown::Minimum)
        marks << Fluke45Annunciator::Minimum;
    if (m_settings.minMax == MinMaxShown::Maximum)
        marks << Fluke45Annunciator::Maximum;
    if (m_settings.relative)
        marks << Fluke45Annunciator::Relative;
    if (m_settings.decibels)
        marks << Fluke45Annunciator::Decibels;
    if (m_settings.compare)
        marks << Fluke45Annunciator::Compare;
    if (m_secondPending)
        marks << Fluke45Annunciator::Second;
    if (m_settings.function == Fluke45Function::Diode && m_settings.beeper)
        marks << Fluke45Annunciator::Beeper;
    marks << (m_settings.rate == Fluke45Rate::Slow     ? Fluke45Annunciator::Slow
              : m_settings.rate == Fluke45Rate::Medium ? Fluke45Annunciator::Medium
                                                       : Fluke45Annunciator::Fast);
    return display;
}

Fluke45State Fluke45Meter::state() const
{
    Fluke45State state;
    const auto& row = fluke45Function(m_settings.function);
    state.on = m_on;
    state.function = row.name;
    state.range = row.ranges.at(std::size_t(m_settings.range)).name;
    state.rangeMode = m_settings.autoRange ? QStringLiteral("automático") : QStringLiteral("manual");
    state.secondary = m_settings.secondary ? fluke45Function(*m_settings.secondary).name : QStringLiteral("apagado");
    state.settings = m_settings;
    state.display = display();
    const auto shown = [](const Fluke45Readout& readout) {
        if (!readout.shown)
            return QString();
        return readout.text.endsWith(QLatin1String("OL")) ? readout.text
                                                          : (readout.text + QLatin1Char(' ') + readout.unit).trimmed();
    };
    state.reading = shown(state.display.primary);
    state.secondaryReading = shown(state.display.secondary);
    for (Fluke45Annunciator mark :
         {Fluke45Annunciator::Relative, Fluke45Annunciator::Decibels, Fluke45Annunciator::Hold,
          Fluke45Annunciator::Minimum, Fluke45Annunciator::Maximum, Fluke45Annunciator::Compare})
        if (state.display.has(mark))
            state.modifiers << fluke45AnnunciatorLegend(mark);
    return state;
}
