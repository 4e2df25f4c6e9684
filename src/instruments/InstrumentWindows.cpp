#include "InstrumentWindows.h"

#include "core/Navigation.h"
#include "instruments/fg110/Fg110Window.h"
#include "instruments/fluke45/Fluke45Window.h"
#include "instruments/power_supply/PowerSupplyWindow.h"
#include "instruments/simple/SimpleMultimeterWindows.h"

#include <array>

namespace InstrumentWindows {
namespace {

struct Entry {
    InstrumentId instrument;
    QWidget* (*open)(QWidget* leaving);
};

template <class Window>
QWidget* openWindow(QWidget* leaving)
{
    return Navigation::navigate<Window>(leaving);
}

constexpr std::array table{
    Entry{InstrumentId::Fluke45, openWindow<Fluke45Window>},
    Entry{InstrumentId::Fg110, openWindow<Fg110Window>},
    Entry{InstrumentId::PowerSupply, openWindow<PowerSupplyWindow>},
    Entry{InstrumentId::Fluke73, openWindow<Fluke73Window>},
    Entry{InstrumentId::Demestres2001, openWindow<Demestres2001Window>},
    Entry{InstrumentId::Phywe, openWindow<PhyweWindow>},
    Entry{InstrumentId::Hc6000, openWindow<Hc6000Window>},
};

} // namespace

QWidget* open(InstrumentId instrument, QWidget* leaving)
{
    for (const Entry& entry : table)
        if (entry.instrument == instrument)
            return entry.open(leaving);
    return nullptr;
}

} // namespace InstrumentWindows
