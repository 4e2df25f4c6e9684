#pragma once

#include "sim/common/InstrumentInputs.h"
#include "sim/fg110/Fg110Key.h"
#include "sim/fluke45/Fluke45Key.h"

#include <QString>

#include <optional>

// Every action on the Fluke 45 bench as one int key, so that the practice window, the
// demonstration and an exercise's solution drive the bench alike: the meter's keys, the
// generator's keys, the leads, the supply's knobs and switch, the circuit chosen, a break
// opened or closed and the fuses replaced. Each kind of key has its own block of numbers.
enum class BenchAction {
    SupplyCoarseUp, // the set point's coarse knob: 1 V a step
    SupplyCoarseDown,
    SupplyFineUp, // its fine knob: 0.1 V a step
    SupplyFineDown,
    SupplyLimitUp, // the current limit's knob: 0.1 A a step
    SupplyLimitDown,
    SupplyOutputOn,
    SupplyOutputOff,
    ReplaceFuses, // "Cambiar fusible": both of the meter's input fuses put back
};

namespace BenchKey {

inline constexpr int meterBase = 0;       // + int(Fluke45Key)
inline constexpr int generatorBase = 100; // + int(Fg110Key)
inline constexpr int actionBase = 200;    // + int(BenchAction)
inline constexpr int plugBase = 300;      // + lead * 10 + jack; + lead * 10 + 9 pulls it out
inline constexpr int touchBase = 400;     // + lead * 100 + point; + lead * 100 + 99 lifts it
inline constexpr int circuitBase = 700;   // + the circuit's index in the library
inline constexpr int openBreakBase = 800; // + the break's index in the circuit
inline constexpr int closeBreakBase = 850;
// A bench addresses at most 99 test points a circuit and 100 circuits.
inline constexpr int maximumPoints = 99;

int meter(Fluke45Key key);
int generator(Fg110Key key);
int action(BenchAction action);
// The lead's plug into a jack; none pulls it out.
int plug(Lead lead, std::optional<Jack> jack);
// The lead's tip on a test point (an index in the circuit's list); none, or a point past
// the 99 a key can name, lifts it.
int touch(Lead lead, std::optional<int> point);
int chooseCircuit(int index);
int openBreak(int index);
int closeBreak(int index);

// What a key is, read back.
std::optional<Fluke45Key> meterKey(int key);
std::optional<Fg110Key> generatorKey(int key);
std::optional<BenchAction> actionKey(int key);

} // namespace BenchKey

// The names the bench's jacks and actions are spoken by.
QString jackName(Jack jack); // "V Ω ⊣", "COM", "100 mA", "10 A"
QString benchActionName(BenchAction action);

// A key in Spanish, for a screen reader and a solution's listing: "Multímetro: V DC",
// "Generador: FREQ", "Cable rojo al borne COM", "Punta negra en el punto B", "Fuente: tensión
// +1 V", "Circuito: Pila de 9 V con su resistencia interna". Points and circuits are named
// by the list given; an index outside it is named by its number.
QString benchKeyName(int key, const QStringList& pointNames = {}, const QStringList& circuitTitles = {});
