#pragma once

#include "NoteLayout.h"

#include <QDialog>

class QPushButton;

// A small window of fixed text with no title-bar buttons: its one button (or Enter) is
// the only way to close it.
class NoteWindow : public QDialog
{
    Q_OBJECT
public:
    explicit NoteWindow(const NoteLayout& layout);

protected:
    // The closing button: releases the note; instruments add what they record.
    virtual void closeNote();
    void reject() override {} // Esc does not close a note

private:
    QPushButton* m_button = nullptr;
};
