#pragma once

#include <QScrollBar>

// A scroll bar that closes its own outline. The style draws one long edge of a scroll
// bar and leaves the others, and the far ends of its slider and arrows, to the frame of
// the scroll area round it; in a text box without a frame the bar then looks cut off.
// This one draws the missing edges in the colour of the one the style draws.
class EdgedScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit EdgedScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
