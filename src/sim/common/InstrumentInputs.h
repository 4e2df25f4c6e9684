#pragma once

#include <QString>

#include <limits>
#include <vector>

// What a circuit shows between two points, seen from outside: a source of `volts` behind
// `ohms` (a Thévenin equivalent), with an alternating part of `acVoltsRms` at `hertz`. A pair
// of points joined by nothing is an open circuit; a short circuit has 0 Ω.
struct TerminalSource {
    double volts = 0;
    double ohms = std::numeric_limits<double>::infinity();
    double acVoltsRms = 0;
    double hertz = 0;
};

// What the input terminals of a measuring instrument are connected to: the bench that holds
// the circuit answers for any two of them. Terminals are numbered as the instrument lists them.
class TerminalCircuit {
public:
    virtual ~TerminalCircuit() = default;
    // The circuit between terminal `plus` and terminal `minus`, the instrument itself left out
    // (it adds its own load: a voltmeter's input resistance, an ammeter's shunt).
    virtual TerminalSource between(int plus, int minus) const = 0;
};

// The inputs of an instrument that measures rather than emits (a meter's jacks): their names,
// as the panel prints them, and the circuit they are connected to, if any.
class InstrumentInputs {
public:
    virtual ~InstrumentInputs() = default;
    virtual const std::vector<QString>& terminals() const = 0;
    // Connects the terminals to a circuit, or (nullptr) leaves them in the air. The circuit
    // outlives the connection; the instrument reads it at every key and tick.
    virtual void connect(const TerminalCircuit* circuit) = 0;
};
