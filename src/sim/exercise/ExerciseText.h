#pragma once

#include <QList>
#include <QString>

// What a practice exercise tells the student, apart from its judge: the statement and the
// three hints. Keys are the instrument's own ids, opaque to whoever shows them.
struct ExerciseText {
    QString statement;
    QString whichKeys;      // hint 1
    QList<int> keysToLight; // hint 2: key ids lit on the panel
    QString sequenceText;   // hint 3
    QList<int> sequence;    // hint 3 as key ids, from any state `keysBeforeSequence` leaves
};
