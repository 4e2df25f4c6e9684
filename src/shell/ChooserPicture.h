#pragma once

#include <QLabel>

// An instrument's picture in the chooser: shows its hint, asks for the pointing cursor
// while the mouse moves over it, and reports a click.
class ChooserPicture : public QLabel
{
    Q_OBJECT
public:
    ChooserPicture(int tag, QWidget* parent);
    int tag() const { return m_tag; }

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_tag;
    bool m_pressed = false;
};
