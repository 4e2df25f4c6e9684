#pragma once

#include <QLabel>

// An instrument's picture in the chooser: shows its hint, asks for the pointing cursor
// while the mouse moves over it, and reports a click.
class ChooserPicture : public QLabel
{
    Q_OBJECT
public:
    explicit ChooserPicture(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
