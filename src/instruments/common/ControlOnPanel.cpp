#include "ControlOnPanel.h"

#include "FrontPanelExplorer.h"
#include "InstrumentWindow.h"
#include "core/FormReference.h"
#include "core/WindowClaims.h"

void showControlOnPanel(const InstrumentDefinition& instrument, const QString& caption)
{
    FrontPanelExplorer* panel = formReference<FrontPanelExplorer>();
    if (!panel || !panel->isVisible()) {
        if (!instrument.panel.layout)
            return;
        if (instrument.panel.onePanelRule && !WindowClaims::claim(OneAtATime::FrontPanel))
            return;
        panel = Navigation::present(InstrumentWindow::createFrontPanel(instrument));
    }
    panel->raise();
    panel->activateWindow();
    panel->showControl(caption);
}
