#pragma once

#include "sim/exercise/Exercise.h"
#include "sim/fg110/Fg110Generator.h"

// The twelve FG110 practice exercises, in order. Their key ids are `int(Fg110Key)`. Each
// hint sequence starts with INITIALIZE (SHIFT, 0), which keeps the memories, and so
// reaches its goal from any state of a generator that is on with its SHIFT lamp out.
const ExerciseSet<Fg110Generator>& fg110Exercises();

// The keys that bring the generator, from whatever state it is in, to where a sequence
// may start: POWER when it is off, SHIFT when its lamp is lit; none otherwise.
QList<int> fg110KeysBeforeSequence(const Fg110Generator& generator);

// What the keys of `fg110KeysBeforeSequence` ask of a student, in sentences that start a
// hint ("El generador está apagado: enciéndelo primero con POWER. "); POWER is left
// unsaid where the exercise's own keys include it, as the first one's do. Empty when none.
QString fg110Preparation(const QList<int>& keysBefore, const QList<int>& exerciseKeys);
