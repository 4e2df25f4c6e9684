#pragma once

#include "instruments/common/InstrumentDefinition.h"

// The PHYWE analogue multimeter: a picture of its front panel, no controls explained.
const InstrumentDefinition& phyweDefinition();
