#include "UPromMarcha.h"

#include "PromaxNotes.h"
#include "shell/AppState.h"

TFormPromaxPuestaMarcha::TFormPromaxPuestaMarcha()
    : NoteWindow(startupNoteLayout())
{
}

void TFormPromaxPuestaMarcha::BitBtn1Click()
{
    appState().openNotes.clear();
    NoteWindow::BitBtn1Click();
}
