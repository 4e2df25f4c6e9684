#include "LinkLabel.h"

#include "LinkLabelAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
    LinkLabelAccessible::install();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool press = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!press || (event->modifiers() & ~Qt::KeypadModifier)) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit clicked();
}

// A label that takes focus lays its text out as a text document, which sets it a pixel
// lower and taller than a plain label does; a link is measured and drawn as plain text,
// so that it looks as it did before it took focus.
QSize LinkLabel::sizeHint() const
{
    ensurePolished();
    const QRect text = fontMetrics().boundingRect(0, 0, 2000, 2000, Qt::AlignLeft, this->text());
    const QMargins m = contentsMargins();
    return text.size() + QSize(m.left() + m.right() + 2 * margin(), m.top() + m.bottom() + 2 * margin());
}

QSize LinkLabel::minimumSizeHint() const
{
    return sizeHint();
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect inside = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    style()->drawItemText(&painter, inside, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), text(), foregroundRole());
    if (!hasFocus())
        return;
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
