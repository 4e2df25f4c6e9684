#include "PowerSupplyStartupNote.h"

#include "PowerSupplyNotes.h"

PowerSupplyStartupNote::PowerSupplyStartupNote()
    : NoteWindow(startupNoteLayout())
{ }

void PowerSupplyStartupNote::closeNote()
{
    powerSupplyOpenNotes().clear();
    NoteWindow::closeNote();
}
