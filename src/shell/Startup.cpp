#include "Startup.h"

#include "AboutBox.h"
#include "ChooserWindow.h"
#include "HelpWindow.h"
#include "Program.h"
#include "core/AppState.h"
#include "core/FormReference.h"
#include "core/HelpMenuItems.h"
#include "core/Navigation.h"
#include "instruments/InstrumentRegistry.h"
#include "platform/AudioOutput.h"
#include "platform/ScreenCursors.h"
#include "platform/WindowsFonts.h"
#include "progress/ProgressWindow.h"
#include "widgets/MenuArrowStyle.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QTimer>

namespace Startup {
namespace {

// Opens the audio output once the chooser has painted for the first time (a cue played
// earlier opens it itself): the sound system's setting up then runs on its own thread
// beside a window already shown, never on the way to it.
class OutputAfterFirstPaint : public QObject {
public:
    explicit OutputAfterFirstPaint(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { AudioOutput::prepare(); });
            deleteLater();
        }
        return false;
    }
};

// The icon at the sizes a window manager takes, drawn at build time from its SVG.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 64, 128})
        icon.addFile(QStringLiteral(":/icon/mainicon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

bool start(const QString& programFilePath)
{
    WindowsFonts::install();
    MenuArrowStyle::install();
    QApplication::setWindowIcon(windowIcon());
    QApplication::setQuitOnLastWindowClosed(false); // only the chooser ends the program
    resetAppState();
    InstrumentRegistry::forgetOpenNotes();
    Program::resetEndRequest();
    ScreenCursors::loadPointingCursor(programFilePath);
    // Should the chooser's own cue fail to open then, the instrument window stays.
    Navigation::setBackToChooser([](QWidget* leaving) { Navigation::navigate<ChooserWindow>(leaving); });
    Navigation::setShowHelp([] { HelpWindow::showHelp(); });
    HelpMenuItems::setProgressOpener([] { ProgressWindow::showProgress(); });

    auto* chooser = new ChooserWindow;
    if (!chooser->isCreated()) {
        delete chooser;
        return false;
    }
    formReference<ChooserWindow>() = chooser;
    if (!formReference<AboutBox>())
        formReference<AboutBox>() = new AboutBox;
    new OutputAfterFirstPaint(chooser);
    chooser->show();
    return true;
}

void closeAllWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parent())
            windows.append(w);
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
}

} // namespace Startup
