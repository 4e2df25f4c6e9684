#pragma once

#include "instruments/common/practice/PracticeDefinition.h"

// The Fluke 45's practice window: the meter on its bench, its face on the panel picture,
// and the bench around them.
const PracticeDefinition& fluke45PracticeDefinition();
