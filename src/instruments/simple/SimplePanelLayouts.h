#pragma once

#include "instruments/common/ExplorerLayout.h"

// Where the four simple multimeters' front panels put their picture and fields.
const ExplorerLayout& fluke73PanelLayout();
const ExplorerLayout& hc6000PanelLayout();
const ExplorerLayout& phywePanelLayout();
const ExplorerLayout& demestres2001PanelLayout();
