#pragma once

#include "sim/circuit/Circuit.h"
#include "sim/circuit/CircuitSolver.h"

#include <Eigen/Dense>

#include <vector>

// The system of equations of one solve: the circuit stamped into a dense matrix (modified
// nodal analysis), solved by LU with partial pivoting, by Newton's method for the diodes and
// lamps, with the supply's two modes settled around it. CircuitSolver runs the analyses.
namespace CircuitSolver {

// At the operating point capacitors are open and lamps at their steady temperature; a
// transient step uses the capacitors' trapezoidal companions and the lamps' present heat.
enum class Analysis { OperatingPoint, TransientStep };

// Where each element's extra unknowns sit in the system.
struct Layout {
    int size = 0;
    std::vector<int> innerNode; // a diode's node between its series resistance and its junction
    std::vector<int> branch;    // a voltage source's current
};

// A lamp's resistance held at a voltage long enough: R (R - Rcold) = (Rhot - Rcold) V² / Prated.
double steadyLampResistance(const LampModel& lamp, double voltage);

class MnaSystem {
public:
    MnaSystem(Circuit& circuit, Analysis analysis, double time, double step);
    // Newton's method from `unknowns` (resized as the layout asks); the supply's modes are
    // settled around it.
    SolveStatus solve(Eigen::VectorXd& unknowns, int& iterations);
    double nodeVoltage(const Eigen::VectorXd& unknowns, int node) const;
    // The current of element `index` at the solution `unknowns`.
    double elementCurrent(const Eigen::VectorXd& unknowns, std::size_t index) const;

private:
    void resize(Eigen::VectorXd& unknowns);
    double junctionVoltage(const Eigen::VectorXd& unknowns, std::size_t index) const;
    double capacitorConductance(const Element& element) const { return 2.0 * std::max(element.value, 0.0) / m_step; }
    static double testResistance(const Element& element) { return std::max(element.seriesResistance, 1e-6); }
    double lampResistance(const Element& element, double across) const;
    // Stamps: a conductance between two unknowns (-1 is ground), a current leaving `from`
    // and entering `to` through the element.
    void conductance(int a, int b, double g);
    void current(int from, int to, double amperes);
    void voltageSource(int positive, int negative, int branch, double volts);
    void assemble(const Eigen::VectorXd& unknowns);
    SolveStatus newton(Eigen::VectorXd& unknowns, int& iterations);
    bool hasNonlinearParts() const;
    // A supply that gives more than its limit goes to constant current; one whose voltage
    // would rise above its set point at the limit goes back to constant voltage. True when
    // some supply changed.
    bool updateSupplyModes(const Eigen::VectorXd& unknowns);
    // A supply shorted by a wire leaves no single solution at constant voltage; at its
    // limit it has one. True when some supply was moved to its limit.
    bool forceSuppliesToLimit();

    Circuit& m_circuit;
    Analysis m_analysis;
    double m_time;
    double m_step;
    Layout m_layout;
    Eigen::MatrixXd m_matrix;
    Eigen::VectorXd m_rightSide;
    Eigen::PartialPivLU<Eigen::MatrixXd> m_lu;
    std::vector<double> m_junction;
};

} // namespace CircuitSolver
