#pragma once

#include <QDialog>

// The about box: created once at start-up, hidden, and shown modally each time it is
// asked for; the same box every time.
class TFormAcerca : public QDialog
{
    Q_OBJECT
public:
    TFormAcerca();

    // Shows the box and returns when it is closed.
    void showModally();
};
