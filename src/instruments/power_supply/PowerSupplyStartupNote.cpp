#include "PowerSupplyStartupNote.h"

#include "PowerSupplyNotes.h"
#include "core/AppState.h"

PowerSupplyStartupNote::PowerSupplyStartupNote()
    : NoteWindow(startupNoteLayout())
{
}

void PowerSupplyStartupNote::closeNote()
{
    appState().openNotes.clear();
    NoteWindow::closeNote();
}
