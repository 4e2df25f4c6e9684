#include "Fluke45Window.h"

#include "Fluke45Notes.h"

#include <QMenu>

Fluke45Window::Fluke45Window()
    : InstrumentWindow(InstrumentId::Fluke45)
{
    QMenu* notes = addNotesMenu();
    QAction* numbers = notes->addAction(QStringLiteral("Editor de números"));
    numbers->setObjectName(QStringLiteral("Editordenmeros1"));
    connect(numbers, &QAction::triggered, this, [] { openNote(Note::Fluke45NumberEditor); });
    QAction* lists = notes->addAction(QStringLiteral("Editor de listas"));
    lists->setObjectName(QStringLiteral("Editordelistas1"));
    connect(lists, &QAction::triggered, this, [] { openNote(Note::Fluke45ListEditor); });
    // A new Fluke 45 window starts with no note open.
    if (isCreated())
        appState().openNotes.clear();
}

bool Fluke45Window::noteOpen() const
{
    const QSet<int>& notes = appState().openNotes;
    return notes.contains(Note::Fluke45NumberEditor) || notes.contains(Note::Fluke45ListEditor);
}

void Fluke45Window::openNote(int note)
{
    // A note already open is neither doubled nor brought forward.
    if (!appState().openNotes.contains(note))
        Navigation::present(new Fluke45Note(note));
    appState().openNotes.insert(note);
}
