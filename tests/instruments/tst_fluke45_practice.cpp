#include "AudioTestMain.h"
#include "Driving.h"
#include "InstrumentTestCase.h"
#include "TestSession.h"
#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "instruments/common/practice/PanelKeyButton.h"
#include "instruments/common/practice/PracticeObjectNames.h"
#include "instruments/common/practice/PracticePanel.h"
#include "instruments/common/practice/PracticeWindow.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "instruments/fluke45/practice/Fluke45Beeper.h"
#include "instruments/fluke45/practice/Fluke45PanelKeys.h"
#include "instruments/fluke45/practice/LeadsOverlay.h"
#include "sim/bench/BenchKey.h"
#include "sim/bench/Fluke45Bench.h"
#include "sim/common/InstrumentInputs.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<Fluke45Sound>)

// The Fluke 45's practice on its bench, driven as a student drives it: opened from the
// Fluke 45 window's "Opciones", its keys and its leads moved by mouse and keyboard.
class Fluke45PracticeTest : public InstrumentTestCase {
    Q_OBJECT
    QWidget*& fluke45 = instrument;

    QWidget* open()
    {
        TestSession::choose(fluke45, ObjectNames::practiceMenuItem);
        TestSession::settle();
        return TestSession::window(Fluke45Names::practice);
    }

    // A step: "TeclaFreq" clicks a key; "type:F" types a shortcut; "CableRojo:Right" gives a
    // lead's control a key; "CableRojo:plug:1" clicks the lead's plug, then that jack.
    static void act(QWidget* practice, const QString& step)
    {
        const QStringList parts = step.split(':');
        if (parts[0] == "type") {
            QTest::keyClicks(practice, parts[1]);
        } else if (parts[0] == "circuit") { // chosen from the keyboard, by the start of its title
            auto* chooser = practice->findChild<QComboBox*>("ElegirCircuito");
            chooser->setFocus();
            while (!chooser->currentText().startsWith(parts[1]) && chooser->currentIndex() + 1 < chooser->count())
                QTest::keyClick(chooser, Qt::Key_Down);
        } else if (parts.size() == 2) { // a lead's control given arrow keys: "R", "L", "U", "D", several
            auto* lead = practice->findChild<QWidget*>(parts[0]);
            QVERIFY2(lead, qPrintable(step));
            lead->setFocus();
            const QHash<QChar, Qt::Key> arrows{
                {'R', Qt::Key_Right}, {'L', Qt::Key_Left}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down}};
            for (QChar arrow : parts[1])
                QTest::keyClick(lead, arrows.value(arrow));
        } else if (parts.size() == 3) {
            auto* lead = practice->findChild<QWidget*>(parts[0]);
            QVERIFY2(lead, qPrintable(step));
            QTest::mouseClick(lead, Qt::LeftButton, {}, QPoint(8, 10));
            auto* panel = practice->findChild<PracticePanel*>(PracticeNames::panel);
            QTest::mouseClick(panel, Qt::LeftButton, {}, Fluke45PanelPlaces::jacks[parts[2].toInt()].toPoint());
        } else {
            auto* button = practice->findChild<QAbstractButton*>(step); // a panel's key or a button
            QVERIFY2(button, qPrintable(step));
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

public:
    Fluke45PracticeTest()
        : InstrumentTestCase(Fluke45Names::chooserMenuItem, Fluke45Names::window)
    { }

private slots:
    void opensOnceAndFits()
    {
        QWidget* first = open();
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QString("Práctica con el multímetro Fluke 45"));
        QCOMPARE(open(), first);
        const QSize outer = first->frameGeometry().size();
        QVERIFY2(outer.width() <= 1024 && outer.height() <= 768,
                 qPrintable(QString("%1x%2").arg(outer.width()).arg(outer.height())));
    }

    void actionsReachTheBench_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("key");
        QTest::addRow("V~ by mouse") << "TeclaVoltiosAlterna" << BenchKey::meter(Fluke45Key::VoltsAc);
        QTest::addRow("POWER by mouse") << "TeclaPower" << BenchKey::meter(Fluke45Key::Power);
        QTest::addRow("2ND by mouse") << "Tecla2nd" << BenchKey::meter(Fluke45Key::Second);
        QTest::addRow("FREQ by shortcut") << "type:F" << BenchKey::meter(Fluke45Key::Frequency);
        QTest::addRow("HOLD by shortcut") << "type:H" << BenchKey::meter(Fluke45Key::Hold);
        QTest::addRow("red plug, keyboard") << "CableRojo:R" << BenchKey::plug(Lead::Red, Jack::VoltsOhms);
        QTest::addRow("black plug, keyboard back") << "CableNegro:L" << BenchKey::plug(Lead::Black, Jack::Amps);
        QTest::addRow("red plug into COM by mouse") << "CableRojo:plug:1" << BenchKey::plug(Lead::Red, Jack::Common);
        QTest::addRow("black plug into 100 mA by mouse")
            << "CableNegro:plug:2" << BenchKey::plug(Lead::Black, Jack::Milliamps);
    }

    // What the student does reaches the bench as the key that does it.
    void actionsReachTheBench()
    {
        QFETCH(QString, step);
        QFETCH(int, key);
        QWidget* practice = open();
        QVERIFY(practice);
        auto* panel = practice->findChild<PracticePanel*>(PracticeNames::panel);
        for (Lead lead : {Lead::Red, Lead::Black}) // both leads out, whatever the bench starts with
            panel->press(BenchKey::plug(lead, std::nullopt));
        QSignalSpy pressed(panel, &PracticePanel::keyPressed);
        act(practice, step);
        QVERIFY(QTest::qWaitFor([&] { return !pressed.isEmpty(); }, 2000));
        QCOMPARE(pressed.last().at(0).toInt(), key);
        Driving::press(practice, PracticeNames::closeButton);
        TestSession::settle();
    }

    void displaysFollow_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("display"); // how the meter's reading starts
        QTest::addColumn<QString>("bench");   // a part of what the bench says
        const QStringList battery{"circuit:Pila", "CableRojo:R", "CableNegro:R", "CableRojo:D", "CableNegro:DD"};
        QTest::addRow("the battery in V DC") << battery << "9.4"
                                             << "punta en el punto +";
        QTest::addRow("the battery in V~") << battery + QStringList{"TeclaVoltiosAlterna"} << "0.0"
                                           << "borne COM";
        QTest::addRow("a lead lifted") << battery + QStringList{"CableRojo:U"} << "0.0"
                                       << "cable rojo en el borne V Ω";
        QTest::addRow("the 100 mA input across the battery")
            << battery + QStringList{"CableRojo:R", "TeclaAmperiosContinua"} << "0.000 mA"
            << "fundido";
        QTest::addRow("back in V Ω, the fuse replaced")
            << battery
                   + QStringList{"CableRojo:R", "TeclaAmperiosContinua", "BotonCambiarFusible", "CableRojo:L",
                                 "TeclaVoltiosContinua"}
            << "9.4"
            << "borne V Ω";
    }

    // Leads and keys moved by the student: the meter's display and the bench's words follow.
    void displaysFollow()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, display);
        QFETCH(QString, bench);
        QWidget* practice = open();
        QVERIFY(practice);
        auto* panel = practice->findChild<PracticePanel*>(PracticeNames::panel);
        for (Lead lead : {Lead::Red, Lead::Black}) {
            panel->press(BenchKey::plug(lead, std::nullopt));
            panel->press(BenchKey::touch(lead, std::nullopt));
        }
        for (const QString& step : steps)
            act(practice, step);
        QVERIFY2(panel->display()->accessibleName().startsWith(display),
                 qPrintable(panel->display()->accessibleName()));
        const QString words = practice->findChild<QLabel*>("EstadoBanco")->text();
        QVERIFY2(words.contains(bench), qPrintable(words));
        Driving::press(practice, PracticeNames::closeButton);
        TestSession::settle();
    }

    void beepsHeard_data()
    {
        QTest::addColumn<std::vector<Fluke45Sound>>("sounds");
        QTest::addColumn<int>("afterMs"); // when the listening starts, after the sounds (0: with them)
        QTest::addColumn<bool>("heard");
        using S = Fluke45Sound;
        QTest::addRow("a short beep") << std::vector{S::Beep} << 0 << true;
        QTest::addRow("a short beep, over") << std::vector{S::Beep} << 800 << false;
        QTest::addRow("continuous, long after it began") << std::vector{S::ContinuousOn} << 900 << true;
        QTest::addRow("continuous, stopped") << std::vector{S::ContinuousOn, S::ContinuousOff} << 300 << false;
    }

    // The meter's beeps are heard as long as they last: a short one once, the continuity
    // test's until it stops.
    void beepsHeard()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        QFETCH(std::vector<Fluke45Sound>, sounds);
        QFETCH(int, afterMs);
        QFETCH(bool, heard);
        session.reset(); // the Fluke 45 window's own cue silenced with it
        QTest::qWait(300);
        appState().soundOn = true;
        Fluke45Beeper beeper;
        const auto play = [&] { beeper.follow(sounds); };
        if (afterMs > 0) {
            play();
            QTest::qWait(afterMs);
        }
        const int peak = SinkRecorder::peakDuring(afterMs > 0 ? std::function<void()>([] {}) : play, 400);
        QVERIFY2((peak > HeardPeak) == heard, qPrintable(QString::number(peak)));
    }

    void cablesPassBehindControls_data()
    {
        QTest::addColumn<int>("circuit");
        for (int circuit = 0; circuit < Fluke45Bench().circuitCount(); ++circuit)
            QTest::addRow("circuit %d", circuit + 1) << circuit;
    }

    // Wherever the leads go, the controls under the meter and beside the board look the
    // same with the cables drawn as without them: the cables pass behind.
    void cablesPassBehindControls()
    {
        QFETCH(int, circuit);
        QWidget* practice = open();
        QVERIFY(practice);
        auto* panel = practice->findChild<PracticePanel*>(PracticeNames::panel);
        auto* overlay = practice->findChild<LeadsOverlay*>();
        QList<QWidget*> controls{practice->findChild<QWidget*>("EstadoBanco"),
                                 practice->findChild<QWidget*>("Fuentes")};
        controls += practice->findChild<QWidget*>("ElegirCircuito")->parentWidget()->findChildren<QWidget*>();
        panel->press(BenchKey::chooseCircuit(circuit));
        const auto press = [panel](int key) {
            panel->press(key);
            panel->release(key);
        };
        const int points = int(static_cast<PracticeWindow*>(practice)->model().inputs()->pointNames().size());
        for (int jack : {int(Jack::VoltsOhms), int(Jack::Milliamps), int(Jack::Amps), BenchKey::maximumPoints})
            for (int point = 0; point <= points; ++point) {
                press(BenchKey::plug(Lead::Black, jack == int(Jack::VoltsOhms) ? Jack::Common : Jack::VoltsOhms));
                press(BenchKey::plug(Lead::Red, jack < jackCount ? std::optional(Jack(jack)) : std::nullopt));
                press(BenchKey::touch(Lead::Red, point < points ? std::optional(point) : std::nullopt));
                press(BenchKey::touch(Lead::Black, points - 1 - point % points));
                overlay->show();
                const QImage with = practice->grab().toImage();
                overlay->hide();
                const QImage without = practice->grab().toImage();
                for (const QWidget* control : std::as_const(controls)) {
                    const QRect area(control->mapTo(practice, QPoint(0, 0)), control->size());
                    const qreal ratio = with.devicePixelRatio();
                    const QRect pixels(area.topLeft() * ratio, area.size() * ratio);
                    QVERIFY2(
                        !control->isVisible() || with.copy(pixels) == without.copy(pixels),
                        qPrintable(
                            QString("%1 crossed, red lead %2 %3").arg(control->objectName()).arg(jack).arg(point)));
                }
            }
        overlay->show();
        Driving::press(practice, PracticeNames::closeButton);
        TestSession::settle();
    }

    void leavingGuard_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::addRow("Cerrar") << false;
        QTest::addRow("Esc") << true;
    }

    // While the practice is open the Fluke 45 window refuses to be left.
    void leavingGuard()
    {
        QFETCH(bool, byEscape);
        QWidget* practice = open();
        QVERIFY(practice);
        TestSession::choose(fluke45, ObjectNames::backMenuItem);
        TestSession::settle();
        const MessageBoxes::Shown refusal{"La práctica está abierta", "Cierre antes la ventana de práctica.",
                                          MessageBoxes::Icon::Exclamation};
        QCOMPARE(session->boxes(), QList<MessageBoxes::Shown>{refusal});
        if (byEscape)
            QTest::keyClick(practice, Qt::Key_Escape);
        else
            Driving::press(practice, PracticeNames::closeButton);
        TestSession::settle();
        QVERIFY(TestSession::windows(Fluke45Names::practice).isEmpty());
        TestSession::choose(fluke45, ObjectNames::backMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
    }
};

TRIVANE_AUDIO_TEST_MAIN(Fluke45PracticeTest)
#include "tst_fluke45_practice.moc"
