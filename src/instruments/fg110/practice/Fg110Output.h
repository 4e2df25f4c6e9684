#pragma once

#include "instruments/fg110/practice/Fg110Settings.h"
#include "widgets/ScopeSignal.h"

// What the generator puts at its output terminal. Every waveform starts a cycle at its
// rising zero crossing (phase 0); inversion mirrors it about the offset. In TRIG and GATE
// the output rests at the level of the starting phase; a manual trigger (`triggered`)
// gives a burst from that phase: `burst` cycles in TRIG, one in GATE.
ScopeSignal fg110Output(const Fg110Settings& settings, bool powerOn, bool triggered);

// One cycle of the waveform at a point of the cycle (0 to 1), between -1 and +1; `duty`
// in percent, for the pulse.
double fg110WaveShape(Fg110Waveform waveform, double cycle, double duty);
