#pragma once

#include <QString>

#include <memory>

class SimulatedInstrument;

// The practice window an instrument offers, where it has one: its frame and a new
// simulated instrument in its factory state.
struct PracticeDefinition {
    QString caption;    // "Práctica con el generador de funciones FG110"
    QString objectName;
    QString instrument; // its short name, as its pictures are named ("fg110"): for the learning progress
    std::unique_ptr<SimulatedInstrument> (*create)() = nullptr;
};
