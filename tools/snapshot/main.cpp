// Opens the program's windows one by one and saves a picture of each, so that they can
// be compared by eye with what they should look like:
//
//   snapshot <output folder>
//
// Front panels are saved twice: as they open, and with every hot region outlined in red;
// an explained one also as the keyboard works it (its ring, caption and a focused link).
#include "core/AppState.h"
#include "core/FormReference.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "instruments/InstrumentWindows.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/InstrumentDefinition.h"
#include "instruments/common/practice/Demonstration.h"
#include "instruments/common/practice/PracticeObjectNames.h"
#include "instruments/common/practice/PracticePanel.h"
#include "instruments/common/practice/PracticeWindow.h"
#include "instruments/common/whereis/WhereIsQuestions.h"
#include "shell/HelpWindow.h"
#include "sim/bench/Fluke45Bench.h"

#include "core/LearningProgress.h"
#include "instruments/fluke45/Fluke45Notes.h"
#include "instruments/fluke45/TrainerSet.h"
#include "instruments/power_supply/PowerSupplyStartupNote.h"
#include "platform/Pictures.h"
#include "quiz/QuestionnaireWindow.h"
#include "shell/AboutBox.h"
#include "shell/ChooserWindow.h"
#include "shell/PageCurl.h"
#include "shell/Startup.h"
#include "shell/progress/ProgressFigures.h"
#include "shell/progress/ProgressReport.h"
#include "shell/progress/ProgressWindow.h"
#include "widgets/LinkLabel.h"
#include "widgets/SensitiveMap.h"
#include <QRegularExpression>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThread>

namespace {

QString folder;

void save(QWidget* window, const QString& name)
{
    QCoreApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void saveWithRegions(QWidget* window, const QString& name)
{
    save(window, name);
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    painter.setPen(Qt::red);
    for (auto* map : window->findChildren<SensitiveMap*>()) {
        if (!map->isVisible())
            continue;
        for (int n = 1; n <= map->regionCount(); ++n)
            painter.drawRect(map->region(n).translated(map->pos()));
    }
    painter.end();
    picture.save(QDir(folder).filePath(name + QStringLiteral("-regions.png")));
}

template <class Form>
void snap(const QString& name)
{
    Form* form = Navigation::navigate<Form>();
    if (!form)
        return;
    save(form, name);
    delete form;
}

// A click as the mouse makes it: moved there, pressed, released.
void clickAt(QWidget* widget, QPoint at)
{
    const QPointF global = widget->mapToGlobal(QPointF(at));
    QMouseEvent move(QEvent::MouseMove, QPointF(at), global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

void clickRegion(QWidget* window, const char* mapName, int region)
{
    if (auto* map = window->findChild<SensitiveMap*>(QString::fromLatin1(mapName)); map && region <= map->regionCount())
        clickAt(map, map->region(region).center());
}

// The control each explained panel is shown explained by: one with links, so that they show.
struct ExplainedControl {
    InstrumentId instrument;
    int region;        // on the panel's picture
    int stackedRegion; // on its stacked picture, or 0
};
constexpr ExplainedControl explainedControls[]{
    {InstrumentId::Fg110, 10, 17}, // PHASE (two links); BURST after SHIFT
    {InstrumentId::Fluke45, 1, 0}, // the primary display
};

// The picture and its three page-turn frames side by side.
void snapChooserFrames(const QString& name, const ChooserEntry& entry)
{
    const QPixmap page = Pictures::get(entry.pictureName, entry.main.size());
    QPixmap strip(QSize(entry.main.width() * 4 + 12, entry.main.height()) * page.devicePixelRatio());
    strip.setDevicePixelRatio(page.devicePixelRatio()); // crisp at 2x as on screen
    strip.fill(QColor(192, 192, 192));
    QPainter painter(&strip);
    painter.drawPixmap(0, 0, page);
    for (int step = 1; step <= 3; ++step)
        painter.drawPixmap(step * (entry.main.width() + 4), 0, PageCurl::frame(page, entry.frameSizes[step - 1], step));
    painter.end();
    strip.save(QDir(folder).filePath(QStringLiteral("frames-%1.png").arg(name)));
}

void snapInstrument(InstrumentId instrument, const QString& name)
{
    if (QWidget* window = InstrumentWindows::open(instrument, nullptr)) {
        save(window, QStringLiteral("window-") + name);
        delete window;
    }
}

// The windows a link of the panel opens, one per topic: pages as they open, trainers with
// their first key explained and, where they have a second picture, with it uncovered too.
void snapLinkedWindows(const ExplorerLayout& layout, int topicCount, const QString& name)
{
    for (int topic = 1; topic <= topicCount; ++topic) {
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        layout.openRelatedTopic(topic);
        QList<QPointer<QWidget>> opened;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!before.contains(window) && window->isVisible())
                opened.append(window);
        for (QWidget* window : opened) {
            const QString shot = QStringLiteral("linked-%1-%2").arg(name).arg(topic);
            if (!window->findChild<SensitiveMap*>()) {
                save(window, shot);
                continue;
            }
            clickRegion(window, ObjectNames::panelMap, 1);
            saveWithRegions(window, shot);
            if (auto* box = window->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox)) {
                box->click();
                clickRegion(window, ObjectNames::stackedMap, 1);
                saveWithRegions(window, shot + QStringLiteral("-2nd"));
            }
        }
        if (layout.closeRelatedWindows)
            layout.closeRelatedWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QPointer<QWidget>& window : opened)
            delete window.data();
    }
}

void pressKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// The panel worked from the keyboard: its map Tabbed into and one region along, with its
// ring and caption; then the first link shown, Tabbed to.
void snapKeyboard(QWidget* panel, const QString& name)
{
    panel->activateWindow();
    for (int i = 0; i < 100 && !panel->isActiveWindow(); ++i)
        QCoreApplication::processEvents();
    auto* map = panel->findChild<SensitiveMap*>(QString::fromLatin1(ObjectNames::panelMap));
    map->setFocus(Qt::TabFocusReason);
    pressKey(map, Qt::Key_Right);
    save(panel, QStringLiteral("panel-%1-keyboard").arg(name));
    for (auto* link : panel->findChildren<LinkLabel*>())
        if (link->isVisible()) {
            link->setFocus(Qt::TabFocusReason);
            save(panel, QStringLiteral("panel-%1-keyboard-link").arg(name));
            break;
        }
}

// The caption of the control the panel asks for now, found as the student finds it: by
// the question's text.
QString askedCaption(const QWidget* panel, const InstrumentDefinition& definition)
{
    const FrontPanelDefinition& p = definition.panel;
    const auto& stacked = p.layout().stackedMap;
    const QString shown = panel->findChild<QLabel*>(ObjectNames::whereIsQuestion)->text();
    for (const WhereIsQuestions::Question& question :
         WhereIsQuestions::questions(p.catalogue(), p.stackedCatalogue ? &p.stackedCatalogue() : nullptr,
                                     stacked ? stacked->checkBoxCaption : QString()))
        if (shown.endsWith(question.text))
            return question.caption;
    return {};
}

// "¿Dónde está…?" asking its first question, after a wrong answer (the control asked for
// framed) and at the end of a round answered right, with its score.
void snapWhereIs(FrontPanelExplorer* panel, const InstrumentDefinition& definition, const QString& name)
{
    auto* button = panel->findChild<QPushButton*>(ObjectNames::whereIsButton);
    auto* next = panel->findChild<QPushButton*>(ObjectNames::whereIsNextButton);
    if (!button)
        return;
    button->click();
    save(panel, QStringLiteral("panel-%1-whereis").arg(name));
    for (bool first = true; !next->isVisible() || next->text() != QStringLiteral("&Otra ronda"); first = false) {
        if (next->isVisible())
            next->click();
        SensitiveMap* map = panel->shownMap();
        const int asked = panel->regionOf(map, askedCaption(panel, definition));
        clickAt(map, map->region(first ? (asked == 1 ? 2 : 1) : asked).center());
        if (first)
            save(panel, QStringLiteral("panel-%1-whereis-wrong").arg(name));
    }
    save(panel, QStringLiteral("panel-%1-whereis-score").arg(name));
    button->click();
}

// The panel as it opens, with its regions outlined where it explains its controls; where
// the tool has a control to show explained, after a click on it and, on the stacked
// picture, on another; then the windows its links open.
void snapPanel(InstrumentId instrument, const InstrumentDefinition& definition, const QString& name)
{
    QWidget* panel = InstrumentWindows::openFrontPanel(instrument);
    if (!panel)
        return;
    const bool explains = !definition.panel.catalogue().empty();
    explains ? saveWithRegions(panel, QStringLiteral("panel-") + name) : save(panel, QStringLiteral("panel-") + name);
    for (const ExplainedControl& control : explainedControls) {
        if (control.instrument != instrument)
            continue;
        clickRegion(panel, ObjectNames::panelMap, control.region);
        save(panel, QStringLiteral("panel-%1-explained").arg(name));
        if (auto* box = panel->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox); box && control.stackedRegion) {
            box->click();
            clickRegion(panel, ObjectNames::stackedMap, control.stackedRegion);
            saveWithRegions(panel, QStringLiteral("panel-%1-stacked").arg(name));
            box->click();
        }
        snapKeyboard(panel, name);
    }
    snapWhereIs(static_cast<FrontPanelExplorer*>(panel), definition, name);
    delete panel;
    const ExplorerLayout& layout = definition.panel.layout();
    if (layout.openRelatedTopic)
        snapLinkedWindows(layout, definition.panel.relatedTopicCount, name);
}

// A questionnaire on each of its pages, the first with its correct option chosen and
// the second with a wrong one.
void snapQuestionnaire(const QuestionBank& bank, const QString& name)
{
    auto* window = Navigation::present(new QuestionnaireWindow(bank));
    auto* notebook = window->findChild<QTabWidget*>(ObjectNames::questionNotebook);
    for (int page = 0; page < notebook->count(); ++page) {
        notebook->setCurrentIndex(page);
        const QList<QRadioButton*> buttons = notebook->widget(page)->findChildren<QRadioButton*>();
        for (std::size_t i = 0; page < 2 && i < bank.questions[std::size_t(page)].options.size(); ++i)
            if (bank.questions[std::size_t(page)].options[i].correct == (page == 0))
                buttons[int(i)]->click();
        save(window, QStringLiteral("%1-%2").arg(name).arg(page + 1));
    }
    // Every question answered (the second page's wrong option, above, shows why it is
    // wrong), the first option of each: the review's button shows. Then the review: a
    // question asked again and answered, and the review's end.
    for (int page = 0; page < notebook->count(); ++page) {
        notebook->setCurrentIndex(page);
        notebook->widget(page)->findChildren<QRadioButton*>().first()->click();
    }
    save(window, name + QStringLiteral("-answered"));
    auto* review = window->findChild<QPushButton*>(ObjectNames::reviewButton);
    auto* next = window->findChild<QPushButton*>(ObjectNames::reviewNextButton);
    review->click();
    save(window, name + QStringLiteral("-review"));
    auto* reviewPage = window->findChild<QTabWidget*>(ObjectNames::reviewPage);
    const auto answer = [reviewPage] { reviewPage->widget(0)->findChildren<QRadioButton*>().first()->click(); };
    answer();
    save(window, name + QStringLiteral("-review-answered"));
    for (int n = 0; n < 4 && reviewPage->tabText(0) != QStringLiteral("Fin del repaso"); ++n) {
        if (!next->isEnabled())
            answer();
        next->click();
    }
    save(window, name + QStringLiteral("-review-end"));
    delete window;
}

// Half-way through the current exercise's demonstration: the button reads "Detener", the
// sequence reads beside it and the key just pressed is drawn pushed in; then at its end.
void snapDemonstration(PracticeWindow* window, const QString& name)
{
    auto* demonstration = window->findChild<Demonstration*>();
    auto* show = window->findChild<QAbstractButton*>(QLatin1String(PracticeNames::showButton));
    if (!demonstration || !show)
        return;
    demonstration->setInterval(20);
    show->click();
    while (demonstration->isPlaying() && demonstration->keysPressed() < demonstration->keyCount() / 2) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    demonstration->setInterval(3600 * 1000); // holds the key just pressed down for the picture
    save(window, name);
    // And played to its end: the exercise met, its number marked as seen.
    demonstration->setInterval(1);
    while (demonstration->isPlaying())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    save(window, name + QStringLiteral("-end"));
}

// A practice window as it opens; on its third exercise with the keys lit by a hint; and
// after that exercise's solution but one key, checked.
void snapPractice(const PracticeDefinition& practice, const QString& name)
{
    PracticeWindow* window = PracticeWindow::open(practice);
    save(window, name);
    const auto click = [window](const char* button) {
        if (auto* b = window->findChild<QAbstractButton*>(QLatin1String(button)))
            b->click();
    };
    if (window->model().exerciseCount() >= 3) {
        click(PracticeNames::nextExercise);
        click(PracticeNames::nextExercise);
        click(PracticeNames::hintButton);
        click(PracticeNames::hintButton);
        save(window, name + QStringLiteral("-hint"));
        // From the state the window opens in, as a demonstration plays it.
        const QList<int> keys = window->model().keysBeforeSequence() + window->model().exercise(2).sequence;
        for (int key : keys.mid(0, keys.size() - 1))
            window->panel()->press(key);
        click(PracticeNames::checkButton);
    }
    save(window, name + QStringLiteral("-keys"));
    if (window->model().exerciseCount() > 0)
        snapDemonstration(window, name + QStringLiteral("-demonstration"));
    delete window;
}

// The Fluke 45 on its bench: the battery measured in V DC (a reading), then the red lead
// moved to the 100 mA jack across it, which blows that input's fuse.
void snapBench(const PracticeDefinition& practice)
{
    PracticeWindow* window = PracticeWindow::open(practice);
    PracticePanel* panel = window->panel();
    const auto press = [panel](int key) {
        panel->press(key);
        panel->release(key);
    };
    if (auto* bench = dynamic_cast<Fluke45Bench*>(&window->model())) {
        const int battery = int(bench->circuitTitles().indexOf(QRegularExpression(QStringLiteral("Pila.*"))));
        press(BenchKey::chooseCircuit(std::max(battery, 0)));
    }
    press(BenchKey::plug(Lead::Red, Jack::VoltsOhms));
    press(BenchKey::plug(Lead::Black, Jack::Common));
    press(BenchKey::touch(Lead::Red, 0));
    press(BenchKey::touch(Lead::Black, 1));
    save(window, QStringLiteral("practice-fluke45-reading"));
    press(BenchKey::plug(Lead::Red, Jack::Milliamps));
    press(BenchKey::meter(Fluke45Key::AmpsDc));
    save(window, QStringLiteral("practice-fluke45-fuse"));
    // The lamp's loop as its file powers it: the lamp lit.
    if (auto* bench = dynamic_cast<Fluke45Bench*>(&window->model())) {
        press(BenchKey::chooseCircuit(
            int(bench->circuitTitles().indexOf(QRegularExpression(QStringLiteral(".*lámpara.*"))))));
        for (int tick = 0; tick < 10; ++tick)
            press(BenchKey::meter(Fluke45Key::VoltsDc)); // time for the filament to warm
        save(window, QStringLiteral("practice-fluke45-lamp"));
    }
    delete window;
}

// "Mi progreso" as a student sees it after some work, and the report it saves, as report.pdf.
void snapProgress()
{
    const int answers[][2]{{0, 1}, {0, 1}, {1, 1}, {2, 0}};
    for (const auto& answer : answers)
        learningProgress().recordAnswer(QStringLiteral("fluke45"), answer[0], answer[1] != 0);
    for (bool right : {true, true, false, true, true, true, false, true, true, true})
        learningProgress().recordWhereIs(QStringLiteral("promax"), right);
    learningProgress().recordExerciseMet(QStringLiteral("fg110"), QStringLiteral("1"));
    for (const InstrumentRegistry::Entry& instrument : InstrumentRegistry::all())
        if (instrument.definition.practice.create) // closed as a student closes it, leaving its oscilloscope
            if (auto* close = PracticeWindow::open(instrument.definition.practice)
                                  ->findChild<QAbstractButton*>(QStringLiteral("BotonCerrar")))
                close->click();
    ProgressWindow* window = ProgressWindow::showProgress();
    save(window, QStringLiteral("progress"));
    delete window;
    QFile report(QDir(folder).filePath(QStringLiteral("report.pdf")));
    if (report.open(QIODevice::WriteOnly))
        report.write(reportPdf({QStringLiteral("Lucía Núñez"), QDate::currentDate(), currentProgress(),
                                learningProgress().oscilloscope()}));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    appState().random.seed(1); // the same questions and orders in every run
    snap<ChooserWindow>("chooser");
    if (auto* chooser = Navigation::navigate<ChooserWindow>()) {
        // The second picture as Tab leaves it: with its focus ring.
        const QList<QLabel*> pictures =
            chooser->findChildren<QLabel*>(InstrumentRegistry::all()[1].definition.chooser.mainObjectName);
        chooser->setAttribute(Qt::WA_KeyboardFocusChange);
        if (!pictures.isEmpty())
            pictures.first()->setFocus(Qt::TabFocusReason);
        save(chooser, QStringLiteral("chooser-focus"));
        delete chooser;
    }
    if (HelpWindow* help = HelpWindow::showHelp()) {
        save(help, QStringLiteral("help"));
        // Read to the end from the keyboard: the last row and the room below it.
        if (QWidget* text = help->findChild<QWidget*>(ObjectNames::helpText)) {
            text->setFocus();
            QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
            QApplication::sendEvent(text, &end);
            save(help, QStringLiteral("help-end"));
        }
        delete help;
    }
    snap<AboutBox>("about");
    if (ProgressWindow* progress = ProgressWindow::showProgress()) {
        save(progress, QStringLiteral("progress-empty"));
        delete progress;
    }
    for (const InstrumentRegistry::Entry& instrument : InstrumentRegistry::all()) {
        const InstrumentDefinition& definition = instrument.definition;
        const QString name = definition.window.pictureName;
        snapChooserFrames(name, definition.chooser);
        snapInstrument(instrument.id, name);
        snapPanel(instrument.id, definition, name);
        if (definition.questionBank)
            snapQuestionnaire(definition.questionBank(), QStringLiteral("questionnaire-") + name);
        if (definition.practice.create)
            snapPractice(definition.practice, QStringLiteral("practice-") + name);
        if (definition.practice.instrument == QLatin1String("fluke45"))
            snapBench(definition.practice);
    }
    // The notes, which their instruments' menus open.
    for (Fluke45NoteSubject subject : {Fluke45NoteSubject::NumberEditor, Fluke45NoteSubject::ListEditor}) {
        auto* window = Navigation::present(new Fluke45Note(subject));
        save(window, QStringLiteral("note-fluke45-%1").arg(int(subject)));
        delete window;
    }
    snap<PowerSupplyStartupNote>("note-promax-startup");
    snapProgress();
    Startup::closeAllWindows();
    return 0;
}
