#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The real program, started as a user starts it, on a real X server.
class ProgramTest : public QObject
{
    Q_OBJECT

    QString display;

    // The names of the top-level windows on the display.
    QString windowTree() const
    {
        QProcess xwininfo;
        xwininfo.start("xwininfo", {"-display", display, "-root", "-tree"});
        xwininfo.waitForFinished(5000);
        return QString::fromUtf8(xwininfo.readAllStandardOutput());
    }

    void startsAndShowsTheChooser(const QString& program, const QString& workingFolder)
    {
        QProcess trivane;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        // No sound device: the program starts all the same, in silence (and leaves the
        // test run's audio server to the sound tests).
        env.insert("PULSE_SERVER", "unix:/nonexistent/pulse/native");
        trivane.setProcessEnvironment(env);
        trivane.setWorkingDirectory(workingFolder);
        trivane.start(program);
        QVERIFY(trivane.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return windowTree().contains("\"Tutorial del Riverazadidi\""); }, 15000));
        QCOMPARE(trivane.state(), QProcess::Running);
        trivane.terminate();
        trivane.waitForFinished(5000);
    }

private slots:
    void initTestCase()
    {
        display = qEnvironmentVariable("TRIVANE_TEST_DISPLAY");
        if (display.isEmpty() || QStandardPaths::findExecutable("xwininfo").isEmpty())
            QSKIP("no X server for the program to run on");
    }

    void theProgramStarts()
    {
        const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("trivane");
        startsAndShowsTheChooser(program, QDir::tempPath());
    }

    void aRenamedProgramStartsToo()
    {
        // Under another name the pointing hand is not loaded; everything else works.
        QTemporaryDir folder;
        const QString bin = QCoreApplication::applicationDirPath();
        QVERIFY(QFile::copy(QDir(bin).filePath("trivane"), folder.filePath("tutorial")));
        QVERIFY(QDir(folder.path()).mkpath("SOND"));
        for (const QString& cue : QDir(bin + "/SOND").entryList(QDir::Files))
            QVERIFY(QFile::copy(bin + "/SOND/" + cue, folder.filePath("SOND/" + cue)));
        QFile::setPermissions(folder.filePath("tutorial"), QFile::ExeOwner | QFile::ReadOwner);
        startsAndShowsTheChooser(folder.filePath("tutorial"), folder.path());
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"
