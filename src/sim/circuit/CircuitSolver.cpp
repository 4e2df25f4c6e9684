#include "sim/circuit/CircuitSolver.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

double Solution::voltage(int node) const
{
    return node > 0 && std::size_t(node) < nodeVoltages.size() ? nodeVoltages[std::size_t(node)] : 0.0;
}

double Solution::current(int element) const
{
    return element >= 0 && std::size_t(element) < elementCurrents.size() ? elementCurrents[std::size_t(element)] : 0.0;
}

std::vector<double> Transient::voltageBetween(int first, int second) const
{
    const auto trace = [this](int node) -> const std::vector<double>* {
        return node > 0 && std::size_t(node) < nodeVoltages.size() ? &nodeVoltages[std::size_t(node)] : nullptr;
    };
    const std::vector<double>* a = trace(first);
    const std::vector<double>* b = trace(second);
    const std::size_t count = a ? a->size() : b ? b->size() : 0;
    std::vector<double> difference(count, 0.0);
    for (std::size_t i = 0; i < count; ++i)
        difference[i] = (a ? (*a)[i] : 0.0) - (b ? (*b)[i] : 0.0);
    return difference;
}

namespace CircuitSolver {
namespace {

constexpr int maximumNewtonIterations = 200;
constexpr int maximumModeChanges = 12;
constexpr double largestPlausible = 1e9; // volts or amperes: beyond it the system was singular
constexpr double relativeTolerance = 1e-7;
constexpr double absoluteTolerance = 1e-10;
constexpr double largestExponent = 80.0;

enum class Analysis { OperatingPoint, TransientStep };

// Where each element's extra unknowns sit in the system.
struct Layout {
    int size = 0;
    std::vector<int> innerNode; // a diode's node between its series resistance and its junction
    std::vector<int> branch;    // a voltage source's current
};

bool supplyActsAsVoltageSource(const Element& element)
{
    return element.kind == ElementKind::PowerSupply && element.supply.outputOn && !element.supplyLimiting;
}

double supplyVoltage(const Element& element)
{
    return std::clamp(element.supply.setPoint, 0.0, SupplySettings::maximumVoltage);
}

double supplyLimit(const Element& element)
{
    return std::clamp(element.supply.currentLimit, 0.0, SupplySettings::maximumCurrent);
}

Layout layoutOf(const Circuit& circuit)
{
    Layout layout;
    layout.size = circuit.nodeCount() - 1;
    const auto& elements = circuit.elements();
    layout.innerNode.assign(elements.size(), -1);
    layout.branch.assign(elements.size(), -1);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& element = elements[i];
        if (element.kind == ElementKind::Diode && element.diode.seriesResistance > 0)
            layout.innerNode[i] = layout.size++;
        if (element.kind == ElementKind::VoltageSource || supplyActsAsVoltageSource(element))
            layout.branch[i] = layout.size++;
    }
    return layout;
}

double diodeEmissionVoltage(const Element& element)
{
    return std::max(element.diode.emission, 0.01) * thermalVoltage;
}

// The junction's current and conductance at a voltage; beyond a large exponent the
// exponential goes on as its tangent, so that no number overflows.
void diodeLaw(const Element& element, double voltage, double& current, double& conductance)
{
    const double nvt = diodeEmissionVoltage(element);
    const double saturation = std::max(element.diode.saturationCurrent, 1e-30);
    const double exponent = voltage / nvt;
    if (exponent > largestExponent) {
        const double top = std::exp(largestExponent);
        conductance = saturation * top / nvt;
        current = saturation * (top - 1.0) + conductance * (voltage - largestExponent * nvt);
    } else {
        const double e = std::exp(exponent);
        current = saturation * (e - 1.0);
        conductance = saturation * e / nvt;
    }
    current += minimumConductance * voltage;
    conductance += minimumConductance;
}

// The junction voltage Newton may try next, limited as circuit simulators do, so that a
// step far up the exponential becomes a step along its logarithm.
double limitJunctionStep(const Element& element, double proposed, double previous, bool& limited)
{
    const double nvt = diodeEmissionVoltage(element);
    const double saturation = std::max(element.diode.saturationCurrent, 1e-30);
    const double critical = nvt * std::log(nvt / (std::sqrt(2.0) * saturation));
    if (proposed > critical && std::abs(proposed - previous) > 2.0 * nvt) {
        limited = true;
        if (previous > 0.0) {
            const double argument = 1.0 + (proposed - previous) / nvt;
            return argument > 0.0 ? previous + nvt * std::log(argument) : critical;
        }
        return nvt * std::log(proposed / nvt);
    }
    return proposed;
}

// A lamp held at a voltage long enough: R (R - Rcold) = (Rhot - Rcold) V² / Prated.
double steadyLampResistance(const LampModel& lamp, double voltage)
{
    const double k = std::max(lamp.hotResistance() - lamp.coldResistance, 0.0) / std::max(lamp.ratedPower(), 1e-12);
    const double cold = std::max(lamp.coldResistance, 1e-6);
    return (cold + std::sqrt(cold * cold + 4.0 * k * voltage * voltage)) / 2.0;
}

// Everything one solve needs: the circuit, the analysis, the time and step.
class System {
public:
    System(Circuit& circuit, Analysis analysis, double time, double step)
        : m_circuit(circuit), m_analysis(analysis), m_time(time), m_step(step)
    {
    }

    // Newton's method from `unknowns` (resized as the layout asks); the supply's modes are
    // settled around it.
    SolveStatus solve(Eigen::VectorXd& unknowns, int& iterations)
    {
        SolveStatus status = SolveStatus::Solved;
        for (int change = 0; change <= maximumModeChanges; ++change) {
            m_layout = layoutOf(m_circuit);
            resize(unknowns);
            status = newton(unknowns, iterations);
            if (status == SolveStatus::Singular && forceSuppliesToLimit())
                continue;
            if (status != SolveStatus::Solved || !updateSupplyModes(unknowns))
                return status;
        }
        return SolveStatus::NoConvergence;
    }

    double nodeVoltage(const Eigen::VectorXd& unknowns, int node) const
    {
        return node > 0 ? unknowns[node - 1] : 0.0;
    }

    // The current of element `index` at the solution `unknowns`.
    double elementCurrent(const Eigen::VectorXd& unknowns, std::size_t index) const
    {
        const Element& element = m_circuit.elements()[index];
        const double across = nodeVoltage(unknowns, element.first) - nodeVoltage(unknowns, element.second);
        switch (element.kind) {
        case ElementKind::Resistor:
            return element.value > 0 ? across / element.value : 0.0;
        case ElementKind::Capacitor:
            if (m_analysis == Analysis::OperatingPoint)
                return 0.0;
            return capacitorConductance(element) * (across - element.capacitorVoltage) - element.capacitorCurrent;
        case ElementKind::VoltageSource:
            return unknowns[m_layout.branch[index]];
        case ElementKind::CurrentSource:
            return element.sourceValueAt(m_time);
        case ElementKind::TestSource:
            return (across - element.sourceValueAt(m_time)) / testResistance(element);
        case ElementKind::Diode: {
            if (m_layout.innerNode[index] >= 0)
                return (nodeVoltage(unknowns, element.first) - unknowns[m_layout.innerNode[index]])
                    / element.diode.seriesResistance;
            double current = 0.0;
            double conductance = 0.0;
            diodeLaw(element, across, current, conductance);
            return current;
        }
        case ElementKind::Lamp:
            return across / lampResistance(element, across);
        case ElementKind::Fuse:
            return element.fuseOpen ? 0.0 : across / std::max(element.fuse.resistance, 1e-9);
        case ElementKind::PowerSupply:
            if (!element.supply.outputOn)
                return 0.0;
            return element.supplyLimiting ? -supplyLimit(element) : unknowns[m_layout.branch[index]];
        }
        return 0.0;
    }

private:
    void resize(Eigen::VectorXd& unknowns)
    {
        const Eigen::Index old = unknowns.size();
        unknowns.conservativeResize(m_layout.size);
        for (Eigen::Index i = old; i < m_layout.size; ++i)
            unknowns[i] = 0.0;
        m_matrix.resize(m_layout.size, m_layout.size);
        m_rightSide.resize(m_layout.size);
        m_junction.assign(m_circuit.elements().size(), 0.0);
        for (std::size_t i = 0; i < m_circuit.elements().size(); ++i)
            if (m_circuit.elements()[i].kind == ElementKind::Diode)
                m_junction[i] = junctionVoltage(unknowns, i);
    }

    double junctionVoltage(const Eigen::VectorXd& unknowns, std::size_t index) const
    {
        const Element& element = m_circuit.elements()[index];
        const double anode = m_layout.innerNode[index] >= 0 ? unknowns[m_layout.innerNode[index]]
                                                              : nodeVoltage(unknowns, element.first);
        return anode - nodeVoltage(unknowns, element.second);
    }

    double capacitorConductance(const Element& element) const { return 2.0 * std::max(element.value, 0.0) / m_step; }
    static double testResistance(const Element& element) { return std::max(element.seriesResistance, 1e-6); }

    double lampResistance(const Element& element, double across) const
    {
        return m_analysis == Analysis::OperatingPoint ? steadyLampResistance(element.lamp, across)
                                                      : std::max(element.lamp.resistanceAt(element.lampHeat), 1e-6);
    }

    // Stamps: a conductance between two unknowns (-1 is ground), a current leaving `from`
    // and entering `to` through the element.
    void conductance(int a, int b, double g)
    {
        if (a >= 0)
            m_matrix(a, a) += g;
        if (b >= 0)
            m_matrix(b, b) += g;
        if (a >= 0 && b >= 0) {
            m_matrix(a, b) -= g;
            m_matrix(b, a) -= g;
        }
    }
    void current(int from, int to, double amperes)
    {
        if (from >= 0)
            m_rightSide[from] -= amperes;
        if (to >= 0)
            m_rightSide[to] += amperes;
    }
    void voltageSource(int positive, int negative, int branch, double volts)
    {
        if (positive >= 0) {
            m_matrix(positive, branch) += 1.0;
            m_matrix(branch, positive) += 1.0;
        }
        if (negative >= 0) {
            m_matrix(negative, branch) -= 1.0;
            m_matrix(branch, negative) -= 1.0;
        }
        m_rightSide[branch] += volts;
    }

    void assemble(const Eigen::VectorXd& unknowns)
    {
        m_matrix.setZero();
        m_rightSide.setZero();
        for (int node = 0; node < m_circuit.nodeCount() - 1; ++node)
            m_matrix(node, node) += minimumConductance;
        const auto& elements = m_circuit.elements();
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const Element& element = elements[i];
            const int a = element.first - 1;
            const int b = element.second - 1;
            switch (element.kind) {
            case ElementKind::Resistor:
                if (element.value > 0)
                    conductance(a, b, 1.0 / element.value);
                break;
            case ElementKind::Capacitor:
                if (m_analysis == Analysis::TransientStep) {
                    const double g = capacitorConductance(element);
                    conductance(a, b, g);
                    current(b, a, g * element.capacitorVoltage + element.capacitorCurrent);
                }
                break;
            case ElementKind::VoltageSource:
                voltageSource(a, b, m_layout.branch[i], element.sourceValueAt(m_time));
                break;
            case ElementKind::CurrentSource:
                current(a, b, element.sourceValueAt(m_time));
                break;
            case ElementKind::TestSource: {
                const double g = 1.0 / testResistance(element);
                conductance(a, b, g);
                current(b, a, g * element.sourceValueAt(m_time));
                break;
            }
            case ElementKind::Diode: {
                int anode = a;
                if (m_layout.innerNode[i] >= 0) {
                    anode = m_layout.innerNode[i];
                    conductance(a, anode, 1.0 / element.diode.seriesResistance);
                }
                double id = 0.0;
                double gd = 0.0;
                diodeLaw(element, m_junction[i], id, gd);
                conductance(anode, b, gd);
                current(anode, b, id - gd * m_junction[i]);
                break;
            }
            case ElementKind::Lamp: {
                const double across = nodeVoltage(unknowns, element.first) - nodeVoltage(unknowns, element.second);
                if (m_analysis == Analysis::OperatingPoint) {
                    // I = V / R(V), linearised where Newton stands.
                    const LampModel& lamp = element.lamp;
                    const double r = steadyLampResistance(lamp, across);
                    const double k = std::max(lamp.hotResistance() - lamp.coldResistance, 0.0)
                        / std::max(lamp.ratedPower(), 1e-12);
                    const double slope = 2.0 * k * across / (2.0 * r - std::max(lamp.coldResistance, 1e-6)); // dR/dV
                    const double g = std::max(1.0 / r - across * slope / (r * r), 1e-12);
                    conductance(a, b, g);
                    current(a, b, across / r - g * across);
                } else {
                    conductance(a, b, 1.0 / lampResistance(element, across));
                }
                break;
            }
            case ElementKind::Fuse:
                if (!element.fuseOpen)
                    conductance(a, b, 1.0 / std::max(element.fuse.resistance, 1e-9));
                break;
            case ElementKind::PowerSupply:
                if (!element.supply.outputOn)
                    break;
                if (element.supplyLimiting)
                    current(a, b, -supplyLimit(element));
                else
                    voltageSource(a, b, m_layout.branch[i], supplyVoltage(element));
                break;
            }
        }
    }

    SolveStatus newton(Eigen::VectorXd& unknowns, int& iterations)
    {
        for (int iteration = 0; iteration < maximumNewtonIterations; ++iteration) {
            ++iterations;
            assemble(unknowns);
            m_lu.compute(m_matrix);
            const auto pivots = m_lu.matrixLU().diagonal().cwiseAbs();
            if (m_layout.size > 0 && !(pivots.minCoeff() > 0.0))
                return SolveStatus::Singular;
            const Eigen::VectorXd next = m_lu.solve(m_rightSide);
            if (!next.allFinite() || (m_layout.size > 0 && next.cwiseAbs().maxCoeff() > largestPlausible))
                return SolveStatus::Singular;
            bool limited = false;
            for (std::size_t i = 0; i < m_junction.size(); ++i)
                if (m_circuit.elements()[i].kind == ElementKind::Diode)
                    m_junction[i] = limitJunctionStep(m_circuit.elements()[i], junctionVoltage(next, i), m_junction[i], limited);
            const bool settled = iteration > 0 && !limited
                && ((next - unknowns).cwiseAbs().array()
                    <= relativeTolerance * next.cwiseAbs().array().max(unknowns.cwiseAbs().array()) + absoluteTolerance)
                       .all();
            unknowns = next;
            if (settled || (iteration > 0 && !limited && !hasNonlinearParts()))
                return SolveStatus::Solved;
        }
        return SolveStatus::NoConvergence;
    }

    bool hasNonlinearParts() const
    {
        return std::any_of(m_circuit.elements().begin(), m_circuit.elements().end(), [this](const Element& element) {
            return element.kind == ElementKind::Diode
                || (element.kind == ElementKind::Lamp && m_analysis == Analysis::OperatingPoint);
        });
    }

    // A supply that gives more than its limit goes to constant current; one whose voltage
    // would rise above its set point at the limit goes back to constant voltage. True when
    // some supply changed.
    bool updateSupplyModes(const Eigen::VectorXd& unknowns)
    {
        bool changed = false;
        auto& elements = m_circuit.elements();
        for (std::size_t i = 0; i < elements.size(); ++i) {
            Element& element = elements[i];
            if (element.kind != ElementKind::PowerSupply || !element.supply.outputOn)
                continue;
            if (!element.supplyLimiting) {
                const double delivered = -unknowns[m_layout.branch[i]];
                if (delivered > supplyLimit(element) * (1.0 + 1e-9)) {
                    element.supplyLimiting = true;
                    changed = true;
                }
            } else {
                const double across = nodeVoltage(unknowns, element.first) - nodeVoltage(unknowns, element.second);
                if (across > supplyVoltage(element)) {
                    element.supplyLimiting = false;
                    changed = true;
                }
            }
        }
        return changed;
    }

    // A supply shorted by a wire leaves no single solution at constant voltage; at its
    // limit it has one. True when some supply was moved to its limit.
    bool forceSuppliesToLimit()
    {
        bool changed = false;
        for (Element& element : m_circuit.elements())
            if (supplyActsAsVoltageSource(element)) {
                element.supplyLimiting = true;
                changed = true;
            }
        return changed;
    }

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

Solution solutionOf(const System& system, const Circuit& circuit, const Eigen::VectorXd& unknowns)
{
    Solution solution;
    solution.nodeVoltages.resize(std::size_t(circuit.nodeCount()));
    for (int node = 0; node < circuit.nodeCount(); ++node)
        solution.nodeVoltages[std::size_t(node)] = system.nodeVoltage(unknowns, node);
    solution.elementCurrents.resize(circuit.elements().size());
    for (std::size_t i = 0; i < circuit.elements().size(); ++i)
        solution.elementCurrents[i] = system.elementCurrent(unknowns, i);
    return solution;
}

// Opens the fuses the solution overloads; true when one opened.
bool openOverloadedFuses(Circuit& circuit, const Solution& solution)
{
    bool opened = false;
    auto& elements = circuit.elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        Element& element = elements[i];
        if (element.kind == ElementKind::Fuse && !element.fuseOpen
            && std::abs(solution.elementCurrents[i]) > element.fuse.ratedCurrent) {
            element.fuseOpen = true;
            opened = true;
        }
    }
    return opened;
}

// After a time step: the capacitors' charge, the lamps' heat, the fuses' heat.
void advanceState(Circuit& circuit, const Solution& solution, double step)
{
    auto& elements = circuit.elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        Element& element = elements[i];
        const double current = solution.elementCurrents[i];
        switch (element.kind) {
        case ElementKind::Capacitor:
            element.capacitorVoltage = solution.voltageBetween(element.first, element.second);
            element.capacitorCurrent = current;
            break;
        case ElementKind::Lamp: {
            const double power = current * current * element.lamp.resistanceAt(element.lampHeat);
            const double ratio = step / std::max(element.lamp.timeConstant, 1e-9);
            element.lampHeat = (element.lampHeat + ratio * power / std::max(element.lamp.ratedPower(), 1e-12)) / (1.0 + ratio);
            break;
        }
        case ElementKind::Fuse: {
            const double excess = current * current - element.fuse.ratedCurrent * element.fuse.ratedCurrent;
            if (excess > 0)
                element.fuseHeat += excess * step;
            else
                element.fuseHeat -= element.fuseHeat * std::min(step / std::max(element.fuse.coolingTime, 1e-9), 1.0);
            if (element.fuseHeat > element.fuse.meltingIntegral)
                element.fuseOpen = true;
            break;
        }
        default:
            break;
        }
    }
}

} // namespace

Solution operatingPoint(Circuit& circuit, double time)
{
    Eigen::VectorXd unknowns;
    Solution solution;
    int iterations = 0;
    // Each round may open one more fuse; there are no more rounds than elements.
    for (std::size_t round = 0; round <= circuit.elements().size(); ++round) {
        System system(circuit, Analysis::OperatingPoint, time, 1.0);
        const SolveStatus status = system.solve(unknowns, iterations);
        if (status != SolveStatus::Solved) {
            solution = Solution{};
            solution.status = status;
            solution.nodeVoltages.assign(std::size_t(circuit.nodeCount()), 0.0);
            solution.elementCurrents.assign(circuit.elements().size(), 0.0);
            break;
        }
        solution = solutionOf(system, circuit, unknowns);
        if (!openOverloadedFuses(circuit, solution))
            break;
    }
    solution.iterations = iterations;
    if (solution.solved()) {
        auto& elements = circuit.elements();
        for (std::size_t i = 0; i < elements.size(); ++i) {
            Element& element = elements[i];
            const double across = solution.voltageBetween(element.first, element.second);
            if (element.kind == ElementKind::Capacitor) {
                element.capacitorVoltage = across;
                element.capacitorCurrent = 0.0;
            } else if (element.kind == ElementKind::Lamp) {
                const double r = steadyLampResistance(element.lamp, across);
                element.lampHeat = across * across / r / std::max(element.lamp.ratedPower(), 1e-12);
            }
        }
    }
    return solution;
}

Solution advance(Circuit& circuit, double time, double step)
{
    Eigen::VectorXd unknowns;
    int iterations = 0;
    const double dt = step > 0 && std::isfinite(step) ? step : 1e-3;
    System system(circuit, Analysis::TransientStep, time, dt);
    const SolveStatus status = system.solve(unknowns, iterations);
    if (status != SolveStatus::Solved) {
        Solution failed;
        failed.status = status;
        failed.nodeVoltages.assign(std::size_t(circuit.nodeCount()), 0.0);
        failed.elementCurrents.assign(circuit.elements().size(), 0.0);
        return failed;
    }
    Solution solution = solutionOf(system, circuit, unknowns);
    solution.iterations = iterations;
    advanceState(circuit, solution, dt);
    return solution;
}

Transient transient(Circuit& circuit, const TransientRequest& request)
{
    Transient result;
    const int steps = std::clamp(request.stepsPerPeriod, 4, 100000);
    const double period = request.period > 0 && std::isfinite(request.period) ? request.period : 1e-3;
    result.step = period / steps;
    const Solution start = operatingPoint(circuit, 0.0);
    if (!start.solved()) {
        result.status = start.status;
        return result;
    }
    Eigen::VectorXd unknowns;
    int iterations = 0;
    double time = 0.0;
    long stepIndex = 0;
    // One step; false (with the status recorded) when the circuit had no solution.
    const auto advance = [&](Solution* out) {
        ++stepIndex;
        time = double(stepIndex) * result.step;
        System system(circuit, Analysis::TransientStep, time, result.step);
        const SolveStatus status = system.solve(unknowns, iterations);
        if (status != SolveStatus::Solved) {
            result.status = status;
            return false;
        }
        Solution solution = solutionOf(system, circuit, unknowns);
        advanceState(circuit, solution, result.step);
        if (out)
            *out = std::move(solution);
        return true;
    };

    Solution last = start;
    std::vector<double> previousEnd = start.nodeVoltages;
    for (int settling = 0; settling < std::max(request.maximumSettlingPeriods, 1); ++settling) {
        for (int i = 0; i < steps; ++i)
            if (!advance(i + 1 == steps ? &last : nullptr))
                return result;
        result.settlingPeriods = settling + 1;
        double largest = 0.0;
        double change = 0.0;
        for (std::size_t node = 0; node < previousEnd.size(); ++node) {
            largest = std::max(largest, std::abs(last.nodeVoltages[node]));
            change = std::max(change, std::abs(last.nodeVoltages[node] - previousEnd[node]));
        }
        previousEnd = last.nodeVoltages;
        if (settling > 0 && change <= 1e-6 * largest + 1e-9)
            break;
    }

    const std::size_t samples = std::size_t(std::max(request.recordedPeriods, 1)) * std::size_t(steps) + 1;
    result.nodeVoltages.assign(std::size_t(circuit.nodeCount()), std::vector<double>(samples));
    result.elementCurrents.assign(circuit.elements().size(), std::vector<double>(samples));
    const auto record = [&result](const Solution& solution, std::size_t sample) {
        for (std::size_t node = 0; node < solution.nodeVoltages.size(); ++node)
            result.nodeVoltages[node][sample] = solution.nodeVoltages[node];
        for (std::size_t element = 0; element < solution.elementCurrents.size(); ++element)
            result.elementCurrents[element][sample] = solution.elementCurrents[element];
    };
    record(last, 0);
    for (std::size_t sample = 1; sample < samples; ++sample) {
        if (!advance(&last))
            return result;
        record(last, sample);
    }
    return result;
}

QString statusText(SolveStatus status)
{
    switch (status) {
    case SolveStatus::Solved:
        return QStringLiteral("resuelto");
    case SolveStatus::Singular:
        return QStringLiteral("el circuito no tiene una solución única (¿una malla de fuentes de tensión, o un nodo "
                              "que nada sujeta?)");
    case SolveStatus::NoConvergence:
        return QStringLiteral("el cálculo no converge");
    }
    return {};
}

} // namespace CircuitSolver
