#pragma once

#include "instruments/common/NoteLayout.h"
#include "instruments/common/OpenNotes.h"

#include <QString>

// The power supply's two notes: the earthing note, shown in a message box, and the
// start-up note, a window of its own.
struct MessageNote {
    QString caption;
    QString text;
};

// The notes counted as open: only the start-up note is a window.
enum class PowerSupplyNoteSubject {
    Startup = 1,
};

const MessageNote& earthingNote();
const NoteLayout& startupNoteLayout();

// The power supply's notes that are open.
OpenNotes& powerSupplyOpenNotes();
