#pragma once

#include "widgets/ScopeSignal.h"

#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

// One key of a simulated instrument's panel: where it is on the panel's picture, what a
// screen reader calls it, and the computer key that presses it, if any.
struct PanelKey {
    int id = 0;             // the instrument's own id, opaque to the window
    QRect rect;             // on the picture, in picture pixels
    QString name;           // for a screen reader: "FREQ", "Tecla 7", "Rueda, un paso abajo"
    QString objectName;     // for tests and accessibility tools
    QKeySequence shortcut;  // empty for none
    // What the key does, for a screen reader: its own function, and the one it has while
    // the instrument's SHIFT is lit (empty where it keeps its own).
    QString description;
    QString shiftedDescription;
};

// What a practice exercise tells the student, apart from its judge.
struct ExerciseText {
    QString statement;
    QString whichKeys;      // hint 1
    QList<int> keysToLight; // hint 2: key ids lit on the panel
    QString sequenceText;   // hint 3
    QList<int> sequence;    // hint 3 as key ids, from any state `keysBeforeSequence` leaves
};

// An instrument the practice window lets a student operate: its panel's picture and
// keys, its live display, what it puts at its output and the exercises on it. The window
// knows nothing more of it; each instrument supplies an implementation in its folder.
class SimulatedInstrument {
public:
    virtual ~SimulatedInstrument() = default;

    // The panel: its picture (a name for Pictures::get) at its size, and its keys.
    virtual QString pictureName() const = 0;
    virtual QSize pictureSize() const = 0;
    virtual const std::vector<PanelKey>& keys() const = 0;
    // The keys a notch of the mouse wheel presses over either of them (a knob's two
    // halves); 0 for none.
    virtual int wheelDownKey() const { return 0; }
    virtual int wheelUpKey() const { return 0; }

    virtual void press(int key) = 0;
    // A key let go, for what acts only while a key is held down.
    virtual void release(int /*key*/) {}
    // Time passing, for what the instrument shows for a while.
    virtual void tick(int milliseconds) = 0;

    // The live display, drawn over the picture in picture pixels; `blinkOn` is the phase
    // of whatever blinks.
    virtual QRect displayRect() const = 0;
    virtual void paintDisplay(QPainter& painter, bool blinkOn) const = 0;
    // Whether anything on the display blinks now.
    virtual bool blinks() const = 0;
    // What a screen reader says of the display.
    virtual QString displayReading() const = 0;
    // Whether the next key does its SHIFT function (`PanelKey::shiftedDescription`).
    virtual bool shiftLit() const { return false; }

    virtual ScopeSignal output() const = 0;

    virtual int exerciseCount() const = 0;
    virtual ExerciseText exercise(int n) const = 0;
    // What differs from what exercise n asks; empty when it is met.
    virtual QStringList differences(int n) const = 0;
    // The keys that bring the panel from its present state to one where an exercise's
    // sequence may start (switching it on, say); none by default.
    virtual QList<int> keysBeforeSequence() const { return {}; }
};
