#pragma once

#include "sim/fg110/Fg110Display.h"

class QPainter;

// Draws the FG110's display over its place on the panel picture (Fg110PanelPlaces, in
// picture pixels), in the places the picture prints it (Fg110DisplayLayout): the
// parameter and mode words, the waveform signs, the value in seven segments with its
// unit, lit or faint as the liquid crystal shows them, and the SHIFT and CH1 lamps.
// `blinkOn` false blanks the digit chosen with the cursors. Off: the crystal dark, all faint.
void paintFg110Display(QPainter& painter, const Fg110Display& display, bool blinkOn);
