#pragma once

#include "InstrumentFace.h"
#include "sim/common/InstrumentModel.h"

#include <QString>

#include <functional>
#include <memory>

class PracticePanel;
class QWidget;

// A simulated instrument as a practice window holds it: the model and the face that shows
// it (the face reads the model, so the two are made together), and, for an instrument
// used on a bench, the bench: the window's body, made around the panel (whose keys it
// follows) and the exercises, which it lays out with its own controls; empty for none.
struct PracticeInstrument {
    std::unique_ptr<InstrumentModel> model;
    std::unique_ptr<InstrumentFace> face;
    std::function<QWidget*(PracticePanel& panel, QWidget& exercises, QWidget* parent)> bench = {};
};

// The practice window an instrument offers, where it has one: its frame and a new
// simulated instrument in its factory state.
struct PracticeDefinition {
    QString caption; // "Práctica con el generador de funciones FG110"
    QString objectName;
    QString instrument; // its short name, as its pictures are named ("fg110"): for its claim and the learning progress
    PracticeInstrument (*create)() = nullptr;
};
