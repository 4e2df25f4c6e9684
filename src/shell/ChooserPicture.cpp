#include "ChooserPicture.h"

#include "platform/ScreenCursors.h"

#include <QMouseEvent>

ChooserPicture::ChooserPicture(QWidget* parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

void ChooserPicture::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    QLabel::mouseMoveEvent(event);
}

void ChooserPicture::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ChooserPicture::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}
