#pragma once

#include <QString>

#include <functional>

// One part of a bench circuit, between two nodes (node 0 is ground). An element is data
// that a solve reads, plus the little state some parts carry from one solve to the next
// (a capacitor's voltage, a lamp's filament temperature, a fuse's heat and whether it has
// opened). Currents are positive from the first node to the second through the element.
enum class ElementKind {
    Resistor,      // value: ohms
    Capacitor,     // value: farads
    VoltageSource, // value (or waveform): volts of the first node over the second
    CurrentSource, // value (or waveform): amperes from the first node to the second through it
    TestSource,    // an open-circuit voltage (value or waveform) behind a series resistance
    Diode,         // anode first, cathode second
    Lamp,
    Fuse,
    PowerSupply, // the bench supply: its positive terminal first
};

// The exponential law I = IS (exp(V / (N Vt)) - 1) with a series resistance RS.
struct DiodeModel {
    double saturationCurrent = 1e-14; // IS, amperes
    double emission = 1.0;            // N
    double seriesResistance = 0.0;    // RS, ohms
};

// A filament lamp: its resistance goes from cold to hot as its temperature rises, and its
// temperature follows the power it takes with a first-order lag. The temperature is kept
// as `heat`: 0 cold, 1 at the rated power, in steady state the power over the rated power.
struct LampModel {
    double ratedVoltage = 12.0;
    double ratedCurrent = 0.1;
    double coldResistance = 12.0; // ohms at room temperature
    double timeConstant = 0.05;   // seconds
    double hotResistance() const { return ratedVoltage / ratedCurrent; }
    double ratedPower() const { return ratedVoltage * ratedCurrent; }
    // The resistance at a given heat.
    double resistanceAt(double heat) const { return coldResistance + (hotResistance() - coldResistance) * heat; }
};

// A fuse: a small resistance that opens when the current stays above its rating long
// enough. It adds up (I² - rating²) dt while above the rating and opens when the sum passes
// `meltingIntegral`; below the rating the sum cools away with `coolingTime`. An operating
// point stands for a state held indefinitely, so there any current above the rating opens it.
struct FuseModel {
    double ratedCurrent = 1.0;    // amperes
    double resistance = 0.01;     // ohms, whole
    double meltingIntegral = 0.1; // A²s above the rating
    double coolingTime = 1.0;     // seconds
};

// The bench power supply: constant voltage at the set point until the current reaches the
// limit, then constant current at the limit (its CC lamp lit), the voltage falling below the
// set point. Off, its terminals are open.
struct SupplySettings {
    static constexpr double maximumVoltage = 30.0;
    static constexpr double maximumCurrent = 4.0;
    double setPoint = 0.0;     // volts
    double currentLimit = 1.0; // amperes
    bool outputOn = true;

    bool operator==(const SupplySettings&) const = default;
};

struct Element {
    ElementKind kind = ElementKind::Resistor;
    QString name;
    int first = 0;
    int second = 0;
    double value = 0.0;
    // For sources: the value as a function of time in seconds; when empty, `value` holds.
    std::function<double(double)> waveform;
    double seriesResistance = 0.0; // TestSource only
    DiodeModel diode;
    LampModel lamp;
    FuseModel fuse;
    SupplySettings supply;

    // State carried between solves.
    double capacitorVoltage = 0.0;
    double capacitorCurrent = 0.0;
    double lampHeat = 0.0;
    double fuseHeat = 0.0;
    bool fuseOpen = false;
    bool supplyLimiting = false; // the supply is in constant current: its CC lamp is lit

    // The source's value at a time (its DC value when it has no waveform).
    double sourceValueAt(double seconds) const { return waveform ? waveform(seconds) : value; }
    bool isSource() const;
};

// Elements as the bench attaches them (the meter's inputs, a link across a break).
namespace Elements {
Element resistor(const QString& name, int first, int second, double ohms);
// A shunt and its fuse, one element: the fuse's resistance is the shunt's plus its own.
Element fusedShunt(const QString& name, int first, int second, double ohms, const FuseModel& fuse);
// An open-circuit voltage in series with a resistance, its positive side on `first`.
Element testSource(const QString& name, int first, int second, double openVoltage, double ohms);
// A zero-volt source: a wire whose current the solve reports.
Element link(const QString& name, int first, int second);
} // namespace Elements
