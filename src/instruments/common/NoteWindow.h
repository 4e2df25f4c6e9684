#pragma once

#include "NoteLayout.h"

#include <QDialog>

class QPushButton;

// A small window of fixed text and one button that closes it (Enter presses it). A note
// has no title-bar buttons, so the button is the only way out; a page has the usual ones.
class NoteWindow : public QDialog {
    Q_OBJECT
public:
    enum class TitleBar { Bare, Ordinary };
    explicit NoteWindow(const NoteLayout& layout, TitleBar titleBar = TitleBar::Bare);

protected:
    // The closing button: releases the note; instruments add what they record.
    virtual void closeNote();
    void reject() override { } // Esc does not close a note

private:
    QPushButton* m_button = nullptr;
};
