#pragma once

#include <QLabel>

// An instrument's picture in the chooser: shows its hint, asks for the pointing cursor
// while the mouse moves over it, and reports a click. From the keyboard it is a button:
// Tab reaches it (a click does not give it the focus), Enter or Space report a click, and
// while the keyboard has brought the focus there a ring in the highlight colour frames
// it. Screen readers see a button named after the instrument.
class ChooserPicture : public QLabel {
    Q_OBJECT
public:
    explicit ChooserPicture(QWidget* parent);

    // As a click: what Enter, Space and a screen reader's press action do.
    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool showsFocusRing() const;

    bool m_pressed = false;
};
