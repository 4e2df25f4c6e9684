#pragma once

#include "instruments/common/practice/PracticeDefinition.h"

// The FG110's practice window: the generator's model and its face on the panel picture.
const PracticeDefinition& fg110PracticeDefinition();
