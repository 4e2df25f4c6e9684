#include "sim/fg110/Fg110Display.h"

#include <QStringList>

int fg110CellsTaken(const QString& text)
{
    int cells = 0;
    for (int i = 0; i < text.size(); ++i)
        if (text[i] != QLatin1Char('.') || i == 0 || text[i - 1] == QLatin1Char('.'))
            ++cells;
    return cells;
}

QString fg110WaveformName(Fg110Waveform waveform)
{
    switch (waveform) {
    case Fg110Waveform::Sine:
        return QStringLiteral("senoidal");
    case Fg110Waveform::Square:
        return QStringLiteral("cuadrada");
    case Fg110Waveform::Ramp:
        return QStringLiteral("rampa");
    case Fg110Waveform::Triangle:
        return QStringLiteral("triangular");
    case Fg110Waveform::Pulse:
        return QStringLiteral("pulsos");
    }
    return {};
}

QString fg110ModeLamp(Fg110Mode mode)
{
    switch (mode) {
    case Fg110Mode::Continuous:
        return QStringLiteral("CONT");
    case Fg110Mode::Triggered:
        return QStringLiteral("TRIG");
    case Fg110Mode::Gated:
        return QStringLiteral("GATE");
    case Fg110Mode::Dc:
        return QStringLiteral("DC");
    }
    return {};
}

QString Fg110Display::reading() const
{
    if (!lit)
        return QStringLiteral("apagado");
    QStringList parts;
    if (!word.isEmpty())
        parts << word;
    else
        parts << (unit.isEmpty() ? value : value + QLatin1Char(' ') + unit);
    if (!parameter.isEmpty())
        parts << parameter;
    parts << mode << fg110WaveformName(waveform);
    if (inverted)
        parts << QStringLiteral("invertida");
    if (range == Fg110Range::OneVolt)
        parts << QStringLiteral("rango 1 V");
    if (shiftLamp)
        parts << QStringLiteral("SHIFT");
    if (channel1Lamp)
        parts << QStringLiteral("salida CH1 activada");
    return parts.join(QStringLiteral(", "));
}
