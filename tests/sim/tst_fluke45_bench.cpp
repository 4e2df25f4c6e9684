#include "sim/bench/BenchExercises.h"
#include "sim/bench/Fluke45Bench.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(QList<int>)

namespace {

using K = Fluke45Key;
constexpr Lead red = Lead::Red;
constexpr Lead black = Lead::Black;

void play(Fluke45Bench& bench, const QList<int>& keys)
{
    for (int key : keys) {
        bench.press(key);
        bench.release(key);
    }
}

// The keys that choose a circuit and put the leads in jacks and on points.
QList<int> wire(Fluke45Bench& bench, const char* file, Jack redJack, int redPoint, Jack blackJack, int blackPoint)
{
    return {BenchKey::chooseCircuit(bench.circuitNamed(QString::fromUtf8(file))),
            BenchKey::plug(red, std::nullopt),
            BenchKey::plug(black, std::nullopt),
            BenchKey::plug(red, redJack),
            BenchKey::plug(black, blackJack),
            BenchKey::touch(red, redPoint),
            BenchKey::touch(black, blackPoint)};
}

QList<int> times(int key, int count)
{
    return QList<int>(count, key);
}

// The primary display's value in its function's own unit (V, A, Ω), NaN on an overload.
double shownValue(const Fluke45Bench& bench)
{
    const Fluke45Readout readout = bench.meter().display().primary;
    if (readout.text.endsWith(QLatin1String("OL")))
        return std::nan("");
    const double factor = readout.unit.startsWith(QLatin1Char('m'))   ? 1e-3
                          : readout.unit.startsWith(QLatin1Char('k')) ? 1e3
                          : readout.unit.startsWith(QLatin1Char('M')) ? 1e6
                                                                      : 1.0;
    return readout.text.toDouble() * factor;
}

// A student's random doings on the bench: any key of the meter (held long at times) or the
// generator, the supply's knobs and switch, plugs and tips anywhere, circuits, the break,
// fuses blown by a current input across a source, time passing.
void wander(Fluke45Bench& bench, QRandomGenerator& random, int steps)
{
    const auto pick = [&random](int count) { return int(random.bounded(count)); };
    for (int step = 0; step < steps; ++step) {
        const Lead lead = pick(2) ? red : black;
        switch (pick(10)) {
        case 0:
        case 1: {
            const int key = BenchKey::meter(fluke45Keys().at(std::size_t(pick(int(fluke45Keys().size())))));
            bench.press(key);
            bench.tick(pick(4) ? 50 : Fluke45Meter::longPressMilliseconds + 100);
            bench.release(key);
            break;
        }
        case 2:
            play(bench, {BenchKey::generator(fg110Keys().at(std::size_t(pick(int(fg110Keys().size())))))});
            break;
        case 3:
            play(bench, {BenchKey::action(BenchAction(pick(int(BenchAction::ReplaceFuses) + 1)))});
            break;
        case 4:
            play(bench,
                 {BenchKey::plug(lead, pick(jackCount + 1) < jackCount ? std::optional<Jack>(Jack(pick(jackCount)))
                                                                       : std::nullopt)});
            break;
        case 5:
        case 6: {
            const int points = int(bench.circuit().testPoints.size());
            play(bench,
                 {BenchKey::touch(lead, pick(points + 1) < points ? std::optional<int>(pick(points)) : std::nullopt)});
            break;
        }
        case 7:
            play(bench, {pick(3) ? (pick(2) ? BenchKey::openBreak(0) : BenchKey::closeBreak(0))
                                 : BenchKey::chooseCircuit(pick(bench.circuitCount()))});
            break;
        case 8: // the classic mistake: a current input across the source
            play(bench, {BenchKey::plug(red, pick(2) ? Jack::Milliamps : Jack::Amps), BenchKey::touch(red, 0),
                         BenchKey::touch(black, int(bench.circuit().testPoints.size()) - 1)});
            break;
        default:
            bench.tick(pick(1000));
        }
    }
}

} // namespace

class TestFluke45Bench : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Fluke45Bench bench;
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems().join(QLatin1Char('\n'))));
        QCOMPARE(bench.circuitCount(), 4);
        QCOMPARE(bench.exerciseCount(), 12);
    }

    // Every solution, played after what keysBeforeSequence asks, meets its exercise from
    // the factory state and from where each other exercise's solution leaves the bench.
    void solutionsMeetTheirExercises_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("exercise");
        for (int exercise = 0; exercise < 12; ++exercise)
            for (int before = -1; before < 12; ++before)
                if (before != exercise)
                    QTest::addRow("%d after %d", exercise + 1, before + 1) << before << exercise;
    }
    void solutionsMeetTheirExercises()
    {
        QFETCH(int, before);
        QFETCH(int, exercise);
        Fluke45Bench bench;
        const auto solve = [&bench](int n) {
            play(bench, bench.keysBeforeSequence());
            play(bench, bench.exercise(n).sequence);
            bench.tick(500);
        };
        if (before >= 0)
            solve(before);
        solve(exercise);
        QCOMPARE(bench.differences(exercise), QStringList());
    }

    // From wherever a student leaves the bench, "Muéstramelo" (keysBeforeSequence, then the
    // solution) meets the exercise, and the hints ask for what that state needs.
    void solutionsFromAnyState_data()
    {
        QTest::addColumn<int>("exercise");
        for (int exercise = 0; exercise < 12; ++exercise)
            QTest::addRow("%d", exercise + 1) << exercise;
    }
    void solutionsFromAnyState()
    {
        QFETCH(int, exercise);
        for (int run = 0; run < 40; ++run) {
            QRandomGenerator random(quint32(1000 * exercise + run));
            Fluke45Bench bench(run);
            if (run > 0)
                wander(bench, random, 1 + int(random.bounded(60)));
            const QString before = bench.benchReading() + QStringLiteral(" / ") + bench.displayReading();
            // The supply's knobs stop at its limits, and what it delivers stays within its settings.
            const SupplySettings& supply = bench.supply();
            QVERIFY2(supply.setPoint >= 0 && supply.setPoint <= 30 && supply.currentLimit >= 0
                         && supply.currentLimit <= 4 && std::abs(bench.supplyVolts()) <= supply.setPoint + 1e-6
                         && std::abs(bench.supplyAmps()) <= supply.currentLimit + 1e-6,
                     qPrintable(before));
            const ExerciseText hints = bench.exercise(exercise);
            const QList<int> shown = bench.keysBeforeSequence() + hints.sequence;
            // Nothing to prepare at the factory state; else what the state needs is said.
            QVERIFY(run > 0 || hints.whichKeys == benchExercises().at(exercise).whichKeys);
            const bool meterOff = !bench.meter().isOn(),
                       fuseBlown = bench.fuseOpen(Jack::Milliamps) || bench.fuseOpen(Jack::Amps);
            QCOMPARE(hints.whichKeys.contains(QStringLiteral("Enciende el multímetro")), meterOff);
            QCOMPARE(hints.keysToLight.contains(BenchKey::meter(K::Power)),
                     meterOff || hints.sequenceText.contains(QStringLiteral("Apaga y enciende el multímetro")));
            QCOMPARE(hints.sequenceText.contains(QStringLiteral("«Cambiar fusible»")), fuseBlown);
            // The third hint lists what "Muéstramelo" plays.
            QVERIFY(hints.sequenceText.contains(benchKeyListing(bench, shown)));
            play(bench, shown);
            bench.tick(500);
            QVERIFY2(bench.differences(exercise).isEmpty(),
                     qPrintable(QStringLiteral("run %1 from %2: %3")
                                    .arg(run)
                                    .arg(before, bench.differences(exercise).join(QLatin1Char('\n')))));
        }
    }

    // The mistakes students make on a bench behave as they do there, from the physics.
    void classicMistakes_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("reading"); // a pattern for the primary display
        QTest::addColumn<bool>("lampLit");
        QTest::addColumn<bool>("supplyLimiting");
        QTest::addColumn<bool>("milliampsFuseOpen");
        Fluke45Bench b;
        const int volts = BenchKey::meter(K::VoltsDc), amps = BenchKey::meter(K::AmpsDc),
                  ohms = BenchKey::meter(K::Ohms);
        const int coarseUp = BenchKey::action(BenchAction::SupplyCoarseUp);
        const int supplyOff = BenchKey::action(BenchAction::SupplyOutputOff);
        const int replace = BenchKey::action(BenchAction::ReplaceFuses);
        const QList<int> loopInSeries =
            QList<int>{BenchKey::chooseCircuit(b.circuitNamed(QStringLiteral("lampara.cir"))), BenchKey::openBreak(0)};
        QTest::addRow("lamp current through the 100 mA jack")
            << loopInSeries + wire(b, "lampara.cir", Jack::Milliamps, 1, Jack::Common, 2).mid(1) + QList<int>{amps}
            << "^9\\d\\.\\d\\d mA$" << true << false << false;
        QTest::addRow("lamp current with the red lead in V Ω: almost nothing, the lamp dark")
            << loopInSeries + wire(b, "lampara.cir", Jack::VoltsOhms, 1, Jack::Common, 2).mid(1) + QList<int>{amps}
            << "^0\\.000 mA$" << false << false << false;
        QTest::addRow("the break left open, nothing across it: the lamp dark")
            << loopInSeries << "^0\\.0+ mV$" << false << false << false;
        QTest::addRow("volts with the red lead in 10 A across the supply: current limit")
            << wire(b, "divisor.cir", Jack::Amps, 0, Jack::Common, 2) + times(coarseUp, 12) + QList<int>{volts}
            << "^0\\.\\d+ mV$" << false << true << false;
        QTest::addRow("volts with the red lead in 100 mA across the battery: the fuse opens")
            << wire(b, "pila.cir", Jack::Milliamps, 0, Jack::Common, 1) + QList<int>{amps} << "^0\\.000 mA$" << false
            << false << true;
        QTest::addRow("the blown 100 mA input reads nothing on a good circuit")
            << wire(b, "pila.cir", Jack::Milliamps, 0, Jack::Common, 1) + loopInSeries
                   + wire(b, "lampara.cir", Jack::Milliamps, 1, Jack::Common, 2).mid(1) + QList<int>{amps}
            << "^0\\.000 mA$" << false << false << true;
        QTest::addRow("Cambiar fusible puts it back")
            << wire(b, "pila.cir", Jack::Milliamps, 0, Jack::Common, 1) + loopInSeries
                   + wire(b, "lampara.cir", Jack::Milliamps, 1, Jack::Common, 2).mid(1) + QList<int>{amps, replace}
            << "^9\\d\\.\\d\\d mA$" << true << false << false;
        QTest::addRow("the divider's resistor read with the supply off")
            << wire(b, "divisor.cir", Jack::VoltsOhms, 0, Jack::Common, 1) + QList<int>{supplyOff, ohms}
            << "^4\\.[4-9]\\d\\d kΩ$" << false << false << false;
        QTest::addRow("the same with the supply on reads wrong")
            << wire(b, "divisor.cir", Jack::VoltsOhms, 0, Jack::Common, 1) + times(coarseUp, 12) + QList<int>{ohms}
            << "^-?OL$" << false << false << false;
        QTest::addRow("the battery on too small a manual range")
            << wire(b, "pila.cir", Jack::VoltsOhms, 0, Jack::Common, 1)
                   + QList<int>{volts, BenchKey::meter(K::Auto), BenchKey::meter(K::Down)}
            << "^OL$" << false << false << false;
        using G = Fg110Key;
        QList<int> sine = wire(b, "rc.cir", Jack::VoltsOhms, 0, Jack::Common, 2);
        for (G key : {G::Shift, G::Digit0, G::Amplitude, G::Digit2, G::UnitMHz, G::Channel1})
            sine << BenchKey::generator(key);
        QTest::addRow("the generator's 2 Vp-p sine, its RMS less the 50 Ω output's drop")
            << sine + QList<int>{BenchKey::meter(K::VoltsAc)} << "^0\\.6[6-9]\\d\\d V$" << false << false << false;
        QTest::addRow("the battery on autorange")
            << wire(b, "pila.cir", Jack::VoltsOhms, 0, Jack::Common, 1) + QList<int>{volts} << "^9\\.\\d\\d\\d V$"
            << false << false << false;
    }
    void classicMistakes()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, reading);
        QFETCH(bool, lampLit);
        QFETCH(bool, supplyLimiting);
        QFETCH(bool, milliampsFuseOpen);
        Fluke45Bench bench;
        play(bench, keys);
        const QString shown = bench.meter().state().reading;
        QVERIFY2(QRegularExpression(reading).match(shown).hasMatch(), qPrintable(shown));
        QCOMPARE(bench.lampBrightness(QStringLiteral("XL1")) > 0.5, lampLit);
        QCOMPARE(bench.supplyLimiting(), supplyLimiting);
        QCOMPARE(bench.fuseOpen(Jack::Milliamps), milliampsFuseOpen);
        QCOMPARE(bench.benchReading().contains(QStringLiteral("fusible de la entrada de 100 mA fundido")),
                 milliampsFuseOpen);
    }

    // The reading follows the hidden value, drawn once per bench: the same seed, the same
    // value; another seed, another within its tolerance.
    void hiddenValuesAreMeasured()
    {
        const auto measure = [](std::uint64_t seed) {
            Fluke45Bench bench(seed);
            play(bench, wire(bench, "divisor.cir", Jack::VoltsOhms, 1, Jack::Common, 2)
                            + QList<int>{BenchKey::action(BenchAction::SupplyOutputOff), BenchKey::meter(K::Ohms)});
            const double value = bench.circuit().element(QStringLiteral("R2"))->value;
            return std::pair{shownValue(bench), value};
        };
        const auto [first, firstValue] = measure(1);
        const auto [again, againValue] = measure(1);
        const auto [other, otherValue] = measure(2);
        QCOMPARE(first, again);
        QVERIFY(firstValue != otherValue);
        QVERIFY(std::abs(first - firstValue) < 1e-3 * firstValue);
        QVERIFY(std::abs(other - otherValue) < 1e-3 * otherValue);
    }

    // A check that fails says what differs, and a lead in the wrong jack says so.
    void failedChecksNameTheDifference_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QList<int>>("afterSolution");
        QTest::addColumn<QString>("line");
        QTest::addRow("battery, red lead in 10 A")
            << 0 << QList<int>{BenchKey::plug(red, std::nullopt), BenchKey::plug(red, Jack::Amps)}
            << "Cable rojo: en un borne equivocado, 10 A (se pide en el borne V Ω ⊣)";
        QTest::addRow("lamp current, red lead in V Ω")
            << 3 << QList<int>{BenchKey::plug(red, std::nullopt), BenchKey::plug(red, Jack::VoltsOhms)}
            << "Cable rojo: en un borne equivocado, V Ω ⊣ (se pide en el borne 100 mA)";
        QTest::addRow("battery, black lead out") << 0 << QList<int>{BenchKey::plug(black, std::nullopt)}
                                                 << "Cable negro: fuera del multímetro (se pide en el borne COM)";
        QTest::addRow("battery, tip lifted")
            << 0 << QList<int>{BenchKey::touch(red, std::nullopt)} << "Punta roja: en el aire (se pide punto +)";
        QTest::addRow("battery, too small a range")
            << 0 << QList<int>{BenchKey::meter(K::Auto), BenchKey::meter(K::Down)}
            << "Lectura: OL (fuera de rango) (se pide un valor dentro del rango)";
        QTest::addRow("R1 one range up") << 1 << QList<int>{BenchKey::meter(K::Up)}
                                         << "Rango: 300 kΩ manual (se pide 30 kΩ manual)";
        QTest::addRow("divider, supply a step over") << 2 << QList<int>{BenchKey::action(BenchAction::SupplyFineUp)}
                                                     << "Tensión de la fuente: 12,1 V (se pide 12,0 V)";
        QTest::addRow("divider, REL left on")
            << 2 << QList<int>{BenchKey::meter(K::Relative)} << "Modificadores: REL (se pide ninguno)";
        const int loop = BenchKey::chooseCircuit(Fluke45Bench().circuitNamed(QStringLiteral("lampara.cir")));
        QTest::addRow("the diode tested again with the supply on")
            << 4
            << QList<int>{loop, BenchKey::touch(red, 0), BenchKey::touch(black, 1), BenchKey::touch(red, 1),
                          BenchKey::touch(black, 0)}
            << "Prueba en directa (roja en A, negra en B): no hecha (se pide una lectura de la caída del diodo)";
        QTest::addRow("continuity across the open break")
            << 5 << QList<int>{BenchKey::openBreak(0)} << "Pitido continuo: no (se pide sí)";
    }
    void failedChecksNameTheDifference()
    {
        QFETCH(int, exercise);
        QFETCH(QList<int>, afterSolution);
        QFETCH(QString, line);
        Fluke45Bench bench;
        play(bench, bench.keysBeforeSequence() + bench.exercise(exercise).sequence + afterSolution);
        QVERIFY2(bench.differences(exercise).contains(line),
                 qPrintable(bench.differences(exercise).join(QLatin1Char('\n'))));
    }

    // With no circuit that reads, every key is still taken and every exercise still judged.
    void noCircuitAtAll()
    {
        Fluke45Bench full;
        Fluke45Bench bench(CircuitLibrary{}, 1);
        for (int n = 0; n < bench.exerciseCount(); ++n) {
            play(bench, bench.keysBeforeSequence() + full.exercise(n).sequence + bench.exercise(n).sequence);
            QVERIFY(!bench.differences(n).isEmpty());
        }
        QVERIFY(bench.benchReading().startsWith(QStringLiteral("Circuito: ")));
    }

    void benchReading()
    {
        Fluke45Bench bench;
        play(bench, wire(bench, "lampara.cir", Jack::VoltsOhms, 0, Jack::Common, 4));
        QCOMPARE(
            bench.benchReading(),
            QStringLiteral("Circuito: Diodo, resistencia y lámpara en serie; cable rojo en el borne V Ω ⊣, punta en "
                           "el punto A; cable negro en el borne COM, punta en el punto E; corte entre B y C "
                           "cerrado; fuente a 12,0 V, límite de 0,5 A, salida conectada, 0,098 A; lámpara "
                           "encendida."));
        QCOMPARE(bench.keyName(BenchKey::touch(black, 3)), QStringLiteral("Punta negra en el punto D"));
        QCOMPARE(bench.keyName(BenchKey::plug(red, Jack::Amps)), QStringLiteral("Cable rojo al borne 10 A"));
    }
};

QTEST_GUILESS_MAIN(TestFluke45Bench)
#include "tst_fluke45_bench.moc"
