#pragma once

#include "sim/circuit/Circuit.h"

#include <QString>

#include <vector>

// Solves a bench circuit by modified nodal analysis: one unknown per node (ground apart)
// and per diode's inner node, one per voltage source's current, a dense system solved by
// LU with partial pivoting, and Newton's method for the diodes and lamps. Nothing escapes
// as an exception and nothing runs without a cap: a circuit with no solution comes back
// as a status.
enum class SolveStatus {
    Solved,
    Singular,      // no single solution: a loop of sources, a node held by nothing
    NoConvergence, // Newton's method stopped at its cap
};

// Node voltages (by node index; node 0 is 0 V) and each element's current (by element
// index, from its first node to its second through it).
struct Solution {
    SolveStatus status = SolveStatus::Solved;
    std::vector<double> nodeVoltages;
    std::vector<double> elementCurrents;
    int iterations = 0;

    bool solved() const { return status == SolveStatus::Solved; }
    double voltage(int node) const;
    double voltageBetween(int first, int second) const { return voltage(first) - voltage(second); }
    double current(int element) const;
};

// What a transient run records: `recordedPeriods` whole periods after the circuit has
// settled, `stepsPerPeriod` samples each, plus the sample that closes the last period. So
// that no run stalls, at most 20,000 steps a period, 90 periods to settle and 10 recorded.
struct TransientRequest {
    double period = 1e-3; // seconds
    int stepsPerPeriod = 200;
    int recordedPeriods = 2;
    int maximumSettlingPeriods = 60;
};

// Samples at equal steps over whole periods: nodeVoltages[node][sample] and
// elementCurrents[element][sample].
struct Transient {
    SolveStatus status = SolveStatus::Solved;
    double step = 0.0;
    int settlingPeriods = 0;
    std::vector<std::vector<double>> nodeVoltages;
    std::vector<std::vector<double>> elementCurrents;

    bool solved() const { return status == SolveStatus::Solved; }
    std::vector<double> voltageBetween(int first, int second) const;
};

namespace CircuitSolver {

// Thermal voltage kT/q at 27 °C, the temperature circuit simulators assume by default.
constexpr double thermalVoltage = 0.025864186;
// The conductance put from every node to ground and across every diode junction, so that
// a node left open by a blown fuse or an open switch still has a voltage (0 V).
constexpr double minimumConductance = 1e-12;

// The state the circuit settles in and stays, with the sources at their values at `time`
// (trapezoids held, lamps at their steady temperature, capacitors open). A fuse whose
// rating the current exceeds opens, as it would in time; the parts keep that state.
Solution operatingPoint(Circuit& circuit, double time = 0.0);

// The circuit driven by its sources' waveforms from its operating point at time 0, by the
// trapezoidal rule at a fixed step, until one period ends where the last began (or the
// settling cap), then recorded.
Transient transient(Circuit& circuit, const TransientRequest& request);

// One step of `step` seconds to `time` from the state the circuit's parts carry (after an
// operating point or an earlier step), by the trapezoidal rule: for a bench that lives in
// time, a frame at a time (a lamp warming, a fuse heating, a knob being turned).
Solution advance(Circuit& circuit, double time, double step);

// The status in words, for a message: "sin solución única", …
QString statusText(SolveStatus status);

} // namespace CircuitSolver
