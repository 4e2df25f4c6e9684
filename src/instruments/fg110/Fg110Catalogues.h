#pragma once

#include "instruments/common/ControlCatalogue.h"
#include "instruments/common/ExplorerLayout.h"

// The FG110's front panel: the keys' own functions on the normal picture, and the
// functions printed in blue above them on the picture with SHIFT engaged.
const ControlCatalogue& fg110NormalCatalogue();
const ControlCatalogue& fg110ShiftCatalogue();
const ExplorerLayout& fg110PanelLayout();
