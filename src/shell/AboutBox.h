#pragma once

#include <QDialog>

// The about box: created once at start-up, hidden, and shown modally each time it is
// asked for; the same box every time.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox();

    // Shows the box and returns when it is closed.
    void showModally();

    // The contents are built before the box is first shown (children added during the
    // show itself would stay hidden).
    void setVisible(bool visible) override;

private:
    // The contents are laid out when the box is first shown, so that start-up does not
    // wait for what may never be looked at.
    void buildContents();
    bool m_built = false;
};
