// The solver judged by a general circuit simulator: every shipped circuit, with a meter's
// input attached as a student would attach it, solved here and by `ngspice -b` from the
// netlist the circuit writes of itself. Node voltages agree within 0.1 % at the operating
// point, RMS values within 1 % over whole periods.
#include "sim/bench/Fluke45Bench.h"
#include "sim/circuit/CircuitLibrary.h"
#include "sim/circuit/CircuitSolver.h"
#include "sim/circuit/NetlistWriter.h"
#include "sim/circuit/WaveformMeasure.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <numbers>

namespace {
using Setup = std::function<void(Circuit&)>;

// Typical bench-meter inputs, as the bench attaches them between two test points.
void voltmeter(Circuit& c, const char* plus, const char* minus)
{
    c.attach(Elements::resistor(QStringLiteral("METER"), c.findNode(QLatin1String(plus)),
                                c.findNode(QLatin1String(minus)), 10e6));
}
void ammeter(Circuit& c, const char* plus, const char* minus, double shunt, double rating)
{
    FuseModel fuse;
    fuse.ratedCurrent = rating;
    c.attach(Elements::fusedShunt(QStringLiteral("METER"), c.findNode(QLatin1String(plus)),
                                  c.findNode(QLatin1String(minus)), shunt, fuse));
}
void ohmmeter(Circuit& c, const char* plus, const char* minus)
{
    c.attach(Elements::testSource(QStringLiteral("METER"), c.findNode(QLatin1String(plus)),
                                  c.findNode(QLatin1String(minus)), 3.0, 10e3));
}
void supplyAt(Circuit& c, double volts, bool on = true)
{
    c.supply()->supply.setPoint = volts;
    c.supply()->supply.outputOn = on;
}

Circuit shipped(const QString& name)
{
    const CircuitLibrary library = CircuitLibrary::load();
    for (const CircuitFile& file : library.circuits)
        if (file.fileName == QStringLiteral("circuits/") + name)
            return file.circuit;
    qFatal("%s is not among the shipped circuits: %s", qPrintable(name), qPrintable(library.problems.join(u'\n')));
}

// Runs ngspice on a netlist and its control lines; gives every "name = value" it prints.
QHash<QString, double> runNgspice(const QString& netlist, const QString& control)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("judge.cir")));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the judge's netlist");
    file.write(
        (netlist + QStringLiteral(".options rshunt=1e12\n.control\n") + control + QStringLiteral(".endc\n.end\n"))
            .toUtf8());
    file.close();
    QProcess ngspice;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    ngspice.setProcessEnvironment(environment);
    ngspice.setWorkingDirectory(folder.path()); // a private folder: no .spiceinit of anyone's
    ngspice.start(QStringLiteral("ngspice"), {QStringLiteral("-b"), file.fileName()});
    ngspice.waitForFinished(60000);
    QHash<QString, double> values;
    static const QRegularExpression printed(QStringLiteral("^\\s*([\\w().]+)\\s*=\\s*([-+0-9.eE]+)"),
                                            QRegularExpression::MultilineOption);
    for (auto match = printed.globalMatch(QString::fromUtf8(ngspice.readAllStandardOutput())); match.hasNext();) {
        const auto m = match.next();
        values.insert(m.captured(1).toLower(), m.captured(2).toDouble());
    }
    return values;
}

// Every node's voltage at the operating point against ngspice's, within 0.1 %: the first
// that differs, in words, or nothing.
QString operatingPointDisagreement(const Circuit& circuit, const Solution& ours)
{
    QString print = QStringLiteral("op\nprint");
    for (int node = 1; node < circuit.nodeCount(); ++node)
        print += QStringLiteral(" v(n%1)").arg(node);
    const QHash<QString, double> judge = runNgspice(NetlistWriter::write(circuit), print + QLatin1Char('\n'));
    for (int node = 1; node < circuit.nodeCount(); ++node) {
        const double expected = judge.value(QStringLiteral("v(n%1)").arg(node), std::nan(""));
        if (!(std::abs(ours.voltage(node) - expected) <= 1e-3 * std::abs(expected) + 1e-6))
            return QStringLiteral("node %1: %2 V here, %3 V by ngspice")
                .arg(circuit.nodeName(node))
                .arg(ours.voltage(node), 0, 'g', 9)
                .arg(expected, 0, 'g', 9);
    }
    return {};
}

// A periodic waveform as ngspice's piecewise-linear source, one period sampled finely and
// repeated: the judge sees the very signal the bench drives its generator with.
QString repeatedPeriod(const std::function<double(double)>& volts, double period)
{
    constexpr int samples = 1000;
    QString text = QStringLiteral("PWL(");
    for (int i = 0; i <= samples; ++i)
        text += QStringLiteral("%1%2 %3")
                    .arg(i % 8 ? QStringLiteral(" ") : QStringLiteral("\n+ "))
                    .arg(period * i / samples, 0, 'g', 12)
                    .arg(volts(period * i / samples), 0, 'g', 12);
    return text + QStringLiteral(") r=0");
}

void play(Fluke45Bench& bench, const QList<int>& keys)
{
    for (int key : keys) {
        bench.press(key);
        bench.release(key);
    }
}

} // namespace

class CircuitNgspiceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("ngspice")).isEmpty())
            QSKIP("ngspice is not installed (scripts/test installs it)");
    }

    void operatingPoint_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Setup>("setup");
        QTest::addRow("battery, voltmeter") << "pila.cir" << Setup([](Circuit& c) { voltmeter(c, "+", "-"); });
        QTest::addRow("battery, 10 A input across it")
            << "pila.cir" << Setup([](Circuit& c) { ammeter(c, "+", "-", 0.01, 11); });
        QTest::addRow("divider at 12 V, voltmeter on B") << "divisor.cir" << Setup([](Circuit& c) {
            supplyAt(c, 12);
            voltmeter(c, "B", "C");
        });
        QTest::addRow("divider at 12 V, 100 mA input on B") << "divisor.cir" << Setup([](Circuit& c) {
            supplyAt(c, 12);
            ammeter(c, "B", "C", 1.0, 0.44);
        });
        QTest::addRow("divider at 12 V, 10 A input across the supply") << "divisor.cir" << Setup([](Circuit& c) {
            supplyAt(c, 12);
            ammeter(c, "A", "C", 0.01, 11);
        });
        QTest::addRow("divider off, ohms across R2") << "divisor.cir" << Setup([](Circuit& c) {
            supplyAt(c, 12, false);
            ohmmeter(c, "B", "C");
        });
        QTest::addRow("divider at 5 V, ohms across R2") << "divisor.cir" << Setup([](Circuit& c) {
            supplyAt(c, 5);
            ohmmeter(c, "B", "C");
        });
        QTest::addRow("loop closed, voltmeter on the lamp")
            << "lampara.cir" << Setup([](Circuit& c) { voltmeter(c, "D", "E"); });
        QTest::addRow("loop broken, 100 mA input across the break") << "lampara.cir" << Setup([](Circuit& c) {
            c.detach(c.breaks.front().link);
            ammeter(c, "B", "C", 1.0, 0.44);
        });
        QTest::addRow("loop broken, voltmeter across the break") << "lampara.cir" << Setup([](Circuit& c) {
            c.detach(c.breaks.front().link);
            voltmeter(c, "B", "C");
        });
        QTest::addRow("loop at 3 V, diode test across the diode") << "lampara.cir" << Setup([](Circuit& c) {
            supplyAt(c, 3);
            ohmmeter(c, "A", "B");
        });
        QTest::addRow("RC at rest, voltmeter on B") << "rc.cir" << Setup([](Circuit& c) { voltmeter(c, "B", "gnd"); });
    }

    void operatingPoint()
    {
        QFETCH(QString, file);
        QFETCH(Setup, setup);
        Circuit circuit = shipped(file);
        setup(circuit);
        const Solution ours = CircuitSolver::operatingPoint(circuit);
        QVERIFY(ours.solved());
        QCOMPARE(operatingPointDisagreement(circuit, ours), QString());
    }

    void transientRms_data()
    {
        QTest::addColumn<QString>("waveform");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<QString>("load");
        QTest::addRow("sine 1 kHz") << "sine" << 1000.0 << "";
        QTest::addRow("sine 1 kHz, voltmeter on B") << "sine" << 1000.0 << "voltmeter";
        QTest::addRow("sine 1 kHz, 100 mA input on B") << "sine" << 1000.0 << "ammeter";
        QTest::addRow("sine 5 kHz") << "sine" << 5000.0 << "";
        QTest::addRow("square 1 kHz") << "square" << 1000.0 << "";
        QTest::addRow("square 10 kHz, voltmeter on B") << "square" << 10000.0 << "voltmeter";
        QTest::addRow("square 2 Hz, steps longer than RC") << "square" << 2.0 << "";
    }

    void transientRms()
    {
        QFETCH(QString, waveform);
        QFETCH(double, frequency);
        QFETCH(QString, load);
        Circuit circuit = shipped(QStringLiteral("rc.cir"));
        if (load == QLatin1String("voltmeter"))
            voltmeter(circuit, "B", "gnd");
        else if (load == QLatin1String("ammeter"))
            ammeter(circuit, "B", "gnd", 1.0, 0.44);
        const double period = 1.0 / frequency;
        const bool sine = waveform == QLatin1String("sine");
        circuit.generator()->waveform = [sine, frequency, period](double t) {
            return sine ? std::sin(2 * std::numbers::pi * frequency * t)
                        : (std::fmod(t, period) < period / 2 ? 1.0 : -1.0);
        };
        const QString spice = sine ? QStringLiteral("SIN(0 1 %1)").arg(frequency)
                                   : QStringLiteral("PULSE(-1 1 0 1n 1n %1 %2)").arg(period / 2 - 1e-9).arg(period);
        TransientRequest request;
        request.period = period;
        const Transient ours = CircuitSolver::transient(circuit, request);
        QVERIFY(ours.solved());
        const int steps = 400;
        const QString control = QStringLiteral("tran %1 %2 0 %1\nmeas tran va rms v(n1) from=%3 to=%2\n"
                                               "meas tran vb rms v(n2) from=%3 to=%2\nmeas tran fb trig v(n2) val=0 "
                                               "rise=30 targ v(n2) val=0 rise=31\n")
                                    .arg(period / steps)
                                    .arg(40 * period)
                                    .arg(38 * period);
        const QHash<QString, double> judge =
            runNgspice(NetlistWriter::write(circuit, {{Circuit::generatorName(), spice}}), control);
        for (const char* node : {"A", "B"}) {
            const double here = WaveformMeasure::rms(ours.voltageBetween(circuit.findNode(QLatin1String(node)), 0));
            const double there = judge.value(QStringLiteral("v") + QString::fromLatin1(node).toLower(), -1);
            QVERIFY2(std::abs(here - there) <= 0.01 * there,
                     qPrintable(QStringLiteral("RMS at %1: %2 here, %3 by ngspice").arg(node).arg(here).arg(there)));
        }
        const double measured =
            WaveformMeasure::frequency(ours.voltageBetween(circuit.findNode(QStringLiteral("B")), 0), ours.step);
        QVERIFY2(std::abs(measured - frequency) <= 1e-3 * frequency, qPrintable(QString::number(measured)));
        QVERIFY(std::abs(1.0 / judge.value(QStringLiteral("fb")) - frequency) <= 1e-3 * frequency);
    }

    // Each exercise's solution played on the bench, then the circuit the bench solved, the
    // meter's own elements in it, judged: at the operating point every node, and with the
    // generator driving it the RMS of every node over two whole periods.
    void exerciseSolutions_data()
    {
        QTest::addColumn<int>("exercise");
        for (int exercise = 0; exercise < Fluke45Bench().exerciseCount(); ++exercise)
            QTest::addRow("exercise %d", exercise + 1) << exercise;
    }

    void exerciseSolutions()
    {
        QFETCH(int, exercise);
        Fluke45Bench bench;
        play(bench, bench.keysBeforeSequence() + bench.exercise(exercise).sequence);
        bench.tick(500);
        QCOMPARE(bench.differences(exercise), QStringList());
        Circuit circuit = bench.solvedCircuit();
        QVERIFY(circuit.findNode(QStringLiteral("meter common")) > 0);
        const Element* generator = circuit.generator();
        // Every exercise on the generator's circuit has it driving the circuit in time.
        QCOMPARE(generator && generator->waveform, bench.hasGenerator());
        if (generator && generator->waveform) {
            const double period = bench.generator().output()->period;
            TransientRequest request;
            request.period = period;
            const Transient ours = CircuitSolver::transient(circuit, request);
            QVERIFY(ours.solved());
            QString control = QStringLiteral("tran %1 %2 0 %1\n").arg(period / 400).arg(40 * period);
            for (int node = 1; node < circuit.nodeCount(); ++node)
                control += QStringLiteral("meas tran r%1 rms v(n%1) from=%2 to=%3\n")
                               .arg(node)
                               .arg(38 * period)
                               .arg(40 * period);
            const QHash<QString, double> judge =
                runNgspice(NetlistWriter::write(
                               circuit, {{Circuit::generatorName(), repeatedPeriod(generator->waveform, period)}}),
                           control);
            for (int node = 1; node < circuit.nodeCount(); ++node) {
                const double here = WaveformMeasure::rms(ours.voltageBetween(node, 0));
                const double there = judge.value(QStringLiteral("r%1").arg(node), -1);
                QVERIFY2(std::abs(here - there) <= 0.01 * there + 1e-6,
                         qPrintable(QStringLiteral("RMS at %1: %2 here, %3 by ngspice")
                                        .arg(circuit.nodeName(node))
                                        .arg(here)
                                        .arg(there)));
            }
            return;
        }
        const Solution ours = CircuitSolver::operatingPoint(circuit);
        QVERIFY(ours.solved());
        QCOMPARE(operatingPointDisagreement(circuit, ours), QString());
        // The bench shows what was judged: its test points read the same voltages.
        for (int point = 0; point < int(bench.circuit().testPoints.size()); ++point) {
            const int node = circuit.findNode(bench.circuit().testPoints.at(std::size_t(point)).node);
            QVERIFY(std::abs(bench.pointVolts(point) - ours.voltage(node))
                    <= 1e-6 + 1e-6 * std::abs(ours.voltage(node)));
        }
    }
};

QTEST_GUILESS_MAIN(CircuitNgspiceTest)
#include "tst_circuit_ngspice.moc"
