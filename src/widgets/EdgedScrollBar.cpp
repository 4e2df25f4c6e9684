#include "EdgedScrollBar.h"

#include <QPainter>

EdgedScrollBar::EdgedScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{ }

void EdgedScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    // The style's edge: the window's colour darkened, drawn partly transparent.
    QColor edge = palette().color(QPalette::Window).darker(140);
    edge.setAlpha(180);
    // Lines one device pixel wide along the outermost pixels, as the style's own edge.
    QPainter painter(this);
    const qreal px = 1.0 / devicePixelRatioF();
    const qreal w = width();
    const qreal h = height();
    if (orientation() == Qt::Vertical) { // the style draws the left edge
        painter.fillRect(QRectF(px, 0, w - px, px), edge);
        painter.fillRect(QRectF(w - px, px, px, h - px), edge);
        painter.fillRect(QRectF(px, h - px, w - 2 * px, px), edge);
    } else { // the style draws the top edge
        painter.fillRect(QRectF(0, px, px, h - px), edge);
        painter.fillRect(QRectF(px, h - px, w - px, px), edge);
        painter.fillRect(QRectF(w - px, px, px, h - 2 * px), edge);
    }
}
