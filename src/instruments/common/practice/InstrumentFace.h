#pragma once

#include <QKeySequence>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

// One key of a simulated instrument's panel: where it is on the panel's picture, what a
// screen reader calls it, and the computer key that presses it, if any.
struct PanelKey {
    int id = 0;            // the instrument's own id, opaque to the window
    QRect rect;            // on the picture, in picture pixels
    QString name;          // for a screen reader: "FREQ", "Tecla 7", "Rueda, un paso abajo"
    QString objectName;    // for tests and accessibility tools
    QKeySequence shortcut; // empty for none
    // What the key does, for a screen reader: its own function, and the one it has while
    // the instrument's SHIFT is lit (empty where it keeps its own).
    QString description;
    QString shiftedDescription;
};

// How a simulated instrument looks in the practice window: its panel's picture, where its
// keys are and what they are called, and its display drawn from its model's state. Each
// instrument's face is made with its model (`PracticeDefinition::create`) and reads it.
class InstrumentFace {
public:
    virtual ~InstrumentFace() = default;

    // The panel: its picture (a name for Pictures::get) at its size, and its keys.
    virtual QString pictureName() const = 0;
    virtual QSize pictureSize() const = 0;
    virtual const std::vector<PanelKey>& keys() const = 0;
    // The keys a notch of the mouse wheel presses over either of them (a knob's two
    // halves); 0 for none.
    virtual int wheelDownKey() const { return 0; }
    virtual int wheelUpKey() const { return 0; }

    // The live display, drawn over the picture in picture pixels; `blinkOn` is the phase
    // of whatever blinks.
    virtual QRect displayRect() const = 0;
    virtual void paintDisplay(QPainter& painter, bool blinkOn) const = 0;
};
