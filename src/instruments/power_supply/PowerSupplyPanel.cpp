#include "PowerSupplyPanel.h"

#include "PowerSupplyCatalogue.h"

PowerSupplyPanel::PowerSupplyPanel()
    : FrontPanelExplorer(promaxPanelLayout(), promaxCatalogue())
{
}
