#include "Driving.h"
#include "TestSession.h"
#include "TextFit.h"
#include "core/AppState.h"
#include "instruments/InstrumentWindows.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/TextPage.h"
#include "instruments/common/practice/Demonstration.h"
#include "instruments/common/practice/PracticeObjectNames.h"
#include "instruments/common/practice/PracticeWindow.h"
#include "instruments/common/whereis/WhereIsQuestions.h"
#include "instruments/fg110/Fg110QuestionBank.h"
#include "instruments/fg110/Fg110TextPages.h"
#include "instruments/fg110/practice/Fg110PracticeDefinition.h"
#include "instruments/fluke45/Fluke45Notes.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "instruments/fluke45/Fluke45QuestionBank.h"
#include "instruments/fluke45/TrainerSet.h"
#include "instruments/fluke45/practice/Fluke45PracticeDefinition.h"
#include "instruments/power_supply/PowerSupplyStartupNote.h"
#include "quiz/QuestionnaireWindow.h"

#include "core/FormReference.h"
#include "core/LearningProgress.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "shell/AboutBox.h"
#include "shell/progress/ProgressWindow.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QHash>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>

#include <QTest>

#include <memory>

// Every text of every window fits the box it is drawn in: nothing is cut at the right
// edge of a label, a memo, a group box's title or a button, and no picture is cut. A
// window added to the program joins the list below.
class TextFitTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSession> session;
    QStringList faults;

    void look(const QWidget* window, const QString& when)
    {
        QCoreApplication::processEvents();
        for (const QString& fault : textsThatDoNotFit(window))
            faults << window->objectName() + when + QStringLiteral(" ") + fault;
    }

    // The colour most of an image shows.
    static QRgb ground(const QImage& image)
    {
        QHash<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++counts[image.pixel(x, y)];
        return std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                [](auto a, auto b) { return a.second < b.second; })
            ->first;
    }

    // A note's memos are text printed on the window: no frame, and behind the text the
    // window's own ground, not a slab of another grey.
    void lookAtMemos(QWidget* note)
    {
        const QImage shot = note->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        for (const QPlainTextEdit* memo : note->findChildren<QPlainTextEdit*>()) {
            const QRectF text(memo->viewport()->mapTo(note, QPoint()), memo->viewport()->size());
            const QRgb shown = ground(shot.copy(QRectF(text.topLeft() * scale, text.size() * scale).toRect()));
            if (memo->frameWidth() != 0 || shown != ground(shot))
                faults << QStringLiteral("%1 %2: a slab of %3 framed by %4 px")
                              .arg(note->objectName(), memo->objectName(), QColor(shown).name())
                              .arg(memo->frameWidth());
        }
    }

    template <class Form>
    void lookAt()
    {
        std::unique_ptr<Form> form(Navigation::navigate<Form>());
        QVERIFY(form);
        look(form.get(), {});
        lookAtMemos(form.get());
    }

    void lookAtInstrument(InstrumentId instrument)
    {
        std::unique_ptr<QWidget> window(InstrumentWindows::open(instrument, nullptr));
        QVERIFY(window);
        look(window.get(), {});
    }

    // A front panel as it opens and after a click on each of its controls.
    void lookAtPanel(InstrumentId instrument)
    {
        std::unique_ptr<QWidget> panel(InstrumentWindows::openFrontPanel(instrument));
        QVERIFY(panel);
        look(panel.get(), {});
        lookAfterEveryClick(panel.get(), Driving::mapOf(panel.get()));
        // A picture stacked under the first is uncovered by the panel's check box.
        if (auto* box = panel->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox)) {
            box->click();
            lookAfterEveryClick(panel.get(), panel->findChild<SensitiveMap*>(ObjectNames::stackedMap));
        }
        lookWhileAsking(static_cast<FrontPanelExplorer*>(panel.get()), instrument);
    }

    // "¿Dónde está…?" asking, round after round, until every control has been asked for,
    // each answered with the control of the longest name (the longest verdict when wrong).
    void lookWhileAsking(FrontPanelExplorer* panel, InstrumentId instrument)
    {
        auto* button = panel->findChild<QPushButton*>(ObjectNames::whereIsButton);
        if (!button)
            return;
        const FrontPanelDefinition& definition = InstrumentRegistry::definition(instrument).panel;
        const auto& stacked = definition.layout().stackedMap;
        const auto pool = WhereIsQuestions::questions(
            definition.catalogue(), definition.stackedCatalogue ? &definition.stackedCatalogue() : nullptr,
            stacked ? stacked->checkBoxCaption : QString());
        button->click();
        auto* next = panel->findChild<QPushButton*>(ObjectNames::whereIsNextButton);
        const auto* question = panel->findChild<QLabel*>(ObjectNames::whereIsQuestion);
        QSet<QString> asked;
        for (int answers = 0; answers < 1000 && asked.size() < qsizetype(pool.size()); ++answers) {
            asked.insert(question->text().section(QStringLiteral(". "), 1));
            look(panel, QStringLiteral(" asking ") + question->text());
            SensitiveMap* map = panel->shownMap();
            int longest = 1;
            for (int n = 2; n <= map->regionCount(); ++n)
                if (panel->rowAt(map, n)->name.size() > panel->rowAt(map, longest)->name.size())
                    longest = n;
            Driving::click(map, map->region(longest).center());
            look(panel, QStringLiteral(" after an answer to ") + question->text());
            next->click();
        }
        QCOMPARE(asked.size(), qsizetype(pool.size()));
        button->click();
    }

    // The key trainer just opened.
    static QWidget* activeTrainer()
    {
        const QStringList trainers{Fluke45Names::functionButtonsTrainer, Fluke45Names::rangeButtonsTrainer,
                                   Fluke45Names::modifierButtonsTrainer};
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && trainers.contains(w->objectName()))
                return w;
        return nullptr;
    }

    void lookAfterEveryClick(const QWidget* window, SensitiveMap* map)
    {
        for (int n = 1; map && n <= map->regionCount(); ++n) {
            Driving::click(map, map->region(n).center());
            look(window, QStringLiteral(" after a click on ") + map->regionCaption(n).trimmed());
        }
    }

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
        faults.clear();
    }
    void cleanup() { session.reset(); }

    void everyTextFitsItsBox()
    {
        look(TestSession::window(ObjectNames::chooserWindow), {});
        QWidget* about = formReference<AboutBox>();
        about->show();
        look(about, {});
        about->hide();

        for (InstrumentId instrument :
             {InstrumentId::Fluke45, InstrumentId::Fg110, InstrumentId::PowerSupply, InstrumentId::Fluke73,
              InstrumentId::Demestres2001, InstrumentId::Phywe, InstrumentId::Hc6000})
            lookAtInstrument(instrument);
        for (InstrumentId instrument :
             {InstrumentId::Fluke73, InstrumentId::Hc6000, InstrumentId::Phywe, InstrumentId::Demestres2001,
              InstrumentId::PowerSupply, InstrumentId::Fg110, InstrumentId::Fluke45})
            lookAtPanel(instrument);
        for (int topic = 1; topic <= TrainerSet::Count; ++topic) {
            TrainerSet::open(Fluke45Trainer(topic));
            std::unique_ptr<QWidget> trainer(activeTrainer());
            QVERIFY(trainer);
            look(trainer.get(), {});
            lookAfterEveryClick(trainer.get(), Driving::mapOf(trainer.get()));
            if (auto* box = trainer->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox)) {
                box->click();
                lookAfterEveryClick(trainer.get(), trainer->findChild<SensitiveMap*>(ObjectNames::stackedMap));
            }
        }
        for (Fluke45NoteSubject note : {Fluke45NoteSubject::NumberEditor, Fluke45NoteSubject::ListEditor}) {
            std::unique_ptr<QWidget> window(Navigation::present(new Fluke45Note(note)));
            look(window.get(), {});
            lookAtMemos(window.get());
        }
        for (int topic = 1; topic <= Fg110TextPages::Count; ++topic) {
            Fg110TextPages::open(Fg110Page(topic));
            std::unique_ptr<TextPage> page(formReference<TextPage>());
            look(page.get(), {});
            lookAtMemos(page.get());
        }
        lookAt<PowerSupplyStartupNote>();
        {
            // "Mi progreso" with every figure at its widest.
            for (int question = 0; question < 4; ++question)
                learningProgress().recordAnswer(QStringLiteral("fg110"), question, true);
            std::unique_ptr<QWidget> progress(ProgressWindow::showProgress());
            look(progress.get(), {});
        }
        {
            for (const QuestionBank* bank : {&fg110QuestionBank(), &fluke45QuestionBank()}) {
                std::unique_ptr<QuestionnaireWindow> quiz(Navigation::present(new QuestionnaireWindow(*bank)));
                auto* notebook = quiz->findChild<QTabWidget*>(ObjectNames::questionNotebook);
                for (int page = 0; page < notebook->count(); ++page) {
                    notebook->setCurrentIndex(page);
                    look(quiz.get(), QStringLiteral(" on page %1").arg(page + 1));
                    // Each option chosen: a wrong one shows why, with its link.
                    for (QRadioButton* option : notebook->widget(page)->findChildren<QRadioButton*>()) {
                        option->click();
                        look(quiz.get(), QStringLiteral(" with %1 chosen").arg(option->objectName()));
                    }
                }
                // The review: its button, a question asked again and answered, and its end.
                quiz->findChild<QPushButton*>(ObjectNames::reviewButton)->click();
                auto* review = quiz->findChild<QTabWidget*>(ObjectNames::reviewPage);
                auto* next = quiz->findChild<QPushButton*>(ObjectNames::reviewNextButton);
                for (int n = 0; n < 8 && review->tabText(0) != QStringLiteral("Fin del repaso"); ++n) {
                    if (!next->isEnabled())
                        review->widget(0)->findChildren<QRadioButton*>().first()->click();
                    look(quiz.get(), QStringLiteral(" reviewing: ") + review->tabText(0));
                    next->click();
                }
                look(quiz.get(), QStringLiteral(" at the review's end"));
            }
        }

        for (const PracticeDefinition* definition : {&fg110PracticeDefinition(), &fluke45PracticeDefinition()}) {
            // Each exercise with its longest hint and a check that lists what differs; each
            // page of its tabs, where it has some.
            std::unique_ptr<PracticeWindow> practice(PracticeWindow::open(*definition));
            for (QTabWidget* tabs : practice->findChildren<QTabWidget*>())
                for (int page = tabs->count() - 1; page >= 0; --page) {
                    tabs->setCurrentIndex(page);
                    look(practice.get(), QStringLiteral(" on its tab ") + tabs->tabText(page));
                }
            const auto click = [&](const char* name) { practice->findChild<QAbstractButton*>(name)->click(); };
            for (int n = 0; n < practice->model().exerciseCount(); ++n) {
                for (int level = 1; level <= 3; ++level)
                    click(PracticeNames::hintButton);
                click(PracticeNames::checkButton);
                look(practice.get(), QStringLiteral(" on exercise %1").arg(n + 1));
                // Its demonstration under way ("Detener"), then over and checked.
                auto* demonstration = practice->findChild<Demonstration*>();
                click(PracticeNames::showButton);
                look(practice.get(), QStringLiteral(" demonstrating exercise %1").arg(n + 1));
                demonstration->setInterval(1);
                QTRY_VERIFY(!demonstration->isPlaying());
                click(PracticeNames::checkButton);
                look(practice.get(), QStringLiteral(" after demonstrating exercise %1").arg(n + 1));
                click(PracticeNames::nextExercise);
            }
        }

        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
