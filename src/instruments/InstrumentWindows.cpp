#include "InstrumentWindows.h"

#include "core/Navigation.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/InstrumentWindow.h"

namespace InstrumentWindows {

QWidget* open(InstrumentId instrument, QWidget* leaving)
{
    const InstrumentDefinition& definition = InstrumentRegistry::definition(instrument);
    // An instrument with behaviour of its own has a window class of its own; the plain
    // instrument window, all data, serves the rest.
    InstrumentWindow* window =
        definition.createWindow ? definition.createWindow(definition) : new InstrumentWindow(definition);
    return Navigation::present(window, leaving);
}

QWidget* openFrontPanel(InstrumentId instrument)
{
    FrontPanelExplorer* panel = InstrumentWindow::createFrontPanel(InstrumentRegistry::definition(instrument));
    return panel ? Navigation::present(panel) : nullptr;
}

} // namespace InstrumentWindows
