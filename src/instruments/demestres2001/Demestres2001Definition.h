#pragma once

#include "instruments/common/InstrumentDefinition.h"

// The Demestres 2001 multimeter: a picture of its front panel, no controls explained.
const InstrumentDefinition& demestres2001Definition();
