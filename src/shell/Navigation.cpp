#include "Navigation.h"

#include "ChooserWindow.h"
#include "instruments/fg110/Fg110Window.h"
#include "instruments/fluke45/Fluke45Window.h"
#include "instruments/power_supply/PowerSupplyWindow.h"
#include "instruments/simple/SimpleMultimeterWindows.h"

namespace Navigation {

QWidget* openInstrument(InstrumentId instrument, QWidget* leaving)
{
    switch (instrument) {
    case InstrumentId::Fluke45:
        return navigate<Fluke45Window>(leaving);
    case InstrumentId::Fg110:
        return navigate<Fg110Window>(leaving);
    case InstrumentId::PowerSupply:
        return navigate<PowerSupplyWindow>(leaving);
    case InstrumentId::Fluke73:
        return navigate<Fluke73Window>(leaving);
    case InstrumentId::Demestres2001:
        return navigate<Demestres2001Window>(leaving);
    case InstrumentId::Phywe:
        return navigate<PhyweWindow>(leaving);
    case InstrumentId::Hc6000:
        return navigate<Hc6000Window>(leaving);
    }
    return nullptr;
}

void backToChooser(QWidget* leaving)
{
    // Should the chooser's own cue fail to open now, the instrument window stays.
    navigate<ChooserWindow>(leaving);
}

} // namespace Navigation
