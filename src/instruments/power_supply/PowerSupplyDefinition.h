#pragma once

#include "instruments/common/InstrumentDefinition.h"

// The PROMAX laboratory power supply: its panel explained control by control, and two notes.
const InstrumentDefinition& powerSupplyDefinition();
