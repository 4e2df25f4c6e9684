#pragma once

#include "InstrumentRegistry.h"

class QWidget;

// The instruments' windows, as the chooser opens them.
namespace InstrumentWindows {

// From the chooser to an instrument's window: creates and shows it and releases the
// window left. Returns the new window, or null when it could not be created (the error
// has then been shown and nothing else changed).
QWidget* open(InstrumentId instrument, QWidget* leaving);

// An instrument's front panel opened by itself (for tools and tests that look at each
// panel); null for an instrument without one.
QWidget* openFrontPanel(InstrumentId instrument);

} // namespace InstrumentWindows
