#pragma once

#include "instruments/common/InstrumentDefinition.h"

// The HC-6000 handheld multimeter: a picture of its front panel, no controls explained.
const InstrumentDefinition& hc6000Definition();
