#include "sim/bench/BenchKey.h"

namespace {

constexpr int meterKeyCount = int(Fluke45Key::Power) + 1;
constexpr int generatorKeyCount = int(Fg110Key::KnobUp) + 1;
constexpr int actionCount = int(BenchAction::ReplaceFuses) + 1;
constexpr int pulledOut = 9;

QString tipOf(Lead lead)
{
    return lead == Lead::Red ? QStringLiteral("Punta roja") : QStringLiteral("Punta negra");
}

QString named(const QStringList& names, int index)
{
    return index >= 0 && index < names.size() ? names.at(index) : QString::number(index + 1);
}

} // namespace

namespace BenchKey {

int meter(Fluke45Key key)
{
    return meterBase + int(key);
}
int generator(Fg110Key key)
{
    return generatorBase + int(key);
}
int action(BenchAction action)
{
    return actionBase + int(action);
}

int plug(Lead lead, std::optional<Jack> jack)
{
    return plugBase + int(lead) * 10 + (jack ? int(*jack) : pulledOut);
}

int touch(Lead lead, std::optional<int> point)
{
    const bool onPoint = point && *point >= 0 && *point < maximumPoints;
    return touchBase + int(lead) * 100 + (onPoint ? *point : maximumPoints);
}

int chooseCircuit(int index)
{
    return circuitBase + index;
}
int openBreak(int index)
{
    return openBreakBase + index;
}
int closeBreak(int index)
{
    return closeBreakBase + index;
}

std::optional<Fluke45Key> meterKey(int key)
{
    if (key < meterBase || key >= meterBase + meterKeyCount)
        return std::nullopt;
    return Fluke45Key(key - meterBase);
}

std::optional<Fg110Key> generatorKey(int key)
{
    if (key < generatorBase || key >= generatorBase + generatorKeyCount)
        return std::nullopt;
    return Fg110Key(key - generatorBase);
}

std::optional<BenchAction> actionKey(int key)
{
    if (key < actionBase || key >= actionBase + actionCount)
        return std::nullopt;
    return BenchAction(key - actionBase);
}

} // namespace BenchKey

QString jackName(Jack jack)
{
    switch (jack) {
    case Jack::VoltsOhms:
        return QStringLiteral("V Ω ⊣");
    case Jack::Common:
        return QStringLiteral("COM");
    case Jack::Milliamps:
        return QStringLiteral("100 mA");
    case Jack::Amps:
        return QStringLiteral("10 A");
    }
    return {};
}

QString benchActionName(BenchAction action)
{
    switch (action) {
    case BenchAction::SupplyCoarseUp:
        return QStringLiteral("Fuente: tensión +1 V");
    case BenchAction::SupplyCoarseDown:
        return QStringLiteral("Fuente: tensión −1 V");
    case BenchAction::SupplyFineUp:
        return QStringLiteral("Fuente: tensión +0,1 V");
    case BenchAction::SupplyFineDown:
        return QStringLiteral("Fuente: tensión −0,1 V");
    case BenchAction::SupplyLimitUp:
        return QStringLiteral("Fuente: límite de corriente +0,1 A");
    case BenchAction::SupplyLimitDown:
        return QStringLiteral("Fuente: límite de corriente −0,1 A");
    case BenchAction::SupplyOutputOn:
        return QStringLiteral("Fuente: salida conectada");
    case BenchAction::SupplyOutputOff:
        return QStringLiteral("Fuente: salida desconectada");
    case BenchAction::ReplaceFuses:
        return QStringLiteral("Cambiar fusible");
    }
    return {};
}

QString benchKeyName(int key, const QStringList& pointNames, const QStringList& circuitTitles)
{
    using namespace BenchKey;
    if (const auto k = meterKey(key))
        return QStringLiteral("Multímetro: %1").arg(fluke45KeyLegend(*k));
    if (const auto k = generatorKey(key)) {
        // The unit keys carry several legends; the first names the key, the others follow.
        const QString others = *k == Fg110Key::UnitMHz       ? QStringLiteral(" (V, sec)")
                               : *k == Fg110Key::UnitKHz     ? QStringLiteral(" (mV, msec)")
                               : *k == Fg110Key::UnitHz      ? QStringLiteral(" (deg, Vrms)")
                               : *k == Fg110Key::UnitMilliHz ? QStringLiteral(" (%)")
                                                             : QString();
        return QStringLiteral("Generador: %1%2").arg(fg110KeyLegend(*k), others);
    }
    if (const auto a = actionKey(key))
        return benchActionName(*a);
    if (key >= plugBase && key < plugBase + leadCount * 10) {
        const Lead lead = Lead((key - plugBase) / 10);
        const int jack = (key - plugBase) % 10;
        if (jack == pulledOut)
            return QStringLiteral("Cable %1 fuera del multímetro").arg(leadName(lead));
        if (jack < jackCount)
            return QStringLiteral("Cable %1 al borne %2").arg(leadName(lead), jackName(Jack(jack)));
    }
    if (key >= touchBase && key < touchBase + leadCount * 100) {
        const Lead lead = Lead((key - touchBase) / 100);
        const int point = (key - touchBase) % 100;
        if (point == maximumPoints)
            return QStringLiteral("%1 en el aire").arg(tipOf(lead));
        return QStringLiteral("%1 en el punto %2").arg(tipOf(lead), named(pointNames, point));
    }
    if (key >= closeBreakBase && key < closeBreakBase + 50)
        return QStringLiteral("Cerrar el corte %1").arg(key - closeBreakBase + 1);
    if (key >= openBreakBase && key < openBreakBase + 50)
        return QStringLiteral("Abrir el corte %1").arg(key - openBreakBase + 1);
    if (key >= circuitBase && key < circuitBase + 100)
        return QStringLiteral("Circuito: %1").arg(named(circuitTitles, key - circuitBase));
    return QStringLiteral("Tecla %1").arg(key);
}
