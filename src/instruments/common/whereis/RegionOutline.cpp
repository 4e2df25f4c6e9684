#include "RegionOutline.h"

#include "widgets/Decorative.h"

#include <QPainter>

RegionOutline::RegionOutline(QWidget* parent)
    : QWidget(parent)
{
    // What the frame marks is said in words by the verdict and by the region itself.
    Decorative::mark(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void RegionOutline::frame(QRect region, QRect picture)
{
    const int out = Gap + Width + 1;
    const QRect outer = region.adjusted(-out, -out, out, out).intersected(picture);
    setGeometry(outer);
    m_band = rect();
    show();
    update();
}

void RegionOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(220, 0, 0), Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal half = Width / 2.0;
    painter.drawRect(QRectF(m_band).adjusted(half, half, -half, -half));
    // A light line inside the band, so that it shows on the dark parts of a panel too.
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(m_band).adjusted(Width + 0.5, Width + 0.5, -Width - 0.5, -Width - 0.5));
}
