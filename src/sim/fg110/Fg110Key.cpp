#include "sim/fg110/Fg110Key.h"

#include <map>

namespace {

const std::map<Fg110Key, QString>& legends()
{
    static const std::map<Fg110Key, QString> table{
        {Fg110Key::LocalManualTrigger, QStringLiteral("LOCAL")},
        {Fg110Key::Range, QStringLiteral("RANGE")},
        {Fg110Key::Mode, QStringLiteral("MODE")},
        {Fg110Key::Frequency, QStringLiteral("FREQ")},
        {Fg110Key::Amplitude, QStringLiteral("AMPL")},
        {Fg110Key::Shift, QStringLiteral("SHIFT")},
        {Fg110Key::Recall, QStringLiteral("RECALL")},
        {Fg110Key::Function, QStringLiteral("FUNC")},
        {Fg110Key::Phase, QStringLiteral("PHASE")},
        {Fg110Key::Offset, QStringLiteral("OFFSET")},
        {Fg110Key::Power, QStringLiteral("POWER")},
        {Fg110Key::Channel1, QStringLiteral("CH1")},
        {Fg110Key::Point, QStringLiteral(".")},
        {Fg110Key::Sign, QStringLiteral("+/-")},
        {Fg110Key::UnitMHz, QStringLiteral("MHz")},
        {Fg110Key::UnitKHz, QStringLiteral("kHz")},
        {Fg110Key::UnitHz, QStringLiteral("Hz")},
        {Fg110Key::UnitMilliHz, QStringLiteral("mHz")},
        {Fg110Key::CursorLeft, QStringLiteral("◄")},
        {Fg110Key::CursorRight, QStringLiteral("►")},
        {Fg110Key::KnobDown, QStringLiteral("rueda -")},
        {Fg110Key::KnobUp, QStringLiteral("rueda +")},
    };
    return table;
}

} // namespace

const std::vector<Fg110Key>& fg110Keys()
{
    static const std::vector<Fg110Key> all = [] {
        std::vector<Fg110Key> keys;
        for (int k = int(Fg110Key::LocalManualTrigger); k <= int(Fg110Key::KnobUp); ++k)
            keys.push_back(Fg110Key(k));
        return keys;
    }();
    return all;
}

int fg110KeyDigit(Fg110Key key)
{
    const int d = int(key) - int(Fg110Key::Digit0);
    return d >= 0 && d <= 9 ? d : -1;
}

Fg110Key fg110DigitKey(int digit)
{
    return Fg110Key(int(Fg110Key::Digit0) + digit);
}

QString fg110KeyLegend(Fg110Key key)
{
    const int digit = fg110KeyDigit(key);
    if (digit >= 0)
        return QString::number(digit);
    return legends().at(key);
}
