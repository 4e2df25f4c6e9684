#pragma once

#include "instruments/common/InstrumentDefinition.h"

// The Fluke 73 handheld multimeter: a picture of its front panel, no controls explained.
const InstrumentDefinition& fluke73Definition();
