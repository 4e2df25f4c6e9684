#pragma once

#include <QDialog>

class QTextBrowser;

// A short help on how the tutorial is used, with the mouse and with the keyboard, opened
// by "&Ayuda" in any instrument window. There is one at a time: asking again brings the
// open one to the front. It blocks nothing and nothing waits for it; "&Cerrar", Esc or
// the close box release it. It belongs to no instrument window and stays open when the
// window that opened it is left.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Opens the help, or brings the open one to the front; returns it.
    static HelpWindow* showHelp();

protected:
    void reject() override; // Esc and the close box: the window goes, as with "&Cerrar"

private:
    HelpWindow();
};
