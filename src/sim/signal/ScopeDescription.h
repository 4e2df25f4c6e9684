#pragma once

#include "sim/signal/ScopeScale.h"
#include "sim/signal/ScopeSignal.h"

#include <QString>

// What the oscilloscope's screen shows, in words a student understands, as a screen
// reader says it: the signal as read from the trace (its shape, frequency, peak-to-peak
// and offset, or its level), then the scale, then how many periods fit on the screen.
// "Onda senoidal de 5 kHz, 1 Vp-p, desplazamiento 0 V; 50 µs por división, 1 V por
// división; se ven dos periodos y medio". With the instrument off, "Apagado"; with its
// output off, "Sin señal" and the flat line at 0 V.
QString describeScreen(const ScopeSignal& signal, const ScopeScale& scale);
