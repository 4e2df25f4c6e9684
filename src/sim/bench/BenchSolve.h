#pragma once

#include "sim/circuit/Circuit.h"
#include "sim/circuit/CircuitSolver.h"
#include "sim/common/InstrumentInputs.h"
#include "sim/fg110/Fg110Settings.h"
#include "sim/fluke45/MeterLoad.h"
#include "sim/fluke45/MeterSignals.h"
#include "sim/signal/ScopeSignal.h"

#include <array>
#include <optional>
#include <vector>

// Everything a solve of the bench depends on: what changes it asks for a new solve, and
// what stays the same lets the last one stand.
struct BenchWiring {
    // The circuit node each of the meter's jacks reaches through a lead, if any.
    std::array<std::optional<int>, jackCount> jackNodes;
    std::vector<bool> breaksOpen;
    SupplySettings supply;
    bool generatorOn = false;
    Fg110Settings generator;
    MeterLoad load;
    bool milliampsFuseOpen = false;
    bool ampsFuseOpen = false;

    bool operator==(const BenchWiring&) const = default;
};

// The chosen circuit with the meter's own elements attached between the nodes its jacks
// reach, solved: an operating point when nothing varies in time, whole periods of a
// transient when the generator drives the circuit. It keeps the circuit's parts' state
// (a lamp's heat, a fuse) from one solve to the next, and solves only when the wiring has
// changed.
class BenchSolve {
public:
    // A fresh copy of a circuit, its parts cold and its breaks closed.
    explicit BenchSolve(const Circuit& circuit);

    // Solves for the wiring unless it was the last one solved; true when it solved. The
    // generator's output drives the generator element, if the circuit has one.
    bool solve(const BenchWiring& wiring, const ScopeSignal& generatorOutput);

    // What the meter's jacks see, with its load in place.
    const MeterSignals& meterSignals() const { return m_signals; }
    // Whether a meter fuse opened in the last solve (it stays open until replaced).
    bool milliampsFuseOpen() const { return m_signals.milliampsFuseOpen; }
    bool ampsFuseOpen() const { return m_signals.ampsFuseOpen; }

    // A node's voltage over ground (its mean over the periods of a transient).
    double nodeVolts(int node) const;
    bool supplyLimiting() const;
    double supplyVolts() const;
    double supplyAmps() const;
    // A lamp's heat: 0 cold, 1 at its rated power.
    double lampHeat(const QString& element) const;
    bool solved() const { return m_status == SolveStatus::Solved; }
    // The circuit as last solved: the meter's elements attached, the breaks and sources
    // set, its parts in the state the solve left (a lamp's heat, an open fuse).
    const Circuit& circuit() const { return m_circuit; }

    // The meter's elements and its common point, by name.
    static QString meterCommonNode() { return QStringLiteral("meter common"); }

private:
    void attachMeter(const BenchWiring& wiring);
    void setBreaks(const std::vector<bool>& open);
    void setSources(const BenchWiring& wiring, const ScopeSignal& generatorOutput);
    void solveSteady();
    void solveTransient(double period);
    std::vector<double> jackTrace(int node, int elementIndex) const;

    Circuit m_circuit;
    std::vector<CircuitBreak> m_breaks;
    std::vector<Element> m_links;
    int m_common = 0;
    std::optional<BenchWiring> m_last;
    SolveStatus m_status = SolveStatus::Solved;
    std::vector<double> m_nodeMeans;
    std::vector<double> m_elementMeans;
    MeterSignals m_signals;
};
