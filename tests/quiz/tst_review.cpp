#include "Driving.h"
#include "TestSession.h"
#include "core/LearningProgress.h"
#include "core/ObjectNames.h"
#include "instruments/fg110/Fg110Definition.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fluke45/Fluke45Definition.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "quiz/QuizPage.h"
#include "quiz/ReviewRound.h"
#include "widgets/LinkLabel.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTest>

#include <memory>

// Why a wrong option is wrong, and the missed questions asked again until learned.
class ReviewTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSession> session;

    static const InstrumentDefinition& definition(const QString& name)
    {
        return name == "FG110" ? fg110Definition() : fluke45Definition();
    }
    static QWidget* openQuestionnaire(const InstrumentDefinition& d, bool panelFirst)
    {
        QWidget* window = Driving::openInstrument(d.chooser.menuObjectName, d.window.frame.objectName);
        if (panelFirst)
            TestSession::choose(window, ObjectNames::frontPanelMenuItem);
        TestSession::choose(window, ObjectNames::questionsMenuItem);
        TestSession::settle();
        return TestSession::window(d.questionBank().layout.frame.objectName);
    }
    static void choose(QWidget* q, const QString& name)
    {
        auto* radio = q->findChild<QRadioButton*>(name);
        if (auto* notebook = q->findChild<QTabWidget*>(ObjectNames::questionNotebook); notebook->isVisible())
            notebook->setCurrentIndex((name.mid(QStringLiteral("RadioButton").size()).toInt() - 1) / 4);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    static QString verdict(QWidget* q) { return q->findChild<QLabel*>(ObjectNames::verdictLabel)->text(); }
    static QLabel* whyWrong(QWidget* q) { return q->findChild<QLabel*>(ObjectNames::whyWrongLabel); }
    // The review's option that reads as the bank's option, or its right one.
    static QString reviewOptionReading(QWidget* q, bool right, const QuizQuestion& question)
    {
        for (const QuizOption& option : question.options)
            if (option.correct == right)
                for (QRadioButton* radio :
                     q->findChild<QTabWidget*>(ObjectNames::reviewPage)->findChildren<QRadioButton*>())
                    if (radio->accessibleName() == QuizPage::spoken(option))
                        return radio->objectName();
        return {};
    }

private slots:
    void init() { session = std::make_unique<TestSession>(); }
    void cleanup() { session.reset(); }

    // Every wrong option has a note, short, its own words, linking a control of the panel;
    // a right option has none.
    void everyWrongOptionIsExplained_data()
    {
        QTest::addColumn<QString>("instrument");
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("option");
        for (const char* instrument : {"FG110", "Fluke 45"})
            for (int question = 1; question <= 4; ++question)
                for (int option = 1; option <= 4; ++option)
                    QTest::addRow("%s, %d.%d", instrument, question, option) << instrument << question << option;
    }
    void everyWrongOptionIsExplained()
    {
        QFETCH(QString, instrument);
        QFETCH(int, question);
        QFETCH(int, option);
        const InstrumentDefinition& d = definition(instrument);
        const QuestionBank& bank = d.questionBank();
        const QuizOption& o = bank.questions[std::size_t(question - 1)].options[std::size_t(option - 1)];
        const WrongAnswerNote* note = findWrongAnswerNote(bank.wrongAnswerNotes(), question, option);
        QCOMPARE(note != nullptr, !o.correct);
        if (!note)
            return;
        QVERIFY(note->text.endsWith('.') && note->text.count(QStringLiteral(". ")) <= 1);
        QVERIFY(!note->link.isEmpty());
        QVERIFY2(!note->text.contains(QuizPage::spoken(o), Qt::CaseInsensitive), "repeats the option");
        for (const QuizLine& line : o.lines) {
            QStringList runs;
            for (const LineRun& run : line)
                runs << run.text;
            const QString read = runs.join(' ');
            QVERIFY2(read.size() < 12 || !note->text.contains(read, Qt::CaseInsensitive), qPrintable(read));
        }
        ControlCatalogue controls = d.panel.catalogue();
        if (d.panel.stackedCatalogue)
            controls.insert(controls.end(), d.panel.stackedCatalogue().begin(), d.panel.stackedCatalogue().end());
        QVERIFY2(std::any_of(controls.begin(), controls.end(),
                             [&](const ControlRow& row) { return row.caption == note->control; }),
                 qPrintable(note->control));
    }

    // Answers given to one question, in the questionnaire (Q) and then one per review
    // round (R), right (+) or wrong (-): whether it is learned after each round.
    void learnedAfterTwoRightInARow_data()
    {
        QTest::addColumn<QString>("questionnaire");
        QTest::addColumn<QString>("review");
        QTest::addColumn<QString>("learned");
        QTest::newRow("wrong, then right twice in review") << "-"
                                                           << "++"
                                                           << "ny";
        QTest::newRow("wrong then right, right in review") << "-+"
                                                           << "+"
                                                           << "y";
        QTest::newRow("a wrong answer breaks the run") << "-+"
                                                       << "-++"
                                                       << "nny";
        QTest::newRow("right, wrong, right, right") << "-"
                                                    << "+-++"
                                                    << "nnny";
    }
    void learnedAfterTwoRightInARow()
    {
        QFETCH(QString, questionnaire);
        QFETCH(QString, review);
        QFETCH(QString, learned);
        const QuestionBank& bank = fg110Definition().questionBank();
        LearningProgress progress;
        QRandomGenerator random(7);
        for (QChar answer : questionnaire)
            progress.recordAnswer(bank.instrument, 2, answer == '+');
        QString after;
        for (QChar answer : review) {
            ReviewRound round(bank, ReviewRound::toReview({2}, progress, bank.instrument), progress, random);
            QCOMPARE(round.count(), 1);
            QCOMPARE(round.question(), 2);
            int shown = 0;
            while (round.asked().options[std::size_t(shown)].correct != (answer == '+'))
                ++shown;
            QCOMPARE(round.answer(shown), answer == '+');
            round.next();
            QVERIFY(round.finished());
            after += round.learned() == 1 ? 'y' : 'n';
        }
        QCOMPARE(after, learned);
        QVERIFY(ReviewRound::toReview({2}, progress, bank.instrument).isEmpty());
    }

    // Over many rounds, every question's options come in a new order, each of the 23
    // possible, and the right one stays right.
    void aNewOrderKeepsTheRightAnswer_data() { everyWrongOptionIsExplained_data(); }
    void aNewOrderKeepsTheRightAnswer()
    {
        QFETCH(QString, instrument);
        QFETCH(int, question);
        QFETCH(int, option);
        if (option > 1)
            return; // one row per question
        const QuestionBank& bank = definition(instrument).questionBank();
        const QuizQuestion& original = bank.questions[std::size_t(question - 1)];
        LearningProgress progress;
        QRandomGenerator random{quint32(question)};
        QSet<QString> orders;
        for (int n = 0; n < 500; ++n) {
            ReviewRound round(bank, {question - 1}, progress, random);
            QStringList shown, bankOrder;
            for (int i = 0; i < 4; ++i) {
                const QuizOption& asked = round.asked().options[std::size_t(i)];
                const QuizOption& same = original.options[std::size_t(round.bankOption(i))];
                QCOMPARE(QuizPage::spoken(asked), QuizPage::spoken(same));
                QCOMPARE(asked.correct, same.correct);
                shown << QString::number(round.bankOption(i));
            }
            QVERIFY2(shown.join(',') != "0,1,2,3", "the order the page shows");
            orders.insert(shown.join(','));
        }
        QCOMPARE(orders.size(), 23);
    }

    // A wrong option explained; its link, clicked or reached by Tab and Enter, shows the
    // control on the front panel, on the panel already open where there is one.
    void theLinkShowsTheControlOnThePanel_data()
    {
        QTest::addColumn<QString>("instrument");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("panelFirst");
        QTest::addColumn<bool>("byKeys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("shiftPicture");
        QTest::newRow("FG110, MODE") << "FG110" << 1 << false << false << "Tecla MODE" << false;
        QTest::newRow("FG110, BURST on the SHIFT picture") << "FG110" << 9 << true << true << "Tecla Burst" << true;
        QTest::newRow("Fluke 45, 2ND, panel open") << "Fluke 45" << 5 << true << false << "Tecla shift." << false;
        QTest::newRow("Fluke 45, COMP, by keys") << "Fluke 45" << 10 << false << true << "Botones de rango." << false;
    }
    void theLinkShowsTheControlOnThePanel()
    {
        QFETCH(QString, instrument);
        QFETCH(int, button);
        QFETCH(bool, panelFirst);
        QFETCH(bool, byKeys);
        QFETCH(QString, shown);
        QFETCH(bool, shiftPicture);
        const InstrumentDefinition& d = definition(instrument);
        QWidget* q = openQuestionnaire(d, panelFirst);
        QVERIFY(q);
        choose(q, ObjectNames::optionButton(button));
        QCOMPARE(verdict(q), QString("INCORRECTA"));
        const WrongAnswerNote* note =
            findWrongAnswerNote(d.questionBank().wrongAnswerNotes(), (button + 3) / 4, (button - 1) % 4 + 1);
        QVERIFY(whyWrong(q)->isVisible());
        QCOMPARE(whyWrong(q)->text(), note->text);
        auto* link = q->findChild<LinkLabel*>(ObjectNames::whyWrongLink);
        QVERIFY(link->isVisible());
        QCOMPARE(link->text(), note->link);
        if (byKeys) {
            QApplication::setActiveWindow(q);
            for (int n = 0; n < 12 && QApplication::focusWidget() != link; ++n)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), link);
            QTest::keyClick(link, Qt::Key_Return);
        } else {
            QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        }
        TestSession::settle();
        QCOMPARE(TestSession::windows(d.panel.layout().frame.objectName).size(), 1);
        QWidget* panel = TestSession::window(d.panel.layout().frame.objectName);
        QCOMPARE(Driving::fieldsOf(panel).name, shown);
        if (auto* box = panel->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox))
            QCOMPARE(box->isChecked(), shiftPicture);
        // The page's right option says nothing more than its verdict.
        const auto& options = d.questionBank().questions[std::size_t(button - 1) / 4].options;
        const auto right = std::find_if(options.begin(), options.end(), [](const QuizOption& o) { return o.correct; });
        choose(q, ObjectNames::optionButton((button - 1) / 4 * 4 + int(right - options.begin()) + 1));
        QCOMPARE(verdict(q), QString("CORRECTA"));
        QVERIFY(!whyWrong(q)->isVisible() && !link->isVisible());
    }

    // The missed questions asked again: the button comes once every question is answered,
    // each review ends with how many are learned, and what is learned is not asked again.
    void theMissedQuestionsAreAskedAgain()
    {
        const QuestionBank& bank = fg110Definition().questionBank();
        QWidget* q = openQuestionnaire(fg110Definition(), false);
        auto* review = q->findChild<QPushButton*>(ObjectNames::reviewButton);
        auto* next = q->findChild<QPushButton*>(ObjectNames::reviewNextButton);
        auto* page = q->findChild<QTabWidget*>(ObjectNames::reviewPage);
        for (int button : {1, 2, 8, 9})
            choose(q, ObjectNames::optionButton(button));
        QVERIFY(!review->isVisible());
        choose(q, ObjectNames::optionButton(15));
        QVERIFY(review->isVisible() && review->isEnabled());
        // Alt+R and Alt+S press the buttons, as a click does.
        QApplication::setActiveWindow(q);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(page->isVisible());
        QCOMPARE(page->tabText(0), QString("Repaso 1 de 2: Cuestión 1"));
        choose(q, reviewOptionReading(q, true, bank.questions[0]));
        QCOMPARE(verdict(q), QString("CORRECTA"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(page->tabText(0), QString("Repaso 2 de 2: Cuestión 3"));
        choose(q, reviewOptionReading(q, false, bank.questions[2]));
        QCOMPARE(verdict(q), QString("INCORRECTA"));
        QVERIFY(whyWrong(q)->isVisible());
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(page->widget(0)->property("text").toString().section('\n', 0, 0),
                 QString("Fin del repaso: has aprendido 1 de las 2 cuestiones repasadas."));
        QTest::mouseClick(next, Qt::LeftButton);
        QVERIFY(!page->isVisible() && review->isVisible());
        QVERIFY(q->findChild<QRadioButton*>(ObjectNames::optionButton(9))->isChecked());
        QTest::mouseClick(review, Qt::LeftButton);
        QCOMPARE(page->tabText(0), QString("Repaso 1 de 1: Cuestión 3"));
    }
};

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
