// Opens the program's windows one by one and saves a picture of each, so that they can
// be compared by eye with what they should look like:
//
//   snapshot <output folder>
//
// Front panels are saved twice: as they open, and with every hot region outlined in red.
#include "instruments/InstrumentWindows.h"
#include "instruments/fg110/Fg110TextPages.h"
#include "instruments/fluke45/Fluke45Notes.h"
#include "instruments/fluke45/TrainerSet.h"
#include "core/AppState.h"
#include "core/FormReference.h"
#include "quiz/Fg110QuestionBank.h"
#include "quiz/Fluke45QuestionBank.h"
#include "quiz/QuestionnaireWindow.h"
#include "instruments/power_supply/PowerSupplyStartupNote.h"
#include "shell/ChooserTable.h"
#include "core/Navigation.h"
#include "shell/PageCurl.h"
#include "platform/Pictures.h"
#include "shell/Startup.h"
#include "shell/AboutBox.h"
#include "shell/ChooserWindow.h"
#include "widgets/SensitiveMap.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>

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

void snapInstrument(InstrumentId instrument, const QString& name)
{
    if (QWidget* window = InstrumentWindows::open(instrument, nullptr)) {
        save(window, name);
        delete window;
    }
}

void snapPanel(InstrumentId instrument, const QString& name, bool regions = false)
{
    if (QWidget* panel = InstrumentWindows::openFrontPanel(instrument)) {
        regions ? saveWithRegions(panel, name) : save(panel, name);
        delete panel;
    }
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

// The FG110's panel as it opens, after a click on PHASE (two links), and with SHIFT
// ticked after a click on BURST; each with its regions outlined too.
void snapFg110Panel()
{
    QWidget* panel = InstrumentWindows::openFrontPanel(InstrumentId::Fg110);
    if (!panel)
        return;
    saveWithRegions(panel, QStringLiteral("panel-fg110"));
    auto* normal = panel->findChild<SensitiveMap*>(QStringLiteral("SensitiveMap1"));
    clickAt(normal, normal->region(10).center());
    save(panel, QStringLiteral("panel-fg110-phase"));
    panel->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->click();
    auto* shifted = panel->findChild<SensitiveMap*>(QStringLiteral("SensitiveMap2"));
    clickAt(shifted, shifted->region(17).center());
    saveWithRegions(panel, QStringLiteral("panel-fg110-shift"));
    delete panel;
    for (int topic = 1; topic <= Fg110TextPages::Count; ++topic) {
        Fg110TextPages::open(topic);
        for (QWidget* page : QApplication::topLevelWidgets())
            if (page->isVisible() && page->objectName() == QStringLiteral("Ffg_t%1").arg(topic)) {
                save(page, QStringLiteral("page-fg110-%1").arg(topic));
                delete page;
            }
    }
}

// The Fluke 45's panel after a click on the primary display (with its link), and its
// three key trainers, those with a second picture also with "2ND" ticked; regions outlined.
void snapFluke45()
{
    QWidget* panel = InstrumentWindows::openFrontPanel(InstrumentId::Fluke45);
    if (!panel)
        return;
    saveWithRegions(panel, QStringLiteral("panel-fluke45"));
    auto* map = panel->findChild<SensitiveMap*>(QStringLiteral("SensitiveMap1"));
    clickAt(map, map->region(1).center());
    save(panel, QStringLiteral("panel-fluke45-display"));
    for (int topic = 1; topic <= TrainerSet::Count; ++topic) {
        TrainerSet::open(topic);
        for (QWidget* trainer : QApplication::topLevelWidgets()) {
            if (!trainer->isVisible() || !trainer->objectName().startsWith(QStringLiteral("FormFluke45B")))
                continue;
            const QString name = QStringLiteral("trainer-fluke45-%1").arg(topic);
            auto* keys = trainer->findChild<SensitiveMap*>(QStringLiteral("SensitiveMap1"));
            clickAt(keys, keys->region(1).center());
            saveWithRegions(trainer, name);
            if (auto* box = trainer->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))) {
                box->click();
                auto* second = trainer->findChild<SensitiveMap*>(QStringLiteral("SensitiveMap2"));
                clickAt(second, second->region(1).center());
                saveWithRegions(trainer, name + QStringLiteral("-2nd"));
            }
        }
        TrainerSet::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    delete panel;
    for (int note : {Note::Fluke45NumberEditor, Note::Fluke45ListEditor}) {
        auto* window = Navigation::present(new Fluke45Note(note));
        save(window, QStringLiteral("note-fluke45-%1").arg(note));
        delete window;
    }
}

// A questionnaire on each of its pages, the first with its correct option chosen and
// the second with a wrong one.
void snapQuestionnaire(const QuestionBank& bank, const QString& name)
{
    auto* window = Navigation::present(new QuestionnaireWindow(bank));
    auto* notebook = window->findChild<QTabWidget*>(QStringLiteral("TabbedNotebook1"));
    for (int page = 0; page < notebook->count(); ++page) {
        notebook->setCurrentIndex(page);
        const QList<QRadioButton*> buttons = notebook->widget(page)->findChildren<QRadioButton*>();
        for (std::size_t i = 0; page < 2 && i < bank.questions[std::size_t(page)].options.size(); ++i)
            if (bank.questions[std::size_t(page)].options[i].correct == (page == 0))
                buttons[int(i)]->click();
        save(window, QStringLiteral("%1-%2").arg(name).arg(page + 1));
    }
    delete window;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    snap<ChooserWindow>("chooser");
    for (const ChooserEntry& entry : chooserTable()) {
        // The picture and its three page-turn frames side by side.
        const QPixmap page = Pictures::get(entry.pictureName, entry.main.size());
        QPixmap strip(QSize(entry.main.width() * 4 + 12, entry.main.height()) * page.devicePixelRatio());
        strip.setDevicePixelRatio(page.devicePixelRatio()); // crisp at 2x as on screen
        strip.fill(QColor(192, 192, 192));
        QPainter painter(&strip);
        painter.drawPixmap(0, 0, page);
        for (int step = 1; step <= 3; ++step)
            painter.drawPixmap(step * (entry.main.width() + 4), 0,
                               PageCurl::frame(page, entry.frameSizes[step - 1], step));
        painter.end();
        strip.save(QDir(folder).filePath(QStringLiteral("frames-%1.png").arg(entry.tag)));
    }
    snap<AboutBox>("about");
    snapInstrument(InstrumentId::Fluke45, "window-fluke45");
    snapInstrument(InstrumentId::Fg110, "window-fg110");
    snapInstrument(InstrumentId::PowerSupply, "window-power-supply");
    snapInstrument(InstrumentId::Fluke73, "window-fluke73");
    snapInstrument(InstrumentId::Demestres2001, "window-demestres2001");
    snapInstrument(InstrumentId::Phywe, "window-phywe");
    snapInstrument(InstrumentId::Hc6000, "window-hc6000");
    snapPanel(InstrumentId::Fluke73, "panel-fluke73");
    snapPanel(InstrumentId::Hc6000, "panel-hc6000");
    snapPanel(InstrumentId::Phywe, "panel-phywe");
    snapPanel(InstrumentId::Demestres2001, "panel-demestres2001");
    snapPanel(InstrumentId::PowerSupply, "panel-power-supply", true);
    snapFg110Panel();
    snapFluke45();
    snapQuestionnaire(fg110QuestionBank(), "questionnaire-fg110");
    snapQuestionnaire(fluke45QuestionBank(), "questionnaire-fluke45");
    snap<PowerSupplyStartupNote>("note-power-supply-startup");
    Startup::closeAllWindows();
    return 0;
}
