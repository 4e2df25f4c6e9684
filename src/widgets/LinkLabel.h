#pragma once

#include <QLabel>

// A line of text that works as a link: a click on it (pressed and released over it with
// the left button) raises clicked(), and so do Enter and Space while it has the keyboard,
// which Tab gives it; a dotted frame shows that it has.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};
