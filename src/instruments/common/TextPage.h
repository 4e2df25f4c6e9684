#pragma once

#include "NoteWindow.h"

// A page of fixed information in an ordinary, resizable window. Its button and its
// title bar's close box both close it for good; pages stay open on their own while the
// window that opened them goes.
class TextPage : public NoteWindow {
    Q_OBJECT
public:
    explicit TextPage(const NoteLayout& layout);

protected:
    void closeEvent(QCloseEvent* event) override;
};
