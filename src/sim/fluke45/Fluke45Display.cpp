#include "sim/fluke45/Fluke45Display.h"

QString displayDigits(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0)
        text.remove(0, 1);
    return text;
}

QString fluke45AnnunciatorLegend(Fluke45Annunciator annunciator)
{
    switch (annunciator) {
    case Fluke45Annunciator::Auto:
        return QStringLiteral("AUTO");
    case Fluke45Annunciator::Manual:
        return QStringLiteral("MAN");
    case Fluke45Annunciator::Hold:
        return QStringLiteral("HOLD");
    case Fluke45Annunciator::Minimum:
        return QStringLiteral("MIN");
    case Fluke45Annunciator::Maximum:
        return QStringLiteral("MAX");
    case Fluke45Annunciator::Relative:
        return QStringLiteral("REL");
    case Fluke45Annunciator::Decibels:
        return QStringLiteral("dB");
    case Fluke45Annunciator::Compare:
        return QStringLiteral("COMP");
    case Fluke45Annunciator::Second:
        return QStringLiteral("2ND");
    case Fluke45Annunciator::Beeper:
        return QStringLiteral("·)))");
    case Fluke45Annunciator::Slow:
        return QStringLiteral("S");
    case Fluke45Annunciator::Medium:
        return QStringLiteral("M");
    case Fluke45Annunciator::Fast:
        return QStringLiteral("F");
    }
    return {};
}

QString Fluke45Readout::reading() const
{
    QString value = text;
    if (text.endsWith(QLatin1String("OL")))
        value += QStringLiteral(" (fuera de rango)");
    else if (!unit.isEmpty())
        value += QLatin1Char(' ') + unit;
    if (!spoken.isEmpty())
        value += QLatin1Char(' ') + spoken;
    if (!range.isEmpty())
        value += QStringLiteral(", rango ") + range;
    return value;
}

QStringList Fluke45Display::legends() const
{
    QStringList all;
    for (Fluke45Annunciator annunciator : annunciators)
        all << fluke45AnnunciatorLegend(annunciator);
    return all;
}

QString Fluke45Display::reading() const
{
    if (!lit)
        return QStringLiteral("apagado");
    QString text = primary.reading();
    QStringList marks;
    const QString mode = has(Fluke45Annunciator::Auto) ? QStringLiteral("automático") : QStringLiteral("manual");
    if (!primary.range.isEmpty())
        text += QLatin1Char(' ') + mode;
    else
        marks << QStringLiteral("rango ") + mode;
    for (Fluke45Annunciator annunciator : annunciators) {
        switch (annunciator) {
        case Fluke45Annunciator::Auto:
        case Fluke45Annunciator::Manual:
            break;
        case Fluke45Annunciator::Beeper:
            marks << QStringLiteral("pitido de continuidad activado");
            break;
        case Fluke45Annunciator::Slow:
            marks << QStringLiteral("lectura lenta");
            break;
        case Fluke45Annunciator::Medium:
            marks << QStringLiteral("lectura media");
            break;
        case Fluke45Annunciator::Fast:
            marks << QStringLiteral("lectura rápida");
            break;
        default:
            marks << fluke45AnnunciatorLegend(annunciator);
        }
    }
    if (!marks.isEmpty())
        text += QStringLiteral(", ") + marks.join(QStringLiteral(", "));
    if (secondary.shown)
        text += QStringLiteral("; display secundario: ") + secondary.reading();
    return text;
}
