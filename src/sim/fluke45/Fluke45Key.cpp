#include "sim/fluke45/Fluke45Key.h"

#include <map>

namespace {

struct Legends {
    QString top;
    QString below;
};

const std::map<Fluke45Key, Legends>& legends()
{
    static const std::map<Fluke45Key, Legends> table{
        {Fluke45Key::VoltsDc, {QStringLiteral("V DC"), {}}},
        {Fluke45Key::AmpsDc, {QStringLiteral("A DC"), {}}},
        {Fluke45Key::Ohms, {QStringLiteral("Ω"), {}}},
        {Fluke45Key::DiodeContinuity, {QStringLiteral("→|·)))"), {}}},
        {Fluke45Key::VoltsAc, {QStringLiteral("V~"), {}}},
        {Fluke45Key::AmpsAc, {QStringLiteral("A~"), {}}},
        {Fluke45Key::Frequency, {QStringLiteral("FREQ"), {}}},
        {Fluke45Key::Auto, {QStringLiteral("AUTO"), QStringLiteral("COMP")}},
        {Fluke45Key::Up, {QStringLiteral("▲"), QStringLiteral("HI")}},
        {Fluke45Key::Down, {QStringLiteral("▼"), QStringLiteral("LO")}},
        {Fluke45Key::Relative, {QStringLiteral("REL"), QStringLiteral("REF #")}},
        {Fluke45Key::Decibels, {QStringLiteral("dB"), QStringLiteral("REF Ω")}},
        {Fluke45Key::Hold, {QStringLiteral("HOLD"), QStringLiteral("THRESH")}},
        {Fluke45Key::MinMax, {QStringLiteral("MN MX"), QStringLiteral("ADDR")}},
        {Fluke45Key::Second, {QStringLiteral("2ND"), {}}},
        {Fluke45Key::Rate, {QStringLiteral("RATE"), {}}},
        {Fluke45Key::Power, {QStringLiteral("POWER"), {}}},
    };
    return table;
}

} // namespace

const std::vector<Fluke45Key>& fluke45Keys()
{
    static const std::vector<Fluke45Key> all = [] {
        std::vector<Fluke45Key> keys;
        for (const auto& [key, legend] : legends())
            keys.push_back(key);
        return keys;
    }();
    return all;
}

QString fluke45KeyLegend(Fluke45Key key)
{
    return legends().at(key).top;
}

QString fluke45SecondLegend(Fluke45Key key)
{
    return legends().at(key).below;
}

bool isFunctionKey(Fluke45Key key)
{
    switch (key) {
    case Fluke45Key::VoltsDc:
    case Fluke45Key::AmpsDc:
    case Fluke45Key::Ohms:
    case Fluke45Key::DiodeContinuity:
    case Fluke45Key::VoltsAc:
    case Fluke45Key::AmpsAc:
    case Fluke45Key::Frequency:
        return true;
    default:
        return false;
    }
}
