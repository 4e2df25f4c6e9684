#include "SimpleMultimeterWindows.h"

#include "SimplePanelLayouts.h"

namespace {
// None of the four panels explains its controls.
const ControlCatalogue noControls;
} // namespace

Fluke73Panel::Fluke73Panel()
    : FrontPanelExplorer(fluke73PanelLayout(), noControls)
{
}

Hc6000Panel::Hc6000Panel()
    : FrontPanelExplorer(hc6000PanelLayout(), noControls)
{
}

PhywePanel::PhywePanel()
    : FrontPanelExplorer(phywePanelLayout(), noControls)
{
}

Demestres2001Panel::Demestres2001Panel()
    : FrontPanelExplorer(demestres2001PanelLayout(), noControls)
{
}

Fluke73Window::Fluke73Window()
    : InstrumentWindow(InstrumentId::Fluke73)
{
}

void Fluke73Window::openFrontPanel()
{
    openPanelUnderOnePanelRule<Fluke73Panel>();
}

Hc6000Window::Hc6000Window()
    : InstrumentWindow(InstrumentId::Hc6000)
{
}

void Hc6000Window::openFrontPanel()
{
    openPanelUnderOnePanelRule<Hc6000Panel>();
}

PhyweWindow::PhyweWindow()
    : InstrumentWindow(InstrumentId::Phywe)
{
}

void PhyweWindow::openFrontPanel()
{
    // A new panel every time, without the one-panel flag.
    Navigation::navigate<PhywePanel>();
}

Demestres2001Window::Demestres2001Window()
    : InstrumentWindow(InstrumentId::Demestres2001)
{
}

void Demestres2001Window::openFrontPanel()
{
    openPanelUnderOnePanelRule<Demestres2001Panel>();
}
