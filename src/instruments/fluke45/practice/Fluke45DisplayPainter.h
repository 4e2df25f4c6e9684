#pragma once

#include "sim/fluke45/Fluke45Display.h"

class QPainter;

// Draws the Fluke 45's two displays over the glass of its panel picture (Fluke45PanelPlaces,
// in picture pixels), as a vacuum-fluorescent display shows them: every legend faint, the
// ones lit bright; the readings in seven segments with their units and AC/DC marks. Off:
// all faint. `blinkOn` false blanks the digit being edited.
void paintFluke45Display(QPainter& painter, const Fluke45Display& display, bool blinkOn);
