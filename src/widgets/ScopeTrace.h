#pragma once

#include "sim/signal/ScopeScale.h"
#include "sim/signal/ScopeSignal.h"

#include <QPointF>
#include <QPolygonF>
#include <QRect>

// Where the screen's graticule lies, in device pixels: its top-left corner and the
// size of one division (a whole number of pixels, so that every grid line falls on a
// pixel).
struct ScopeScreen {
    QPoint topLeft;
    int division = 40;

    QRect rect() const { return {topLeft, QSize(ScopeDivisionsAcross * division, ScopeDivisionsHigh * division)}; }
    double centreY() const { return topLeft.y() + ScopeDivisionsHigh * division / 2.0; }
};

// The screen point of a time and a voltage under a scale.
QPointF scopePoint(const ScopeScreen& screen, const ScopeScale& scale, double seconds, double volts);

// The trace of a signal, a polyline in device pixels: a sample at each pixel edge across
// the screen, and, where the signal jumps between two samples (a square's or a pulse's
// edge, a ramp's reset, a burst's end), the jump found by bisection and drawn as a
// vertical segment on a pixel boundary. Levels land on pixel boundaries too, so that a
// trace two pixels wide covers whole pixels where it is flat. A burst of cycles too
// narrow to draw is a band between its extremes. Empty for no output; a
// line at 0 V for an output that is off. Before a burst's trigger the output rests at
// the level it returns to after the burst.
QPolygonF scopeTrace(const ScopeSignal& signal, const ScopeScale& scale, const ScopeScreen& screen);
