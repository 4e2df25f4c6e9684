// The circuit solver against the formulas of a textbook: the divider, an RC network's step
// and sine responses, a diode's forward voltage, the supply's two modes, the lamp's and the
// fuse's own laws; and circuits with no solution coming back as a status.
#include "sim/circuit/CircuitSolver.h"
#include "sim/circuit/NetlistParser.h"
#include "sim/circuit/WaveformMeasure.h"

#include <QtTest>

#include <cmath>
#include <numbers>

namespace {
Circuit net(const QString& elements)
{
    const NetlistParse parse = NetlistParser::parse(QStringLiteral("*# título: prueba\n") + elements);
    if (!parse.ok)
        qFatal("%d: %s", parse.errorLine, qPrintable(parse.error));
    return parse.circuit;
}

bool near(double value, double expected, double relative, double absolute = 1e-12)
{
    return std::abs(value - expected) <= relative * std::abs(expected) + absolute;
}
} // namespace

class CircuitSolverTest : public QObject {
    Q_OBJECT

private slots:
    void divider_data()
    {
        QTest::addColumn<double>("volts");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("lower");
        QTest::addRow("equal") << 10.0 << 1e3 << 1e3;
        QTest::addRow("4k7 over 2k2") << 12.0 << 4.7e3 << 2.2e3;
        QTest::addRow("1 ohm over 10 Mohm") << 30.0 << 1.0 << 10e6;
        QTest::addRow("10 Mohm over 1 ohm") << 30.0 << 10e6 << 1.0;
    }
    void divider()
    {
        QFETCH(double, volts);
        QFETCH(double, upper);
        QFETCH(double, lower);
        Circuit c = net(QStringLiteral("V1 a 0 %1\nR1 a b %2\nR2 b 0 %3\n").arg(volts).arg(upper).arg(lower));
        const Solution s = CircuitSolver::operatingPoint(c);
        QVERIFY(s.solved());
        QVERIFY(near(s.voltage(c.findNode(QStringLiteral("b"))), volts * lower / (upper + lower), 1e-6, 1e-9));
        // Within what the conductance every node has to ground (1e-12 S) takes.
        QVERIFY(near(s.current(c.elementIndex(QStringLiteral("V1"))), -volts / (upper + lower), 1e-4));
    }

    // A square wave of ±1 V into R and C: each half period the capacitor goes from the
    // other extreme -a toward +1 as 1 - (1 + a) e^(-t/τ), with a = tanh(H / 2τ).
    void rcStep_data()
    {
        QTest::addColumn<double>("halfOverTau");
        QTest::addRow("settles in each half") << 10.0;
        QTest::addRow("half settles") << 2.0;
        QTest::addRow("barely moves") << 0.25;
    }
    void rcStep()
    {
        QFETCH(double, halfOverTau);
        Circuit c = net(QStringLiteral("V1 a 0 0\nR1 a b 1k\nC1 b 0 1u\n"));
        const double tau = 1e-3;
        const double period = 2 * halfOverTau * tau;
        const double step = period / 1000;
        // The edges half a step after a sample: the trapezoidal rule sees each as a ramp over
        // the step before it, so the response starts half a step before the sample.
        c.element(QStringLiteral("V1"))->waveform = [period, step](double t) {
            return std::fmod(t + step / 2, period) < period / 2 ? 1.0 : -1.0;
        };
        TransientRequest request;
        request.period = period;
        request.stepsPerPeriod = 1000;
        request.recordedPeriods = 1;
        request.maximumSettlingPeriods = 40;
        const Transient run = CircuitSolver::transient(c, request);
        QVERIFY(run.solved());
        const double a = std::tanh(halfOverTau / 2);
        const std::vector<double>& vc = run.nodeVoltages[std::size_t(c.findNode(QStringLiteral("b")))];
        for (int i = 0; i < 500; i += 19) {
            const double t = (i + 0.5) * run.step;
            QVERIFY2(near(vc[std::size_t(i)], 1 - (1 + a) * std::exp(-t / tau), 0, 2e-3),
                     qPrintable(QStringLiteral("sample %1: %2").arg(i).arg(vc[std::size_t(i)])));
        }
    }

    void rcSine_data()
    {
        QTest::addColumn<double>("frequencyOverCorner");
        QTest::addRow("a tenth of the corner") << 0.1;
        QTest::addRow("at the corner") << 1.0;
        QTest::addRow("ten times the corner") << 10.0;
    }
    void rcSine()
    {
        QFETCH(double, frequencyOverCorner);
        Circuit c = net(QStringLiteral("V1 a 0 0\nR1 a b 1k\nC1 b 0 100n\n"));
        const double frequency = frequencyOverCorner / (2 * std::numbers::pi * 1e3 * 100e-9);
        c.element(QStringLiteral("V1"))->waveform = [frequency](double t) {
            return 2.0 * std::sin(2 * std::numbers::pi * frequency * t);
        };
        TransientRequest request;
        request.period = 1 / frequency;
        const Transient run = CircuitSolver::transient(c, request);
        QVERIFY(run.solved());
        const std::vector<double> vc = run.voltageBetween(c.findNode(QStringLiteral("b")), 0);
        const double expected = std::sqrt(2.0) / std::sqrt(1 + frequencyOverCorner * frequencyOverCorner);
        QVERIFY2(near(WaveformMeasure::rms(vc), expected, 2e-3), qPrintable(QString::number(WaveformMeasure::rms(vc))));
        QVERIFY(near(WaveformMeasure::frequency(vc, run.step), frequency, 1e-4));
        QVERIFY(std::abs(WaveformMeasure::mean(vc)) < 1e-3);
    }

    // V = N Vt ln(I / IS + 1) + I RS, with I = (E - V) / R.
    void diodeForward_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<double>("volts");
        QTest::addRow("ideal junction, 4.3 mA") << "IS=1e-14" << 5.0;
        QTest::addRow("rectifier, 29 mA") << "IS=7.03n N=1.81 RS=0.034" << 30.0;
        QTest::addRow("rectifier, 2 A through 10 ohms") << "IS=7.03n N=1.81 RS=0.034 " << 2.0e4 / 1e3;
        QTest::addRow("LED-like, 1 uA") << "IS=1e-20 N=2 RS=5" << 0.001e3 + 1.7;
    }
    void diodeForward()
    {
        QFETCH(QString, model);
        QFETCH(double, volts);
        const double ohms = volts > 10 ? 1e3 : volts > 5 ? 10 : 1e3;
        Circuit c =
            net(QStringLiteral("V1 a 0 %1\nR1 a k %2\nD1 k 0 DM\n.model DM D (%3)\n").arg(volts).arg(ohms).arg(model));
        const Solution s = CircuitSolver::operatingPoint(c);
        QVERIFY(s.solved());
        const DiodeModel& d = c.element(QStringLiteral("D1"))->diode;
        const double vd = s.voltage(c.findNode(QStringLiteral("k")));
        const double current = (volts - vd) / ohms;
        const double law = d.emission * CircuitSolver::thermalVoltage * std::log(current / d.saturationCurrent + 1)
                           + current * d.seriesResistance;
        QVERIFY2(near(vd, law, 1e-6),
                 qPrintable(QStringLiteral("%1 V, law %2 V").arg(vd, 0, 'g', 10).arg(law, 0, 'g', 10)));
        QVERIFY(near(s.current(c.elementIndex(QStringLiteral("D1"))), current, 1e-6));
    }

    void supply_data()
    {
        QTest::addColumn<double>("setPoint");
        QTest::addColumn<double>("limit");
        QTest::addColumn<double>("load");
        QTest::addColumn<bool>("on");
        QTest::addColumn<double>("volts");
        QTest::addColumn<bool>("limiting");
        QTest::addRow("constant voltage") << 12.0 << 0.5 << 1e3 << true << 12.0 << false;
        QTest::addRow("constant current") << 12.0 << 0.5 << 10.0 << true << 5.0 << true;
        QTest::addRow("shorted by 10 mohm") << 30.0 << 2.0 << 0.01 << true << 0.02 << true;
        QTest::addRow("set point above 30 V") << 45.0 << 4.0 << 100.0 << true << 30.0 << false;
        QTest::addRow("limit at zero") << 10.0 << 0.0 << 100.0 << true << 0.0 << true;
        QTest::addRow("output off") << 12.0 << 0.5 << 10.0 << false << 0.0 << false;
    }
    void supply()
    {
        QFETCH(double, setPoint);
        QFETCH(double, limit);
        QFETCH(double, load);
        QFETCH(bool, on);
        QFETCH(double, volts);
        QFETCH(bool, limiting);
        Circuit c = net(QStringLiteral("*# fuente: p 0 %1 %2\nRL p 0 %3\n").arg(setPoint).arg(limit).arg(load));
        c.supply()->supply.outputOn = on;
        const Solution s = CircuitSolver::operatingPoint(c);
        QVERIFY(s.solved());
        QVERIFY2(near(s.voltage(c.findNode(QStringLiteral("p"))), volts, 1e-6, 1e-6),
                 qPrintable(QString::number(s.voltage(1))));
        QCOMPARE(c.supply()->supplyLimiting, limiting);
    }

    void supplyShortedByAWire()
    {
        Circuit c = net(QStringLiteral("*# fuente: p 0 12 0.8\n*# corte: p 0\nR1 p 0 1k\n"));
        const Solution s = CircuitSolver::operatingPoint(c);
        QVERIFY(s.solved());
        QVERIFY(c.supply()->supplyLimiting);
        QVERIFY(near(s.current(c.elementIndex(QStringLiteral("LINK1"))), 0.8, 1e-6));
    }

    // Held at V, a lamp settles where R (R - Rcold) = (Rhot - Rcold) V² / Prated.
    void lampSteady_data()
    {
        QTest::addColumn<double>("volts");
        QTest::addColumn<double>("amperes");
        QTest::addRow("rated") << 12.0 << 0.1;
        QTest::addRow("nearly cold") << 0.001 << 0.001 / 12.0;
        QTest::addRow("half voltage") << 6.0 << 6.0 / ((12 + std::sqrt(144 + 4 * 90 * 36)) / 2);
    }
    void lampSteady()
    {
        QFETCH(double, volts);
        QFETCH(double, amperes);
        Circuit c = net(QStringLiteral("V1 a 0 %1\nXL1 a 0 LAMP VNOM=12 INOM=0.1 RCOLD=12\n").arg(volts));
        const Solution s = CircuitSolver::operatingPoint(c);
        QVERIFY(s.solved());
        QVERIFY2(near(s.current(c.elementIndex(QStringLiteral("XL1"))), amperes, 1e-6),
                 qPrintable(QString::number(s.current(1))));
    }

    // A filament's heat follows its power with a first-order lag: from cold, 1 - e^(-t/τ).
    void lampWarmsWithItsTimeConstant()
    {
        Circuit c = net(QStringLiteral("V1 a 0 0\nXL1 a 0 LAMP VNOM=12 INOM=0.1 RCOLD=120 TAU=50m\n"));
        c.element(QStringLiteral("V1"))->waveform = [](double t) { return t > 0 ? 12.0 : 0.0; };
        CircuitSolver::operatingPoint(c);
        for (int step = 1; step <= 500; ++step) {
            CircuitSolver::advance(c, step * 1e-4, 1e-4);
            if (step % 100 == 0)
                QVERIFY(near(c.element(QStringLiteral("XL1"))->lampHeat, 1 - std::exp(-step * 1e-4 / 0.05), 2e-3));
        }
    }

    void fuseAtTheOperatingPoint_data()
    {
        QTest::addColumn<double>("amperes");
        QTest::addColumn<bool>("opens");
        QTest::addRow("below its rating") << 0.43 << false;
        QTest::addRow("above its rating") << 0.45 << true;
    }
    void fuseAtTheOperatingPoint()
    {
        QFETCH(double, amperes);
        QFETCH(bool, opens);
        Circuit c = net(QStringLiteral("V1 a 0 %1\nXF1 a b FUSE I=0.44 R=0.1\nR1 b 0 9.9\n").arg(amperes * 10));
        Solution s = CircuitSolver::operatingPoint(c);
        QVERIFY(s.solved());
        QCOMPARE(c.element(QStringLiteral("XF1"))->fuseOpen, opens);
        QCOMPARE(s.current(c.elementIndex(QStringLiteral("R1"))) == 0.0, opens);
        // Open, it stays open when the current falls, until it is replaced.
        c.element(QStringLiteral("V1"))->value = 1.0;
        s = CircuitSolver::operatingPoint(c);
        QCOMPARE(c.element(QStringLiteral("XF1"))->fuseOpen, opens);
        c.replaceFuses();
        s = CircuitSolver::operatingPoint(c);
        QVERIFY(near(s.current(c.elementIndex(QStringLiteral("R1"))), 0.1, 1e-6));
    }

    // Twice its rating melts it when (I² - rating²) t reaches its I²t: t = I²t / (3 rating²).
    void fuseMeltsInItsTime()
    {
        Circuit c = net(QStringLiteral("I1 0 a 0\nXF1 a 0 FUSE I=1 I2T=0.3\n"));
        c.element(QStringLiteral("I1"))->waveform = [](double t) { return t > 0 ? 2.0 : 0.0; };
        CircuitSolver::operatingPoint(c);
        int step = 0;
        while (!c.element(QStringLiteral("XF1"))->fuseOpen && step < 1000)
            ++step, CircuitSolver::advance(c, step * 1e-3, 1e-3);
        QCOMPARE(step, 101);
    }

    void noSingleSolution_data()
    {
        QTest::addColumn<QString>("elements");
        QTest::addColumn<SolveStatus>("status");
        QTest::addRow("two sources in parallel") << "V1 a 0 5\nV2 a 0 6\n" << SolveStatus::Singular;
        QTest::addRow("a loop of sources") << "V1 a b 1\nV2 b 0 1\nV3 a 0 1\n" << SolveStatus::Singular;
        QTest::addRow("current into a capacitor") << "I1 0 a 10m\nC1 a 0 1u\n" << SolveStatus::Singular;
        QTest::addRow("current source in series with an open fuse") << "I1 0 a 1\nXF1 a 0 FUSE I=0.1\n"
                                                                    << SolveStatus::Singular;
        QTest::addRow("a source straight across a diode") << "V1 a 0 30\nD1 a 0 DM\n.model DM D (IS=1e-14)\n"
                                                          << SolveStatus::Singular;
        QTest::addRow("a source across a diode and its RS") << "V1 a 0 30\nD1 a 0 DM\n.model DM D (IS=1e-14 RS=0.1)\n"
                                                            << SolveStatus::Solved;
    }
    void noSingleSolution()
    {
        QFETCH(QString, elements);
        QFETCH(SolveStatus, status);
        Circuit c = net(elements);
        const Solution s = CircuitSolver::operatingPoint(c);
        QCOMPARE(s.status, status);
        QCOMPARE(s.nodeVoltages.size(), std::size_t(c.nodeCount()));
        for (double v : s.nodeVoltages)
            QVERIFY(std::isfinite(v));
    }
};

Q_DECLARE_METATYPE(SolveStatus)
QTEST_GUILESS_MAIN(CircuitSolverTest)
#include "tst_circuit_solver.moc"
