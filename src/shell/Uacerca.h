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

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The contents are laid out when the box is first shown, so that start-up does not
    // wait for what may never be looked at.
    void buildContents();
    bool m_built = false;
};
