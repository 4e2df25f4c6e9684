#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One exercise of a practice window, as data: what the student is asked, three hints of
// growing help, and a judge of the instrument's state (never of the keys pressed). Keys
// are the instrument's own ids, opaque here: the window maps them to its panel's regions.
template <typename Instrument>
struct Exercise {
    QString statement;
    QString whichKeys;      // hint 1: which keys take part
    QList<int> keysToLight; // hint 2: those keys, lit on the panel
    QString sequenceText;   // hint 3: the whole sequence, to read...
    QList<int> sequence;    // ...and as keys, from the instrument's first state
    // What differs from what is asked, one line each ("Frecuencia: 50 kHz (se pide 5 kHz)");
    // none when the exercise is met.
    std::function<QStringList(const Instrument&)> differences;

    bool isMetBy(const Instrument& instrument) const { return differences(instrument).isEmpty(); }
};

template <typename Instrument>
using ExerciseSet = QList<Exercise<Instrument>>;
