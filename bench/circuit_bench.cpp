// Times the bench circuits' solver, warm, on every shipped circuit as a bench leaves it
// between frames: a DC operating point with a voltmeter attached (median and worst of
// 2000), and the RC network's transient for an AC reading. Run from a Release build:
//   bin/circuit_bench
#include "sim/circuit/CircuitLibrary.h"
#include "sim/circuit/CircuitSolver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
struct Figures {
    double median = 0;
    double worst = 0;
};

template <typename Work>
Figures timeMicroseconds(int repetitions, Work work)
{
    for (int i = 0; i < repetitions / 10; ++i)
        work();
    std::vector<double> times;
    times.reserve(std::size_t(repetitions));
    QElapsedTimer timer;
    for (int i = 0; i < repetitions; ++i) {
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const CircuitLibrary library = CircuitLibrary::load();
    for (const QString& problem : library.problems)
        std::printf("%s\n", qPrintable(problem));
    for (const CircuitFile& file : library.circuits) {
        Circuit circuit = file.circuit;
        if (Element* supply = circuit.supply())
            supply->supply.setPoint = 12.0;
        circuit.attach(Elements::resistor(QStringLiteral("METER"), circuit.nodeCount() - 1, 0, 10e6));
        bool solved = true;
        const Figures op =
            timeMicroseconds(2000, [&] { solved = CircuitSolver::operatingPoint(circuit).solved() && solved; });
        std::printf("%-22s operating point: median %6.1f µs, worst %7.1f µs%s\n", qPrintable(file.fileName), op.median,
                    op.worst, solved ? "" : " (not solved)");
        if (Element* generator = circuit.generator()) {
            generator->waveform = [](double t) { return std::sin(2 * M_PI * 1000 * t); };
            TransientRequest request;
            request.period = 1e-3;
            const Figures run = timeMicroseconds(50, [&] { CircuitSolver::transient(circuit, request); });
            std::printf("%-22s 1 kHz transient (settled, two periods recorded): median %6.0f µs\n",
                        qPrintable(file.fileName), run.median);
        }
    }
    return library.circuits.empty() ? 1 : 0;
}
