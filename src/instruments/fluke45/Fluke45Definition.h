#pragma once

#include "instruments/common/InstrumentDefinition.h"

// The Fluke 45 dual-display bench multimeter: its panel explained control by control, with
// trainers for its keys, two notes and a questionnaire.
const InstrumentDefinition& fluke45Definition();
