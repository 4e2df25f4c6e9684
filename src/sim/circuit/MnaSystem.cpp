#include "sim/circuit/MnaSystem.h"

#include <algorithm>
#include <cmath>

namespace CircuitSolver {
namespace {

constexpr int maximumNewtonIterations = 200;
constexpr int maximumModeChanges = 12;
constexpr double largestPlausible = 1e9; // volts or amperes: beyond it the system was singular
constexpr double relativeTolerance = 1e-7;
constexpr double absoluteTolerance = 1e-10;
constexpr double largestExponent = 80.0;

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

// Everything one solve needs: the circuit, the analysis, the time and step.

} // namespace

double steadyLampResistance(const LampModel& lamp, double voltage)
{
    const double k = std::max(lamp.hotResistance() - lamp.coldResistance, 0.0) / std::max(lamp.ratedPower(), 1e-12);
    const double cold = std::max(lamp.coldResistance, 1e-6);
    return (cold + std::sqrt(cold * cold + 4.0 * k * voltage * voltage)) / 2.0;
}

MnaSystem::MnaSystem(Circuit& circuit, Analysis analysis, double time, double step)
    : m_circuit(circuit)
    , m_analysis(analysis)
    , m_time(time)
    , m_step(step)
{ }

SolveStatus MnaSystem::solve(Eigen::VectorXd& unknowns, int& iterations)
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

double MnaSystem::nodeVoltage(const Eigen::VectorXd& unknowns, int node) const
{
    return node > 0 ? unknowns[node - 1] : 0.0;
}

double MnaSystem::elementCurrent(const Eigen::VectorXd& unknowns, std::size_t index) const
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

void MnaSystem::resize(Eigen::VectorXd& unknowns)
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

double MnaSystem::junctionVoltage(const Eigen::VectorXd& unknowns, std::size_t index) const
{
    const Element& element = m_circuit.elements()[index];
    const double anode =
        m_layout.innerNode[index] >= 0 ? unknowns[m_layout.innerNode[index]] : nodeVoltage(unknowns, element.first);
    return anode - nodeVoltage(unknowns, element.second);
}

double MnaSystem::lampResistance(const Element& element, double across) const
{
    return m_analysis == Analysis::OperatingPoint ? steadyLampResistance(element.lamp, across)
                                                  : std::max(element.lamp.resistanceAt(element.lampHeat), 1e-6);
}

void MnaSystem::conductance(int a, int b, double g)
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

void MnaSystem::current(int from, int to, double amperes)
{
    if (from >= 0)
        m_rightSide[from] -= amperes;
    if (to >= 0)
        m_rightSide[to] += amperes;
}

void MnaSystem::voltageSource(int positive, int negative, int branch, double volts)
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

void MnaSystem::assemble(const Eigen::VectorXd& unknowns)
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
                const double k =
                    std::max(lamp.hotResistance() - lamp.coldResistance, 0.0) / std::max(lamp.ratedPower(), 1e-12);
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

SolveStatus MnaSystem::newton(Eigen::VectorXd& unknowns, int& iterations)
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
                m_junction[i] =
                    limitJunctionStep(m_circuit.elements()[i], junctionVoltage(next, i), m_junction[i], limited);
        const bool settled =
            iteration > 0 && !limited
            && ((next - unknowns).cwiseAbs().array()
                <= relativeTolerance * next.cwiseAbs().array().max(unknowns.cwiseAbs().array()) + absoluteTolerance)
                   .all();
        unknowns = next;
        if (settled || (iteration > 0 && !limited && !hasNonlinearParts()))
            return SolveStatus::Solved;
    }
    return SolveStatus::NoConvergence;
}

bool MnaSystem::hasNonlinearParts() const
{
    return std::any_of(m_circuit.elements().begin(), m_circuit.elements().end(), [this](const Element& element) {
        return element.kind == ElementKind::Diode
               || (element.kind == ElementKind::Lamp && m_analysis == Analysis::OperatingPoint);
    });
}

bool MnaSystem::updateSupplyModes(const Eigen::VectorXd& unknowns)
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

bool MnaSystem::forceSuppliesToLimit()
{
    bool changed = false;
    for (Element& element : m_circuit.elements())
        if (supplyActsAsVoltageSource(element)) {
            element.supplyLimiting = true;
            changed = true;
        }
    return changed;
}

} // namespace CircuitSolver
