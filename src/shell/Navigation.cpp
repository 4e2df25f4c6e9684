#include "Navigation.h"

#include "Unit1.h"
#include "instruments/fg110/Ufg110.h"
#include "instruments/fluke45/Uf45.h"
#include "instruments/power_supply/Unit2.h"
#include "instruments/simple/SimpleMultimeterWindows.h"

namespace Navigation {

QWidget* openInstrument(InstrumentId instrument, QWidget* leaving)
{
    switch (instrument) {
    case InstrumentId::Fluke45:
        return navigate<TFormFluke45>(leaving);
    case InstrumentId::Fg110:
        return navigate<TFormfg110>(leaving);
    case InstrumentId::PowerSupply:
        return navigate<TForm2>(leaving);
    case InstrumentId::Fluke73:
        return navigate<TFormFluke73>(leaving);
    case InstrumentId::Demestres2001:
        return navigate<TFormDemestres2001>(leaving);
    case InstrumentId::Phywe:
        return navigate<TFormPHYWE>(leaving);
    case InstrumentId::Hc6000:
        return navigate<TFormHC6000>(leaving);
    }
    return nullptr;
}

void backToChooser(QWidget* leaving)
{
    // Should the chooser's own cue fail to open now, the instrument window stays.
    navigate<TForm1>(leaving);
}

} // namespace Navigation
