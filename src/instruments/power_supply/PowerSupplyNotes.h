#pragma once

#include "instruments/common/NoteLayout.h"

#include <QString>

// The power supply's two notes: the earthing note, shown in a message box, and the
// start-up note, a window of its own.
struct MessageNote {
    QString caption;
    QString text;
};

const MessageNote& earthingNote();
const NoteLayout& startupNoteLayout();
