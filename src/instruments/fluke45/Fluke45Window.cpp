#include "Fluke45Window.h"

#include "Fluke45ObjectNames.h"

#include <QMenu>

Fluke45Window::Fluke45Window(const InstrumentDefinition& instrument)
    : InstrumentWindow(instrument)
{
    QMenu* notes = addNotesMenu();
    QAction* numbers = notes->addAction(QStringLiteral("Editor de números"));
    numbers->setObjectName(Fluke45Names::numberEditorMenuItem);
    connect(numbers, &QAction::triggered, this, [] { openNote(Fluke45NoteSubject::NumberEditor); });
    QAction* lists = notes->addAction(QStringLiteral("Editor de listas"));
    lists->setObjectName(Fluke45Names::listEditorMenuItem);
    connect(lists, &QAction::triggered, this, [] { openNote(Fluke45NoteSubject::ListEditor); });
}

void Fluke45Window::openNote(Fluke45NoteSubject subject)
{
    // A note already open is neither doubled nor brought forward.
    if (!fluke45OpenNotes().contains(subject))
        Navigation::present(new Fluke45Note(subject));
    fluke45OpenNotes().insert(subject);
}
