#pragma once

#include <QRandomGenerator>

// What every window consults, alive from start-up to the end.
struct AppState {
    bool soundOn = true; // every cue plays only while it is on
    // Where every random draw of the program comes from (the review's order, the panels'
    // questions), so that a tool may seed it and draw the same windows every run.
    QRandomGenerator random{QRandomGenerator::securelySeeded()};
};

AppState& appState();

// Back to the start-up values, the one-window claims and the learning progress included.
void resetAppState();
