#include "sim/circuit/NetlistWriter.h"

#include <algorithm>

namespace NetlistWriter {
namespace {
QString node(int index)
{
    return index == 0 ? QStringLiteral("0") : QStringLiteral("n%1").arg(index);
}

QString number(double value)
{
    return QString::number(value, 'g', 17);
}
} // namespace

QString write(const Circuit& circuit, const QHash<QString, QString>& waveforms)
{
    QString out = QStringLiteral("* %1\n").arg(circuit.title);
    const auto& elements = circuit.elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& element = elements[i];
        const QString a = node(element.first);
        const QString b = node(element.second);
        const QString id = QString::number(i);
        const QString source = waveforms.contains(element.name.toUpper())
                                   ? waveforms.value(element.name.toUpper())
                                   : QStringLiteral("DC ") + number(element.sourceValueAt(0.0));
        switch (element.kind) {
        case ElementKind::Resistor:
            out += QStringLiteral("R%1 %2 %3 %4\n").arg(id, a, b, number(element.value));
            break;
        case ElementKind::Capacitor:
            out += QStringLiteral("C%1 %2 %3 %4\n").arg(id, a, b, number(element.value));
            break;
        case ElementKind::VoltageSource:
            out += QStringLiteral("V%1 %2 %3 %4\n").arg(id, a, b, source);
            break;
        case ElementKind::CurrentSource:
            out += QStringLiteral("I%1 %2 %3 %4\n").arg(id, a, b, source);
            break;
        case ElementKind::TestSource:
            out += QStringLiteral("V%1 t%1 %2 %3\nR%1 t%1 %4 %5\n")
                       .arg(id, b, source, a, number(element.seriesResistance));
            break;
        case ElementKind::Diode:
            out += QStringLiteral("D%1 %2 %3 dm%1\n.model dm%1 D (IS=%4 N=%5 RS=%6)\n")
                       .arg(id, a, b, number(element.diode.saturationCurrent), number(element.diode.emission),
                            number(element.diode.seriesResistance));
            break;
        case ElementKind::Lamp:
            out += QStringLiteral("R%1 %2 %3 %4\n").arg(id, a, b, number(element.lamp.resistanceAt(element.lampHeat)));
            break;
        case ElementKind::Fuse:
            if (!element.fuseOpen)
                out += QStringLiteral("R%1 %2 %3 %4\n").arg(id, a, b, number(element.fuse.resistance));
            break;
        case ElementKind::PowerSupply:
            if (!element.supply.outputOn)
                break;
            if (element.supplyLimiting)
                out += QStringLiteral("I%1 %2 %3 DC %4\n")
                           .arg(id, b, a,
                                number(std::clamp(element.supply.currentLimit, 0.0, SupplySettings::maximumCurrent)));
            else
                out += QStringLiteral("V%1 %2 %3 DC %4\n")
                           .arg(id, a, b,
                                number(std::clamp(element.supply.setPoint, 0.0, SupplySettings::maximumVoltage)));
            break;
        }
    }
    return out;
}

} // namespace NetlistWriter
