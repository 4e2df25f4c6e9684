#include "InstrumentWindows.h"

#include "core/Navigation.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/InstrumentWindowTable.h"
#include "instruments/fluke45/Fluke45Window.h"
#include "instruments/power_supply/PowerSupplyWindow.h"

#include <array>

namespace InstrumentWindows {
namespace {

// The window of each instrument: a class of its own where the instrument has behaviour
// of its own, the plain instrument window (all data) for the rest.
struct Entry {
    InstrumentId instrument;
    InstrumentWindow* (*create)();
};

template <class Window>
InstrumentWindow* createWindow()
{
    return new Window;
}

template <InstrumentId instrument>
InstrumentWindow* createPlainWindow()
{
    return new InstrumentWindow(instrument);
}

constexpr std::array table{
    Entry{InstrumentId::Fluke45, createWindow<Fluke45Window>},
    Entry{InstrumentId::Fg110, createPlainWindow<InstrumentId::Fg110>},
    Entry{InstrumentId::PowerSupply, createWindow<PowerSupplyWindow>},
    Entry{InstrumentId::Fluke73, createPlainWindow<InstrumentId::Fluke73>},
    Entry{InstrumentId::Demestres2001, createPlainWindow<InstrumentId::Demestres2001>},
    Entry{InstrumentId::Phywe, createPlainWindow<InstrumentId::Phywe>},
    Entry{InstrumentId::Hc6000, createPlainWindow<InstrumentId::Hc6000>},
};

} // namespace

QWidget* open(InstrumentId instrument, QWidget* leaving)
{
    for (const Entry& entry : table)
        if (entry.instrument == instrument)
            return Navigation::present(entry.create(), leaving);
    return nullptr;
}

QWidget* openFrontPanel(InstrumentId instrument)
{
    FrontPanelExplorer* panel = InstrumentWindow::createFrontPanel(instrument);
    return panel ? Navigation::present(panel) : nullptr;
}

} // namespace InstrumentWindows
