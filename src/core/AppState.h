#pragma once

// What every window consults, alive from start-up to the end.
struct AppState {
    bool soundOn = true; // every cue plays only while it is on
};

AppState& appState();

// Back to the start-up values, the one-window claims and the learning progress included.
void resetAppState();
