#include "Fluke45Window.h"

#include <QMenu>

Fluke45Window::Fluke45Window()
    : InstrumentWindow(InstrumentId::Fluke45)
{
    QMenu* notes = addNotesMenu();
    notes->addAction(QStringLiteral("Editor de números"))->setObjectName(QStringLiteral("Editordenmeros1"));
    notes->addAction(QStringLiteral("Editor de listas"))->setObjectName(QStringLiteral("Editordelistas1"));
    // A new Fluke 45 window starts with no note open.
    if (isCreated())
        appState().openNotes.clear();
}

bool Fluke45Window::noteOpen() const
{
    const QSet<int>& notes = appState().openNotes;
    return notes.contains(Note::Fluke45NumberEditor) || notes.contains(Note::Fluke45ListEditor);
}
