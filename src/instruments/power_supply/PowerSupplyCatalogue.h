#pragma once

#include "instruments/common/ControlCatalogue.h"
#include "instruments/common/ExplorerLayout.h"

// The power supply's front panel: its twelve controls and where the explorer puts things.
const ControlCatalogue& powerSupplyCatalogue();
const ExplorerLayout& powerSupplyPanelLayout();
