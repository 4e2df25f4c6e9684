#pragma once

#include "instruments/common/practice/Exercise.h"
#include "instruments/fg110/practice/Fg110Generator.h"

// The twelve FG110 practice exercises, in order. Their key ids are `int(Fg110Key)`, and
// each hint sequence starts from the generator's factory settings.
const ExerciseSet<Fg110Generator>& fg110Exercises();
