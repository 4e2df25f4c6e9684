#pragma once

#include "instruments/common/NoteWindow.h"

// The Fluke 45's two notes, on its number editor and its list editor. While either is
// open the Fluke 45's window cannot be left.
const NoteLayout& numberEditorNoteLayout();
const NoteLayout& listEditorNoteLayout();

class Fluke45Note : public NoteWindow
{
    Q_OBJECT
public:
    // note: Note::Fluke45NumberEditor or Note::Fluke45ListEditor.
    explicit Fluke45Note(int note);

protected:
    void closeNote() override;

private:
    int m_note;
};
