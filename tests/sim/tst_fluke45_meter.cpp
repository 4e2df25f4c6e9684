#include "MeterScript.h"
#include "sim/fluke45/Fluke45Meter.h"
#include "sim/fluke45/SignalMeasures.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <numbers>

// The meter driven by its keys and what its jacks see: every row is a line played on a
// factory-fresh meter and what both displays and the marks then show.
class TestFluke45Meter : public QObject {
    Q_OBJECT

private slots:
    void displays_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* line, const char* shown) {
            QTest::addRow("%s", name) << QString::fromUtf8(line) << QString::fromUtf8(shown);
        };
        // Ranges and their edges, autorange and by hand.
        row("3 V at full scale", "V=3", "3.0000 V |  | AUTO M");
        row("just above 3 V goes up a range", "V=3.0001", "3.000 V |  | AUTO M");
        row("just below 300 mV", "V=0.29999", "299.99 mV |  | AUTO M");
        row("negative", "V=-12", "-12.000 V |  | AUTO M");
        row("a tiny negative reads no sign", "V=-0.000001", "0.00 mV |  | AUTO M");
        row("above the top range", "V=1200", "OL V |  | AUTO M");
        row("no number from the circuit", "V=nan 2ND V~", "OL V | OL V | AUTO M");
        row("a range too small", "V=5 ▼", "OL V |  | MAN M");
        row("up from autorange", "V=5 ▲", "5.00 V |  | MAN M");
        row("AUTO keeps the range, then autoranges", "V=5 AUTO", "5.000 V |  | MAN M");
        row("AUTO twice", "V=5 ▲ AUTO", "5.000 V |  | AUTO M");
        row("top range, up refused", "V=500 ▲ ▲", "500.0 V |  | MAN M");
        // DC, AC and both of one input.
        row("AC of a DC input", "V=5 V~", "0.00 mV |  | AUTO M");
        row("DC of a sine on a level", "V=2~1@50", "2.0000 V |  | AUTO M");
        row("AC of a sine on a level", "V=2~1@50 V~", "1.0000 V |  | AUTO M");
        row("AC+DC of a sine on a level", "V=2~1@50 VDC+V~", "2.2361 V |  | AUTO M");
        row("AC+DC from the AC key first", "V=2~1@50 V~+VDC", "2.2361 V |  | AUTO M");
        // Rate.
        row("fast shows a digit fewer", "V=1.234567 RATE", "1.235 V |  | AUTO F");
        row("slow a digit more", "V=1.234567 RATE RATE", "1.23457 V |  | AUTO S");
        row("back to medium", "V=1.234567 RATE RATE RATE", "1.2346 V |  | AUTO M");
        row("frequency keeps its digits", "V=0~1@50 FREQ RATE", "50.00 Hz |  | AUTO F");
        // Frequency.
        row("50 Hz", "V=0~1@50 FREQ", "50.00 Hz |  | AUTO M");
        row("2 kHz", "V=0~1@2000 FREQ", "2.0000 kHz |  | AUTO M");
        row("2 Hz is too slow for autorange", "V=0~1@2 FREQ", "0.00 Hz |  | AUTO M");
        row("2 Hz on the 100 Hz range", "V=0~1@2 FREQ ▼", "2.000 Hz |  | MAN M");
        row("no signal", "V=3 FREQ", "0.00 Hz |  | AUTO M");
        row("a current's frequency", "mA=0~0.01@400 FREQ", "400.00 Hz |  | AUTO M");
        // The secondary display.
        row("2ND lights", "2ND", "0.00 mV |  | AUTO 2ND M");
        row("frequency on the secondary", "V=0~1@50 V~ 2ND FREQ", "1.0000 V | 50.00 Hz | AUTO M");
        row("2ND twice turns it off", "V=0~1@50 V~ 2ND FREQ 2ND 2ND", "1.0000 V |  | AUTO M");
        row("AC+DC on the secondary", "V=2~1@50 V~ 2ND VDC+V~", "1.0000 V | 2.2361 V | AUTO M");
        row("current beside voltage", "V=5 mA=0.02 2ND ADC", "5.000 V | 20.000 mA | AUTO M");
        row("ohms refused beside volts", "V=5 2ND Ω", "5.000 V |  | AUTO M");
        row("secondary stays autoranged", "V=5 ▼ 2ND VDC", "OL V | 5.000 V | MAN M");
        // Current.
        row("30 mA range", "mA=0.02 ADC", "20.000 mA |  | AUTO M");
        row("100 mA range", "mA=0.05 ADC", "50.00 mA |  | AUTO M");
        row("above 100 mA", "mA=0.2 ADC", "OL mA |  | AUTO M");
        row("the 10 A jack", "A=2 ADC", "2.000 A |  | AUTO M");
        row("10 A jack on a mA range", "A=2 ADC ▼", "0.00 mA |  | MAN M");
        row("open fuse reads nothing", "mA=0.02 fuse ADC", "0.000 mA |  | AUTO M");
        row("AC current", "mA=0.001~0.01@50 A~", "10.000 mA |  | AUTO M");
        // Ohms and diode test, through the meter's own test source.
        row("1 kΩ", "R=1000 Ω", "1.0000 kΩ |  | AUTO M");
        row("300 Ω at full scale", "R=300 Ω", "300.00 Ω |  | AUTO M");
        row("just above 300 Ω", "R=301 Ω", "0.3010 kΩ |  | AUTO M");
        row("open leads", "R=open Ω", "OL MΩ |  | AUTO M");
        row("too small a range", "R=47000 Ω ▼", "OL kΩ |  | MAN M");
        row("ohms on both displays", "R=1000 Ω 2ND Ω", "1.0000 kΩ | 1.0000 kΩ | AUTO M");
        row("a diode's forward voltage", "D=0.6123 →|·)))", "0.6123 V |  | AUTO ·))) M");
        row("diode open", "R=open →|·)))", "OL V |  | AUTO ·))) M");
        row("the key again turns the beep off", "D=0.6123 →|·))) →|·)))", "0.6123 V |  | AUTO M");
        // REL: the reading at the press is the base.
        row("REL above the base", "V=5 REL V=7", "2.000 V |  | MAN REL M");
        row("REL below the base", "V=5 REL V=3", "-2.000 V |  | MAN REL M");
        row("REL refused on OL", "V=5 ▼ REL", "OL V |  | MAN M");
        row("REL again ends it", "V=5 REL V=7 REL", "7.000 V |  | MAN M");
        row("REL base edited", "V=5 REL 2ND REL ▲ AUTO", "-1.000 V |  | MAN REL M");
        // dB over the reference impedance.
        row("0 dBm over 600 Ω", "V=0~0.7746@1000 V~ dB", "0.00 dBm |  | AUTO dB M");
        row("dB over 800 Ω", "V=0~0.7746@1000 V~ dB 2ND dB ▲ AUTO", "-1.25 dBm |  | AUTO dB M");
        row("the list editor shows the next", "V~ 2ND dB ▲", "800 Ω | rEF | AUTO M");
        row("the list stops at its end", "2ND dB ▲ ▲ ▲ ▲ ▲ ▲", "8000 Ω | rEF | AUTO M");
        row("dB of nothing", "V=0 dB", "-OL dBm |  | AUTO dB M");
        row("dB refused on current", "mA=0.01 ADC dB", "10.000 mA |  | AUTO M");
        row("dB of a DC level", "V=-10 dB", "22.22 dBm |  | AUTO dB M");
        // Touch Hold: a new reading is taken once it is stable and differs enough.
        row("HOLD keeps the reading", "V=5 HOLD V=9", "5.000 V |  | AUTO HOLD M");
        row("less than the threshold", "V=5 HOLD V=7 t400", "5.000 V |  | AUTO HOLD M");
        row("more than the threshold", "V=5 HOLD V=7.2 t400", "7.200 V |  | AUTO HOLD M");
        row("threshold 1 is finer", "V=5 2ND HOLD ▼ AUTO HOLD V=7 t400", "7.000 V |  | AUTO HOLD M");
        row("not near zero", "V=5 HOLD V=0 t400", "5.000 V |  | AUTO HOLD M");
        row("HOLD again forces a reading", "V=5 HOLD V=6 HOLD", "6.000 V |  | AUTO HOLD M");
        row("HOLD held ends it", "V=5 HOLD V=9 HOLD*", "9.000 V |  | AUTO M");
        row("THRESH held does not", "V=5 HOLD V=9 2ND HOLD* AUTO", "9.000 V |  | AUTO HOLD M");
        // MN MX: MIN first, then MAX, held to leave.
        row("MN MX shows the least", "V=5 MNMX V=7 V=3 V=6", "3.000 V |  | MAN MIN M");
        row("then the greatest", "V=5 MNMX V=7 V=3 V=6 MNMX", "7.000 V |  | MAN MAX M");
        row("and the least again", "V=5 MNMX V=7 MNMX MNMX", "5.000 V |  | MAN MIN M");
        row("held to leave", "V=5 MNMX V=7 V=6 MNMX*", "6.000 V |  | MAN M");
        row("an OL is the greatest", "V=5 MNMX V=40 V=6 MNMX", "OL V |  | MAN MAX M");
        // COMP with HI and LO set with the number editor.
        row("the editor starts from the reading", "R=1000 Ω 2ND ▲", "1.0000 kΩ | HI | AUTO M");
        row("▲ turns the first digit", "R=1000 Ω 2ND ▲ ▲", "2.0000 kΩ | HI | AUTO M");
        row("▼ moves to the next digit", "R=1000 Ω 2ND ▲ ▼ ▲", "1.1000 kΩ | HI | AUTO M");
        row("9 turns to 0", "R=9000 Ω 2ND ▲ ▲", "0.000 kΩ | HI | AUTO M");
        row("on the LO limit passes", "R=1000 Ω 2ND ▲ ▲ AUTO 2ND ▼ AUTO 2ND AUTO",
            "1.0000 kΩ | PASS | AUTO HOLD COMP M");
        row("on the HI limit passes", "R=1000 Ω 2ND ▲ AUTO 2ND AUTO", "1.0000 kΩ | PASS | AUTO HOLD COMP M");
        row("above HI", "R=1000 Ω 2ND ▼ AUTO 2ND AUTO", "1.0000 kΩ | HI | AUTO HOLD COMP M");
        row("below LO", "R=1000 Ω 2ND ▲ ▲ AUTO 2ND ▼ AUTO 2ND AUTO R=700 t400", "0.7000 kΩ | LO | AUTO HOLD COMP M");
        row("a limit keeps the held reading's unit", "R=1000 Ω HOLD R=100 ▼ 2ND ▲ AUTO 2ND AUTO",
            "100.00 Ω | PASS | MAN HOLD COMP M");
        row("another key abandons the edit", "R=1000 Ω 2ND ▲ ▲ REL 2ND AUTO", "1.0000 kΩ | HI | AUTO HOLD COMP M");
        row("COMP again ends it", "R=1000 Ω 2ND AUTO 2ND AUTO", "1.0000 kΩ |  | AUTO M");
        // A new function ends the modifiers; POWER brings back the factory settings.
        row("a function ends REL", "V=5 REL V~", "0.00 mV |  | AUTO M");
        row("off", "V=5 RATE REL POWER", "apagado");
        row("on again, as from the factory", "V=5 RATE REL 2ND V~ POWER POWER", "5.000 V |  | AUTO M");
        row("keys do nothing while off", "V=5 POWER V~ RATE POWER", "5.000 V |  | AUTO M");
    }

    void displays()
    {
        QFETCH(QString, line);
        QFETCH(QString, shown);
        Fluke45Meter meter;
        MeterScript script(meter);
        script.play(line);
        QCOMPARE(MeterScript::summary(meter.display()), shown);
    }

    // Any keys, held or not, with any input: the displays always show something the
    // seven segments can draw, and the meter always gives the circuit a load.
    void randomPlayKeepsTheDisplayWhole()
    {
        static const QRegularExpression number(QStringLiteral("^-?(\\d+(\\.\\d+)?|OL)$"));
        static const QStringList words{QStringLiteral("HI"),  QStringLiteral("LO"),  QStringLiteral("PASS"),
                                       QStringLiteral("rEL"), QStringLiteral("rEF"), QStringLiteral("thr")};
        QRandomGenerator random(45);
        QStringList keys;
        for (Fluke45Key key : fluke45Keys())
            keys << fluke45KeyLegend(key).remove(QLatin1Char(' '));
        const QStringList inputs{"V=%1", "V=%1~%2@60", "mA=%3", "A=%1~%2@1000", "R=%4", "D=%2", "R=open", "V=nan"};
        Fluke45Meter meter;
        MeterScript script(meter);
        for (int step = 0; step < 10000; ++step) {
            QString word = keys.at(random.bounded(int(keys.size())));
            const int choice = random.bounded(10);
            if (choice == 0)
                word = inputs.at(random.bounded(int(inputs.size())))
                           .arg(QString::number(random.bounded(2400.0) - 1200), QString::number(random.bounded(2.0)),
                                QString::number(random.bounded(0.4) - 0.2), QString::number(random.bounded(1e9)));
            else if (choice == 1)
                word = QStringLiteral("t%1").arg(random.bounded(2500));
            else if (choice == 2)
                word += QLatin1Char('*');
            script.play(word);
            const Fluke45Display display = meter.display();
            QCOMPARE(display.lit, meter.isOn());
            QVERIFY(meter.load().inputResistance > 0);
            if (!display.lit)
                continue;
            QVERIFY2(number.match(display.primary.text).hasMatch(), qPrintable(word + ": " + display.primary.text));
            if (display.secondary.shown)
                QVERIFY2(number.match(display.secondary.text).hasMatch() || words.contains(display.secondary.text),
                         qPrintable(word + ": " + display.secondary.text));
            QVERIFY(!meter.state().range.isEmpty());
        }
    }

    void sounds_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<Fluke45Sound>>("heard");
        using S = Fluke45Sound;
        QTest::addRow("one beep below 0.8 V") << "→|·))) R=500" << QList<S>{S::Beep};
        QTest::addRow("none above") << "→|·))) R=1200" << QList<S>{};
        QTest::addRow("once, not at each reading") << "→|·))) R=500 t1000" << QList<S>{S::Beep};
        QTest::addRow("continuous below 25 mV")
            << "→|·))) R=10 t1000 R=open" << QList<S>{S::ContinuousOn, S::ContinuousOff};
        QTest::addRow("beep turned off") << "→|·))) →|·))) R=10" << QList<S>{};
        QTest::addRow("the key stops a continuous beep")
            << "→|·))) R=10 →|·)))" << QList<S>{S::ContinuousOn, S::ContinuousOff};
        QTest::addRow("POWER stops it") << "→|·))) R=10 POWER" << QList<S>{S::ContinuousOn, S::ContinuousOff};
        QTest::addRow("no beep in ohms") << "Ω R=10" << QList<S>{};
        QTest::addRow("Touch Hold beeps at a new reading") << "V=5 HOLD V=9 t200 t200" << QList<S>{S::Beep};
        QTest::addRow("a refused key beeps") << "→|·))) ▲" << QList<S>{S::Beep};
    }

    void sounds()
    {
        QFETCH(QString, line);
        QFETCH(QList<Fluke45Sound>, heard);
        Fluke45Meter meter;
        MeterScript script(meter);
        script.play(line);
        const auto sounds = meter.takeSounds();
        QCOMPARE(QList<Fluke45Sound>(sounds.begin(), sounds.end()), heard);
        QVERIFY(meter.takeSounds().empty());
    }

    void load_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("inputVolts");
        QTest::addColumn<double>("inputResistance");
        QTest::addRow("volts") << "V~" << 0.0 << 10e6;
        QTest::addRow("ohms, lowest range") << "R=100 Ω" << 3.2 << 3.2e3;
        QTest::addRow("ohms, 3 MΩ by hand") << "Ω ▲ ▲ ▲ ▲" << 3.2 << 3.2e6;
        QTest::addRow("ohms open autoranges to the top") << "R=open Ω" << 3.2 << 320e6;
        QTest::addRow("diode test") << "→|·)))" << 3.2 << 3.2e3;
        QTest::addRow("off") << "Ω POWER" << 0.0 << 10e6;
    }

    void load()
    {
        QFETCH(QString, line);
        QFETCH(double, inputVolts);
        QFETCH(double, inputResistance);
        Fluke45Meter meter;
        MeterScript(meter).play(line);
        const MeterLoad load = meter.load();
        QCOMPARE(load.inputVolts, inputVolts);
        QCOMPARE(load.inputResistance, inputResistance);
        // The current jacks are always shunts behind their fuses.
        QVERIFY(load.milliampsShunt > 0 && load.ampsShunt < load.milliampsShunt);
        QVERIFY(load.milliampsFuseRating > 0.1 && load.ampsFuseRating > 10);
    }

    void readings_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reading");
        QTest::addRow("volts") << "V=12"
                               << "12.000 V en continua, rango 30 V automático, lectura media";
        QTest::addRow("overload") << "V=5 ▼"
                                  << "OL (fuera de rango) en continua, rango 3 V manual, lectura media";
        QTest::addRow("both displays")
            << "V=0~1@50 V~ 2ND FREQ RATE RATE"
            << "1.00000 V en alterna, rango 3 V automático, lectura lenta; display secundario: 50.00 Hz, rango 1 kHz";
        QTest::addRow("modifiers") << "V=5 REL"
                                   << "0.000 V en continua, rango 30 V manual, REL, lectura media";
        QTest::addRow("diode") << "D=0.6 →|·)))"
                               << "0.6000 V en prueba de diodos, rango 3 V automático, pitido de continuidad "
                                  "activado, lectura media";
        QTest::addRow("number editor") << "R=1000 Ω 2ND ▲ ▼"
                                       << "1.0000 kΩ en edición, cifra 2, rango automático, lectura media; "
                                          "display secundario: HI";
        QTest::addRow("off") << "POWER"
                             << "apagado";
    }

    void readings()
    {
        QFETCH(QString, line);
        QFETCH(QString, reading);
        Fluke45Meter meter;
        MeterScript(meter).play(line);
        QCOMPARE(meter.display().reading(), reading);
    }

    // What an exercise compares, in a student's words.
    void state_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("state");
        QTest::addRow("factory") << ""
                                 << "V DC | 300 mV automático | apagado |  | 0.00 mV | ";
        QTest::addRow("AC+DC by hand, FREQ beside") << "V=2~1@50 VDC+V~ ▲ 2ND FREQ"
                                                    << "V DC+V~ | 30 V manual | FREQ |  | 2.236 V | 50.00 Hz";
        QTest::addRow("modifiers") << "V=5 MNMX REL"
                                   << "V DC | 30 V manual | apagado | REL MIN | 0.000 V | ";
        QTest::addRow("COMP over an overload") << "R=open Ω 2ND AUTO"
                                               << "Ω | 300 MΩ automático | apagado | HOLD COMP | OL | HI";
    }

    void state()
    {
        QFETCH(QString, line);
        QFETCH(QString, state);
        Fluke45Meter meter;
        MeterScript(meter).play(line);
        const Fluke45State found = meter.state();
        QCOMPARE(QStringList({found.function, found.range + QLatin1Char(' ') + found.rangeMode, found.secondary,
                              found.modifiers.join(QLatin1Char(' ')), found.reading, found.secondaryReading})
                     .join(QStringLiteral(" | ")),
                 state);
    }

    void signalMeasures_data()
    {
        QTest::addColumn<std::vector<double>>("samples");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("acRms");
        QTest::addColumn<double>("trueRms");
        QTest::addColumn<double>("frequency");
        // 100 samples 1 ms apart: 0.1 s.
        const auto wave = [](auto shape) {
            std::vector<double> values;
            for (int index = 0; index < 100; ++index)
                values.push_back(shape(index));
            return values;
        };
        QTest::addRow("square, three periods")
            << wave([](int i) { return (i * 3 / 50) % 2 == 0 ? 1.0 : -1.0; }) << 0.0 << 1.0 << 1.0 << 30.0;
        QTest::addRow("square starting low")
            << wave([](int i) { return (i * 3 / 50) % 2 == 0 ? -1.0 : 1.0; }) << 0.0 << 1.0 << 1.0 << 30.0;
        QTest::addRow("pulse on a level, high a fifth of the time")
            << wave([](int i) { return i % 10 < 2 ? 6.0 : 1.0; }) << 2.0 << 2.0 << std::sqrt(8.0) << 100.0;
        QTest::addRow("sine with small ripple counts once") << wave([](int i) {
            return std::sin(2 * std::numbers::pi * i / 100) + 0.1 * std::sin(2 * std::numbers::pi * i * 10 / 100);
        }) << 0.0 << std::sqrt(0.5 + 0.005) << std::sqrt(0.505)
                                                            << 10.0;
        QTest::addRow("a level") << std::vector<double>{4.0} << 4.0 << 0.0 << 4.0 << 0.0;
    }

    void signalMeasures()
    {
        QFETCH(std::vector<double>, samples);
        QFETCH(double, mean);
        QFETCH(double, acRms);
        QFETCH(double, trueRms);
        QFETCH(double, frequency);
        const SignalMeasures measures = measureSamples(samples, samples.size() > 1 ? 0.001 : 0);
        QCOMPARE(measures.mean + 1, mean + 1);
        QCOMPARE(measures.acRms + 1, acRms + 1);
        QCOMPARE(measures.trueRms + 1, trueRms + 1);
        QCOMPARE(measures.frequency, frequency);
    }
};

QTEST_GUILESS_MAIN(TestFluke45Meter)
#include "tst_fluke45_meter.moc"
