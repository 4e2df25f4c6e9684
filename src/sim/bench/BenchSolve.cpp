#include "sim/bench/BenchSolve.h"

#include "sim/circuit/WaveformMeasure.h"

#include <algorithm>

namespace {

const QString voltsInput = QStringLiteral("meter V");
const QString milliampsInput = QStringLiteral("meter mA");
const QString ampsInput = QStringLiteral("meter A");
const QString commonInput = QStringLiteral("meter COM");

// A transient's samples a period: enough for an RMS within 0.1 % of a sine's.
constexpr int stepsPerPeriod = 200;

std::optional<int> nodeAt(const BenchWiring& wiring, Jack jack)
{
    return wiring.jackNodes.at(std::size_t(jack));
}

FuseModel inputFuse(double rating, double shunt)
{
    FuseModel fuse;
    fuse.ratedCurrent = rating;
    fuse.resistance = shunt;
    return fuse;
}

} // namespace

BenchSolve::BenchSolve(const Circuit& circuit)
    : m_circuit(circuit)
    , m_breaks(circuit.breaks)
{
    m_circuit.resetState();
    for (const CircuitBreak& cut : m_breaks) {
        const Element* link = m_circuit.element(cut.link);
        m_links.push_back(link ? *link : Elements::link(cut.link, cut.first, cut.second));
    }
    m_common = m_circuit.node(meterCommonNode());
}

bool BenchSolve::solve(const BenchWiring& wiring, const ScopeSignal& generatorOutput)
{
    if (m_last && *m_last == wiring)
        return false;
    setBreaks(wiring.breaksOpen);
    attachMeter(wiring);
    setSources(wiring, generatorOutput);
    const bool alternating = wiring.generatorOn && m_circuit.generator()
                             && generatorOutput.output == ScopeSignal::Output::Live && generatorOutput.period > 0;
    if (alternating)
        solveTransient(generatorOutput.period);
    else
        solveSteady();

    const auto fuseOpen = [this](const QString& name, bool before) {
        const Element* input = m_circuit.element(name);
        return input ? input->fuseOpen : before;
    };
    m_signals.milliampsFuseOpen = fuseOpen(milliampsInput, wiring.milliampsFuseOpen);
    m_signals.ampsFuseOpen = fuseOpen(ampsInput, wiring.ampsFuseOpen);
    // A fuse that opened in this solve is part of the state solved: no new solve for it.
    m_last = wiring;
    m_last->milliampsFuseOpen = m_signals.milliampsFuseOpen;
    m_last->ampsFuseOpen = m_signals.ampsFuseOpen;
    return true;
}

void BenchSolve::setBreaks(const std::vector<bool>& open)
{
    for (std::size_t i = 0; i < m_links.size(); ++i) {
        if (i < open.size() && open[i])
            m_circuit.detach(m_links[i].name);
        else if (!m_circuit.element(m_links[i].name))
            m_circuit.attach(m_links[i]);
    }
}

// The meter as elements between the nodes its jacks reach and its common point: the V Ω
// input (a resistance, or the ohms test source), the two fused shunts and the COM lead's
// resistance. A jack that reaches nothing adds nothing.
void BenchSolve::attachMeter(const BenchWiring& wiring)
{
    const MeterLoad& load = wiring.load;
    const auto place = [this](const QString& name, const std::optional<int>& node, const auto& make) {
        if (node)
            m_circuit.attach(make(*node));
        else
            m_circuit.detach(name);
    };
    place(voltsInput, nodeAt(wiring, Jack::VoltsOhms), [&](int node) {
        return load.drivesTestCurrent()
                   ? Elements::testSource(voltsInput, node, m_common, load.inputVolts, load.inputResistance)
                   : Elements::resistor(voltsInput, node, m_common, load.inputResistance);
    });
    place(milliampsInput, nodeAt(wiring, Jack::Milliamps), [&](int node) {
        Element shunt = Elements::fusedShunt(milliampsInput, node, m_common, load.milliampsShunt,
                                             inputFuse(load.milliampsFuseRating, load.milliampsShunt));
        shunt.fuseOpen = wiring.milliampsFuseOpen;
        return shunt;
    });
    place(ampsInput, nodeAt(wiring, Jack::Amps), [&](int node) {
        Element shunt = Elements::fusedShunt(ampsInput, node, m_common, load.ampsShunt,
                                             inputFuse(load.ampsFuseRating, load.ampsShunt));
        shunt.fuseOpen = wiring.ampsFuseOpen;
        return shunt;
    });
    place(commonInput, nodeAt(wiring, Jack::Common),
          [&](int node) { return Elements::resistor(commonInput, node, m_common, load.commonResistance); });
}

void BenchSolve::setSources(const BenchWiring& wiring, const ScopeSignal& generatorOutput)
{
    if (Element* supply = m_circuit.supply())
        supply->supply = wiring.supply;
    if (Element* generator = m_circuit.generator()) {
        const bool live =
            wiring.generatorOn && generatorOutput.output == ScopeSignal::Output::Live && generatorOutput.volts;
        generator->waveform =
            live && generatorOutput.period > 0 ? generatorOutput.volts : std::function<double(double)>{};
        generator->value = live && generatorOutput.period <= 0 ? generatorOutput.volts(0.0) : 0.0;
    }
}

void BenchSolve::solveSteady()
{
    const Solution solution = CircuitSolver::operatingPoint(m_circuit);
    m_status = solution.status;
    m_nodeMeans = solution.nodeVoltages;
    m_elementMeans = solution.elementCurrents;
    const auto sample = [&](const QString& name, int sign) {
        const int index = m_circuit.elementIndex(name);
        return std::vector<double>{index < 0 || !solution.solved() ? 0.0 : sign * solution.current(index)};
    };
    m_signals.timeStep = 0;
    m_signals.milliamps = sample(milliampsInput, 1);
    m_signals.amps = sample(ampsInput, 1);
    const Element* input = m_circuit.element(voltsInput);
    if (!input)
        m_signals.volts = {0.0};
    else if (!solution.solved())
        m_signals.volts = {0.0};
    else
        m_signals.volts = {solution.voltageBetween(input->first, m_common)};
}

void BenchSolve::solveTransient(double period)
{
    TransientRequest request;
    request.period = period;
    request.stepsPerPeriod = stepsPerPeriod;
    request.recordedPeriods = 2;
    const Transient run = CircuitSolver::transient(m_circuit, request);
    m_status = run.status;
    m_nodeMeans.assign(std::size_t(m_circuit.nodeCount()), 0.0);
    m_elementMeans.assign(m_circuit.elements().size(), 0.0);
    if (!run.solved()) {
        m_signals = MeterSignals{};
        return;
    }
    for (std::size_t node = 0; node < run.nodeVoltages.size() && node < m_nodeMeans.size(); ++node)
        m_nodeMeans[node] = WaveformMeasure::mean(run.nodeVoltages[node]);
    for (std::size_t element = 0; element < run.elementCurrents.size() && element < m_elementMeans.size(); ++element)
        m_elementMeans[element] = WaveformMeasure::mean(run.elementCurrents[element]);
    // The samples close the last period with a repeat of the first: the meter wants them open.
    const auto open = [](std::vector<double> samples) {
        if (samples.size() > 1)
            samples.pop_back();
        return samples.empty() ? std::vector<double>{0.0} : samples;
    };
    const auto current = [&](const QString& name) {
        const int index = m_circuit.elementIndex(name);
        return index < 0 ? std::vector<double>{0.0} : open(run.elementCurrents.at(std::size_t(index)));
    };
    m_signals.timeStep = run.step;
    m_signals.milliamps = current(milliampsInput);
    m_signals.amps = current(ampsInput);
    const Element* input = m_circuit.element(voltsInput);
    m_signals.volts = input ? open(run.voltageBetween(input->first, m_common)) : std::vector<double>{0.0};
}

double BenchSolve::nodeVolts(int node) const
{
    return node > 0 && std::size_t(node) < m_nodeMeans.size() ? m_nodeMeans[std::size_t(node)] : 0.0;
}

bool BenchSolve::supplyLimiting() const
{
    const Element* supply = m_circuit.element(Circuit::supplyName());
    return supply && supply->supply.outputOn && supply->supplyLimiting;
}

double BenchSolve::supplyVolts() const
{
    const Element* supply = m_circuit.element(Circuit::supplyName());
    return supply ? nodeVolts(supply->first) - nodeVolts(supply->second) : 0.0;
}

double BenchSolve::supplyAmps() const
{
    const int index = m_circuit.elementIndex(Circuit::supplyName());
    // Its current runs from its positive terminal to its negative through it: what it
    // delivers is the opposite.
    return index < 0 || std::size_t(index) >= m_elementMeans.size() ? 0.0 : -m_elementMeans[std::size_t(index)];
}

double BenchSolve::lampHeat(const QString& element) const
{
    const Element* lamp = m_circuit.element(element);
    return lamp && lamp->kind == ElementKind::Lamp ? lamp->lampHeat : 0.0;
}
