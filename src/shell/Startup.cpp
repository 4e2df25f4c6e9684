#include "Startup.h"

#include "core/AppState.h"
#include "core/FormReference.h"
#include "core/HelpMenuItems.h"
#include "core/Navigation.h"
#include "instruments/InstrumentRegistry.h"
#include "Program.h"
#include "AboutBox.h"
#include "ChooserWindow.h"
#include "HelpWindow.h"
#include "platform/ScreenCursors.h"
#include "progress/ProgressWindow.h"
#include "platform/WindowsFonts.h"
#include "widgets/MenuArrowStyle.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>

namespace Startup {

bool start(const QString& programFilePath)
{
    WindowsFonts::install();
    MenuArrowStyle::install();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/mainicon.svg")));
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
