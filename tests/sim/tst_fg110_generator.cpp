// The FG110 practice generator driven key by key as a student would, and what its
// display, output and exercises then say.

#include "sim/fg110/Fg110Exercises.h"
#include "sim/fg110/Fg110Generator.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Plays "FREQ 5 kHz": keys by their legend, each pressed and let go, "<" and ">" the
// cursors, "v" and "^" the knob; "(LOCAL" holds a key down and "LOCAL)" lets it go;
// "wait" is a second passing, "wait2500" so many milliseconds.
Fg110Generator play(const QString& keys, Fg110Generator generator = {})
{
    for (QString token : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token.startsWith(QLatin1String("wait"))) {
            generator.tick(token.size() > 4 ? token.mid(4).toInt() : 1000);
            continue;
        }
        const bool down = !token.endsWith(QLatin1Char(')')), up = !token.startsWith(QLatin1Char('('));
        if (token.size() > 1)
            token.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
        const QString legend = token == QLatin1String("<")   ? fg110KeyLegend(Fg110Key::CursorLeft)
                               : token == QLatin1String(">") ? fg110KeyLegend(Fg110Key::CursorRight)
                               : token == QLatin1String("v") ? fg110KeyLegend(Fg110Key::KnobDown)
                               : token == QLatin1String("^") ? fg110KeyLegend(Fg110Key::KnobUp)
                                                             : token;
        const auto& all = fg110Keys();
        const auto key = std::find_if(all.begin(), all.end(), [&](Fg110Key k) { return fg110KeyLegend(k) == legend; });
        if (key == all.end())
            qFatal("no key %s", qPrintable(token));
        if (down)
            generator.press(*key);
        if (up)
            generator.release(*key);
    }
    return generator;
}

Fg110Generator playIds(const QList<int>& keys, Fg110Generator generator = {})
{
    for (int key : keys)
        generator.press(Fg110Key(key));
    return generator;
}

// What a demonstration plays: the keys that ready the generator, then the sequence.
Fg110Generator playSequence(int exercise, Fg110Generator generator = {})
{
    return playIds(fg110KeysBeforeSequence(generator) + fg110Exercises().at(exercise).sequence, generator);
}

// Whatever the display shows, a number or a word, fits its digit cells.
bool fitsTheCells(const Fg110Display& display)
{
    return fg110CellsTaken(display.value) <= Fg110Display::cells
           && fg110CellsTaken(display.word) <= Fg110Display::cells;
}

} // namespace

class Fg110GeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void displayAfterKeys_data();
    void displayAfterKeys();
    void blinkingDigit_data();
    void blinkingDigit();
    void output_data();
    void output();
    void randomKeysKeepEveryLimit();
    void hintSequenceMeetsItsExercise_data();
    void hintSequenceMeetsItsExercise();
    void metWhateverItDoesNotAsk_data();
    void metWhateverItDoesNotAsk();
    void nearMissIsNotMet_data();
    void nearMissIsNotMet();
};

void Fg110GeneratorTest::displayAfterKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("reading");
    const auto row = [](const char* keys, const char* reading) {
        QTest::addRow("%s", keys) << QString::fromUtf8(keys) << QString::fromUtf8(reading);
    };
    row("", "1.000 kHz, FREQ, CONT, senoidal");
    // POWER
    row("POWER", "apagado");
    row("POWER FUNC MODE CH1 POWER", "1.000 kHz, FREQ, CONT, senoidal");
    row("FREQ 5 kHz CH1 POWER POWER", "5.000 kHz, FREQ, CONT, senoidal, salida CH1 activada");
    // FUNC
    row("FUNC", "1.000 kHz, FREQ, CONT, cuadrada");
    row("FUNC FUNC", "1.000 kHz, FREQ, CONT, rampa");
    row("FUNC FUNC FUNC", "1.000 kHz, FREQ, CONT, triangular");
    row("FUNC FUNC FUNC FUNC", "1.000 kHz, FREQ, CONT, pulsos");
    row("FUNC FUNC FUNC FUNC FUNC", "1.000 kHz, FREQ, CONT, senoidal");
    row("MODE FUNC", "1.000 kHz, FREQ, TRIG, rampa");
    row("MODE MODE FUNC FUNC FUNC FUNC", "1.000 kHz, FREQ, GATE, senoidal");
    row("FREQ 2 MHz FUNC FUNC", "100.0 kHz, FREQ, CONT, rampa");
    // MODE
    row("MODE", "1.000 kHz, FREQ, TRIG, senoidal");
    row("MODE MODE", "1.000 kHz, FREQ, GATE, senoidal");
    row("MODE MODE MODE", "1.000 kHz, FREQ, DC, senoidal");
    row("MODE MODE MODE MODE", "1.000 kHz, FREQ, CONT, senoidal");
    row("FUNC MODE", "1.000 kHz, FREQ, DC, cuadrada");
    // FREQ
    row("FREQ 2 5 0 Hz", "250.0 Hz, FREQ, CONT, senoidal");
    row("FREQ 2 MHz", "2.000 MHz, FREQ, CONT, senoidal");
    row("FREQ . 0 0 1 mHz", "0.001 mHz, FREQ, CONT, senoidal");
    row("FREQ 1 2 3 4 Hz", "1.234 kHz, FREQ, CONT, senoidal");
    row("FREQ 1 2", "12, FREQ, CONT, senoidal");
    row("FREQ 1 2 3 < kHz", "12.00 kHz, FREQ, CONT, senoidal");
    row("FREQ 3 MHz", "Err, FREQ, CONT, senoidal");
    row("FREQ 3 MHz wait", "1.000 kHz, FREQ, CONT, senoidal");
    row("FREQ 3 MHz AMPL", "1.00 V, AMPL, CONT, senoidal");
    row("FUNC FUNC FUNC FREQ 1 0 1 kHz", "Err, FREQ, CONT, triangular");
    row("FREQ . 0 0 0 1 mHz", "Err, FREQ, CONT, senoidal");
    // AMPL
    row("AMPL 4 MHz", "4.00 V, AMPL, CONT, senoidal");
    row("AMPL 5 0 0 kHz", "500 mV, AMPL, CONT, senoidal");
    row("AMPL 2 Hz", "2.00 Vrms, AMPL, CONT, senoidal");
    row("AMPL 2 Hz FUNC", "2.83 Vrms, AMPL, CONT, cuadrada");
    row("AMPL 2 Hz AMPL 1 MHz", "1.00 V, AMPL, CONT, senoidal");
    row("FUNC FUNC FUNC FUNC AMPL 1 Hz", "Err, AMPL, CONT, pulsos");
    row("AMPL 2 1 MHz", "Err, AMPL, CONT, senoidal");
    row("AMPL 1 0 kHz", "Err, AMPL, CONT, senoidal");
    row("AMPL 2 0 MHz", "20.0 V, AMPL, CONT, senoidal");
    row("RANGE AMPL 2 . 1 MHz", "Err, AMPL, CONT, senoidal, rango 1 V");
    row("RANGE AMPL 2 kHz", "2.00 mV, AMPL, CONT, senoidal, rango 1 V");
    row("AMPL 1 mHz", "Err, AMPL, CONT, senoidal");
    // OFFSET
    row("OFFSET", "0.00 V, OFFSET, CONT, senoidal");
    row("OFFSET 2 MHz", "2.00 V, OFFSET, CONT, senoidal");
    row("AMPL 2 0 kHz OFFSET +/- 9 . 9 9 MHz", "-9.99 V, OFFSET, CONT, senoidal");
    row("AMPL 2 0 kHz OFFSET 1 0 MHz", "Err, OFFSET, CONT, senoidal");
    row("OFFSET 1 0 MHz", "Err, OFFSET, CONT, senoidal");
    row("OFFSET 5 Hz", "Err, OFFSET, CONT, senoidal");
    row("RANGE AMPL 2 kHz OFFSET . 9 9 9 MHz", "0.999 V, OFFSET, CONT, senoidal, rango 1 V");
    row("RANGE OFFSET 1 MHz", "Err, OFFSET, CONT, senoidal, rango 1 V");
    // PHASE
    row("PHASE", "Err, FREQ, CONT, senoidal");
    row("MODE MODE MODE PHASE", "Err, FREQ, DC, senoidal");
    row("MODE PHASE 9 0 Hz", "90 deg, PHASE, TRIG, senoidal");
    row("MODE MODE PHASE +/- 1 0 0 0 0 Hz", "-10000 deg, PHASE, GATE, senoidal");
    row("MODE PHASE 1 0 0 0 1 Hz", "Err, PHASE, TRIG, senoidal");
    row("MODE PHASE MODE MODE", "1.000 kHz, FREQ, DC, senoidal");
    // RANGE
    row("AMPL RANGE", "100 mV, AMPL, CONT, senoidal, rango 1 V");
    row("OFFSET 5 MHz RANGE", "0.500 V, OFFSET, CONT, senoidal, rango 1 V");
    row("AMPL RANGE RANGE", "1.00 V, AMPL, CONT, senoidal");
    // CH1 and SHIFT
    row("CH1", "1.000 kHz, FREQ, CONT, senoidal, salida CH1 activada");
    row("CH1 CH1", "1.000 kHz, FREQ, CONT, senoidal");
    row("SHIFT", "1.000 kHz, FREQ, CONT, senoidal, SHIFT");
    row("SHIFT SHIFT", "1.000 kHz, FREQ, CONT, senoidal");
    row("SHIFT MODE", "1.000 kHz, FREQ, TRIG, senoidal");
    // SCALING, GP-IB, UTILITY
    row("SHIFT RANGE", "ScALE, CONT, senoidal");
    row("SHIFT RANGE 2 MHz", "2.000, CONT, senoidal");
    row("SHIFT RANGE 2 MHz AMPL", "2.00 V, AMPL, CONT, senoidal");
    row("SHIFT RANGE 2 MHz AMPL 4 MHz SHIFT RANGE 1 MHz AMPL", "2.00 V, AMPL, CONT, senoidal");
    row("SHIFT LOCAL", "AdrS, CONT, senoidal");
    row("SHIFT LOCAL 7 Hz", "7, CONT, senoidal");
    row("SHIFT LOCAL 3 1 Hz", "Err, CONT, senoidal");
    row("SHIFT .", "1.000 kHz, FREQ, CONT, senoidal");
    // STORE, RECALL
    row("SHIFT RECALL", "StorE, FREQ, CONT, senoidal");
    row("RECALL", "rEcALL, FREQ, CONT, senoidal");
    row("RECALL 3", "Err, FREQ, CONT, senoidal");
    row("FREQ 5 kHz SHIFT RECALL 3 FREQ 7 kHz RECALL 3", "5.000 kHz, FREQ, CONT, senoidal");
    row("FREQ 5 kHz SHIFT RECALL 3 FREQ 7 kHz RECALL 2", "Err, FREQ, CONT, senoidal");
    row("RECALL FUNC", "1.000 kHz, FREQ, CONT, cuadrada");
    // INVERSE, PERIOD
    row("SHIFT FUNC", "1.000 kHz, FREQ, CONT, senoidal, invertida");
    row("SHIFT FUNC SHIFT FUNC", "1.000 kHz, FREQ, CONT, senoidal");
    row("SHIFT FREQ", "1.000 msec, PERIOD, CONT, senoidal");
    row("SHIFT FREQ 2 kHz FREQ", "500.0 Hz, FREQ, CONT, senoidal");
    row("SHIFT FREQ 2 MHz", "2.000 sec, PERIOD, CONT, senoidal");
    row("SHIFT FREQ . 0 0 0 5 kHz", "0.000500 msec, PERIOD, CONT, senoidal");
    row("SHIFT FREQ . 0 0 0 4 kHz", "Err, PERIOD, CONT, senoidal");
    row("FUNC FUNC SHIFT FREQ . 0 0 5 kHz", "Err, PERIOD, CONT, rampa");
    row("SHIFT FREQ 1 0 0 0 0 0 1 MHz", "Err, PERIOD, CONT, senoidal");
    row("SHIFT FREQ 2 Hz", "Err, PERIOD, CONT, senoidal");
    // HI LEVEL, LO LEVEL, TTL
    row("SHIFT AMPL", "0.50 V, HI LEVEL, CONT, senoidal");
    row("SHIFT OFFSET", "-0.50 V, LO LEVEL, CONT, senoidal");
    row("SHIFT AMPL 3 MHz AMPL", "3.50 V, AMPL, CONT, senoidal");
    row("SHIFT AMPL 3 MHz OFFSET", "1.25 V, OFFSET, CONT, senoidal");
    row("SHIFT OFFSET +/- 2 MHz AMPL", "2.50 V, AMPL, CONT, senoidal");
    row("SHIFT AMPL +/- 1 MHz", "Err, HI LEVEL, CONT, senoidal");
    row("SHIFT AMPL 2 1 MHz", "Err, HI LEVEL, CONT, senoidal");
    row("SHIFT 1 AMPL", "5.00 V, AMPL, CONT, senoidal");
    row("SHIFT 1 OFFSET", "2.50 V, OFFSET, CONT, senoidal");
    row("RANGE SHIFT 1 SHIFT OFFSET", "0.00 V, LO LEVEL, CONT, senoidal");
    // DUTY, BURST, SLOPE
    row("SHIFT PHASE", "Err, FREQ, CONT, senoidal");
    row("FUNC FUNC FUNC FUNC SHIFT PHASE", "50.0 %, DUTY, CONT, pulsos");
    row("FUNC FUNC FUNC FUNC SHIFT PHASE 2 5 mHz", "25.0 %, DUTY, CONT, pulsos");
    row("FUNC FUNC FUNC FUNC SHIFT PHASE 9 6 mHz", "Err, DUTY, CONT, pulsos");
    row("FUNC FUNC FUNC FUNC SHIFT PHASE 2 5 Hz", "Err, DUTY, CONT, pulsos");
    row("SHIFT 4", "Err, FREQ, CONT, senoidal");
    row("MODE SHIFT 4", "brSt, TRIG, senoidal");
    row("MODE SHIFT 4 3 Hz", "3, TRIG, senoidal");
    row("MODE SHIFT 4 9 9 9 9 Hz", "9999, TRIG, senoidal");
    row("MODE SHIFT 4 1 0 0 0 0 Hz", "Err, TRIG, senoidal");
    row("MODE SHIFT 4 0 Hz", "Err, TRIG, senoidal");
    row("MODE FUNC FUNC FUNC SHIFT PHASE 2 5 mHz SHIFT 4", "Err, DUTY, TRIG, pulsos");
    row("SHIFT 5", "SLoPE, CONT, senoidal");
    row("SHIFT 5 ^", "nEg, CONT, senoidal");
    row("SHIFT 5 ^ v", "PoS, CONT, senoidal");
    row("SHIFT 5 >", "nEg, CONT, senoidal");
    row("SHIFT 5 > <", "PoS, CONT, senoidal");
    row("SHIFT 5 3 kHz", "SLoPE, CONT, senoidal");
    // INITIALIZE keeps the memories and the GP-IB address
    row("FREQ 5 kHz CH1 MODE SHIFT FUNC RANGE SHIFT 0", "1.000 kHz, FREQ, CONT, senoidal");
    row("FREQ 5 kHz SHIFT RECALL 1 SHIFT 0 RECALL 1", "5.000 kHz, FREQ, CONT, senoidal");
    row("SHIFT LOCAL 7 Hz SHIFT 0 SHIFT LOCAL >", "7, CONT, senoidal");
    // Cursors and knob: carry, limits
    row("^", "1.001 kHz, FREQ, CONT, senoidal");
    row("FREQ < < < < ^", "2.000 kHz, FREQ, CONT, senoidal");
    row("FREQ < < < < < ^", "2.000 kHz, FREQ, CONT, senoidal");
    row("FREQ 9 . 9 9 9 kHz < ^", "10.00 kHz, FREQ, CONT, senoidal");
    row("FREQ 1 kHz < v", "999.0 Hz, FREQ, CONT, senoidal");
    row("FREQ 1 kHz < v v", "998.0 Hz, FREQ, CONT, senoidal");
    row("FREQ 2 MHz < ^", "2.000 MHz, FREQ, CONT, senoidal");
    row("FREQ 1 . 9 9 9 MHz < < < < ^", "2.000 MHz, FREQ, CONT, senoidal");
    row("FREQ . 0 0 1 mHz < v", "0.001 mHz, FREQ, CONT, senoidal");
    row("AMPL < < < ^", "2.00 V, AMPL, CONT, senoidal");
    row("AMPL 2 0 MHz < < ^", "20.0 V, AMPL, CONT, senoidal");
    row("OFFSET < v", "-0.01 V, OFFSET, CONT, senoidal");
    row("AMPL 2 0 kHz OFFSET 9 . 9 9 MHz < ^", "9.99 V, OFFSET, CONT, senoidal");
    row("SHIFT FREQ < < < < ^", "2.000 msec, PERIOD, CONT, senoidal");
    row("FREQ 1 2 ^", "12, FREQ, CONT, senoidal");
    // Amplitude and offset share the output swing: |offset| + amplitude / 2 <= 10 V (1 V)
    row("AMPL 2 0 MHz OFFSET 9 . 9 9 MHz", "Err, OFFSET, CONT, senoidal");
    row("AMPL 2 0 MHz OFFSET 9 . 9 9 MHz wait", "0.00 V, OFFSET, CONT, senoidal");
    row("OFFSET 9 . 5 MHz", "9.50 V, OFFSET, CONT, senoidal");
    row("OFFSET 9 . 5 1 MHz", "Err, OFFSET, CONT, senoidal");
    row("OFFSET +/- 9 . 5 MHz", "-9.50 V, OFFSET, CONT, senoidal");
    row("OFFSET +/- 9 . 5 1 MHz", "Err, OFFSET, CONT, senoidal");
    row("OFFSET 5 MHz AMPL 1 0 MHz", "10.0 V, AMPL, CONT, senoidal");
    row("OFFSET 5 MHz AMPL 1 0 . 1 MHz", "Err, AMPL, CONT, senoidal");
    row("OFFSET +/- 5 MHz AMPL 1 0 . 1 MHz", "Err, AMPL, CONT, senoidal");
    row("RANGE OFFSET . 9 5 MHz", "0.950 V, OFFSET, CONT, senoidal, rango 1 V");
    row("RANGE OFFSET . 9 5 1 MHz", "Err, OFFSET, CONT, senoidal, rango 1 V");
    row("RANGE OFFSET . 5 MHz AMPL 1 MHz", "1.00 V, AMPL, CONT, senoidal, rango 1 V");
    row("RANGE OFFSET . 5 MHz AMPL 1 . 0 1 MHz", "Err, AMPL, CONT, senoidal, rango 1 V");
    row("SHIFT RANGE 2 MHz OFFSET 1 9 MHz", "19.00 V, OFFSET, CONT, senoidal");
    row("SHIFT RANGE 2 MHz OFFSET 1 9 . 0 1 MHz", "Err, OFFSET, CONT, senoidal");
    row("AMPL 1 0 MHz OFFSET 5 MHz RANGE", "0.500 V, OFFSET, CONT, senoidal, rango 1 V");
    // HI and LO LEVEL: within the swing, above each other by the least amplitude
    row("AMPL 2 0 MHz OFFSET 9 . 9 9 MHz SHIFT OFFSET 1 0 MHz", "Err, LO LEVEL, CONT, senoidal");
    row("SHIFT AMPL 1 0 MHz", "10.00 V, HI LEVEL, CONT, senoidal");
    row("SHIFT AMPL 1 0 . 0 1 MHz", "Err, HI LEVEL, CONT, senoidal");
    row("SHIFT OFFSET +/- 1 0 MHz", "-10.00 V, LO LEVEL, CONT, senoidal");
    row("SHIFT OFFSET +/- 1 0 . 0 1 MHz", "Err, LO LEVEL, CONT, senoidal");
    row("SHIFT OFFSET +/- 1 0 MHz SHIFT AMPL +/- 9 . 9 8 MHz OFFSET", "-9.99 V, OFFSET, CONT, senoidal");
    row("SHIFT OFFSET +/- 1 0 MHz SHIFT AMPL +/- 9 . 9 9 MHz", "Err, HI LEVEL, CONT, senoidal");
    row("SHIFT AMPL 1 0 MHz SHIFT OFFSET 9 . 9 8 MHz OFFSET", "9.99 V, OFFSET, CONT, senoidal");
    row("SHIFT AMPL 1 0 MHz SHIFT OFFSET 9 . 9 9 MHz", "Err, LO LEVEL, CONT, senoidal");
    // The knob stops at a bound of its digit's order, and never jumps decades to one
    row("FREQ 1 kHz < < < < v", "1.000 kHz, FREQ, CONT, senoidal");
    row("AMPL < < < v", "1.00 V, AMPL, CONT, senoidal");
    row("FREQ 1 . 5 MHz < < < < ^", "2.000 MHz, FREQ, CONT, senoidal");
    row("OFFSET 9 MHz < < < ^", "9.50 V, OFFSET, CONT, senoidal");
    row("OFFSET +/- 9 MHz < < < v", "-9.50 V, OFFSET, CONT, senoidal");
    row("OFFSET 5 MHz AMPL 9 MHz < < < ^", "10.0 V, AMPL, CONT, senoidal");
    row("SHIFT AMPL 9 . 5 MHz < < < ^", "10.00 V, HI LEVEL, CONT, senoidal");
    // Frequency and period: one pair of limits, and every digit of a period shown
    row("SHIFT FREQ 1 0 0 0 0 0 0 MHz < ^", "1000000 sec, PERIOD, CONT, senoidal");
    row("SHIFT FREQ 1 0 0 0 0 0 0 MHz FREQ", "0.001 mHz, FREQ, CONT, senoidal");
    row("FREQ . 0 0 1 mHz SHIFT FREQ", "1000000 sec, PERIOD, CONT, senoidal");
    row("SHIFT FREQ . 0 0 0 6 7 kHz", "0.000670 msec, PERIOD, CONT, senoidal");
    row("SHIFT FREQ . 0 0 0 6 7 kHz FREQ", "1.493 MHz, FREQ, CONT, senoidal");
    row("SHIFT FREQ 7 MHz", "7.000 sec, PERIOD, CONT, senoidal");
    // An entry finer than the display is refused, never rounded
    row("SHIFT FREQ 1 . 2 3 4 5 kHz", "Err, PERIOD, CONT, senoidal");
    row("FREQ 1 2 3 4 5 Hz", "Err, FREQ, CONT, senoidal");
    row("AMPL 1 . 2 3 4 Hz", "Err, AMPL, CONT, senoidal");
    // A typed entry fills the display's seven cells and no more
    row("FREQ 1 2 3 4 5 6 7 8", "1234567, FREQ, CONT, senoidal");
    row("FREQ 1 2 3 4 5 6 . 7 8", "123456.7, FREQ, CONT, senoidal");
    row("FREQ . 1 2 3 4 5 6 7", ".123456, FREQ, CONT, senoidal");
    row("FREQ 1 2 3 4 5 6 7 +/-", "1234567, FREQ, CONT, senoidal");
}

void Fg110GeneratorTest::displayAfterKeys()
{
    QFETCH(QString, keys);
    QFETCH(QString, reading);
    const Fg110Display display = play(keys).display();
    QCOMPARE(display.reading(), reading);
    QVERIFY(fitsTheCells(display));
}

void Fg110GeneratorTest::blinkingDigit_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("index");
    QTest::newRow("none chosen") << "" << -1;
    QTest::newRow("first press: last digit") << "FREQ <" << 4;
    QTest::newRow("left moves over the point") << "FREQ < < < <" << 0;
    QTest::newRow("stops at the first digit") << "FREQ < < < < <" << 0;
    QTest::newRow("stops at the last digit") << "FREQ < >" << 4;
    QTest::newRow("right") << "FREQ < < < >" << 3;
    QTest::newRow("kept by worth on a carry") << "FREQ 9 . 9 9 9 kHz < ^" << 4;
    QTest::newRow("kept by worth across a unit") << "FREQ 1 kHz < < < v" << 0;
    QTest::newRow("typing ends the choice") << "FREQ < 5" << -1;
    QTest::newRow("a new parameter ends it") << "FREQ < AMPL" << -1;
}

void Fg110GeneratorTest::blinkingDigit()
{
    QFETCH(QString, keys);
    QFETCH(int, index);
    QCOMPARE(play(keys).display().blinkingDigit, index);
}

void Fg110GeneratorTest::output_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("output");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("volts");
    QTest::addColumn<double>("period");
    QTest::addColumn<int>("cycles");
    const int none = int(ScopeSignal::Output::None), zero = int(ScopeSignal::Output::Zero),
              live = int(ScopeSignal::Output::Live);
    QTest::newRow("off") << "POWER CH1" << none << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("CH1 off") << "" << zero << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("sine crest") << "CH1" << live << 0.25e-3 << 0.5 << 1e-3 << 0;
    QTest::newRow("square low half") << "FUNC CH1" << live << 0.75e-3 << -0.5 << 1e-3 << 0;
    QTest::newRow("ramp") << "FUNC FUNC CH1" << live << 0.25e-3 << 0.25 << 1e-3 << 0;
    QTest::newRow("triangle") << "FUNC FUNC FUNC CH1" << live << 0.625e-3 << -0.25 << 1e-3 << 0;
    QTest::newRow("pulse 25 %, high") << "FUNC FUNC FUNC FUNC SHIFT PHASE 2 5 mHz CH1" << live << 0.2e-3 << 0.5 << 1e-3
                                      << 0;
    QTest::newRow("pulse 25 %, low") << "FUNC FUNC FUNC FUNC SHIFT PHASE 2 5 mHz CH1" << live << 0.3e-3 << -0.5 << 1e-3
                                     << 0;
    QTest::newRow("offset and amplitude") << "AMPL 4 MHz OFFSET 2 MHz CH1" << live << 0.75e-3 << 0.0 << 1e-3 << 0;
    QTest::newRow("inverted") << "SHIFT FUNC CH1" << live << 0.25e-3 << -0.5 << 1e-3 << 0;
    QTest::newRow("frequency") << "FREQ 5 0 Hz CH1" << live << 5e-3 << 0.5 << 20e-3 << 0;
    QTest::newRow("DC: the offset") << "MODE MODE MODE OFFSET 1 MHz CH1" << live << 0.25e-3 << 1.0 << 0.0 << 0;
    QTest::newRow("TRIG untriggered rests") << "MODE SHIFT 4 3 Hz CH1" << live << 0.25e-3 << 0.0 << 0.0 << 0;
    QTest::newRow("TRIG burst") << "MODE SHIFT 4 3 Hz CH1 LOCAL" << live << 2.25e-3 << 0.5 << 1e-3 << 3;
    QTest::newRow("TRIG after the burst") << "MODE SHIFT 4 3 Hz CH1 LOCAL" << live << 3.25e-3 << 0.0 << 1e-3 << 3;
    QTest::newRow("TRIG from 90 deg") << "MODE PHASE 9 0 Hz CH1 LOCAL" << live << 0.0 << 0.5 << 1e-3 << 1;
    QTest::newRow("GATE one cycle") << "MODE MODE SHIFT 4 CH1 LOCAL" << live << 0.25e-3 << 0.5 << 1e-3 << 1;
    QTest::newRow("mode change ends it") << "MODE CH1 LOCAL MODE" << live << 0.25e-3 << 0.0 << 0.0 << 0;
    QTest::newRow("POWER off and on ends it")
        << "MODE SHIFT 4 3 Hz CH1 LOCAL POWER POWER" << live << 0.25e-3 << 0.0 << 0.0 << 0;
    QTest::newRow("GATE open runs on") << "FREQ 1 Hz MODE MODE CH1 (LOCAL wait2500" << live << 3.25 << 0.5 << 1.0 << 0;
    QTest::newRow("GATE ends its cycle") << "FREQ 1 Hz MODE MODE CH1 (LOCAL wait2500 LOCAL)" << live << 2.25 << 0.5
                                         << 1.0 << 3;
    QTest::newRow("GATE then rests") << "FREQ 1 Hz MODE MODE CH1 (LOCAL wait2500 LOCAL)" << live << 3.25 << 0.0 << 1.0
                                     << 3;
    QTest::newRow("GATE a click") << "FREQ 1 Hz MODE MODE CH1 LOCAL" << live << 0.25 << 0.5 << 1.0 << 1;
    QTest::newRow("swing: +10 V at the crest")
        << "AMPL 2 0 MHz OFFSET 9 . 9 9 MHz CH1" << live << 0.25e-3 << 10.0 << 1e-3 << 0;
}

void Fg110GeneratorTest::output()
{
    QFETCH(QString, keys);
    QFETCH(int, output);
    QFETCH(double, seconds);
    QFETCH(double, volts);
    QFETCH(double, period);
    QFETCH(int, cycles);
    const ScopeSignal signal = play(keys).output();
    QCOMPARE(int(signal.output), output);
    if (signal.output == ScopeSignal::Output::None)
        return;
    QVERIFY(qAbs(signal.volts(seconds) - volts) < 1e-9);
    QVERIFY(qAbs(signal.period - period) < 1e-12);
    QCOMPARE(signal.cycles, cycles);
    QVERIFY(signal.lowest <= volts + 1e-9 && volts <= signal.highest + 1e-9);
}

void Fg110GeneratorTest::randomKeysKeepEveryLimit()
{
    // Every path a value can take (typed in each unit, knob and cursors on every digit,
    // levels, TTL, RANGE, memories, INITIALIZE, scaling), many times over.
    QRandomGenerator random(110);
    const auto& keys = fg110Keys();
    for (int run = 0; run < 2000; ++run) {
        Fg110Generator generator;
        generator.press(Fg110Key::Channel1);
        for (int n = 0; n < 60; ++n) {
            const Fg110Key key = keys.at(random.bounded(int(keys.size())));
            if (key == Fg110Key::Power)
                continue;
            generator.press(key);
            generator.release(key);
            const Fg110Settings& s = generator.settings();
            const double swing = s.range == Fg110Range::TenVolts ? 10 : 1, slack = 1e-9;
            const ScopeSignal signal = generator.output();
            QVERIFY2(std::abs(s.offset) + s.amplitude / 2 <= swing + slack && s.amplitude >= swing / 500 - slack
                         && -swing - slack <= signal.lowest && signal.highest <= swing + slack,
                     qPrintable(generator.display().reading()));
            const bool fast = s.waveform == Fg110Waveform::Sine || s.waveform == Fg110Waveform::Square;
            QVERIFY(s.frequency >= 1e-6 * (1 - slack) && s.frequency <= (fast ? 2e6 : 1e5) * (1 + slack));
            QVERIFY(s.duty >= 5 && s.duty <= 95 && s.burst >= 1 && s.burst <= 9999 && std::abs(s.phase) <= 10000);
            QVERIFY(s.scaling >= 0.001 - slack && s.scaling <= 9.999 + slack);
            QVERIFY2(fitsTheCells(generator.display()), qPrintable(generator.display().reading()));
        }
    }
}

// Every exercise from the factory state, from the generator switched off as the practice
// opens it, from the state each exercise's solution leaves, and from states a student
// leaves half-way: off, SHIFT lit, typing, a prompt, "Err".
constexpr int fromFactory = -1;
constexpr int fromSwitchedOff = -2;

void Fg110GeneratorTest::hintSequenceMeetsItsExercise_data()
{
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("after"); // the exercise whose solution comes before the start keys, or one of the above
    const int count = int(fg110Exercises().size());
    const QStringList halfWay = {"POWER",          "FREQ 5 SHIFT", "MODE MODE FUNC 1 2",
                                 "SHIFT RECALL",   "RECALL",       "SHIFT PHASE",
                                 "MODE SHIFT 5 >", "SHIFT 4",      "FUNC FUNC FUNC FUNC SHIFT PHASE"};
    for (int i = 0; i < count; ++i) {
        QTest::addRow("%d from the factory state", i + 1) << i << QString() << fromFactory;
        QTest::addRow("%d from the generator switched off", i + 1) << i << QString() << fromSwitchedOff;
        for (int before = 0; before < count; ++before)
            QTest::addRow("%d after %d", i + 1, before + 1) << i << QString() << before;
        for (const QString& keys : halfWay)
            QTest::addRow("%d after 12 and %s", i + 1, qPrintable(keys)) << i << keys << count - 1;
    }
}

void Fg110GeneratorTest::hintSequenceMeetsItsExercise()
{
    QFETCH(int, exercise);
    QFETCH(QString, start);
    QFETCH(int, after);
    const auto& e = fg110Exercises().at(exercise);
    const Fg110Generator before = play(start, after == fromFactory       ? Fg110Generator()
                                              : after == fromSwitchedOff ? Fg110Generator::switchedOff()
                                                                         : playSequence(after));
    QCOMPARE(e.differences(playSequence(exercise, before)), QStringList());
    QVERIFY(!e.isMetBy(Fg110Generator()));
    QVERIFY(!e.isMetBy(Fg110Generator::switchedOff()));
    // An exercise's solution leaves the generator on, its SHIFT lamp out: the next
    // sequence starts there without a key before it, as the student reads it; switched
    // off, POWER comes first.
    if (start.isEmpty())
        QCOMPARE(fg110KeysBeforeSequence(before),
                 after == fromSwitchedOff ? QList<int>{int(Fg110Key::Power)} : QList<int>());
}

void Fg110GeneratorTest::metWhateverItDoesNotAsk_data()
{
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("keys");
    QTest::addRow("5 in TRIG") << 4 << QStringLiteral("RANGE AMPL 5 0 0 kHz MODE CH1");
    QTest::addRow("5 as a ramp") << 4 << QStringLiteral("FUNC FUNC RANGE AMPL 5 0 0 kHz CH1");
}

void Fg110GeneratorTest::metWhateverItDoesNotAsk()
{
    QFETCH(int, exercise);
    QFETCH(QString, keys);
    QCOMPARE(fg110Exercises().at(exercise).differences(play(keys)), QStringList());
}

void Fg110GeneratorTest::nearMissIsNotMet_data()
{
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("difference");
    const auto row = [](int exercise, const char* keys, const char* difference) {
        QTest::addRow("%d: %s", exercise, keys)
            << exercise - 1 << QString::fromUtf8(keys) << QString::fromUtf8(difference);
    };
    row(1, "", "Salida CH1: desactivada (se pide activada)");
    row(1, "CH1 POWER", "Generador: apagado (se pide encendido)");
    row(2, "FREQ 5 0 kHz CH1", "Frecuencia: 50 kHz (se pide 5 kHz)");
    row(2, "FREQ 5 kHz", "Salida CH1: desactivada (se pide activada)");
    row(2, "FREQ 5 kHz MODE MODE MODE CH1", "Modo: DC (se pide CONT)");
    row(3, "FUNC FREQ 2 5 0 Hz AMPL 3 MHz CH1", "Amplitud: 3 Vp-p (se pide 4 Vp-p)");
    row(3, "FREQ 2 5 0 Hz AMPL 4 MHz CH1", "Forma de onda: senoidal (se pide cuadrada)");
    row(4, "FUNC FUNC FUNC OFFSET +/- 2 MHz CH1", "Desplazamiento: -2 V (se pide +2 V)");
    row(4, "FUNC FUNC FUNC OFFSET 1 MHz CH1", "Desplazamiento: +1 V (se pide +2 V)");
    row(5, "AMPL 5 0 0 kHz CH1", "Rango de salida: 10 V (se pide 1 V)");
    row(5, "RANGE AMPL 5 0 kHz CH1", "Amplitud: 50 mVp-p (se pide 500 mVp-p)");
    row(6, "FUNC FUNC FUNC FUNC FREQ 1 0 kHz CH1", "Relación pulso/período: 50 % (se pide 25 %)");
    row(7, "SHIFT FREQ 2 0 kHz CH1", "Período: 20 ms (se pide 2 ms)");
    row(8, "FUNC FREQ 1 0 0 kHz CH1", "Nivel alto: 500 mV (se pide 5 V)");
    row(8, "FUNC FREQ 1 0 0 kHz SHIFT 1 OFFSET 2 MHz CH1", "Nivel bajo: -500 mV (se pide 0 V)");
    row(9, "MODE SHIFT 4 3 Hz CH1", "Flanco de disparo: subida (se pide bajada)");
    row(9, "MODE SHIFT 4 2 Hz SHIFT 5 ^ CH1", "Ciclos por ráfaga: 2 (se pide 3)");
    row(10, "FUNC FUNC FREQ 2 kHz CH1", "Inversión: no (se pide sí)");
    row(11, "FUNC FUNC FUNC FREQ 9 9 kHz CH1", "Frecuencia: 99 kHz (se pide 100 kHz)");
    row(12, "FREQ 2 kHz CH1 SHIFT RECALL 4 RECALL 4",
        "Inicialización: ninguna después de guardar (se pide una después de guardar)");
    row(12, "SHIFT RECALL 4 SHIFT 0 RECALL 4",
        "Memoria 4: el ajuste de fábrica (se pide un ajuste distinto del de fábrica)");
    row(12, "FREQ 2 kHz SHIFT RECALL 4 SHIFT 0",
        "Ajuste actual: distinto del de la memoria 4 (se pide el de la memoria 4)");
    row(12, "FREQ 2 kHz SHIFT 0 RECALL 4", "Memoria 4: vacía (se pide un ajuste guardado)");
}

void Fg110GeneratorTest::nearMissIsNotMet()
{
    QFETCH(int, exercise);
    QFETCH(QString, keys);
    QFETCH(QString, difference);
    const QStringList lines = fg110Exercises().at(exercise).differences(play(keys));
    QVERIFY2(lines.contains(difference), qPrintable(lines.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(Fg110GeneratorTest)
#include "tst_fg110_generator.moc"
