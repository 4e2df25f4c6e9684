#pragma once

#include "instruments/common/NoteWindow.h"
#include "instruments/common/OpenNotes.h"

// The Fluke 45's two notes, on its number editor and its list editor. While either is
// open the Fluke 45's window cannot be left.
enum class Fluke45NoteSubject {
    NumberEditor = 1,
    ListEditor = 2,
};

const NoteLayout& numberEditorNoteLayout();
const NoteLayout& listEditorNoteLayout();

// The Fluke 45's notes that are open.
OpenNotes& fluke45OpenNotes();

class Fluke45Note : public NoteWindow {
    Q_OBJECT
public:
    explicit Fluke45Note(Fluke45NoteSubject subject);

protected:
    void closeNote() override;

private:
    Fluke45NoteSubject m_subject;
};
