// The oscilloscope's choice of timebase and V/div for a signal, and how it writes them.
#include "sim/signal/ScopeScale.h"

#include <QTest>
#include <cmath>

namespace {

ScopeSignal live(double period, double lowest, double highest, int cycles = 0)
{
    return {ScopeSignal::Output::Live, [](double) { return 0.0; }, period, lowest, highest, cycles};
}

} // namespace

Q_DECLARE_METATYPE(ScopeSignal)

class ScopeScaleTest : public QObject {
    Q_OBJECT

private slots:
    void choosesScale_data()
    {
        QTest::addColumn<ScopeSignal>("signal");
        QTest::addColumn<double>("secondsPerDivision");
        QTest::addColumn<double>("voltsPerDivision");
        QTest::addColumn<double>("leftEdgeSeconds");

        QTest::newRow("1 kHz, 1 Vp-p") << live(1e-3, -0.5, 0.5) << 0.2e-3 << 0.2 << 0.0;
        QTest::newRow("5 kHz: two and a half periods") << live(0.2e-3, -0.5, 0.5) << 50e-6 << 0.2 << 0.0;
        QTest::newRow("250 Hz, 4 Vp-p") << live(4e-3, -2, 2) << 1e-3 << 1.0 << 0.0;
        QTest::newRow("1.5 kHz: no step shows two to three") << live(1 / 1.5e3, -0.5, 0.5) << 0.2e-3 << 0.2 << 0.0;
        QTest::newRow("2 MHz") << live(0.5e-6, -0.5, 0.5) << 0.1e-6 << 0.2 << 0.0;
        QTest::newRow("0.001 mHz") << live(1e6, -0.5, 0.5) << 2e5 << 0.2 << 0.0;
        QTest::newRow("offset +2 V lifts the largest excursion") << live(1e-3, 1.5, 2.5) << 0.2e-3 << 1.0 << 0.0;
        QTest::newRow("TTL levels") << live(10e-6, 0, 5) << 2e-6 << 2.0 << 0.0;
        QTest::newRow("2 mVp-p") << live(1e-3, -1e-3, 1e-3) << 0.2e-3 << 0.5e-3 << 0.0;
        QTest::newRow("20 Vp-p") << live(1e-3, -10, 10) << 0.2e-3 << 5.0 << 0.0;
        QTest::newRow("steady 3 V") << live(0, 3, 3) << 1e-3 << 1.0 << 0.0;
        QTest::newRow("steady 0 V") << live(0, 0, 0) << 1e-3 << 1.0 << 0.0;
        QTest::newRow("burst of 1 at 1 kHz") << live(1e-3, -0.5, 0.5, 1) << 0.2e-3 << 0.2 << -0.2e-3;
        QTest::newRow("burst of 3 at 1 kHz") << live(1e-3, -0.5, 0.5, 3) << 0.5e-3 << 0.2 << -0.5e-3;
        QTest::newRow("burst of 9999 at 2 MHz") << live(0.5e-6, -0.5, 0.5, 9999) << 1e-3 << 0.2 << -1e-3;
    }

    void choosesScale()
    {
        QFETCH(ScopeSignal, signal);
        QFETCH(double, secondsPerDivision);
        QFETCH(double, voltsPerDivision);
        QFETCH(double, leftEdgeSeconds);
        const ScopeScale scale = chooseScale(signal);
        QCOMPARE(scale.secondsPerDivision, secondsPerDivision); // fuzzy, as QCOMPARE compares doubles
        QCOMPARE(scale.voltsPerDivision, voltsPerDivision);
        QCOMPARE(scale.leftEdgeSeconds, leftEdgeSeconds);
    }

    // Every frequency from 1 µHz to 2 MHz: two to five whole periods across the screen,
    // on a timebase of the 1-2-5 sequence.
    void showsTwoToFivePeriodsAtAnyFrequency()
    {
        for (double frequency = 1e-6; frequency <= 2e6; frequency *= 1.037) {
            const ScopeScale scale = chooseScale(live(1 / frequency, -1, 1));
            const double periods = ScopeDivisionsAcross * scale.secondsPerDivision * frequency;
            QVERIFY2(periods >= 2 - 1e-9 && periods < 5, qPrintable(QString::number(frequency)));
            const double mantissa =
                scale.secondsPerDivision / std::pow(10, std::floor(std::log10(scale.secondsPerDivision) + 1e-9));
            QVERIFY2(qFuzzyCompare(mantissa, 1) || qFuzzyCompare(mantissa, 2) || qFuzzyCompare(mantissa, 5),
                     qPrintable(QString::number(scale.secondsPerDivision)));
        }
    }

    void writesLabels_data()
    {
        QTest::addColumn<bool>("time");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("label");

        QTest::newRow("0.2 ms") << true << 0.2e-3 << QStringLiteral("0.2 ms/div");
        QTest::newRow("50 µs") << true << 50e-6 << QStringLiteral("50 \u00b5s/div");
        QTest::newRow("0.1 ms, not 100 µs") << true << 100e-6 << QStringLiteral("0.1 ms/div");
        QTest::newRow("20 ns") << true << 20e-9 << QStringLiteral("20 ns/div");
        QTest::newRow("200000 s") << true << 2e5 << QStringLiteral("200000 s/div");
        QTest::newRow("50 mV") << false << 0.05 << QStringLiteral("50 mV/div");
        QTest::newRow("0.5 mV") << false << 0.5e-3 << QStringLiteral("0.5 mV/div");
    }

    void writesLabels()
    {
        QFETCH(bool, time);
        QFETCH(double, value);
        QFETCH(QString, label);
        QCOMPARE(time ? timebaseLabel(value) : verticalLabel(value), label);
    }

    void speaksScale()
    {
        QCOMPARE(spokenScale({0.2e-3, 1, 0}), QStringLiteral("0.2 ms por divisi\u00f3n, 1 V por divisi\u00f3n"));
    }
};

QTEST_MAIN(ScopeScaleTest)
#include "tst_scope_scale.moc"
