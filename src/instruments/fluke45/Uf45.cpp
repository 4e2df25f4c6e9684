#include "Uf45.h"

#include <QMenu>

TFormFluke45::TFormFluke45()
    : InstrumentWindow(InstrumentId::Fluke45)
{
    QMenu* notes = addNotesMenu();
    notes->addAction(QStringLiteral("Editor de números"))->setObjectName(QStringLiteral("Editordenmeros1"));
    notes->addAction(QStringLiteral("Editor de listas"))->setObjectName(QStringLiteral("Editordelistas1"));
    // A new Fluke 45 window starts with no note open.
    if (isCreated())
        appState().openNotes.clear();
}

bool TFormFluke45::noteOpen() const
{
    const QSet<int>& notes = appState().openNotes;
    return notes.contains(1) || notes.contains(2);
}
