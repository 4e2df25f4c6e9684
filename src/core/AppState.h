#pragma once

#include <QSet>

// The few flags that every window consults, alive from start-up to the end.
struct AppState {
    bool soundOn = true;            // every cue plays only while it is on
    bool panelOpen = false;         // a front panel is open (one in the whole program)
    bool questionnaireOpen = false; // a questionnaire window is open
    QSet<int> openNotes;            // note windows of the current instrument that are open
};

// The notes that can be in the open-notes set: the power supply's start-up note, and the
// Fluke 45's number-editor and list-editor notes.
namespace Note {
constexpr int PowerSupplyStartup = 1;
constexpr int Fluke45NumberEditor = 1;
constexpr int Fluke45ListEditor = 2;
} // namespace Note

AppState& appState();

// Back to the start-up values.
void resetAppState();
