#include "SimpleMultimeterWindows.h"

#include "SimplePanelLayouts.h"

namespace {
// None of the four panels explains its controls.
const ControlCatalogue noControls;
} // namespace

TFormFluke73Panel::TFormFluke73Panel()
    : FrontPanelExplorer(fluke73PanelLayout(), noControls)
{
}

TFormHC6000Panel::TFormHC6000Panel()
    : FrontPanelExplorer(hc6000PanelLayout(), noControls)
{
}

TFormPHYWEPanel::TFormPHYWEPanel()
    : FrontPanelExplorer(phywePanelLayout(), noControls)
{
}

TFormDemestres2001Panel::TFormDemestres2001Panel()
    : FrontPanelExplorer(demestres2001PanelLayout(), noControls)
{
}

TFormFluke73::TFormFluke73()
    : InstrumentWindow(InstrumentId::Fluke73)
{
}

void TFormFluke73::Panelfrontal1Click()
{
    openPanelUnderOnePanelRule<TFormFluke73Panel>();
}

TFormHC6000::TFormHC6000()
    : InstrumentWindow(InstrumentId::Hc6000)
{
}

void TFormHC6000::Panelfrontal1Click()
{
    openPanelUnderOnePanelRule<TFormHC6000Panel>();
}

TFormPHYWE::TFormPHYWE()
    : InstrumentWindow(InstrumentId::Phywe)
{
}

void TFormPHYWE::Panelfrontal1Click()
{
    // A new panel every time, without the one-panel flag.
    Navigation::navigate<TFormPHYWEPanel>();
}

TFormDemestres2001::TFormDemestres2001()
    : InstrumentWindow(InstrumentId::Demestres2001)
{
}

void TFormDemestres2001::Panelfrontal1Click()
{
    openPanelUnderOnePanelRule<TFormDemestres2001Panel>();
}
