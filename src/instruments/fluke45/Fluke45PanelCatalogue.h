#pragma once

#include "instruments/common/ControlCatalogue.h"
#include "instruments/common/ExplorerLayout.h"

// The Fluke 45's front panel: its twelve controls, and where the explorer puts them.
const ControlCatalogue& fluke45PanelCatalogue();
const ExplorerLayout& fluke45PanelLayout();
