#pragma once

#include "instruments/common/InstrumentDefinition.h"

// The FG110 function generator: its panel explained key by key, normal and with SHIFT, with
// pages its links open, and a questionnaire.
const InstrumentDefinition& fg110Definition();
