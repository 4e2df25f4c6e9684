#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The real program, started as a user starts it, on a real X server.
class ProgramTest : public QObject {
    Q_OBJECT

    QString display;
    static constexpr const char* Chooser = "Tutorial del Riverazadidi";

    // Copies the program and its sound folder, less the files named, into `folder`.
    static bool copyProgram(const QString& folder, const QString& name, const QStringList& without = {})
    {
        const QString bin = QCoreApplication::applicationDirPath();
        if (!QFile::copy(QDir(bin).filePath("trivane"), QDir(folder).filePath(name)) || !QDir(folder).mkpath("SOND"))
            return false;
        for (const QString& cue : QDir(bin + "/SOND").entryList(QDir::Files))
            if (!without.contains(cue) && !QFile::copy(bin + "/SOND/" + cue, QDir(folder).filePath("SOND/" + cue)))
                return false;
        return QFile::setPermissions(QDir(folder).filePath(name), QFile::ExeOwner | QFile::ReadOwner);
    }

    // Runs x_input with the arguments given (see tools/x_input).
    bool xInput(const QStringList& arguments) const
    {
        QProcess input;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        input.setProcessEnvironment(env);
        input.start(QDir(QCoreApplication::applicationDirPath()).filePath("x_input"), arguments);
        return input.waitForFinished(15000) && input.exitStatus() == QProcess::NormalExit && input.exitCode() == 0;
    }

    // The names of the top-level windows on the display.
    QString windowTree() const
    {
        QProcess xwininfo;
        xwininfo.start("xwininfo", {"-display", display, "-root", "-tree"});
        xwininfo.waitForFinished(5000);
        return QString::fromUtf8(xwininfo.readAllStandardOutput());
    }

    // Starts the program on the test display from `workingFolder`, with the variables given
    // added to the environment.
    void start(QProcess& trivane, const QString& program, const QString& workingFolder,
               const QList<QPair<QString, QString>>& variables) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        for (const auto& [name, value] : variables)
            env.insert(name, value);
        trivane.setProcessEnvironment(env);
        trivane.setWorkingDirectory(workingFolder);
        trivane.start(program);
    }

    void startsAndShowsTheChooser(const QString& program, const QString& workingFolder)
    {
        QProcess trivane;
        // No sound device: the program starts all the same, in silence (and leaves the
        // test run's audio server to the sound tests).
        start(trivane, program, workingFolder, {{"PULSE_SERVER", "unix:/nonexistent/pulse/native"}});
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
        QVERIFY(copyProgram(folder.path(), "tutorial"));
        startsAndShowsTheChooser(folder.filePath("tutorial"), folder.path());
    }

    // Every way a user ends the program: it ends with its status (0, or 1 when it cannot
    // start), its sound output closed, and nothing left for the sanitizers to report
    // (leaks checked, on the test build).
    void everyWayOutEndsCleanly_data()
    {
        QTest::addColumn<QList<QStringList>>("steps"); // x_input's arguments, step by step
        QTest::addColumn<QStringList>("missingCues");
        QTest::addColumn<int>("status");
        QTest::addRow("Ctrl+X") << QList<QStringList>{{"key", Chooser, "ctrl+x"}} << QStringList{} << 0;
        QTest::addRow("Salir in the Archivo menu")
            << QList<QStringList>{{"key", Chooser, "alt+a", "s"}} << QStringList{} << 0;
        QTest::addRow("the chooser's close box") << QList<QStringList>{{"close", Chooser}} << QStringList{} << 0;
        QTest::addRow("a chooser made on the way back from an instrument")
            << QList<QStringList>{{"key", Chooser, "alt+i", "f"},
                                  {"close", "Fuente de Alimentación PROMAX"},
                                  {"close", Chooser}}
            << QStringList{} << 0;
        QTest::addRow("the page sound missing")
            << QList<QStringList>{{"key", "Error", "Return"}} << QStringList{"PAGINA.WAV"} << 1;
    }

    void everyWayOutEndsCleanly()
    {
        QFETCH(QList<QStringList>, steps);
        QFETCH(QStringList, missingCues);
        QFETCH(int, status);
        if (QStandardPaths::findExecutable("x_input", {QCoreApplication::applicationDirPath()}).isEmpty())
            QSKIP("x_input was not built (no Xlib or XTest)");
        QTemporaryDir folder;
        QVERIFY(copyProgram(folder.path(), "trivane", missingCues));
        QProcess trivane;
        start(trivane, folder.filePath("trivane"), folder.path(), {{"ASAN_OPTIONS", "detect_leaks=1"}});
        QVERIFY(trivane.waitForStarted());
        for (const QStringList& step : steps)
            QVERIFY2(xInput(step), qPrintable(step.join(' ')));
        const bool ended = trivane.waitForFinished(20000);
        const QString errors = QString::fromLocal8Bit(trivane.readAllStandardError());
        if (!ended)
            trivane.kill();
        QVERIFY2(ended, "the program did not end");
        QCOMPARE(trivane.exitStatus(), QProcess::NormalExit);
        QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), qPrintable(errors));
        QCOMPARE(trivane.exitCode(), status);
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"
