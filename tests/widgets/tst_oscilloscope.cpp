// The oscilloscope's screen: where its trace runs for each waveform, what it shows with
// no signal or a silent output, and what it tells a screen reader.
#include "widgets/Oscilloscope.h"

#include <QTest>
#include <cmath>

namespace {

constexpr double Period = 1e-3;
constexpr double Low = -0.5;
constexpr double High = 0.5;

double phase(double seconds)
{
    return seconds / Period - std::floor(seconds / Period);
}

ScopeSignal withOutput(ScopeSignal::Output output, std::function<double(double)> volts = {})
{
    ScopeSignal signal;
    signal.output = output;
    signal.volts = std::move(volts);
    return signal;
}

ScopeSignal wave(std::function<double(double)> volts, int cycles = 0)
{
    return {ScopeSignal::Output::Live, std::move(volts), Period, Low, High, cycles};
}

ScopeSignal sine(int cycles = 0)
{
    return wave(
        [cycles](double t) {
            return cycles > 0 && t >= cycles * Period ? 0.0 : High * std::sin(2 * M_PI * t / Period);
        },
        cycles);
}

ScopeSignal square(double duty)
{
    return wave([duty](double t) { return phase(t) < duty ? High : Low; });
}

ScopeSignal ramp()
{
    return wave([](double t) { return Low + (High - Low) * phase(t); });
}

ScopeSignal triangle()
{
    return wave([](double t) { return Low + (High - Low) * (1 - std::abs(2 * phase(t) - 1)); });
}

struct Scope {
    Oscilloscope widget;

    explicit Scope(ScopeSignal signal)
    {
        widget.resize(336, 300);
        widget.setSignal(std::move(signal));
    }

    // Whether the trace has a point within half a pixel across and one pixel up or down.
    bool passesThrough(double seconds, double volts) const
    {
        const QPointF expected = widget.pointAt(seconds, volts);
        const QPolygonF trace = widget.tracePoints();
        return std::any_of(trace.cbegin(), trace.cend(), [expected](QPointF point) {
            return std::abs(point.x() - expected.x()) <= 0.5 && std::abs(point.y() - expected.y()) <= 1;
        });
    }
};

} // namespace

Q_DECLARE_METATYPE(ScopeSignal)

class OscilloscopeTest : public QObject {
    Q_OBJECT

private slots:
    // At each time, the trace passes through every level listed: a peak or apex at one
    // level; an edge or a reset as one vertical stroke through both (a slanted line
    // would meet them a pixel or more apart).
    void traceRunsThrough_data()
    {
        QTest::addColumn<ScopeSignal>("signal");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QList<double>>("levels");

        QTest::newRow("sine's peak at T/4") << sine() << Period / 4 << QList<double>{High};
        QTest::newRow("sine's trough at 3T/4") << sine() << 3 * Period / 4 << QList<double>{Low};
        QTest::newRow("square's fall at duty·T") << square(0.3) << 0.3 * Period << QList<double>{High, Low};
        QTest::newRow("square's rise at T") << square(0.3) << Period << QList<double>{Low, High};
        QTest::newRow("pulse's fall at 5 %") << square(0.05) << 0.05 * Period << QList<double>{High, Low};
        QTest::newRow("second pulse's fall") << square(0.05) << 1.05 * Period << QList<double>{High, Low};
        QTest::newRow("ramp's reset at T") << ramp() << Period << QList<double>{High, Low};
        QTest::newRow("ramp's middle") << ramp() << 1.5 * Period << QList<double>{0};
        QTest::newRow("triangle's apex at T/2") << triangle() << Period / 2 << QList<double>{High};
        QTest::newRow("triangle's foot at T") << triangle() << Period << QList<double>{Low};
        QTest::newRow("burst's first peak") << sine(2) << Period / 4 << QList<double>{High};
        QTest::newRow("burst's last trough") << sine(2) << 1.75 * Period << QList<double>{Low};
        QTest::newRow("burst of many cycles a pixel: a band")
            << sine(2000) << 1000 * Period << QList<double>{High, Low};
    }

    void traceRunsThrough()
    {
        QFETCH(ScopeSignal, signal);
        QFETCH(double, seconds);
        QFETCH(QList<double>, levels);
        const Scope scope(signal);
        for (double volts : levels)
            QVERIFY2(scope.passesThrough(seconds, volts), qPrintable(QStringLiteral("%1 V").arg(volts)));
    }

    // Before its trigger, one division in, and after its last cycle, a burst rests.
    void burstRestsAroundIt()
    {
        const Scope scope(sine(2));
        const double start = scope.widget.pointAt(0, 0).x();
        const double end = scope.widget.pointAt(2 * Period, 0).x();
        QCOMPARE(start, scope.widget.screenRect().left() + scope.widget.screenRect().width() / ScopeDivisionsAcross);
        for (const QPointF& point : scope.widget.tracePoints())
            if (point.x() <= start || point.x() >= end + 1)
                QCOMPARE(point.y(), scope.widget.pointAt(0, 0).y());
    }

    void showsOutputState_data()
    {
        QTest::addColumn<ScopeSignal>("signal");
        QTest::addColumn<bool>("trace"); // a flat line at 0 V
        QTest::addColumn<QString>("description");

        QTest::newRow("off") << withOutput(ScopeSignal::Output::None) << false << QStringLiteral("Apagado");
        QTest::newRow("output off") << withOutput(ScopeSignal::Output::Zero) << true
                                    << QStringLiteral(
                                           "Sin señal: una línea plana en 0 V; 1 ms por división, 1 V por división");
        QTest::newRow("steady 0 V") << withOutput(ScopeSignal::Output::Live, [](double) { return 0.0; }) << true
                                    << QStringLiteral("Nivel constante de 0 V; 1 ms por división, 1 V por división");
    }

    // With no signal there is no trace; a silent output is a flat line at 0 V across the
    // whole screen; and a screen reader hears the settings.
    void showsOutputState()
    {
        QFETCH(ScopeSignal, signal);
        QFETCH(bool, trace);
        QFETCH(QString, description);
        const Scope scope(signal);
        const QPolygonF points = scope.widget.tracePoints();
        QCOMPARE(!points.isEmpty(), trace);
        if (trace) {
            QCOMPARE(points.boundingRect().height(), 0.0);
            QCOMPARE(points.first().y(), scope.widget.pointAt(0, 0).y());
            QCOMPARE(points.boundingRect().width(), scope.widget.screenRect().width());
        }
        QCOMPARE(scope.widget.accessibleName(), QStringLiteral("Osciloscopio"));
        QCOMPARE(scope.widget.accessibleDescription(), description);
    }

    void groundMarkerAtZeroVolts_data()
    {
        QTest::addColumn<ScopeSignal>("signal");
        QTest::newRow("off") << withOutput(ScopeSignal::Output::None);
        QTest::newRow("square") << square(0.5);
    }

    // A small arrow in the left margin, in the trace's green, points at the 0 V line and
    // at nothing else.
    void groundMarkerAtZeroVolts()
    {
        QFETCH(ScopeSignal, signal);
        Scope scope(signal);
        const QImage picture = scope.widget.grab().toImage();
        const int x = int(scope.widget.screenRect().left()) - 3;
        const int zero = int(scope.widget.pointAt(0, 0).y());
        const auto green = [&](int y) {
            const QColor c = picture.pixelColor(x, y);
            return c.green() > 180 && c.red() < 160;
        };
        QVERIFY(green(zero));
        QVERIFY(!green(zero - 8) && !green(zero + 8));
    }

    void describesTheScreen_data()
    {
        QTest::addColumn<ScopeSignal>("signal");
        QTest::addColumn<QString>("description");
        const auto named = [](ScopeSignal signal, double hertz, ScopeSignal::Shape shape) {
            signal.period = 1 / hertz;
            signal.shape = shape;
            return signal;
        };
        ScopeSignal inverted = named(ramp(), 1000, ScopeSignal::Shape::Ramp);
        inverted.inverted = true;
        inverted.lowest = -1.25, inverted.highest = 0.25;
        QTest::newRow("5 kHz sine") << named(sine(), 5000, ScopeSignal::Shape::Sine)
                                    << "Onda senoidal de 5 kHz, 1 Vp-p, desplazamiento 0 V; 50 µs por división, "
                                       "0.2 V por división; se ven dos periodos y medio";
        QTest::newRow("1.1 kHz, unnamed") << named(sine(), 1100, ScopeSignal::Shape::Unnamed)
                                          << "Señal periódica de 1.1 kHz, 1 Vp-p, desplazamiento 0 V; 0.2 ms por "
                                             "división, 0.2 V por división; se ven algo más de dos periodos";
        QTest::newRow("1.234 kHz") << named(sine(), 1234, ScopeSignal::Shape::Triangle)
                                   << "Onda triangular de 1.234 kHz, 1 Vp-p, desplazamiento 0 V; 0.2 ms por "
                                      "división, 0.2 V por división; se ven casi dos periodos y medio";
        QTest::newRow("inverted, mV") << inverted
                                      << "Onda rampa invertida de 1 kHz, 1.5 Vp-p, desplazamiento -500 mV; 0.2 ms "
                                         "por división, 0.5 V por división; se ven dos periodos";
        QTest::newRow("burst of 3") << named(sine(3), 1000, ScopeSignal::Shape::Sine)
                                    << "Ráfaga de tres ciclos de onda senoidal de 1 kHz, 1 Vp-p, desplazamiento 0 V; "
                                       "antes y después, nivel constante de 0 V; 0.5 ms por división, 0.2 V por "
                                       "división";
    }

    // What a screen reader hears of the screen: the wave as read from the signal, the
    // scale, and how many periods the screen holds.
    void describesTheScreen()
    {
        QFETCH(ScopeSignal, signal);
        QFETCH(QString, description);
        const Scope scope(signal);
        QCOMPARE(scope.widget.accessibleDescription(), description);
    }
};

QTEST_MAIN(OscilloscopeTest)
#include "tst_oscilloscope.moc"
