#pragma once

#include "InstrumentFace.h"
#include "sim/common/InstrumentModel.h"

#include <QString>

#include <memory>

// A simulated instrument as a practice window holds it: the model and the face that shows
// it (the face reads the model, so the two are made together).
struct PracticeInstrument {
    std::unique_ptr<InstrumentModel> model;
    std::unique_ptr<InstrumentFace> face;
};

// The practice window an instrument offers, where it has one: its frame and a new
// simulated instrument in its factory state.
struct PracticeDefinition {
    QString caption;    // "Práctica con el generador de funciones FG110"
    QString objectName;
    QString instrument; // its short name, as its pictures are named ("fg110"): for its claim and the learning progress
    PracticeInstrument (*create)() = nullptr;
};
