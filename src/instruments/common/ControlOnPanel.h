#pragma once

#include <QString>

struct InstrumentDefinition;

// Shows a control of an instrument explained on its front panel: on the panel already
// open, else on a new one where the one-panel rule lets it open. What a questionnaire's
// link to a control does.
void showControlOnPanel(const InstrumentDefinition& instrument, const QString& caption);
