#pragma once

#include "Fluke45Notes.h"
#include "instruments/common/InstrumentWindow.h"

// The Fluke 45 dual-display bench multimeter's window. Its note windows, front panel and
// questionnaire are opened from its "Opciones" menu.
class Fluke45Window : public InstrumentWindow {
    Q_OBJECT
public:
    explicit Fluke45Window(const InstrumentDefinition& instrument);

private:
    static void openNote(Fluke45NoteSubject subject);
};
