#include "Driving.h"
#include "InstrumentTestCase.h"
#include "core/AppState.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "quiz/QuestionnaireWindow.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <memory>

// The FG110's questionnaire, driven as a student drives it: every option judged at once,
// the verdict cleared on a page change while the choices stay, one window at a time, and
// "Aceptar" the only way out.
class QuestionnaireTest : public InstrumentTestCase {
    Q_OBJECT
    QWidget*& fg110 = instrument; // the function generator's window

    static QWidget* questionnaire() { return TestSession::window(Fg110Names::questionnaire); }
    static QTabWidget* notebook(QWidget* q) { return q->findChild<QTabWidget*>(ObjectNames::questionNotebook); }
    static QRadioButton* radio(QWidget* q, int n) { return q->findChild<QRadioButton*>(ObjectNames::optionButton(n)); }
    // A line's runs from left to right.
    static QList<QLabel*> runs(QWidget* line)
    {
        QList<QLabel*> found = line->findChildren<QLabel*>();
        std::sort(found.begin(), found.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
        return found;
    }
    // A line as the student reads it: a picture by what it shows.
    static QString reading(QWidget* line)
    {
        QStringList read;
        for (QLabel* run : runs(line))
            read << (run->pixmap().isNull() ? run->text() : run->accessibleName());
        return read.join(QLatin1Char(' '));
    }
    static QString verdict(QWidget* q) { return q->findChild<QLabel*>(ObjectNames::verdictLabel)->text(); }
    static bool happy(QWidget* q) { return q->findChild<QLabel*>(Fg110Names::happyFace)->isVisible(); }
    static bool angry(QWidget* q) { return q->findChild<QLabel*>(Fg110Names::angryFace)->isVisible(); }

    static void showPage(QWidget* q, int page)
    {
        QTabBar* tabs = notebook(q)->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
    }
    static void choose(QWidget* q, int n)
    {
        showPage(q, (n - 1) / 4 + 1);
        QTest::mouseClick(radio(q, n), Qt::LeftButton, {}, QPoint(6, radio(q, n)->height() / 2));
    }

    QWidget* open()
    {
        TestSession::choose(fg110, ObjectNames::questionsMenuItem);
        TestSession::settle();
        return questionnaire();
    }

public:
    QuestionnaireTest()
        : InstrumentTestCase(InstrumentId::Fg110)
    { }

private slots:
    void opensOnTheFirstPageWithNothingChosen()
    {
        QWidget* q = open();
        QVERIFY(q);
        QCOMPARE(q->windowTitle(), QString("Cuestiones sobre el fg110"));
        QVERIFY(WindowClaims::isClaimed(OneAtATime::Questionnaire));
        QStringList tabs;
        for (int i = 0; i < notebook(q)->count(); ++i)
            tabs << notebook(q)->tabText(i);
        QCOMPARE(tabs, (QStringList{"Cuestión 1", "Cuestión 2", "Cuestión 3", "Cuestión 4"}));
        QCOMPARE(notebook(q)->currentIndex(), 0);
        for (int n = 1; n <= 16; ++n)
            QVERIFY2(radio(q, n) && !radio(q, n)->isChecked(), qPrintable(QString::number(n)));
        QCOMPARE(verdict(q), QString());
        QVERIFY(!happy(q) && !angry(q));
        for (QGroupBox* box : q->findChildren<QGroupBox*>())
            QCOMPARE(box->title(), QString("Respuestas"));
        QCOMPARE(q->findChild<QLabel*>(ObjectNames::answerLabel)->text(), QString("Respuesta:"));
    }

    // Both banks: every option is judged the moment it is chosen. The student goes back to
    // the chooser and opens the row's instrument and its questionnaire.
    void everyOptionIsJudgedAtOnce_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("correct");
        const std::pair<InstrumentId, QList<int>> correctOptions[] = {
            {InstrumentId::Fg110, {2, 8, 12, 15}},
            {InstrumentId::Fluke45, {4, 7, 9, 15}},
        };
        for (const auto& [id, correct] : correctOptions) {
            const QByteArray row = RegisteredInstruments::rowName(InstrumentRegistry::definition(id));
            for (int n = 1; n <= 16; ++n)
                QTest::addRow("%s, RadioButton%d", row.constData(), n) << int(id) << n << correct.contains(n);
        }
    }
    void everyOptionIsJudgedAtOnce()
    {
        QFETCH(int, id);
        QFETCH(int, button);
        QFETCH(bool, correct);
        const InstrumentDefinition& definition = InstrumentRegistry::definition(InstrumentId(id));
        TestSession::choose(fg110, ObjectNames::backMenuItem);
        TestSession::settle();
        QWidget* opened = Driving::openInstrument(definition);
        QVERIFY(opened);
        TestSession::choose(opened, ObjectNames::questionsMenuItem);
        TestSession::settle();
        const QuestionnaireLayout& layout = definition.questionBank().layout;
        QWidget* q = TestSession::window(layout.frame.objectName);
        QVERIFY(q);
        // Another option of the page first, so that the verdict has to change.
        const int other = (button - 1) % 4 == 0 ? button + 1 : button - 1;
        choose(q, other);
        choose(q, button);
        QVERIFY(radio(q, button)->isChecked());
        QVERIFY(!radio(q, other)->isChecked());
        QCOMPARE(verdict(q), correct ? QString("CORRECTA") : QString("INCORRECTA"));
        QCOMPARE(happy(q), correct);
        QCOMPARE(q->findChild<QLabel*>(layout.angryFaceName)->isVisible(), !correct);
    }

    void clickingAnOptionsTextOrPictureChoosesNothing()
    {
        QWidget* q = open();
        QGroupBox* answers = notebook(q)->widget(0)->findChild<QGroupBox*>();
        for (QLabel* run : answers->findChildren<QLabel*>())
            QTest::mouseClick(run, Qt::LeftButton, {}, run->rect().center());
        for (int n = 1; n <= 4; ++n)
            QVERIFY(!radio(q, n)->isChecked());
        QCOMPARE(verdict(q), QString());
    }

    void aPageChangeClearsTheVerdictAndKeepsTheChoices()
    {
        QWidget* q = open();
        choose(q, 2);
        QCOMPARE(verdict(q), QString("CORRECTA"));
        showPage(q, 3);
        QCOMPARE(verdict(q), QString());
        QVERIFY(!happy(q) && !angry(q));
        showPage(q, 1);
        QVERIFY(radio(q, 2)->isChecked());
        QCOMPARE(verdict(q), QString());
        // Choosing the option already chosen says nothing new.
        choose(q, 2);
        QCOMPARE(verdict(q), QString());
        // Each page is a group of its own.
        choose(q, 7);
        QVERIFY(radio(q, 2)->isChecked());
        QVERIFY(radio(q, 7)->isChecked());
        QCOMPARE(verdict(q), QString("INCORRECTA"));
    }

    void oneQuestionnaireAtATimeAndTheWindowWaitsForIt()
    {
        QWidget* q = open();
        QVERIFY(q);
        TestSession::choose(fg110, ObjectNames::questionsMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::windows(Fg110Names::questionnaire).size(), 1);
        TestSession::choose(fg110, ObjectNames::backMenuItem);
        TestSession::settle();
        QCOMPARE(session->boxes().size(), 1);
        QCOMPARE(session->boxes().first().caption, QString("Las cuestiones están abiertas"));
        QVERIFY(TestSession::window(Fg110Names::window));
    }

    void aceptarClosesItAndTheNextIsFresh()
    {
        QWidget* q = open();
        choose(q, 6);
        showPage(q, 2);
        Driving::press(q, ObjectNames::quizAcceptButton);
        QVERIFY(!questionnaire());
        QVERIFY(!WindowClaims::isClaimed(OneAtATime::Questionnaire));
        q = open();
        QVERIFY(q);
        QCOMPARE(notebook(q)->currentIndex(), 0);
        QVERIFY(!radio(q, 6)->isChecked());
        Driving::press(q, ObjectNames::quizAcceptButton);
        TestSession::choose(fg110, ObjectNames::backMenuItem);
        TestSession::settle();
        QVERIFY(TestSession::window(ObjectNames::chooserWindow));
    }

    // Each option's radio button stands level with its first line, however tall that
    // line's pictures make it (the Fluke 45's terminals are 33 px).
    void everyButtonStandsLevelWithItsFirstLine_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("button");
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
            if (entry.definition.questionBank)
                for (int n = 1; n <= 16; ++n)
                    QTest::addRow("%s, RadioButton%d", RegisteredInstruments::rowName(entry.definition).constData(), n)
                        << int(entry.id) << n;
    }
    void everyButtonStandsLevelWithItsFirstLine()
    {
        QFETCH(int, id);
        QFETCH(int, button);
        const QuestionBank& bank = InstrumentRegistry::definition(InstrumentId(id)).questionBank();
        std::unique_ptr<QuestionnaireWindow> q(Navigation::present(new QuestionnaireWindow(bank)));
        notebook(q.get())->setCurrentIndex((button - 1) / 4);
        QCoreApplication::processEvents();
        auto* line = q->findChild<QWidget*>(ObjectNames::optionLine(button, 1));
        QVERIFY(line);
        auto* text = line->findChild<QLabel*>();
        const int below = text->mapTo(q.get(), text->rect().center()).y()
                          - radio(q.get(), button)->mapTo(q.get(), radio(q.get(), button)->rect().center()).y();
        QVERIFY2(qAbs(below) <= 1, qPrintable(QStringLiteral("the button floats %1 px above its line").arg(below)));
    }

    // Found by where things stand, not by their names: the button level with an option's
    // text (its centre within the text's first line) is the only one there, and a click
    // on it is judged as that option of the bank.
    void theButtonBesideAnOptionsTextChoosesThatOption_data() { everyButtonStandsLevelWithItsFirstLine_data(); }
    void theButtonBesideAnOptionsTextChoosesThatOption()
    {
        QFETCH(int, id);
        QFETCH(int, button);
        const QuestionBank& bank = InstrumentRegistry::definition(InstrumentId(id)).questionBank();
        const QuizQuestion& question = bank.questions[std::size_t(button - 1) / 4];
        const QuizOption& option = question.options[std::size_t(button - 1) % 4];
        std::unique_ptr<QuestionnaireWindow> q(Navigation::present(new QuestionnaireWindow(bank)));
        notebook(q.get())->setCurrentIndex((button - 1) / 4);
        QCoreApplication::processEvents();
        QGroupBox* answers = notebook(q.get())->currentWidget()->findChild<QGroupBox*>();

        // The page's lines from top to bottom read as the bank's options, in order.
        QList<QWidget*> lines;
        for (QWidget* child : answers->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QRadioButton*>(child))
                lines << child;
        std::sort(lines.begin(), lines.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
        QStringList shown, written;
        for (QWidget* line : lines)
            shown << reading(line);
        qsizetype firstLine = 0;
        for (const QuizOption& each : question.options) {
            if (&each == &option)
                firstLine = written.size();
            for (const QuizLine& line : each.lines) {
                QStringList runs;
                for (const LineRun& run : line)
                    runs << run.text;
                written << runs.join(QLatin1Char(' '));
            }
        }
        QCOMPARE(shown, written);

        // The option's first line of text: its first text run, else the line itself.
        const QList<QLabel*> firstRuns = runs(lines[firstLine]);
        const auto firstText =
            std::find_if(firstRuns.begin(), firstRuns.end(), [](QLabel* run) { return run->pixmap().isNull(); });
        QWidget* text = firstText != firstRuns.end() ? *firstText : lines[firstLine];
        const int top = text->mapTo(answers, QPoint(0, 0)).y(), bottom = top + text->height();
        QList<QRadioButton*> beside;
        for (QRadioButton* radio : answers->findChildren<QRadioButton*>()) {
            const int centre = radio->geometry().center().y();
            if (top <= centre && centre < bottom)
                beside << radio;
        }
        QCOMPARE(beside.size(), 1);
        QTest::mouseClick(beside[0], Qt::LeftButton, {}, QPoint(6, beside[0]->height() / 2));
        QVERIFY(beside[0]->isChecked());
        QCOMPARE(verdict(q.get()), option.correct ? QString("CORRECTA") : QString("INCORRECTA"));
    }

    // The bank's texts as the student reads them, pictures standing between the runs.
    void theFirstOptionReadsAsWritten()
    {
        QWidget* q = open();
        QStringList runs;
        for (QLabel* label : radio(q, 1)->parentWidget()->findChildren<QLabel*>())
            runs << (label->pixmap().isNull() ? label->text()
                                              : QStringLiteral("[%1×%2]").arg(label->width()).arg(label->height()));
        QCOMPARE(runs.mid(0, 12),
                 (QStringList{"Seleccionar el indicador", "[26×12]", "con el botón", "[40×20]", ". Pulsar el botón",
                              "[42×20]", ", introducir \"100\" con el teclado numérico, y pusar el botón", "\"KHz\".",
                              "Seleccionar el indicador", "[26×12]", "con el botón", "[41×19]"}));
    }

    // A screen reader reads each option whole, its key pictures by what they show.
    void aScreenReaderReadsEachOption_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");
        QTest::addRow("page 1, the correct one")
            << 2
            << "Seleccionar el indicador indicador de onda senoidal con el botón tecla FUNC. Pulsar el botón tecla "
               "FREQ, "
               "introducir \"100\" con el teclado numérico, y pusar el botón \"KHz\".";
        QTest::addRow("page 2, the mHz key")
            << 6
            << "Seleccionar el indicador indicador de onda en rampa con el botón tecla FUNC, pulsar el botón tecla "
               "FREQ, "
               "teclear \"3\" en el teclado numérico, pulsar tecla mHz y pulsar tecla SHIFT + tecla INVERSE.";
        QTest::addRow("page 4, one line") << 15 << "Las dos anteriores son ciertas.";
    }
    void aScreenReaderReadsEachOption()
    {
        QFETCH(int, button);
        QFETCH(QString, name);
        QWidget* q = open();
        QCOMPARE(radio(q, button)->accessibleName(), name);
        QCOMPARE(radio(q, button)->text(), QString()); // no visible caption
        QStringList pictures;
        for (QLabel* label : radio(q, 1)->parentWidget()->findChildren<QLabel*>())
            if (!label->pixmap().isNull())
                pictures << label->accessibleName();
        QCOMPARE(pictures.mid(0, 3), (QStringList{"indicador de onda senoidal", "tecla MODE", "tecla FREQ"}));
    }
};

QTEST_MAIN(QuestionnaireTest)
#include "tst_questionnaire.moc"
