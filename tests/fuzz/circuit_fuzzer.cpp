// libFuzzer target for the circuit files and the solver: any bytes at all are read as a
// circuit file without crashing or hanging; a file that is refused says why, naming the
// file; a circuit that is accepted solves, with a meter's input attached too, at the
// operating point, over a short transient and step by step, and every number it gives is
// finite when the solve says it solved.
#include "sim/circuit/CircuitLibrary.h"
#include "sim/circuit/CircuitSolver.h"
#include "sim/circuit/NetlistWriter.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
void requireFinite(const Solution& solution)
{
    if (!solution.solved())
        return;
    for (double value : solution.nodeVoltages)
        if (!std::isfinite(value))
            std::abort();
    for (double value : solution.elementCurrents)
        if (!std::isfinite(value))
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString problem;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    std::optional<Circuit> circuit = CircuitLibrary::read(QStringLiteral("circuits/fuzz.cir"), bytes, problem);
    if (!circuit) {
        if (!problem.startsWith(QStringLiteral("circuits/fuzz.cir")))
            std::abort();
        return 0;
    }
    circuit->drawHiddenValues(size);
    (void)NetlistWriter::write(*circuit);
    const int last = circuit->nodeCount() - 1;
    circuit->attach(Elements::testSource(QStringLiteral("METER"), last, 0, 3.0, 10e3));
    requireFinite(CircuitSolver::operatingPoint(*circuit));
    FuseModel fuse;
    fuse.ratedCurrent = 0.44;
    circuit->attach(Elements::fusedShunt(QStringLiteral("METER"), last, 0, 1.0, fuse));
    if (Element* generator = circuit->generator())
        generator->waveform = [](double t) { return std::sin(6283.185307179586 * t); };
    TransientRequest request;
    request.stepsPerPeriod = 8;
    request.maximumSettlingPeriods = 2;
    request.recordedPeriods = 1;
    const Transient run = CircuitSolver::transient(*circuit, request);
    if (run.solved())
        for (const auto& trace : run.nodeVoltages)
            for (double value : trace)
                if (!std::isfinite(value))
                    std::abort();
    for (int step = 1; step <= 3; ++step)
        requireFinite(CircuitSolver::advance(*circuit, step * 1e-3, 1e-3));
    return 0;
}
