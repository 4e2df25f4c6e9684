#pragma once

#include "sim/exercise/ExerciseText.h"
#include "sim/signal/ScopeSignal.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class InstrumentInputs;

// A simulated instrument as the practice window operates it, with no picture: keys in (the
// instrument's own ids, opaque to the window), time passing, and out its state as a screen
// reader hears it, what it puts at its output and what its inputs measure, where it has
// them, and the exercises on it, judged on its state. The look of its panel (picture, key
// places, display painter) is its face, beside the windows.
class InstrumentModel {
public:
    virtual ~InstrumentModel() = default;

    virtual void press(int key) = 0;
    // A key let go, for what acts only while a key is held down.
    virtual void release(int /*key*/) { }
    // Time passing, for what the instrument shows for a while.
    virtual void tick(int milliseconds) = 0;

    // What a screen reader says of the display.
    virtual QString displayReading() const = 0;
    // Whether anything on the display blinks now.
    virtual bool blinks() const { return false; }
    // Whether the next key does its SHIFT function.
    virtual bool shiftLit() const { return false; }

    // What the instrument puts at its output; none for one that has no output (a meter).
    virtual std::optional<ScopeSignal> output() const { return std::nullopt; }
    // Its jacks and the leads in them; none for one that only emits (a generator).
    virtual InstrumentInputs* inputs() { return nullptr; }

    virtual int exerciseCount() const = 0;
    virtual ExerciseText exercise(int n) const = 0;
    // What differs from what exercise n asks; empty when it is met.
    virtual QStringList differences(int n) const = 0;
    // The keys that bring the instrument from its present state to one where an exercise's
    // sequence may start (switching it on, say); none by default.
    virtual QList<int> keysBeforeSequence() const { return {}; }
};
