#include "sim/bench/Fluke45Bench.h"

#include "sim/exercise/Differences.h"
#include "sim/fg110/Fg110Display.h"

// What a screen reader hears of the bench (the meter's displays apart).

namespace {

QString spanish(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

QString Fluke45Bench::benchReading() const
{
    QStringList parts;
    parts << QStringLiteral("Circuito: %1").arg(circuit().title);
    const QStringList points = pointNames();
    for (Lead which : {Lead::Red, Lead::Black}) {
        const LeadPlace place = lead(which);
        const QString plug = place.jack ? QStringLiteral("en el borne %1").arg(jackName(*place.jack))
                                        : QStringLiteral("fuera del multímetro");
        const QString tip = place.point ? QStringLiteral("punta en el punto %1").arg(points.value(*place.point))
                                        : QStringLiteral("punta en el aire");
        parts << QStringLiteral("cable %1 %2, %3").arg(leadName(which), plug, tip);
    }
    for (int i = 0; i < int(circuit().breaks.size()); ++i) {
        const CircuitBreak& cut = circuit().breaks.at(std::size_t(i));
        parts << QStringLiteral("corte entre %1 y %2 %3")
                     .arg(circuit().nodeName(cut.first), circuit().nodeName(cut.second),
                          breakOpen(i) ? QStringLiteral("abierto") : QStringLiteral("cerrado"));
    }
    if (hasSupply()) {
        QString supply = QStringLiteral("fuente a %1 V, límite de %2 A, ")
                             .arg(spanish(m_supply.setPoint, 1), spanish(m_supply.currentLimit, 1));
        if (!m_supply.outputOn)
            supply += QStringLiteral("salida desconectada");
        else if (supplyLimiting())
            supply += QStringLiteral("limitando la corriente (lámpara CC encendida), %1 V y %2 A")
                          .arg(spanish(supplyVolts(), 2), spanish(supplyAmps(), 3));
        else
            supply += QStringLiteral("salida conectada, %1 A").arg(spanish(supplyAmps(), 3));
        parts << supply;
    }
    if (hasGenerator()) {
        const Fg110Generator& generator = m_generator.generator();
        if (!generator.isOn())
            parts << QStringLiteral("generador apagado");
        else
            parts << QStringLiteral("generador: %1 de %2 y %3, salida %4")
                         .arg(fg110WaveformName(generator.settings().waveform),
                              engineeringQuantity(generator.settings().frequency, QStringLiteral("Hz")),
                              engineeringQuantity(generator.settings().amplitude, QStringLiteral("Vp-p")),
                              generator.settings().outputOn ? QStringLiteral("activada")
                                                            : QStringLiteral("desactivada"));
    }
    for (const Element& element : circuit().elements())
        if (element.kind == ElementKind::Lamp)
            parts << (lampBrightness(element.name) > 0.05 ? QStringLiteral("lámpara encendida")
                                                          : QStringLiteral("lámpara apagada"));
    if (m_milliampsFuseOpen)
        parts << QStringLiteral("fusible de la entrada de 100 mA fundido");
    if (m_ampsFuseOpen)
        parts << QStringLiteral("fusible de la entrada de 10 A fundido");
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}
