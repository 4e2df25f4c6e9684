// Measures, in one run:
//  - start-up to the chooser painted, against a bare Qt window that quits after its
//    first paint, with and without one label of text (whole processes, wall time and
//    peak memory, median of several runs);
//  - "&Panel frontal" in the power-supply, FG110 and Fluke 45 windows to their front panels painted, warm,
//    median of many openings;
//  - in the FG110 practice window, a key pressed with the mouse to the panel's display
//    and the oscilloscope painted again, warm, median and worst of 600, at twice the scale;
//  - resident memory over 1000 round trips (chooser, power supply, front panel, back),
//    against a bare window made and destroyed as often;
//  - an instrument window (with its cue) opened from the chooser and painted, and the
//    front panel, each with the audio service there, with none reachable and with one
//    that takes connections and never answers (a process of its own for each, so that
//    each finds the audio service anew).
// Runs on whatever platform Qt is given (QT_QPA_PLATFORM, DISPLAY).
//
//   startup_bench            the report
//   startup_bench --bare     one bare window (used by the report)
//   startup_bench --bare-text  one bare window with a label (used by the report)
//   startup_bench --trivane  one start-up of the program (used by the report)
//   startup_bench --visit-all [--trace]  the program started and every window visited (used by
//                            the report); --trace prints each step's peak and resident KiB
//   startup_bench --chooser-pictures  the chooser's seven pictures loaded raw, against their
//                            PNGs decoded, on this thread and on another (ms, median of 50)
//   startup_bench --ratios [rounds]  only the two ratios to the bare window: start-up, and
//                            peak memory after visiting every window (45 rounds unless given)
//   startup_bench --openings   window openings, printed as three figures (used by the report)
//   startup_bench --practice-keys  FG110 practice: a key press to its display and the
//                            oscilloscope painted, warm, median and worst in ms (used by the report, at 2x)
//   startup_bench --bench-keys     Fluke 45 practice on its bench: a meter key or a lead moved to
//                            the meter's two displays painted, warm, median and worst in ms (used by the report, at 2x)
//   startup_bench --fluke45-window / --fluke45-bench
//                            the Fluke 45 window opened and painted, without and with its practice
//                            on the bench, then quit (used by the report, for their peak memory)
//   startup_bench --round-trips N / --bare-round-trips N
//                            resident memory after 10 and after N round trips (used by the report)
#include "UserRoundTrip.h"
#include "core/FormReference.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "instruments/InstrumentRegistry.h"
#include "instruments/InstrumentWindows.h"
#include "instruments/common/practice/PracticeObjectNames.h"
#include "instruments/common/practice/PracticePanel.h"
#include "instruments/common/practice/PracticeWindow.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fg110/practice/Fg110PracticeDefinition.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "instruments/fluke45/practice/Fluke45PracticeDefinition.h"
#include "instruments/power_supply/PowerSupplyObjectNames.h"
#include "platform/AudioOutput.h"
#include "shell/ChooserWindow.h"
#include "shell/Startup.h"
#include "sim/bench/Fluke45Bench.h"
#include "widgets/LinkLabel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <QImageReader>
#include <QResource>

#include <functional>
#include <future>
#include <map>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A round trip of the memory measurement opens its instrument by the picture, with the
// page turn (1.2 s), one time in ten, by the menu the other nine.
constexpr int PageTurnEvery = 10;
constexpr int Trips = 1000;

// Quits the application once the watched window has painted: the event loop ends as
// this paint is done, before any work queued for after the first paint (the program's
// audio output) begins, which would otherwise run into the process's exit and be counted.
class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            QCoreApplication::quit();
        return false;
    }
};

int runBare(int argc, char** argv, bool withText)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(475, 331);
    // One line of text is enough to make Qt load the font database, which a window
    // without text never does and any real window must.
    QLabel label(withText ? QStringLiteral("Elija uno de los aparatos:") : QString(), &window);
    QuitAfterPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

int runTrivane(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    QuitAfterPaint quit;
    formReference<ChooserWindow>()->installEventFilter(&quit);
    const int status = QApplication::exec();
    Startup::closeAllWindows();
    return status;
}

// The high-water mark of this process's resident memory and what is resident now, in KiB.
std::pair<long, long> peakAndResidentKiB()
{
    long peak = 0, resident = 0;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            std::sscanf(line, "VmHWM: %ld", &peak);
            std::sscanf(line, "VmRSS: %ld", &resident);
        }
        std::fclose(status);
    }
    return {peak, resident};
}

// Closes a window as a student does: with its own button that closes it (a note's
// "Aceptar" or "Cerrar", a questionnaire's "Aceptar", a panel's, a practice's or the
// help's "Cerrar"), or with its close box where it has no such button.
void closeAsStudent(QWidget* window)
{
    for (const char* name : {ObjectNames::closeButton, ObjectNames::helpCloseButton, ObjectNames::quizAcceptButton,
                             ObjectNames::noteAcceptButton, ObjectNames::noteCloseButton})
        for (QPushButton* button : window->findChildren<QPushButton*>(QLatin1String(name)))
            if (button->isVisible() && button->isEnabled() && button->window() == window) {
                button->click();
                return;
            }
    window->close();
}

// Every window of the program opened and painted in turn, from a chooser started as the
// program starts: each instrument's window and every window its "Opciones" and "Ayuda"
// menus open (front panel, questionnaire, practice, notes, help) and the front panel's
// links open (pages, key trainers), then the about box. Each window is closed as a
// student closes it before the next opens, and the instrument window is left as a
// student leaves it, so that its leaving rule holds: no more windows are ever open
// than a student can have. Modal boxes are accepted as they come. The peak memory of
// this process is the program's after a student has seen everything. With `trace`,
// each step's peak and resident memory are printed (KiB), to find where the peak comes.
int runVisitAll(int argc, char** argv, bool trace)
{
    QApplication app(argc, argv);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    QTimer modalCloser;
    QObject::connect(&modalCloser, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) { // a question: yes, as a student goes on
            for (QAbstractButton* button : box->buttons())
                if (box->buttonRole(button) == QMessageBox::YesRole
                    || box->buttonRole(button) == QMessageBox::AcceptRole) {
                    button->click();
                    return;
                }
        }
        if (modal)
            modal->close();
    });
    modalCloser.start(20);
    const auto paintAll = [trace](const QString& step) {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        if (trace) {
            const auto [peak, resident] = peakAndResidentKiB();
            std::fprintf(stderr, "%7ld %7ld  %s\n", peak, resident, qPrintable(step));
        }
    };
    paintAll(QStringLiteral("chooser"));
    const QStringList opening{ObjectNames::frontPanelMenuItem, ObjectNames::questionsMenuItem,
                              ObjectNames::practiceMenuItem, ObjectNames::helpMenuItem, ObjectNames::progressMenuItem};
    for (const InstrumentRegistry::Entry& instrument : InstrumentRegistry::all()) {
        QPointer<QWidget> window = InstrumentWindows::open(instrument.id, formReference<ChooserWindow>());
        if (!window)
            return 1;
        const QString name = window->objectName();
        paintAll(name);
        const auto closeAllBut = [&](const QWidgetList& kept, const QString& step) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && !kept.contains(w) && w != formReference<ChooserWindow>())
                    closeAsStudent(w);
            paintAll(step);
        };
        closeAllBut({window}, name + QStringLiteral(": its opening notes closed"));
        QList<QAction*> actions;
        for (QAction* action : window->findChildren<QAction*>())
            if (opening.contains(action->objectName())
                || (action->parent() && action->parent()->objectName() == ObjectNames::generalNotesMenu))
                actions << action;
        for (QAction* action : actions) {
            action->trigger();
            const QString step = name + QStringLiteral(" > ") + action->text().remove(QLatin1Char('&'));
            paintAll(step);
            const QWidgetList opened = QApplication::topLevelWidgets();
            QList<QPointer<LinkLabel>> links;
            for (QWidget* w : opened)
                if (w->isVisible() && w != window)
                    for (LinkLabel* link : w->findChildren<LinkLabel*>())
                        links << link;
            for (const QPointer<LinkLabel>& link : links) {
                if (!link)
                    continue;
                const QWidgetList before = QApplication::topLevelWidgets();
                const QString linkStep = step + QStringLiteral(" > ") + link->text();
                emit link->clicked();
                paintAll(linkStep);
                closeAllBut(before, linkStep + QStringLiteral(", closed"));
            }
            closeAllBut({window}, step + QStringLiteral(", closed"));
        }
        window->close(); // as "Volver" and the close box do: refused while a window of its own is open
        paintAll(name + QStringLiteral(", left"));
        if (window && window->isVisible()) {
            std::fprintf(stderr, "%s could not be left\n", qPrintable(name));
            return 1;
        }
    }
    if (QAction* about = formReference<ChooserWindow>()->findChild<QAction*>(ObjectNames::aboutMenuItem))
        about->trigger();
    paintAll(QStringLiteral("about box"));
    Startup::closeAllWindows();
    return 0;
}

// The two ways to keep decoding off the chooser's way to its first paint: its pictures
// stored raw (what the program does), or decoded from PNG on the other core while the
// rest starts. Prints the GUI thread's cost of each for the seven pictures: the raw ones
// copied; the PNGs decoded here (the cost the other core would have to hide); and the
// wait for a thread that decodes them, started at once (the least the GUI thread would
// wait, with no other work to overlap).
double median(std::vector<double> values);

int runChooserPictures(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString ratio = QString::number(qApp->devicePixelRatio());
    QStringList names;
    for (const InstrumentRegistry::Entry& instrument : InstrumentRegistry::all())
        names << instrument.definition.chooser.pictureName;
    const auto decodeAll = [&] {
        QList<QImage> images;
        for (const QString& name : names) {
            QImageReader reader(":/prerendered/" + name + "@" + ratio + "x.png", "png");
            reader.setAutoDetectImageFormat(false);
            images << reader.read();
        }
        return images;
    };
    std::vector<double> raw, decoded, threaded;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer clock;
        clock.start();
        QList<QPixmap> pixmaps;
        for (const QString& name : names) {
            const QResource resource(":/prerendered/" + name + "@" + ratio + "x.raw");
            const auto* header = reinterpret_cast<const std::int32_t*>(resource.data());
            pixmaps << QPixmap::fromImage(
                QImage(resource.data() + 20, header[1], header[2], header[3], QImage::Format(header[4])));
        }
        raw.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        for (const QImage& image : decodeAll())
            pixmaps << QPixmap::fromImage(image);
        decoded.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        auto later = std::async(std::launch::async, decodeAll);
        for (const QImage& image : later.get())
            pixmaps << QPixmap::fromImage(image);
        threaded.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("chooser's pictures at %sx, on the GUI thread (median of 50): raw %.2f ms; PNG decoded %.2f ms; "
                "decoded by another thread and waited for %.2f ms\n",
                qPrintable(ratio), median(raw), median(decoded), median(threaded));
    return 0;
}

struct ProcessRun {
    double ms;
    double peakMiB;
    bool succeeded;
};

ProcessRun runChild(const char* self, const char* mode)
{
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        if (mode == nullptr) // the bare window, a program beside this one
            execl(self, self, static_cast<char*>(nullptr));
        execl(self, self, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {clock.nsecsElapsed() / 1e6, usage.ru_maxrss / 1024.0, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from `open` to the first paint of a window.
double msToPaint(const std::function<void()>& open)
{
    bool painted = false;
    struct PaintWatch : QObject {
        bool* painted;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
                *painted = true;
            return false;
        }
    } watch;
    watch.painted = &painted;
    QElapsedTimer clock;
    clock.start();
    qApp->installEventFilter(&watch);
    open();
    while (!painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 50);
    const double ms = clock.nsecsElapsed() / 1e6;
    qApp->removeEventFilter(&watch);
    return ms;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Opens an instrument's front panel from its window and waits for it to paint.
double panelOpeningMs(int runs, InstrumentId instrument = InstrumentId::PowerSupply,
                      const QString& panelName = QString(PowerSupplyNames::panel))
{
    if (!Startup::start(QStringLiteral("trivane")))
        return -1;
    ChooserWindow* chooser = formReference<ChooserWindow>();
    QWidget* window = InstrumentWindows::open(instrument, chooser);
    QCoreApplication::processEvents();
    QAction* panelItem = window->findChild<QAction*>(ObjectNames::frontPanelMenuItem);

    std::vector<double> times;
    for (int i = 0; i <= runs; ++i) {
        const double ms = msToPaint([&] { panelItem->trigger(); });
        if (i > 0) // the first opening is cold
            times.push_back(ms);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == panelName)
                if (auto* close = w->findChild<QPushButton*>(ObjectNames::closeButton))
                    close->click();
        settle();
    }
    Startup::closeAllWindows();
    return median(times);
}

// The power-supply window opened from the chooser, its cue playing, then left again;
// Keys pressed with the mouse in the FG110 practice window, to both the panel (its
// display) and the oscilloscope painted again: FUNC, MODE and the knob in turn, so that
// the wave, the mode (bursts waiting, DC) and the frequency (the timebase) all change and
// the screen's description is made anew. Median and worst of many presses after a few
// warming ones, in milliseconds.
int runPracticeKeys(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    PracticeWindow* practice = PracticeWindow::open(fg110PracticeDefinition());
    settle();
    // The window opens on the generator switched off: POWER first, as a student does.
    for (int key : practice->model().keysBeforeSequence())
        practice->panel()->press(key);
    QWidget* panel = practice->panel();
    QWidget* scope = practice->findChild<QWidget*>(QLatin1String(PracticeNames::oscilloscope));
    QList<QWidget*> keys;
    for (const char* name : {"TeclaFunc", "TeclaMode", "RuedaArriba", "TeclaFunc", "RuedaAbajo", "RuedaArriba"})
        keys << practice->findChild<QWidget*>(QString::fromLatin1(name));
    struct PaintWatch : QObject {
        QWidget* panel = nullptr;
        QWidget* scope = nullptr;
        bool panelPainted = false, scopePainted = false;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) {
                panelPainted |= o == panel;
                scopePainted |= o == scope;
            }
            return false;
        }
    } watch;
    watch.panel = panel;
    watch.scope = scope;
    panel->installEventFilter(&watch);
    scope->installEventFilter(&watch);
    std::vector<double> times;
    std::map<QString, std::vector<double>> timesOfKey;
    constexpr int warming = 12, measured = 600;
    for (int i = 0; i < warming + measured; ++i) {
        QWidget* key = keys[i % keys.size()];
        const QPointF at = QPointF(key->rect().center());
        watch.panelPainted = watch.scopePainted = false;
        QElapsedTimer clock;
        clock.start();
        QMouseEvent down(QEvent::MouseButtonPress, at, key->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(key, &down);
        while (!watch.panelPainted || !watch.scopePainted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 50);
        if (i >= warming) {
            times.push_back(clock.nsecsElapsed() / 1e6);
            timesOfKey[key->objectName()].push_back(times.back());
        }
        QMouseEvent up(QEvent::MouseButtonRelease, at, key->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(key, &up);
        settle();
    }
    std::printf("%.2f %.2f\n", median(times), *std::max_element(times.begin(), times.end()));
    for (const auto& [name, ofKey] : timesOfKey) // then each key's, for whoever looks closer
        std::printf("  %-12s median %.2f ms, worst %.2f ms\n", qPrintable(name), median(ofKey),
                    *std::max_element(ofKey.begin(), ofKey.end()));
    delete practice;
    Startup::closeAllWindows();
    return 0;
}

// On the Fluke 45's bench, with the battery measured: meter keys pressed with the mouse
// (V⎓, V~, 2ND then FREQ onto the secondary display) and the red lead's plug moved from the
// keyboard, each to the meter's panel, which draws both displays, painted again. Median and
// worst of many, after a few warming ones, in milliseconds.
int runBenchKeys(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    PracticeWindow* practice = PracticeWindow::open(fluke45PracticeDefinition());
    settle();
    PracticePanel* panel = practice->panel();
    if (auto* bench = dynamic_cast<Fluke45Bench*>(&practice->model()))
        for (int key : {BenchKey::chooseCircuit(int(bench->circuitTitles().indexOf(QRegularExpression("Pila.*")))),
                        BenchKey::plug(Lead::Red, Jack::VoltsOhms), BenchKey::plug(Lead::Black, Jack::Common),
                        BenchKey::touch(Lead::Red, 0), BenchKey::touch(Lead::Black, 1)})
            panel->press(key);
    QWidget* redLead = practice->findChild<QWidget*>(QStringLiteral("CableRojo"));
    QList<QWidget*> steps;
    for (const char* name : {"TeclaVoltiosContinua", "TeclaVoltiosAlterna", "Tecla2nd", "TeclaFreq", "CableRojo"})
        steps << practice->findChild<QWidget*>(QString::fromLatin1(name));
    struct PaintWatch : QObject {
        QWidget* panel = nullptr;
        bool painted = false;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            painted |= e->type() == QEvent::Paint && o == panel;
            return false;
        }
    } watch;
    watch.panel = panel;
    panel->installEventFilter(&watch);
    std::vector<double> times;
    std::map<QString, std::vector<double>> timesOfStep;
    constexpr int warming = 10, measured = 500;
    for (int i = 0; i < warming + measured; ++i) {
        QWidget* step = steps[i % steps.size()];
        const QPointF at = QPointF(step->rect().center());
        watch.painted = false;
        QElapsedTimer clock;
        clock.start();
        if (step == redLead) {
            QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, {});
            QCoreApplication::sendEvent(step, &right);
        } else {
            QMouseEvent down(QEvent::MouseButtonPress, at, step->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
            QCoreApplication::sendEvent(step, &down);
        }
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 50);
        if (i >= warming) {
            times.push_back(clock.nsecsElapsed() / 1e6);
            timesOfStep[step->objectName()].push_back(times.back());
        }
        if (step != redLead) {
            QMouseEvent up(QEvent::MouseButtonRelease, at, step->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
            QCoreApplication::sendEvent(step, &up);
        }
        settle();
    }
    std::printf("%.2f %.2f\n", median(times), *std::max_element(times.begin(), times.end()));
    for (const auto& [name, ofStep] : timesOfStep)
        std::printf("  %-22s median %.2f ms, worst %.2f ms\n", qPrintable(name), median(ofStep),
                    *std::max_element(ofStep.begin(), ofStep.end()));
    delete practice;
    Startup::closeAllWindows();
    return 0;
}

// The Fluke 45 window opened from the chooser, and its practice on the bench if asked,
// painted; then quits, for the process's peak memory.
int runFluke45Window(int argc, char** argv, bool withBench)
{
    QApplication app(argc, argv);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    QWidget* window = InstrumentWindows::open(InstrumentId::Fluke45, formReference<ChooserWindow>());
    QWidget* last = withBench ? PracticeWindow::open(fluke45PracticeDefinition()) : window;
    // A window its children cover whole gets no paint of its own: the first paint of any
    // widget in it ends the run, once the sound output has opened (it opens on a thread of
    // its own, and a run that ended first would leave it out of one figure and not the
    // other) or a second has passed. It leaves the event loop without closing the windows
    // and ends the process at once: closing them goes back to the chooser, which builds its
    // window and reads its cues, and that is not the memory of these windows open.
    struct QuitAfterPaintIn : QObject {
        QWidget* window = nullptr;
        QElapsedTimer sincePaint;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && watched->isWidgetType()
                && static_cast<QWidget*>(watched)->window() == window && !sincePaint.isValid()) {
                sincePaint.start();
                auto* poll = new QTimer(qApp);
                QObject::connect(poll, &QTimer::timeout, qApp, [this] {
                    if (AudioOutput::isRunning() || sincePaint.elapsed() > 1000)
                        QCoreApplication::exit(0);
                });
                poll->start(10);
            }
            return false;
        }
    } quit;
    quit.window = last;
    qApp->installEventFilter(&quit);
    const int status = QApplication::exec();
    std::fflush(nullptr);
    std::_Exit(status);
}

// the first opening (which meets the audio service first) and the median of the rest.
int runOpenings(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    settle();
    constexpr int runs = 20;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QWidget* window = nullptr;
        times.push_back(msToPaint(
            [&] { window = InstrumentWindows::open(InstrumentId::PowerSupply, formReference<ChooserWindow>()); }));
        settle();
        Navigation::backToChooser(window);
        settle();
    }
    Startup::closeAllWindows();
    const double first = times.front();
    times.erase(times.begin());
    std::printf("%.2f %.2f %.2f\n", first, median(times), panelOpeningMs(20));
    return 0;
}

// A socket that takes connections and never answers them: an audio service that hangs.
std::string hungAudioService()
{
    const std::string path = "/tmp/trivane-bench-hung-" + std::to_string(getpid());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    unlink(path.c_str());
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 64) != 0)
        return {};
    return path; // left open until the benchmark ends
}

long residentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// Resident memory after 10 round trips and after `trips`, as "<after 10> <after all>" in
// KiB: a student's trips by mouse and keyboard (see UserRoundTrip.h), the page turn on
// every `pageTurnEvery`-th, or, for comparison, a bare window with a label made and
// destroyed as often. Prints nothing when a trip went wrong.
int runRoundTrips(int argc, char** argv, bool bare, int trips, int pageTurnEvery)
{
    QApplication app(argc, argv);
    if (!bare && !Startup::start(QStringLiteral("trivane")))
        return 1;
    settle();
    long afterTen = 0;
    for (int i = 1; i <= trips; ++i) {
        if (bare) {
            auto* window = new QWidget;
            window->resize(475, 331);
            new QLabel(QStringLiteral("Elija uno de los aparatos:"), window);
            window->show();
            settle();
            window->deleteLater();
        } else if (const char* failure = UserRoundTrip::run(i, pageTurnEvery)) {
            std::fprintf(stderr, "round trip %d: %s\n", i, failure);
            return 1;
        }
        settle();
        if (i == 10)
            afterTen = residentKiB();
    }
    std::printf("%ld %ld\n", afterTen, residentKiB());
    if (!bare)
        Startup::closeAllWindows();
    return 0;
}

// The two goals, alternating the program with the bare window round by round, so that
// the machine's moods fall on both alike: start-up to the first paint (whole processes,
// median), and the peak resident memory of the program after visiting every window
// against the bare window's.
void printRatios(const char* self, int rounds)
{
    std::vector<double> bareMs, trivaneMs, bareMiB, visitMiB;
    const std::string bareWindow = QFileInfo(QString::fromLocal8Bit(self)).dir().filePath("bare_window").toStdString();
    const char* bareProgram = bareWindow.c_str();
    runChild(bareProgram, nullptr); // warm the file cache
    runChild(self, "--trivane");
    runChild(self, "--visit-all");
    for (int i = 0; i < rounds; ++i) {
        const ProcessRun bare = runChild(bareProgram, nullptr);
        const ProcessRun trivane = runChild(self, "--trivane");
        bareMs.push_back(bare.ms);
        bareMiB.push_back(bare.peakMiB);
        trivaneMs.push_back(trivane.ms);
        if (i % 3 == 0) { // visiting every window takes a while: a third of the rounds
            const ProcessRun visit = runChild(self, "--visit-all");
            if (!visit.succeeded) {
                std::printf("the visit of every window failed\n");
                return;
            }
            visitMiB.push_back(visit.peakMiB);
        }
    }
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    std::printf("against a bare Qt window (bare_window) that quits after its first paint\n"
                "(%d rounds, alternated; %s):\n",
                rounds, bus && *bus ? "with a session bus" : "NO session bus");
    std::printf("  start-up to first paint: bare %.1f ms, Trivane %.1f ms: %.2f x (goal: at most 1.20)\n",
                median(bareMs), median(trivaneMs), median(trivaneMs) / median(bareMs));
    std::printf("  peak memory: bare %.1f MiB, Trivane after every window %.1f MiB: %.2f x (goal: at most 1.50)\n",
                median(bareMiB), median(visitMiB), median(visitMiB) / median(bareMiB));
}

// Runs `--openings` in a child process with the audio service given ("" for the usual).
std::vector<double> openingsInChild(const char* self, const std::string& pulseServer)
{
    std::string command = (pulseServer.empty() ? std::string() : "PULSE_SERVER=" + pulseServer + " ") + "'" + self
                          + "' --openings 2>/dev/null";
    FILE* out = popen(command.c_str(), "r");
    double first = -1, warm = -1, panel = -1;
    if (out) {
        if (std::fscanf(out, "%lf %lf %lf", &first, &warm, &panel) != 3)
            first = warm = panel = -1;
        pclose(out);
    }
    return {first, warm, panel};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string_view(argv[1]) == "--bare")
        return runBare(argc, argv, false);
    if (argc > 1 && std::string_view(argv[1]) == "--bare-text")
        return runBare(argc, argv, true);
    if (argc > 1 && std::string_view(argv[1]) == "--trivane")
        return runTrivane(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--chooser-pictures")
        return runChooserPictures(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--visit-all")
        return runVisitAll(argc, argv, argc > 2 && std::string_view(argv[2]) == "--trace");
    if (argc > 1 && std::string_view(argv[1]) == "--ratios") {
        printRatios(argv[0], argc > 2 ? std::atoi(argv[2]) : 45);
        return 0;
    }
    if (argc > 1 && std::string_view(argv[1]) == "--openings")
        return runOpenings(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--practice-keys")
        return runPracticeKeys(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--bench-keys")
        return runBenchKeys(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--fluke45-window")
        return runFluke45Window(argc, argv, false);
    if (argc > 1 && std::string_view(argv[1]) == "--fluke45-bench")
        return runFluke45Window(argc, argv, true);
    if (argc > 2 && std::string_view(argv[1]) == "--round-trips")
        return runRoundTrips(argc, argv, false, std::atoi(argv[2]), argc > 3 ? std::atoi(argv[3]) : PageTurnEvery);
    if (argc > 2 && std::string_view(argv[1]) == "--bare-round-trips")
        return runRoundTrips(argc, argv, true, std::atoi(argv[2]), 0);

    printRatios(argv[0], 45);
    constexpr int startRuns = 15;
    std::vector<double> bareMs, bareMiB, textMs, textMiB, trivaneMs, trivaneMiB;
    runChild(argv[0], "--bare"); // warm the file cache
    runChild(argv[0], "--trivane");
    for (int i = 0; i < startRuns; ++i) {
        const ProcessRun bare = runChild(argv[0], "--bare");
        const ProcessRun text = runChild(argv[0], "--bare-text");
        const ProcessRun trivane = runChild(argv[0], "--trivane");
        textMs.push_back(text.ms);
        textMiB.push_back(text.peakMiB);
        bareMs.push_back(bare.ms);
        bareMiB.push_back(bare.peakMiB);
        trivaneMs.push_back(trivane.ms);
        trivaneMiB.push_back(trivane.peakMiB);
    }

    QApplication app(argc, argv);
    const double panelMs = panelOpeningMs(40);
    const double fg110PanelMs = panelOpeningMs(40, InstrumentId::Fg110, QString(Fg110Names::panel));
    const double fluke45PanelMs = panelOpeningMs(40, InstrumentId::Fluke45, QString(Fluke45Names::panel));

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("start-up to first paint (median of %d), whole process:\n", startRuns);
    std::printf("  bare Qt window   %7.1f ms  %6.1f MiB peak\n", median(bareMs), median(bareMiB));
    std::printf("  bare, one label  %7.1f ms  %6.1f MiB peak\n", median(textMs), median(textMiB));
    std::printf("  Trivane chooser  %7.1f ms  %6.1f MiB peak\n", median(trivaneMs), median(trivaneMiB));
    std::printf("  ratio to bare    %7.2f x   %6.2f x   (goal: at most 1.5)\n", median(trivaneMs) / median(bareMs),
                median(trivaneMiB) / median(bareMiB));
    std::printf("  ratio to label   %7.2f x   %6.2f x\n", median(trivaneMs) / median(textMs),
                median(trivaneMiB) / median(textMiB));
    std::printf("power-supply front panel, \"Panel frontal\" to painted (warm, median of 40): %.2f ms (goal: 16)\n",
                panelMs);
    std::printf("FG110 front panel, \"Panel frontal\" to painted (warm, median of 40): %.2f ms (goal: 16)\n",
                fg110PanelMs);
    std::printf("Fluke 45 front panel, \"Panel frontal\" to painted (warm, median of 40): %.2f ms (goal: 16)\n",
                fluke45PanelMs);
    {
        const std::string command = std::string("QT_SCALE_FACTOR=2 '") + argv[0] + "' --practice-keys 2>/dev/null";
        double ms = -1, worst = -1;
        if (FILE* out = popen(command.c_str(), "r")) {
            if (std::fscanf(out, "%lf %lf", &ms, &worst) != 2)
                ms = worst = -1;
            pclose(out);
        }
        std::printf("FG110 practice, key press to display and oscilloscope painted (warm, 600 presses, at 2x): "
                    "median %.2f ms, worst %.2f ms (goal: 8)\n",
                    ms, worst);
    }
    {
        const std::string command = std::string("QT_SCALE_FACTOR=2 '") + argv[0] + "' --bench-keys 2>/dev/null";
        double ms = -1, worst = -1;
        if (FILE* out = popen(command.c_str(), "r")) {
            if (std::fscanf(out, "%lf %lf", &ms, &worst) != 2)
                ms = worst = -1;
            pclose(out);
        }
        std::printf("Fluke 45 bench, a key or a lead moved to both displays painted (warm, 500, at 2x): "
                    "median %.2f ms, worst %.2f ms (goal: 8)\n",
                    ms, worst);
        std::vector<double> windowMiB, benchMiB;
        for (int i = 0; i < 5; ++i) {
            windowMiB.push_back(runChild(argv[0], "--fluke45-window").peakMiB);
            benchMiB.push_back(runChild(argv[0], "--fluke45-bench").peakMiB);
        }
        std::printf("Fluke 45 window peak memory (median of 5): %.1f MiB; with the bench open: %.1f MiB, "
                    "%.1f MiB more (goal: at most 3)\n",
                    median(windowMiB), median(benchMiB), median(benchMiB) - median(windowMiB));
    }
    const std::string hung = hungAudioService();
    {
        setenv("PULSE_SERVER", ("unix:" + hung).c_str(), 1);
        std::vector<double> hungMs;
        for (int i = 0; i < 5; ++i)
            hungMs.push_back(runChild(argv[0], "--trivane").ms);
        unsetenv("PULSE_SERVER");
        std::printf("start-up to first paint with an audio service that never answers (median of 5): %.1f ms\n",
                    median(hungMs));
    }
    {
        // Memory over many visits: resident growth from the 10th to the 1000th round trip,
        // offscreen and, where an X server is given (DISPLAY), on it.
        const auto trips = [&](const char* platform, const char* mode) {
            const std::string command = std::string("QT_QPA_PLATFORM=") + platform + " '" + argv[0] + "' " + mode + " "
                                        + std::to_string(Trips) + " 2>/dev/null";
            long ten = 0, all = 0;
            if (FILE* out = popen(command.c_str(), "r")) {
                if (std::fscanf(out, "%ld %ld", &ten, &all) != 2)
                    ten = all = 0;
                pclose(out);
            }
            if (ten == 0)
                std::printf("    %-8s %-40s  failed\n", platform, mode + 2);
            else
                std::printf("    %-8s %-40s %6ld  (%ld to %ld)\n", platform, mode + 2, all - ten, ten, all);
        };
        std::printf("resident memory growth from the 10th to the %dth round trip (KiB; goal: at most 2048):\n", Trips);
        std::printf("  round-trips: chooser (menu, or picture and page turn every %dth), instrument window,\n"
                    "  front panel, a click on a control, Esc, \"Volver\"; the seven instruments in turn;\n"
                    "  bare-round-trips: a bare window with a label, made and destroyed\n",
                    PageTurnEvery);
        std::vector<const char*> platforms{"offscreen"};
        if (const char* display = std::getenv("DISPLAY"); display && *display)
            platforms.push_back("xcb");
        for (const char* platform : platforms) {
            trips(platform, "--round-trips");
            trips(platform, "--bare-round-trips");
        }
    }
    std::printf("power-supply window from the chooser to painted, with its cue, and its front panel (ms):\n");
    std::printf("  %-28s %8s %8s %8s\n", "", "first", "median", "panel");
    const std::pair<const char*, std::string> services[]{{"audio service running", ""},
                                                         {"no audio service reachable", "unix:/nonexistent"},
                                                         {"audio service never answers", "unix:" + hung}};
    for (const auto& [name, server] : services) {
        const std::vector<double> f = openingsInChild(argv[0], server);
        std::printf("  %-28s %8.2f %8.2f %8.2f\n", name, f[0], f[1], f[2]);
    }
    unlink(hung.c_str());
    return 0;
}
