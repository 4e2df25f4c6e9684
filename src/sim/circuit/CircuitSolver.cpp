#include "sim/circuit/CircuitSolver.h"

#include "sim/circuit/MnaSystem.h"

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

Solution solutionOf(const MnaSystem& system, const Circuit& circuit, const Eigen::VectorXd& unknowns)
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
            element.lampHeat =
                (element.lampHeat + ratio * power / std::max(element.lamp.ratedPower(), 1e-12)) / (1.0 + ratio);
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
        MnaSystem system(circuit, Analysis::OperatingPoint, time, 1.0);
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
    MnaSystem system(circuit, Analysis::TransientStep, time, dt);
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
    // However it is asked, a run takes at most 100 periods of at most 20,000 steps.
    const int steps = std::clamp(request.stepsPerPeriod, 4, 20000);
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
        MnaSystem system(circuit, Analysis::TransientStep, time, result.step);
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
    for (int settling = 0; settling < std::clamp(request.maximumSettlingPeriods, 1, 90); ++settling) {
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

    const std::size_t samples = std::size_t(std::clamp(request.recordedPeriods, 1, 10)) * std::size_t(steps) + 1;
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
