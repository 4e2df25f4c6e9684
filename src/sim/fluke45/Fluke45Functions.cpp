#include "sim/fluke45/Fluke45Function.h"

#include <map>

// The meter's functions and ranges. A range shows about 30 000 counts at the medium rate
// (300 mV reads "299.99"), 100 000 at the slow rate and 3 000 at the fast one. The ohms
// and diode test source is 3.2 V open-circuit behind the range's resistance, which sets
// the test current: 1 mA on the two lowest ohms ranges and the diode test, then a tenth
// for each range up.
namespace {

Fluke45Range volts(const char* name, double fullScale, const char* unit, double factor, int decimals)
{
    return {QString::fromUtf8(name), fullScale, QString::fromUtf8(unit), factor, decimals};
}

Fluke45Range amps(const char* name, double fullScale, const char* unit, double factor, int decimals, MeterJack jack)
{
    return {QString::fromUtf8(name), fullScale, QString::fromUtf8(unit), factor, decimals, jack};
}

Fluke45Range ohms(const char* name, double fullScale, const char* unit, double factor, int decimals, double source)
{
    return {QString::fromUtf8(name), fullScale, QString::fromUtf8(unit), factor, decimals,
            MeterJack::VoltsOhms,    source};
}

Fluke45Range hertz(const char* name, double fullScale, const char* unit, double factor, int decimals, bool automatic)
{
    return {QString::fromUtf8(name),
            fullScale,
            QString::fromUtf8(unit),
            factor,
            decimals,
            MeterJack::VoltsOhms,
            0,
            automatic};
}

std::vector<Fluke45Range> voltsRanges(double top)
{
    return {volts("300 mV", 0.3, "mV", 1e-3, 2), volts("3 V", 3, "V", 1, 4), volts("30 V", 30, "V", 1, 3),
            volts("300 V", 300, "V", 1, 2),
            top > 999 ? volts("1000 V", 1000, "V", 1, 1) : volts("750 V", 750, "V", 1, 1)};
}

std::vector<Fluke45Range> ampsRanges()
{
    return {amps("30 mA", 0.03, "mA", 1e-3, 3, MeterJack::Milliamps),
            amps("100 mA", 0.1, "mA", 1e-3, 2, MeterJack::Milliamps), amps("10 A", 10, "A", 1, 3, MeterJack::Amps)};
}

const std::map<Fluke45Function, Fluke45FunctionRow>& table()
{
    static const std::map<Fluke45Function, Fluke45FunctionRow> rows = [] {
        std::map<Fluke45Function, Fluke45FunctionRow> all;
        const auto add = [&all](Fluke45FunctionRow row) { all.emplace(row.function, std::move(row)); };
        add({Fluke45Function::VoltsDc, QStringLiteral("V DC"), QStringLiteral("en continua"), false, true, true,
             voltsRanges(1000)});
        add({Fluke45Function::VoltsAc, QStringLiteral("V~"), QStringLiteral("en alterna"), true, false, true,
             voltsRanges(750)});
        add({Fluke45Function::VoltsAcDc, QStringLiteral("V DC+V~"), QStringLiteral("en alterna más continua"), true,
             true, true, voltsRanges(750)});
        add({Fluke45Function::AmpsDc, QStringLiteral("A DC"), QStringLiteral("en continua"), false, true, true,
             ampsRanges()});
        add({Fluke45Function::AmpsAc, QStringLiteral("A~"), QStringLiteral("en alterna"), true, false, true,
             ampsRanges()});
        add({Fluke45Function::AmpsAcDc, QStringLiteral("A DC+A~"), QStringLiteral("en alterna más continua"), true,
             true, true, ampsRanges()});
        add({Fluke45Function::Ohms,
             QStringLiteral("Ω"),
             {},
             false,
             false,
             true,
             {ohms("300 Ω", 300, "Ω", 1, 2, 3.2e3), ohms("3 kΩ", 3e3, "kΩ", 1e3, 4, 3.2e3),
              ohms("30 kΩ", 30e3, "kΩ", 1e3, 3, 32e3), ohms("300 kΩ", 300e3, "kΩ", 1e3, 2, 320e3),
              ohms("3 MΩ", 3e6, "MΩ", 1e6, 4, 3.2e6), ohms("30 MΩ", 30e6, "MΩ", 1e6, 3, 32e6),
              ohms("300 MΩ", 300e6, "MΩ", 1e6, 2, 320e6)}});
        add({Fluke45Function::Diode,
             QStringLiteral("diodos"),
             QStringLiteral("en prueba de diodos"),
             false,
             false,
             true,
             {ohms("3 V", 3, "V", 1, 4, 3.2e3)}});
        // Autorange counts from 5 Hz up; slower signals need the 100 Hz range chosen by hand.
        add({Fluke45Function::Frequency,
             QStringLiteral("FREQ"),
             {},
             false,
             false,
             false,
             {hertz("100 Hz", 100, "Hz", 1, 3, false), hertz("1 kHz", 1e3, "Hz", 1, 2, true),
              hertz("10 kHz", 10e3, "kHz", 1e3, 4, true), hertz("100 kHz", 100e3, "kHz", 1e3, 3, true),
              hertz("1 MHz", 1e6, "kHz", 1e3, 2, true)}});
        return all;
    }();
    return rows;
}

} // namespace

const Fluke45FunctionRow& fluke45Function(Fluke45Function function)
{
    return table().at(function);
}

bool measuresVolts(Fluke45Function function)
{
    return function == Fluke45Function::VoltsDc || function == Fluke45Function::VoltsAc
           || function == Fluke45Function::VoltsAcDc;
}

bool measuresAmps(Fluke45Function function)
{
    return function == Fluke45Function::AmpsDc || function == Fluke45Function::AmpsAc
           || function == Fluke45Function::AmpsAcDc;
}

bool drivesTestCurrent(Fluke45Function function)
{
    return function == Fluke45Function::Ohms || function == Fluke45Function::Diode;
}
