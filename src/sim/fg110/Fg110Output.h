#pragma once

#include "sim/fg110/Fg110Settings.h"
#include "sim/signal/ScopeSignal.h"

// What LOCAL/MAN TRIG has started since the mode was chosen: a burst in TRIG; in GATE a
// gate open while the key is held (its time told by the generator's clock).
struct Fg110Trigger {
    bool started = false;
    bool gateOpen = false;
    double gateSeconds = 0; // how long the gate has been open
};

// What the generator puts at its output terminal. Every waveform starts a cycle at its
// rising zero crossing (phase 0); inversion mirrors it about the offset. In TRIG and GATE
// the output rests at the level of the starting phase until the trigger starts it from
// that phase: `burst` cycles in TRIG; in GATE whole cycles while the gate is open, ending
// with the cycle in progress when it closes.
ScopeSignal fg110Output(const Fg110Settings& settings, bool powerOn, const Fg110Trigger& trigger);

// One cycle of the waveform at a point of the cycle (0 to 1), between -1 and +1; `duty`
// in percent, for the pulse.
double fg110WaveShape(Fg110Waveform waveform, double cycle, double duty);
