#include "SensitiveMap.h"

#include "platform/ScreenCursors.h"
#include "platform/WindowsFonts.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

SensitiveMap::SensitiveMap(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void SensitiveMap::setPicture(const QPixmap& picture, QSize pictureSize)
{
    m_picture = picture;
    m_pictureSize = picture.isNull() ? QSize() : pictureSize;
    setFixedSize(m_pictureSize.isValid() ? m_pictureSize * m_scale : QSize(0, 0));
    update();
}

void SensitiveMap::setDisplayScale(qreal scale)
{
    m_scale = scale;
    setPicture(m_picture, m_pictureSize);
    for (int n = 1; n <= m_count; ++n)
        placeLabel(m_regions[n]);
}

bool SensitiveMap::addRegion(int x1, int y1, int x2, int y2, const QString& caption, QLabel* label)
{
    if (m_picture.isNull() || m_pictureSize.height() <= 0)
        return false;
    const int w = m_pictureSize.width();
    const int h = m_pictureSize.height();
    const auto inRange = [](int v, int max) { return v >= 0 && v <= max; };
    if (!inRange(x1, w) || !inRange(y1, h) || !inRange(x2, w) || !inRange(y2, h))
        return true;
    if (m_count >= Capacity || !label)
        return false;

    Region& region = m_regions[++m_count];
    region.left = std::min(x1, x2);
    region.right = std::max(x1, x2);
    region.top = std::min(y1, y2);
    region.bottom = std::max(y1, y2);
    region.label = label;

    label->setText(QLatin1Char(' ') + caption + QLatin1Char(' '));
    label->setFont(WindowsFonts::points(QStringLiteral("Times New Roman"), 10));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->adjustSize();
    placeLabel(region);
    label->hide();
    return true;
}

void SensitiveMap::placeLabel(const Region& region) const
{
    QLabel* label = region.label;
    if (!label)
        return;
    // Below the region, left-aligned with it; moved left to end at the region's right
    // edge when it would pass the map's right edge.
    int left = x() + int(region.left * m_scale);
    const int top = y() + int(region.bottom * m_scale);
    if (left + label->width() > x() + width())
        left -= label->width() - int((region.right - region.left) * m_scale);
    label->move(left, top);
}

int SensitiveMap::regionAt(int x, int y) const
{
    for (int n = 1; n <= m_count; ++n) {
        const Region& r = m_regions[n];
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return n;
    }
    return NoRegion;
}

QString SensitiveMap::regionCaption(int n) const
{
    if (!isRegistered(n) || !m_regions[n].label)
        return {};
    return m_regions[n].label->text();
}

QRect SensitiveMap::region(int n) const
{
    if (!isRegistered(n))
        return {};
    const Region& r = m_regions[n];
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

void SensitiveMap::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void SensitiveMap::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position() / m_scale;
    const QPoint point(int(std::floor(p.x())), int(std::floor(p.y())));
    emit mouseMoved(point);
    const int r = regionAt(point.x(), point.y());
    if (r == m_current)
        return;
    if (isRegistered(m_current) && m_regions[m_current].label)
        m_regions[m_current].label->hide();
    if (isRegistered(r)) {
        if (QLabel* label = m_regions[r].label) {
            label->show();
            label->raise();
        }
        setCursor(ScreenCursors::cursor(m_regionCursor));
    } else {
        unsetCursor();
    }
    m_current = r;
}

void SensitiveMap::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void SensitiveMap::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (!click)
        return;
    emit clicked(m_current);
    if (isRegistered(m_current) && m_regions[m_current].label)
        m_regions[m_current].label->hide();
}
