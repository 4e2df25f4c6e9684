#include "ShellTesting.h"
#include "core/LearningProgress.h"
#include "instruments/common/practice/Demonstration.h"
#include "instruments/common/practice/PracticeObjectNames.h"
#include "instruments/common/practice/PracticePanel.h"
#include "instruments/common/practice/PracticeWindow.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fg110/practice/Fg110PracticeDefinition.h"
#include "instruments/hc6000/Hc6000ObjectNames.h"
#include "shell/progress/ProgressTexts.h"
#include "widgets/BarChart.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

// "Mi progreso" as a student meets it: opened from the chooser and from an instrument
// window, its charts telling what was done (in pictures and in words), and the report
// saved where the student chooses and read back, or refused with the window kept.
class ProgressWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSession> session;

    // Types as a keyboard does, accents included.
    static void type(QWidget* widget, const QString& text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Opens "Mi progreso" from the "Ayuda" menu of the chooser, or of an instrument's
    // window; with no item, from the window it was last opened from.
    static QWidget* openFrom(const QString& instrumentMenuItem)
    {
        static QPointer<QWidget> last;
        if (instrumentMenuItem.isNull() && last) {
            TestSession::choose(last, ObjectNames::progressMenuItem);
            TestSession::settle();
            return TestSession::window(ObjectNames::progressWindow);
        }
        QWidget* from = ShellTesting::chooser();
        if (!instrumentMenuItem.isEmpty()) {
            TestSession::choose(from, instrumentMenuItem);
            TestSession::settle();
            for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
                if (entry.definition.chooser.menuObjectName == instrumentMenuItem)
                    from = TestSession::window(entry.definition.window.frame.objectName);
        }
        last = from;
        TestSession::choose(from, ObjectNames::progressMenuItem);
        TestSession::settle();
        return TestSession::window(ObjectNames::progressWindow);
    }
    static QString heard(QWidget* window, int chart)
    {
        auto* widget = window->findChild<QWidget*>(ObjectNames::progressChart(chart));
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
    }
    // Records answers written as "question+" (right) or "question-" (wrong), and
    // "¿Dónde está…?" answers as "+" and "-".
    static void record(const QString& instrument, const QStringList& answers, const QString& whereIs,
                       const QStringList& exercises)
    {
        for (const QString& answer : answers)
            learningProgress().recordAnswer(instrument, answer.chopped(1).toInt(), answer.endsWith('+'));
        for (QChar answer : whereIs)
            learningProgress().recordWhereIs(instrument, answer == '+');
        for (const QString& exercise : exercises)
            learningProgress().recordExerciseMet(instrument, exercise);
    }
    // Saves the report, answering the file dialog as a student does: the path typed, "Guardar".
    static QString saveReport(QWidget* window, const QString& name, const QString& path)
    {
        auto* edit = window->findChild<QLineEdit*>(ObjectNames::progressNameEdit);
        edit->clear();
        type(edit, name);
        QString dialogSeen;
        QTimer answer; // until the dialog is up
        answer.setInterval(10);
        connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(TestSession::window(ObjectNames::reportFileDialog));
            if (!dialog)
                return;
            answer.stop();
            dialogSeen = dialog->objectName() + ": " + dialog->windowTitle();
            QPushButton* save = dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save);
            dialogSeen += ", " + save->text(); // in Spanish
            auto* file = dialog->findChild<QLineEdit*>("fileNameEdit");
            file->clear();
            type(file, path);
            // A whole path typed takes the dialog to its folder first, then saves.
            for (int press = 0; press < 3 && dialog->isVisible(); ++press)
                save->click();
        });
        answer.start();
        QApplication::setActiveWindow(window);
        QTest::keyClick(edit, Qt::Key_G, Qt::AltModifier); // "&Guardar informe…"
        (void)QTest::qWaitFor([&] { return !answer.isActive() && !TestSession::window(ObjectNames::reportFileDialog); },
                              20000);
        TestSession::settle();
        return dialogSeen;
    }

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
    }
    void cleanup() { session.reset(); }

    // What was recorded, from the chooser or an instrument window, in words for the chart
    // of its instrument; opened again after more is done, the one window tells the new figures.
    void figuresShown_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("instrument");
        QTest::addColumn<int>("chart");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("whereIs");
        QTest::addColumn<QStringList>("exercises");
        QTest::addColumn<QString>("expected");
        QTest::addRow("nothing yet")
            << QString("") << "fg110" << 2 << QStringList{} << "" << QStringList{}
            << "Preguntas contestadas: 0 de 4. Preguntas aprendidas: 0 de 4. "
               "Aciertos en «¿Dónde está…?»: sin preguntas todavía. Ejercicios conseguidos: 0 de 12.";
        QTest::addRow("learned after two right in a row")
            << Fg110Names::chooserMenuItem << "fluke45" << 1 << QStringList{"0-", "0+", "0+", "1+", "2+", "2-", "2+"}
            << "+-+" << QStringList{}
            << "Preguntas contestadas: 3 de 4. Preguntas aprendidas: 1 de 4. Aciertos en «¿Dónde está…?»: 2 de 3. "
               "Ejercicios conseguidos: 0 de 12.";
        QTest::addRow("where-is only") << Hc6000Names::chooserMenuItem << "promax" << 3 << QStringList{} << "-+"
                                       << QStringList{} << "Aciertos en «¿Dónde está…?»: 1 de 2.";
        QTest::addRow("an exercise met twice counts once")
            << QString("") << "fg110" << 2 << QStringList{"3+"} << "" << QStringList{"1", "5", "1"}
            << "Preguntas contestadas: 1 de 4. Preguntas aprendidas: 0 de 4. "
               "Aciertos en «¿Dónde está…?»: sin preguntas todavía. Ejercicios conseguidos: 2 de 12.";
    }
    void figuresShown()
    {
        QFETCH(QString, from);
        QFETCH(QString, instrument);
        QFETCH(int, chart);
        QFETCH(QStringList, answers);
        QFETCH(QString, whereIs);
        QFETCH(QStringList, exercises);
        QFETCH(QString, expected);
        QWidget* window = openFrom(from);
        QVERIFY(window);
        const QString before = heard(window, chart);
        record(instrument, answers, whereIs, exercises);
        QWidget* again = openFrom({});
        QCOMPARE(again, window);
        QCOMPARE(TestSession::windows(ObjectNames::progressWindow).size(), 1);
        QCOMPARE(heard(window, chart), expected);
        QCOMPARE(before.isEmpty() || before == expected, answers.isEmpty() && whereIs.isEmpty() && exercises.isEmpty());
        QCOMPARE(
            window->findChild<QWidget*>(ObjectNames::progressChart(chart))->accessibleName(),
            QStringList({"Multímetro Dual Fluke45", "Generador de funciones FG110", "Fuente de alimentación PROMAX"})
                .at(chart - 1));
    }

    // The practice records what the student does, not what a demonstration does.
    void exerciseMetInPractice()
    {
        PracticeWindow* practice = PracticeWindow::open(fg110PracticeDefinition());
        for (int id : practice->model().keysBeforeSequence() + practice->model().exercise(0).sequence)
            practice->panel()->press(id);
        QTest::mouseClick(practice->findChild<QAbstractButton*>(PracticeNames::checkButton), Qt::LeftButton);
        QTest::mouseClick(practice->findChild<QAbstractButton*>(PracticeNames::nextExercise), Qt::LeftButton);
        auto* demonstration = practice->findChild<Demonstration*>();
        demonstration->setInterval(1);
        QTest::mouseClick(practice->findChild<QAbstractButton*>(PracticeNames::showButton), Qt::LeftButton);
        QTRY_VERIFY(!demonstration->isPlaying());
        QTest::mouseClick(practice->findChild<QAbstractButton*>(PracticeNames::checkButton), Qt::LeftButton);
        QVERIFY(heard(openFrom({}), 2).endsWith("Ejercicios conseguidos: 1 de 12."));
    }

    // The report read back: the name, the date, each instrument's figures, and the
    // oscilloscope or the line saying there is none, on one or two pages.
    void reportReadBack_data()
    {
        QTest::addColumn<bool>("practiceOpened");
        QTest::addRow("no practice") << false;
        QTest::addRow("after the practice") << true;
    }
    void reportReadBack()
    {
        QFETCH(bool, practiceOpened);
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        if (practiceOpened)
            QTest::mouseClick(PracticeWindow::open(fg110PracticeDefinition())
                                  ->findChild<QAbstractButton*>(PracticeNames::closeButton),
                              Qt::LeftButton);
        record("fluke45", {"0+", "1+", "2-"}, "++-", {});
        QWidget* window = openFrom(QString(""));
        QTest::mouseClick(window->findChild<QAbstractButton*>(ObjectNames::progressSaveButton), Qt::LeftButton);
        QCOMPARE(window->findChild<QLabel*>(ObjectNames::progressStatusLabel)->text(), progressTexts().nameMissing);

        QTemporaryDir folder;
        const QString path = folder.filePath("informe.pdf");
        QCOMPARE(saveReport(window, "Lucía Núñez", path), "DialogoGuardarInforme: Guardar informe, Guardar");
        QVERIFY(window->findChild<QLabel*>(ObjectNames::progressStatusLabel)->text().startsWith("Informe guardado"));
        QProcess info;
        info.start("pdfinfo", {path});
        QVERIFY(info.waitForFinished());
        const QString pages = QString::fromUtf8(info.readAllStandardOutput()).section("Pages:", 1).section('\n', 0, 0);
        QVERIFY2(pages.trimmed() == "1" || pages.trimmed() == "2", qPrintable(pages));
        QProcess text;
        text.start(pdftotext, {"-layout", path, "-"});
        QVERIFY(text.waitForFinished());
        const QString read = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        const QString date = QLocale(QLocale::Spanish).toString(QDate::currentDate(), "d 'de' MMMM 'de' yyyy");
        for (const QString& expected :
             {QString("Nombre: Lucía Núñez"), "Fecha: " + date, QString("Multímetro Dual Fluke45"),
              QString("Preguntas contestadas 3 de 4"), QString("Aciertos en «¿Dónde está…?» 2 de 3"),
              QString("Ejercicios conseguidos 0 de 12"), QString("Fuente de alimentación PROMAX"),
              practiceOpened ? progressTexts().scopeHeading : progressTexts().noScope})
            QVERIFY2(read.contains(expected), qPrintable(expected + " not in: " + read));
    }

    // A report that cannot be written (a folder where no file can be created, even by
    // root) says so in Spanish and leaves the window, its name and its figures as they were.
    void failedWriteKeepsWindow()
    {
        record("fg110", {"0+"}, "+", {});
        QWidget* window = openFrom(QString(""));
        const QString figures = heard(window, 2);
        const QString path = "/proc/informe.pdf";
        saveReport(window, "Lucía", path);
        QCOMPARE(session->boxes().size(), 1);
        QCOMPARE(session->boxes().first().text, progressTexts().failure.arg(path, progressTexts().cannotCreate));
        QCOMPARE(TestSession::window(ObjectNames::progressWindow), window);
        QCOMPARE(window->findChild<QLineEdit*>(ObjectNames::progressNameEdit)->text(), "Lucía");
        QCOMPARE(heard(window, 2), figures);
        QVERIFY(!QFile::exists(path));
    }

    // The chart's edges fall on whole device pixels at any ratio: no pixel of a bar is a
    // blend of two of its colours.
    void chartIsCrisp_data()
    {
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0})
            QTest::addRow("%g", ratio) << ratio;
    }
    void chartIsCrisp()
    {
        QFETCH(qreal, ratio);
        const std::vector<ChartBar> bars{{"", 1, 3, ""}, {"", 2, 7, ""}, {"", 0, 0, ""}};
        QImage image(QSize(200, 80) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::yellow);
        QPainter painter(&image);
        BarChart::paint(painter, QPointF(3.3, 2.7), bars, QFont(), 101.7, ratio);
        painter.end();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QCOMPARE(colours.size(), 4); // the ground, the track's edge and inside, the part reached
    }

    // The oscilloscope kept when a practice closes is the one given back for the report:
    // the same pixels, format, size and ratio.
    void keptOscilloscopeReadBack_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<qreal>("ratio");
        QTest::addRow("opaque, 1x") << QImage::Format_RGB32 << 1.0;
        QTest::addRow("opaque, 2x") << QImage::Format_RGB32 << 2.0;
        QTest::addRow("premultiplied, 1.5x") << QImage::Format_ARGB32_Premultiplied << 1.5;
    }
    void keptOscilloscopeReadBack()
    {
        QFETCH(QImage::Format, format);
        QFETCH(qreal, ratio);
        QImage picture(QSize(160, 90) * ratio, format);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::black);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::green, 1.5));
        painter.drawEllipse(QRectF(10.3, 8.6, 120, 70));
        painter.end();
        learningProgress().keepOscilloscope(picture);
        const QImage kept = learningProgress().oscilloscope();
        QCOMPARE(kept.format(), format);
        QCOMPARE(kept.devicePixelRatio(), ratio);
        QCOMPARE(kept, picture);
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "tst_progress_window.moc"
