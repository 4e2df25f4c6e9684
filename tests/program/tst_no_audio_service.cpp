#include "Driving.h"
#include "TestSession.h"
#include "core/ObjectNames.h"
#include "instruments/power_supply/PowerSupplyObjectNames.h"
#include "platform/AudioOutput.h"

#include <QDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// With no audio service to be reached (PULSE_SERVER naming a socket that does not exist),
// or with one that takes the connection and never answers (TRIVANE_HUNG_AUDIO_SERVICE:
// the test makes that socket itself), the program works as ever, silently: windows open,
// every click explains its control, no error box appears for a sound file that is fine,
// and the program ends. A user-interface thread held by the audio service would make
// this test run out of time.
class NoAudioServiceTest : public QObject {
    Q_OBJECT

private slots:
    void everythingWorksSilently()
    {
        TestSession session;
        QVERIFY(session.started());
        QWidget* supply = Driving::openInstrument(PowerSupplyNames::chooserMenuItem, PowerSupplyNames::window);
        QVERIFY(supply);
        QWidget* panel = Driving::openPanel(supply, PowerSupplyNames::panel);
        QVERIFY(panel);
        SensitiveMap* map = Driving::mapOf(panel);
        for (int round = 0; round < 3; ++round) {
            for (int n = 1; n <= map->regionCount(); ++n) {
                Driving::click(map, map->region(n).center());
                QCOMPARE(Driving::fieldsOf(panel).name.isEmpty(), false);
                QTest::qWait(20);
            }
        }
        Driving::press(panel, ObjectNames::closeButton);
        TestSession::choose(supply, ObjectNames::backMenuItem);
        TestSession::settle();
        QVERIFY(TestSession::window(ObjectNames::chooserWindow));
        QVERIFY2(session.boxes().isEmpty(), qPrintable(session.boxes().value(0).text));
        QVERIFY(!AudioOutput::isRunning());
    }
};

// A socket that takes connections and never answers them, named in PULSE_SERVER.
static QByteArray makeHungAudioService()
{
    const QByteArray path = QDir::tempPath().toLocal8Bit() + "/trivane-hung-audio-" + QByteArray::number(getpid());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    unlink(path.constData());
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 16) == 0)
        qputenv("PULSE_SERVER", "unix:" + path);
    return path;
}

int main(int argc, char* argv[])
{
    const QByteArray hung = qEnvironmentVariableIsSet("TRIVANE_HUNG_AUDIO_SERVICE") ? makeHungAudioService() : "";
    QApplication app(argc, argv);
    NoAudioServiceTest test;
    const int status = QTest::qExec(&test, argc, argv);
    if (!hung.isEmpty())
        unlink(hung.constData());
    return status;
}
#include "tst_no_audio_service.moc"
