#include "AudioTestMain.h"
#include "Driving.h"
#include "InstrumentTestCase.h"
#include "TestSession.h"
#include "core/ObjectNames.h"
#include "instruments/common/practice/PanelKeyButton.h"
#include "instruments/common/practice/PracticeObjectNames.h"
#include "instruments/common/practice/PracticePanel.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "core/AppState.h"
#include "instruments/fluke45/practice/Fluke45Beeper.h"
#include "instruments/fluke45/practice/Fluke45PanelKeys.h"
#include "sim/bench/BenchKey.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<Fluke45Sound>)

// The Fluke 45's practice on its bench, driven as a student drives it: opened from the
// Fluke 45 window's "Opciones", its keys and its leads moved by mouse and keyboard.
class Fluke45PracticeTest : public InstrumentTestCase
{
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
        } else if (parts.size() == 2) {
            auto* lead = practice->findChild<QWidget*>(parts[0]);
            QVERIFY2(lead, qPrintable(step));
            lead->setFocus();
            QTest::keyClick(lead, parts[1] == "Right" ? Qt::Key_Right : Qt::Key_Left);
        } else if (parts.size() == 3) {
            auto* lead = practice->findChild<QWidget*>(parts[0]);
            QVERIFY2(lead, qPrintable(step));
            QTest::mouseClick(lead, Qt::LeftButton, {}, QPoint(8, 10));
            auto* panel = practice->findChild<PracticePanel*>(PracticeNames::panel);
            QTest::mouseClick(panel, Qt::LeftButton, {}, Fluke45PanelPlaces::jacks[parts[2].toInt()].toPoint());
        } else {
            auto* key = practice->findChild<PanelKeyButton*>(step);
            QVERIFY2(key, qPrintable(step));
            QTest::mouseClick(key, Qt::LeftButton);
        }
    }

public:
    Fluke45PracticeTest() : InstrumentTestCase(Fluke45Names::chooserMenuItem, Fluke45Names::window) {}

private slots:
    void opensOnceAndFits()
    {
        QWidget* first = open();
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QString("Práctica con el multímetro Fluke 45"));
        QCOMPARE(open(), first);
        const QSize outer = first->frameGeometry().size();
        QVERIFY2(outer.width() <= 1024 && outer.height() <= 768, qPrintable(QString("%1x%2").arg(outer.width()).arg(outer.height())));
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
        QTest::addRow("red plug, keyboard") << "CableRojo:Right" << BenchKey::plug(Lead::Red, Jack::VoltsOhms);
        QTest::addRow("black plug, keyboard back") << "CableNegro:Left" << BenchKey::plug(Lead::Black, Jack::Amps);
        QTest::addRow("red plug into COM by mouse") << "CableRojo:plug:1" << BenchKey::plug(Lead::Red, Jack::Common);
        QTest::addRow("black plug into 100 mA by mouse") << "CableNegro:plug:2" << BenchKey::plug(Lead::Black, Jack::Milliamps);
    }

    // What the student does reaches the bench as the key that does it.
    void actionsReachTheBench()
    {
        QFETCH(QString, step);
        QFETCH(int, key);
        QWidget* practice = open();
        QVERIFY(practice);
        QSignalSpy pressed(practice->findChild<PracticePanel*>(PracticeNames::panel), &PracticePanel::keyPressed);
        act(practice, step);
        QVERIFY(QTest::qWaitFor([&] { return !pressed.isEmpty(); }, 2000));
        QCOMPARE(pressed.last().at(0).toInt(), key);
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
