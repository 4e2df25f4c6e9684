#define QT_STATICPLUGIN // the accessibility spy below is a plugin compiled into the test

#include "Driving.h"
#include "InstrumentTestCase.h"
#include "TestSession.h"
#include "core/ObjectNames.h"
#include "instruments/common/practice/Demonstration.h"
#include "instruments/common/practice/PanelKeyButton.h"
#include "instruments/common/practice/PracticeObjectNames.h"
#include "instruments/common/practice/PracticePanel.h"
#include "instruments/common/practice/PracticeWindow.h"
#include "instruments/fg110/Fg110Catalogues.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "platform/Pictures.h"

#include "widgets/Oscilloscope.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <QPointer>

#include <memory>

namespace {

int meanLightness(const QImage& image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += image.pixelColor(x, y).lightness();
    return int(sum / std::max(1, image.width() * image.height()));
}

// The share of pixels where two pictures of one size differ visibly.
double shareOfPixelsUnlike(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1;
    int unlike = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            unlike +=
                std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())})
                > 48;
        }
    return double(unlike) / (a.width() * a.height());
}

QList<std::pair<QObject*, QAccessible::Event>> accessibleEvents; // what a screen reader is told
QList<QObject*> descriptionChanges;                              // the object of each accessible description change

// Hears what the program tells screen readers, as a platform's bridge to them would.
struct AccessibleSpy : QAccessibleBridge {
    void setRootObject(QAccessibleInterface*) override { }
    void notifyAccessibilityUpdate(QAccessibleEvent* e) override
    {
        accessibleEvents.append({e->object(), e->type()});
        if (e->type() == QAccessible::DescriptionChanged)
            descriptionChanges.append(e->object());
    }
};

// The description of the catalogue's row whose rectangle holds a point of the panel.
QString describedAt(const ControlCatalogue& catalogue, QPoint at)
{
    for (const ControlRow& row : catalogue)
        if (QRect(QPoint(row.left, row.top), QPoint(row.right - 1, row.bottom - 1)).contains(at))
            return row.description.join(' ');
    return {};
}

// A lamp with one key: an instrument with no output and no inputs, which the practice
// window must take as it takes the generator.
class LampModel : public InstrumentModel {
public:
    void press(int) override { m_lit = !m_lit; }
    void tick(int) override { }
    QString displayReading() const override { return m_lit ? "encendida" : "apagada"; }
    int exerciseCount() const override { return 1; }
    ExerciseText exercise(int) const override { return {"Enciende la lámpara.", "La tecla.", {1}, "La tecla.", {1}}; }
    QStringList differences(int) const override { return m_lit ? QStringList{} : QStringList{"Lámpara: apagada"}; }

private:
    bool m_lit = false;
};

struct LampFace : InstrumentFace {
    QString pictureName() const override { return "panels/fg110"; }
    QSize pictureSize() const override { return {604, 244}; }
    const std::vector<PanelKey>& keys() const override
    {
        static const std::vector<PanelKey> keys{
            {1, {20, 20, 40, 20}, "Lámpara", "TeclaLampara", {}, "Enciende y apaga la lámpara.", {}}};
        return keys;
    }
    QRect displayRect() const override { return {100, 20, 80, 20}; }
    void paintDisplay(QPainter&, bool) const override { }
};

const PracticeDefinition lampPractice{
    "Práctica con una lámpara", "FormLampara", "lamp", [] {
        return PracticeInstrument{std::make_unique<LampModel>(), std::make_unique<LampFace>()};
    }};

} // namespace

class AccessibleSpyPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "FocusSpy.json")
public:
    QAccessibleBridge* create(const QString&) override { return new AccessibleSpy; }
};
Q_IMPORT_PLUGIN(AccessibleSpyPlugin)

// The FG110's practice window, driven as a student drives it: opened from the FG110
// window's "Opciones" menu, one at a time, keeping the FG110 window from being left while
// it is open.
class PracticeWindowTest : public InstrumentTestCase {
    Q_OBJECT
    QWidget*& fg110 = instrument;

    // A step of the student's: "TeclaFreq" clicks that key with the mouse, "type:5" types
    // on the computer's keyboard, "wheel:RuedaArriba:2" turns the wheel over a key.
    static void act(QWidget* practice, const QString& step)
    {
        const QStringList parts = step.split(':');
        if (parts[0] == "type") {
            QTest::keyClicks(practice, parts[1]);
        } else if (parts[0] == "keypad") {
            QTest::keyClicks(practice, parts[1], Qt::KeypadModifier);
        } else if (parts[0] == "wheel") {
            auto* key = practice->findChild<PanelKeyButton*>(parts[1]);
            QVERIFY2(key, qPrintable(step));
            const QPoint at = key->rect().center();
            QWheelEvent wheel(at, key->mapToGlobal(at), {}, QPoint(0, 120 * parts[2].toInt()), Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(key, &wheel);
        } else {
            auto* key = practice->findChild<PanelKeyButton*>(step);
            QVERIFY2(key, qPrintable(step));
            QTest::mouseClick(key, Qt::LeftButton);
        }
    }
    static QString reading(QWidget* practice)
    {
        return practice->findChild<QWidget*>(PracticeNames::display)->accessibleName();
    }

    static QList<QWidget*> practices() { return TestSession::windows(Fg110Names::practice); }
    static QString text(QWidget* practice, const char* label) { return practice->findChild<QLabel*>(label)->text(); }
    static QString numberText(QWidget* practice, int exercise)
    {
        return practice->findChild<QToolButton*>(QString(PracticeNames::exerciseNumber).arg(exercise))->text();
    }
    // Starts the demonstration as a student does, with Alt+M, and holds it at its first
    // key until the caller sets the pace.
    static Demonstration* demonstrate(QWidget* practice)
    {
        auto* demonstration = practice->findChild<Demonstration*>();
        demonstration->setInterval(3600 * 1000);
        QTest::keyClick(practice, Qt::Key_M, Qt::AltModifier);
        // A button's mnemonic clicks it as the mouse does, a moment after the press.
        if (!QTest::qWaitFor([demonstration] { return demonstration->isPlaying(); }, 2000))
            qWarning("the demonstration did not start");
        return demonstration;
    }
    // The window as it opens, its generator standing switched off.
    QWidget* open()
    {
        TestSession::choose(fg110, ObjectNames::practiceMenuItem);
        TestSession::settle();
        return TestSession::window(Fg110Names::practice);
    }
    // The window opened and the generator switched on with POWER, as a student starts.
    QWidget* openSwitchedOn()
    {
        QWidget* practice = open();
        if (practice)
            act(practice, "TeclaPower");
        return practice;
    }

public:
    PracticeWindowTest()
        : InstrumentTestCase(Fg110Names::chooserMenuItem, Fg110Names::window)
    { }

private slots:

    // A second choice brings the open window to the front instead of opening another.
    void oneAtATime()
    {
        QWidget* first = open();
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QString("Práctica con el generador de funciones FG110"));
        QWidget* second = open();
        QCOMPARE(second, first);
        QCOMPARE(practices().size(), 1);
        QVERIFY(first->isVisible());
        const QSize outer = first->frameGeometry().size();
        QVERIFY2(outer.width() <= 1024 && outer.height() <= 768,
                 qPrintable(QString("%1x%2").arg(outer.width()).arg(outer.height())));
    }

    // The window opens on a generator switched off, as it stands on a bench: its display
    // dark, the oscilloscope with no signal. POWER, clicked, brings the factory reading,
    // drawn as the panel's picture shows it, and the silent output's flat line.
    void opensSwitchedOff()
    {
        QWidget* practice = open();
        auto* panel = practice->findChild<PracticePanel*>();
        auto* scope = practice->findChild<Oscilloscope*>(PracticeNames::oscilloscope);
        const QRect display = panel->display()->geometry();
        QCOMPARE(reading(practice), QString("apagado"));
        QVERIFY(scope->tracePoints().isEmpty());
        QCOMPARE(scope->accessibleDescription(), QString("Apagado"));
        const QImage dark = panel->grab(display).toImage();

        act(practice, "TeclaPower");
        QCOMPARE(reading(practice), QString("1.000 kHz, FREQ, CONT, senoidal"));
        QVERIFY(scope->accessibleDescription().startsWith("Sin señal: una línea plana en 0 V"));
        QCOMPARE(scope->tracePoints().boundingRect().height(), 0.0);
        const QImage lit = panel->grab(display).toImage();
        QVERIFY(meanLightness(dark) + 20 < meanLightness(lit));
        // The picture's display, at the panel's density.
        const QPixmap picture = Pictures::get(QStringLiteral("panels/fg110"), panel->size());
        const QTransform toPicture = QTransform::fromScale(picture.devicePixelRatio(), picture.devicePixelRatio());
        const double unlike = shareOfPixelsUnlike(lit, picture.copy(toPicture.mapRect(display)).toImage());
        QVERIFY2(unlike < 0.005, qPrintable(QString("%1 % of the display unlike the picture's").arg(unlike * 100)));
    }

    void keysDriveTheDisplay_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addRow("factory") << QStringList{} << "1.000 kHz, FREQ, CONT, senoidal";
        QTest::addRow("5 kHz by mouse") << QStringList{"Tecla5", "TeclaKHz"} << "5.000 kHz, FREQ, CONT, senoidal";
        QTest::addRow("12.5 typed, Hz by mouse")
            << QStringList{"type:12.5", "TeclaHz"} << "12.50 Hz, FREQ, CONT, senoidal";
        QTest::addRow("typed on the keypad")
            << QStringList{"keypad:1.5", "TeclaMHz"} << "1.500 MHz, FREQ, CONT, senoidal";
        QTest::addRow("FUNC twice") << QStringList{"TeclaFunc", "TeclaFunc"} << "1.000 kHz, FREQ, CONT, rampa";
        QTest::addRow("amplitude") << QStringList{"TeclaAmpl", "Tecla4", "TeclaMHz"} << "4.00 V, AMPL, CONT, senoidal";
        QTest::addRow("SHIFT lamp, CH1") << QStringList{"TeclaCh1", "TeclaShift"}
                                         << "1.000 kHz, FREQ, CONT, senoidal, SHIFT, salida CH1 activada";
        QTest::addRow("knob halves") << QStringList{"TeclaCursorIzquierda", "RuedaArriba", "RuedaArriba", "RuedaAbajo"}
                                     << "1.001 kHz, FREQ, CONT, senoidal";
        QTest::addRow("wheel") << QStringList{"TeclaCursorIzquierda", "wheel:RuedaArriba:3"}
                               << "1.003 kHz, FREQ, CONT, senoidal";
        QTest::addRow("refused") << QStringList{"type:9", "TeclaMHz"} << "Err, FREQ, CONT, senoidal";
        QTest::addRow("power off") << QStringList{"TeclaCh1", "TeclaPower", "TeclaFunc"} << "apagado";
        QTest::addRow("power on again") << QStringList{"TeclaFunc", "TeclaPower", "TeclaPower"}
                                        << "1.000 kHz, FREQ, CONT, cuadrada";
    }

    // Every key answers on its own, from the mouse, the wheel or the computer's keyboard,
    // and the display (as a screen reader reads it) follows.
    void keysDriveTheDisplay()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QWidget* practice = openSwitchedOn();
        QVERIFY(practice);
        for (const QString& step : steps)
            act(practice, step);
        QCOMPARE(reading(practice), shown);
    }

    // A key shows pushed in while the button is down, and only then; the display shows
    // what the key did.
    void pressedKeyLooksPressed()
    {
        QWidget* practice = openSwitchedOn();
        auto* panel = practice->findChild<PracticePanel*>();
        auto* func = practice->findChild<PanelKeyButton*>("TeclaFunc");
        const QRect place = func->geometry();
        const QImage up = panel->grab(place).toImage();
        QTest::mousePress(func, Qt::LeftButton);
        QVERIFY(panel->grab(place).toImage() != up);
        QVERIFY(reading(practice).endsWith("cuadrada"));
        QTest::mouseRelease(func, Qt::LeftButton);
        QCOMPARE(panel->grab(place).toImage(), up);
    }

    void oscilloscopeFollows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<double>("volts"); // a quarter period after the trigger; NaN: no trace
        const double none = std::numeric_limits<double>::quiet_NaN();
        const QStringList on{"TeclaCh1"};
        QTest::addRow("off") << QStringList{"TeclaPower"} << none;
        QTest::addRow("CH1 off") << QStringList{} << 0.0;
        QTest::addRow("sine") << on << 0.5;
        QTest::addRow("square") << on + QStringList{"TeclaFunc"} << 0.5;
        QTest::addRow("ramp") << on + QStringList{"TeclaFunc", "TeclaFunc"} << 0.25;
        QTest::addRow("triangle 4 Vp-p") << on + QStringList{"TeclaFunc", "TeclaFunc", "TeclaFunc",
                                                             "TeclaAmpl", "Tecla4",    "TeclaMHz"}
                                         << 2.0;
        QTest::addRow("sine, offset +1 V") << on + QStringList{"TeclaOffset", "Tecla1", "TeclaMHz"} << 1.5;
        QTest::addRow("inverted sine") << on + QStringList{"TeclaShift", "TeclaFunc"} << -0.5;
    }

    // The oscilloscope shows the output after every key: the trace passes where the
    // waveform is a quarter period after the trigger.
    void oscilloscopeFollows()
    {
        QFETCH(QStringList, steps);
        QFETCH(double, volts);
        QWidget* practice = openSwitchedOn();
        for (const QString& step : steps)
            act(practice, step);
        auto* scope = practice->findChild<Oscilloscope*>(PracticeNames::oscilloscope);
        const QPolygonF trace = scope->tracePoints();
        if (std::isnan(volts)) {
            QVERIFY(trace.isEmpty());
            return;
        }
        const double quarter = scope->signal().period > 0 ? scope->signal().period / 4 : 0;
        const QPointF expected = scope->pointAt(quarter, volts);
        const auto nearest = std::min_element(trace.begin(), trace.end(), [&](QPointF a, QPointF b) {
            return std::abs(a.x() - expected.x()) < std::abs(b.x() - expected.x());
        });
        QVERIFY(nearest != trace.end());
        QVERIFY2(std::abs(nearest->y() - expected.y()) <= 1.5,
                 qPrintable(QString("trace at y %1, expected %2").arg(nearest->y()).arg(expected.y())));
    }

    void gateRunsWhileLocalIsHeld_data()
    {
        QTest::addColumn<bool>("bySpace");
        QTest::addRow("mouse button held") << false;
        QTest::addRow("Space held") << true;
    }

    // In GATE the output runs while LOCAL is held down and, let go, ends with the cycle in
    // progress: at 1 Hz, held between one and two seconds, two cycles.
    void gateRunsWhileLocalIsHeld()
    {
        QFETCH(bool, bySpace);
        QWidget* practice = openSwitchedOn();
        for (const char* step : {"TeclaFreq", "Tecla1", "TeclaHz", "TeclaMode", "TeclaMode", "TeclaCh1"})
            act(practice, step);
        auto* scope = practice->findChild<Oscilloscope*>(PracticeNames::oscilloscope);
        auto* local = practice->findChild<PanelKeyButton*>("TeclaLocal");
        QCOMPARE(scope->signal().period, 0.0); // resting until the gate opens
        local->setFocus(Qt::TabFocusReason);
        QElapsedTimer held;
        held.start();
        bySpace ? QTest::keyPress(local, Qt::Key_Space) : QTest::mousePress(local, Qt::LeftButton);
        QCOMPARE(scope->signal().period, 1.0);
        QCOMPARE(scope->signal().cycles, 0); // running on
        QTest::qWait(1500);
        bySpace ? QTest::keyRelease(local, Qt::Key_Space) : QTest::mouseRelease(local, Qt::LeftButton);
        const qint64 ms = held.elapsed();
        const int cycles = scope->signal().cycles;
        QVERIFY2(cycles == int((ms - 50) / 1000) + 1 || cycles == int((ms + 50) / 1000) + 1,
                 qPrintable(QString("%1 cycles after %2 ms").arg(cycles).arg(ms)));
    }

    void screenReaderHearsTheScope_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("heard");
        const QStringList on{"TeclaCh1"};
        QTest::addRow("off") << QStringList{"TeclaPower"} << "Apagado";
        QTest::addRow("pulse, duty 25")
            << on + QStringList{"TeclaFunc",  "TeclaFunc", "TeclaFunc", "TeclaFunc",  "TeclaShift",
                                "TeclaPhase", "Tecla2",    "Tecla5",    "TeclaMiliHz"}
            << "Onda de pulsos de 1 kHz, 1 Vp-p, desplazamiento 0 V, en nivel alto el 25 % de "
               "cada periodo; 0.2 ms por división, 0.2 V por división; se ven dos periodos";
        QTest::addRow("DC") << on + QStringList{"TeclaOffset", "Tecla1",    "TeclaMHz",
                                                "TeclaMode",   "TeclaMode", "TeclaMode"}
                            << "Nivel constante de 1 V; 1 ms por división, 0.5 V por división";
        QTest::addRow("burst") << on + QStringList{"TeclaMode", "TeclaLocal"}
                               << "Ráfaga de un ciclo de onda senoidal de 1 kHz, 1 Vp-p, desplazamiento 0 V; antes y "
                                  "después, nivel constante de 0 V; 0.2 ms por división, 0.2 V por división";
    }

    // A screen reader hears the screen in words after each key that changes it, once, and
    // never while nothing changes (repaints, the display's blinking).
    void screenReaderHearsTheScope()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, heard);
        QWidget* practice = openSwitchedOn();
        auto* scope = practice->findChild<Oscilloscope*>(PracticeNames::oscilloscope);
        for (const QString& step : steps) {
            const QString before = scope->accessibleDescription();
            descriptionChanges.clear();
            act(practice, step);
            const int told = scope->accessibleDescription() != before ? 1 : 0;
            QVERIFY2(descriptionChanges.count(scope) == told, qPrintable(step));
        }
        QCOMPARE(scope->accessibleDescription(), heard);
        descriptionChanges.clear();
        act(practice, "TeclaCursorIzquierda"); // a digit blinks; the signal stays
        QTest::qWait(3 * PracticePanel::tickMilliseconds);
        QCOMPARE(descriptionChanges.count(scope), 0);
    }

    void keysSayWhatTheyDo_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("shifted");
        QTest::addRow("own functions") << QStringList{} << false;
        QTest::addRow("SHIFT lit") << QStringList{"TeclaShift"} << true;
        QTest::addRow("SHIFT used by a key") << QStringList{"TeclaShift", "TeclaFreq"} << false;
    }

    // Each key is described by what it does now: the front panel's explanation of the
    // control under it, from the SHIFT picture's while SHIFT is lit where that picture
    // explains it; never by its name again.
    void keysSayWhatTheyDo()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, shifted);
        QWidget* practice = openSwitchedOn();
        for (const QString& step : steps)
            act(practice, step);
        for (PanelKeyButton* key : practice->findChildren<PanelKeyButton*>()) {
            const QPoint at = key->geometry().center();
            QString expected = shifted ? describedAt(fg110ShiftCatalogue(), at) : QString();
            if (expected.isEmpty())
                expected = describedAt(fg110NormalCatalogue(), at);
            QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(key);
            QVERIFY2(!expected.isEmpty(), qPrintable(key->objectName()));
            QCOMPARE(heard->text(QAccessible::Description), expected);
            QVERIFY(heard->text(QAccessible::Name) != expected);
        }
    }

    void exerciseChecked_data()
    {
        QTest::addColumn<int>("exercise");      // from 1
        QTest::addColumn<QStringList>("steps"); // empty: the exercise's own solution
        QTest::addColumn<QString>("verdict");
        QTest::addRow("1 solved") << 1 << QStringList{} << "¡Muy bien! Has conseguido lo que se pide.";
        QTest::addRow("2 solved") << 2 << QStringList{} << "¡Muy bien! Has conseguido lo que se pide.";
        QTest::addRow("2, 50 kHz") << 2 << QStringList{"TeclaFreq", "Tecla5", "Tecla0", "TeclaKHz", "TeclaCh1"}
                                   << "Todavía no. Esto es lo que difiere:\nFrecuencia: 50 kHz (se pide 5 kHz)";
        QTest::addRow("2, output off")
            << 2 << QStringList{"TeclaFreq", "Tecla5", "TeclaKHz"}
            << "Todavía no. Esto es lo que difiere:\nSalida CH1: desactivada (se pide activada)";
    }

    // An exercise reached with the arrows, worked on the panel and checked: the verdict
    // and face, and the tick on its number once it is met.
    void exerciseChecked()
    {
        QFETCH(int, exercise);
        QFETCH(QStringList, steps);
        QFETCH(QString, verdict);
        QWidget* practice = openSwitchedOn();
        auto* window = qobject_cast<PracticeWindow*>(practice);
        for (int n = 1; n < exercise; ++n)
            QTest::mouseClick(practice->findChild<QToolButton*>(PracticeNames::nextExercise), Qt::LeftButton);
        const ExerciseText text = window->model().exercise(exercise - 1);
        QCOMPARE(practice->findChild<QLabel*>(PracticeNames::statement)->text(), text.statement);
        if (steps.isEmpty())
            for (int id : text.sequence)
                for (const PanelKey& key : window->face().keys())
                    if (key.id == id)
                        steps << key.objectName;
        for (const QString& step : steps)
            act(practice, step);
        Driving::press(practice, PracticeNames::checkButton);
        QCOMPARE(practice->findChild<QLabel*>(PracticeNames::verdict)->text(), verdict);
        const bool met = verdict.startsWith("¡");
        QCOMPARE(practice->findChild<QLabel*>(PracticeNames::happyFace)->isVisible(), met);
        QCOMPARE(practice->findChild<QLabel*>(PracticeNames::unhappyFace)->isVisible(), !met);
        const QString number =
            practice->findChild<QToolButton*>(QString(PracticeNames::exerciseNumber).arg(exercise))->text();
        QCOMPARE(number, QString::number(exercise) + (met ? QString(QChar(0x2713)) : QString()));
    }

    // "Pista" helps more each time: which keys, then those keys lit on the panel, then
    // the whole sequence; another exercise starts again with no hint and no key lit.
    void hintsInThreeLevels()
    {
        QWidget* practice = open();
        const ExerciseText text = qobject_cast<PracticeWindow*>(practice)->model().exercise(0);
        auto* hint = practice->findChild<QLabel*>(PracticeNames::hint);
        const auto litKeys = [&] {
            QList<int> lit;
            for (const PanelKeyButton* key : practice->findChildren<PanelKeyButton*>())
                if (key->isLit())
                    lit << key->id();
            std::sort(lit.begin(), lit.end());
            return lit;
        };
        QList<int> asked = text.keysToLight;
        std::sort(asked.begin(), asked.end());
        Driving::press(practice, PracticeNames::hintButton);
        QVERIFY(hint->text().contains(text.whichKeys));
        QVERIFY(litKeys().isEmpty());
        Driving::press(practice, PracticeNames::hintButton);
        QCOMPARE(litKeys(), asked);
        Driving::press(practice, PracticeNames::hintButton);
        QVERIFY(hint->text().contains(text.sequenceText));
        QTest::mouseClick(practice->findChild<QToolButton*>(PracticeNames::nextExercise), Qt::LeftButton);
        QVERIFY(hint->text().isEmpty());
        QVERIFY(litKeys().isEmpty());
    }

    void hintLightsPowerWhileOff_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("powerLit");
        QTest::addColumn<QString>("saidFirst"); // what the hint says before the exercise's words
        QTest::addRow("as the window opens")
            << QStringList{} << true << "El generador está apagado: enciéndelo primero con POWER. ";
        QTest::addRow("switched on") << QStringList{"TeclaPower"} << false << "";
        QTest::addRow("SHIFT lit") << QStringList{"TeclaPower", "TeclaShift"} << false
                                   << "El piloto de SHIFT está encendido: pulsa SHIFT una vez para apagarlo. ";
    }

    // The keys a hint lights, and its words, start from where the student stands: with
    // the generator off, POWER is lit with the keys of an exercise that does not name it.
    void hintLightsPowerWhileOff()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, powerLit);
        QFETCH(QString, saidFirst);
        QWidget* practice = open();
        for (const QString& step : steps)
            act(practice, step);
        QTest::mouseClick(practice->findChild<QToolButton*>("Ejercicio3"), Qt::LeftButton);
        Driving::press(practice, PracticeNames::hintButton);
        Driving::press(practice, PracticeNames::hintButton);
        QCOMPARE(practice->findChild<PanelKeyButton*>("TeclaPower")->isLit(), powerLit);
        QVERIFY(practice->findChild<PanelKeyButton*>("TeclaFunc")->isLit());
        QVERIFY2(text(practice, PracticeNames::hint).contains(QStringLiteral("Pista: ") + saidFirst + "Empieza por"),
                 qPrintable(text(practice, PracticeNames::hint)));
    }

    void demonstrationPlaysTheSolution_data()
    {
        QTest::addColumn<int>("exercise");      // from 1
        QTest::addColumn<QStringList>("steps"); // the student's, before "Muéstramelo"
        const QStringList on{"TeclaPower"};
        QTest::addRow("1 as the window opens") << 1 << QStringList{};
        QTest::addRow("7 as the window opens") << 7 << QStringList{};
        QTest::addRow("1 from the factory state") << 1 << on;
        QTest::addRow("1 with CH1 on") << 1 << on + QStringList{"TeclaCh1"};
        QTest::addRow("1 switched off") << 1 << on + QStringList{"TeclaCh1", "TeclaPower"};
        QTest::addRow("4 from a ramp, SHIFT lit") << 4 << on + QStringList{"TeclaFunc", "TeclaFunc", "TeclaShift"};
        QTest::addRow("9 while typing") << 9 << on + QStringList{"TeclaMode", "type:12"};
        QTest::addRow("12 in the STORE prompt") << 12 << on + QStringList{"TeclaShift", "TeclaRecall"};
    }

    // "Muéstramelo" (Alt+M) plays the solution on the panel from whatever state it is
    // in, one key at a time, each shown pushed in as it acts; the button reads "Detener"
    // meanwhile. At the end the exercise is met, marked as seen but not ticked, and
    // "Comprobar" does not tick it either until the student has pressed a key.
    void demonstrationPlaysTheSolution()
    {
        QFETCH(int, exercise);
        QFETCH(QStringList, steps);
        QWidget* practice = open();
        auto& instrument = qobject_cast<PracticeWindow*>(practice)->model();
        QTest::mouseClick(practice->findChild<QToolButton*>(QString(PracticeNames::exerciseNumber).arg(exercise)),
                          Qt::LeftButton);
        for (const QString& step : steps)
            act(practice, step);
        auto* panel = practice->findChild<PracticePanel*>();
        QList<int> pressed;
        bool allShownDown = true;
        connect(panel, &PracticePanel::keyPressed, practice, [&](int key) {
            pressed << key;
            allShownDown = allShownDown && panel->keyButton(key)->isDown();
        });
        const QList<int> expected = instrument.keysBeforeSequence() + instrument.exercise(exercise - 1).sequence;
        const QString sequenceText = instrument.exercise(exercise - 1).sequenceText; // as the state is before
        auto* button = practice->findChild<QPushButton*>(PracticeNames::showButton);
        QCOMPARE(button->text(), QString("&Muéstramelo"));
        Demonstration* demonstration = demonstrate(practice);
        QCOMPARE(button->text(), QString("&Detener"));
        QCOMPARE(pressed.size(), 1); // the first key at once, the rest one by one
        QVERIFY(text(practice, PracticeNames::hint).contains(sequenceText));
        demonstration->setInterval(5);
        QTRY_VERIFY(!demonstration->isPlaying());
        QCOMPARE(pressed, expected);
        QVERIFY(allShownDown);
        for (const PanelKeyButton* key : practice->findChildren<PanelKeyButton*>())
            QVERIFY2(!key->isDown(), qPrintable(key->objectName()));
        QCOMPARE(button->text(), QString("&Muéstramelo"));
        QCOMPARE(instrument.differences(exercise - 1), QStringList());
        QVERIFY(text(practice, PracticeNames::verdict).startsWith("Demostración terminada"));
        QCOMPARE(numberText(practice, exercise), QString::number(exercise) + QChar(0x25B8));

        Driving::press(practice, PracticeNames::checkButton);
        QVERIFY(text(practice, PracticeNames::verdict).startsWith("Se cumple, pero lo ha hecho la demostración"));
        QVERIFY(!practice->findChild<QLabel*>(PracticeNames::happyFace)->isVisible());
        QCOMPARE(numberText(practice, exercise), QString::number(exercise) + QChar(0x25B8));
    }

    void studentStopsTheDemonstration_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addRow("a panel key") << "TeclaFunc";
        QTest::addRow("a digit typed") << "type:7";
        QTest::addRow("Detener") << PracticeNames::showButton;
        QTest::addRow("Alt+M") << "Alt+M";
        QTest::addRow("another exercise") << "Ejercicio1";
        QTest::addRow("Cerrar") << PracticeNames::closeButton;
    }

    // A key the student presses (which still acts), "Detener", Alt+M, another exercise or
    // closing the window stops the demonstration: no key is pressed after it and none
    // stays drawn down.
    void studentStopsTheDemonstration()
    {
        QFETCH(QString, how);
        QPointer<QWidget> practice = open();
        auto* panel = practice->findChild<PracticePanel*>();
        QTest::mouseClick(practice->findChild<QToolButton*>("Ejercicio12"), Qt::LeftButton); // the longest
        int pressed = 0;
        connect(panel, &PracticePanel::keyPressed, practice, [&] { ++pressed; });
        Demonstration* demonstration = demonstrate(practice);
        demonstration->setInterval(100);
        QTRY_VERIFY(pressed >= 2);
        const int byDemonstration = pressed;
        if (how == "Alt+M")
            QTest::keyClick(practice, Qt::Key_M, Qt::AltModifier);
        else if (how.startsWith("Boton"))
            Driving::press(practice, how);
        else if (how.startsWith("Ejercicio"))
            QTest::mouseClick(practice->findChild<QToolButton*>(how), Qt::LeftButton);
        else
            act(practice, how);
        if (!practice) // closed and gone
            return;
        QVERIFY(!demonstration->isPlaying());
        const int byStudent = how.startsWith("Tecla") || how.startsWith("type") ? 1 : 0;
        QCOMPARE(pressed, byDemonstration + byStudent);
        if (how == PracticeNames::closeButton) {
            QVERIFY(!practice->isVisible());
            return;
        }
        QTest::qWait(300);
        QCOMPARE(pressed, byDemonstration + byStudent);
        for (const PanelKeyButton* key : practice->findChildren<PanelKeyButton*>())
            QVERIFY2(!key->isDown(), qPrintable(key->objectName()));
        QCOMPARE(practice->findChild<QPushButton*>(PracticeNames::showButton)->text(), QString("&Muéstramelo"));
        QCOMPARE(numberText(practice, 12), QString("12"));
    }

    // "Comprobar" announces its verdict, differences included, to a screen reader: the
    // verdict's label, named by its text, raises an alert.
    void verdictAnnounced()
    {
        QWidget* practice = openSwitchedOn();
        act(practice, "TeclaCh1");
        accessibleEvents.clear();
        Driving::press(practice, PracticeNames::checkButton);
        auto* verdict = practice->findChild<QLabel*>(PracticeNames::verdict);
        QVERIFY(verdict->text().startsWith("¡Muy bien!"));
        QVERIFY(accessibleEvents.contains({verdict, QAccessible::Alert}));
        QCOMPARE(QAccessible::queryAccessibleInterface(verdict)->text(QAccessible::Name), verdict->text());
    }

    void practiceWithoutOutput_data()
    {
        QTest::addColumn<bool>("fg110PracticeOpen");
        QTest::addRow("alone") << false;
        QTest::addRow("beside the FG110's") << true;
    }

    // An instrument with no output gets its panel and exercises but no oscilloscope. Each
    // instrument's practice is claimed apart: the FG110's does not keep another's from
    // opening, and only the FG110's keeps the FG110 window from being left.
    void practiceWithoutOutput()
    {
        QFETCH(bool, fg110PracticeOpen);
        if (fg110PracticeOpen)
            QVERIFY(open());
        PracticeWindow* lamp = PracticeWindow::open(lampPractice);
        QVERIFY(lamp);
        QCOMPARE(PracticeWindow::open(lampPractice), lamp);
        QVERIFY(!lamp->findChild<Oscilloscope*>());
        QCOMPARE(practices().size(), fg110PracticeOpen ? 1 : 0);
        QTest::mouseClick(lamp->findChild<PanelKeyButton*>("TeclaLampara"), Qt::LeftButton);
        QCOMPARE(reading(lamp), QString("encendida"));
        Driving::press(lamp, PracticeNames::checkButton);
        QCOMPARE(text(lamp, PracticeNames::verdict), QString("¡Muy bien! Has conseguido lo que se pide."));
        TestSession::choose(fg110, ObjectNames::backMenuItem);
        TestSession::settle();
        QCOMPARE(session->boxes().size(), fg110PracticeOpen ? 1 : 0);
        QTest::keyClick(lamp, Qt::Key_Escape);
        TestSession::settle();
        QVERIFY(TestSession::windows("FormLampara").isEmpty());
    }

    void leavingGuard_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::addRow("Cerrar") << false;
        QTest::addRow("Esc") << true;
    }

    // While the practice is open the FG110 window refuses to be left; once it is closed
    // (by "&Cerrar" or Esc) leaving goes back to the chooser.
    void leavingGuard()
    {
        QFETCH(bool, byEscape);
        QWidget* practice = open();
        QVERIFY(practice);
        TestSession::choose(fg110, ObjectNames::backMenuItem);
        TestSession::settle();
        const MessageBoxes::Shown refusal{"La práctica está abierta", "Cierre antes la ventana de práctica.",
                                          MessageBoxes::Icon::Exclamation};
        QCOMPARE(session->boxes(), QList<MessageBoxes::Shown>{refusal});
        QVERIFY(TestSession::window(Fg110Names::window));

        if (byEscape)
            QTest::keyClick(practice, Qt::Key_Escape);
        else
            Driving::press(practice, PracticeNames::closeButton);
        TestSession::settle();
        QVERIFY(practices().isEmpty());
        TestSession::choose(fg110, ObjectNames::backMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
    }
};

QTEST_MAIN(PracticeWindowTest)
#include "tst_practice_window.moc"
