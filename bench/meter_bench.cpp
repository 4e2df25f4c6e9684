// Times the Fluke 45 bench, warm, on every shipped circuit: a lead moved (the circuit
// solved again with the meter attached, both displays' data made) and a DC operating point
// of the circuit with the meter's elements attached, medians and worst of 2000. Run from a
// Release build:
//   bin/meter_bench
#include "sim/bench/BenchSolve.h"
#include "sim/bench/Fluke45Bench.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
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
        work(i);
    std::vector<double> times;
    times.reserve(std::size_t(repetitions));
    QElapsedTimer timer;
    for (int i = 0; i < repetitions; ++i) {
        timer.start();
        work(i);
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    Fluke45Bench bench;
    for (const QString& problem : bench.problems())
        std::printf("%s\n", qPrintable(problem));
    for (int index = 0; index < bench.circuitCount(); ++index) {
        const int last = int(bench.circuitAt(index).testPoints.size()) - 1;
        for (int key : {BenchKey::chooseCircuit(index), BenchKey::plug(Lead::Red, Jack::VoltsOhms),
                        BenchKey::plug(Lead::Black, Jack::Common), BenchKey::touch(Lead::Black, last)})
            bench.press(key);
        // The red tip goes from one point to the next and back: every press solves again.
        int displayed = 0;
        const Figures lead = timeMicroseconds(2000, [&](int i) {
            bench.press(BenchKey::touch(Lead::Red, i % 2));
            displayed += bench.meter().display().primary.text.size() + bench.meter().display().secondary.text.size();
        });
        BenchWiring wiring;
        wiring.load = benchMeterLoad();
        wiring.breaksOpen.assign(bench.circuitAt(index).breaks.size(), false);
        wiring.supply = bench.supply();
        BenchSolve solve(bench.circuitAt(index));
        const int common = bench.circuitAt(index).findNode(bench.circuitAt(index).testPoints.back().node);
        wiring.jackNodes[std::size_t(Jack::Common)] = common;
        const Figures op = timeMicroseconds(2000, [&](int i) {
            wiring.jackNodes[std::size_t(Jack::VoltsOhms)] = 1 + i % 2;
            solve.solve(wiring, ScopeSignal{});
        });
        std::printf("%-55s lead moved, displays ready: median %6.1f µs, worst %7.1f µs\n",
                    qPrintable(bench.circuitAt(index).title), lead.median, lead.worst);
        if (bench.hasGenerator()) {
            bench.press(BenchKey::generator(Fg110Key::Channel1)); // the factory's 1 kHz sine at the output
            const Figures alternating = timeMicroseconds(200, [&](int i) {
                bench.press(BenchKey::touch(Lead::Red, i % 2));
                displayed += bench.meter().display().primary.text.size();
            });
            std::printf("%-55s the same, the FG110 driving it (transient): median %6.1f µs, worst %7.1f µs\n",
                        qPrintable(bench.circuitAt(index).title), alternating.median, alternating.worst);
        }
        std::printf("%-55s DC operating point, meter attached: median %6.1f µs, worst %7.1f µs%s\n",
                    qPrintable(bench.circuitAt(index).title), op.median, op.worst,
                    displayed > 0 ? "" : " (nothing shown)");
    }
    return bench.circuitCount() == 0 ? 1 : 0;
}
