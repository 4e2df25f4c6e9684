#include "Driving.h"
#include "TestSession.h"
#include "platform/AudioOutput.h"

#include <QTest>

#include <memory>

// With no audio service to be reached (this test runs with PULSE_SERVER naming a socket
// that does not exist), the program works as ever, silently: windows open, every click
// explains its control, and no error box appears for a sound file that is fine.
class NoAudioServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void everythingWorksSilently()
    {
        TestSession session;
        QVERIFY(session.started());
        QWidget* supply = Driving::openInstrument("Fuentedealimentacin1", "Form2");
        QVERIFY(supply);
        TestSession::choose(supply, "Panelfrontal1");
        QWidget* panel = TestSession::window("FormPromaxPanel");
        QVERIFY(panel);
        TSensitiveMap* map = Driving::mapOf(panel);
        for (int round = 0; round < 3; ++round) {
            for (int n = 1; n <= map->NumCuadros(); ++n) {
                Driving::click(map, map->Cuadro(n).center());
                QCOMPARE(Driving::fieldsOf(panel).name.isEmpty(), false);
                QTest::qWait(20);
            }
        }
        Driving::press(panel, "BitBtn2");
        TestSession::choose(supply, "Volver1");
        TestSession::settle();
        QVERIFY(TestSession::window("Form1"));
        QVERIFY2(session.boxes().isEmpty(), qPrintable(session.boxes().value(0).text));
        QVERIFY(!AudioOutput::isRunning());
    }
};

QTEST_MAIN(NoAudioServiceTest)
#include "tst_no_audio_service.moc"
