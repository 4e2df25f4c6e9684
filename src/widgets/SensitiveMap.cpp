#include "SensitiveMap.h"

#include "RegionOrder.h"
#include "SensitiveMapAccessible.h"
#include "platform/ScreenCursors.h"
#include "platform/WindowsFonts.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

SensitiveMap::SensitiveMap(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    SensitiveMapAccessible::install();
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
        placeLabel(n);
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
    m_readingOrderKnown = false;
    setFocusPolicy(Qt::TabFocus);

    label->setText(QLatin1Char(' ') + caption + QLatin1Char(' '));
    label->setFont(WindowsFonts::points(QStringLiteral("Times New Roman"), 10));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->adjustSize();
    placeLabel(m_count);
    label->hide();
    return true;
}

void SensitiveMap::placeLabel(int n) const
{
    const Region& region = m_regions[n];
    QLabel* label = region.label;
    if (!label)
        return;
    // Below the region, left-aligned with it; moved left to end at the region's right
    // edge when it would pass the map's right edge. Around the keyboard's region it
    // goes below the ring, which it would otherwise cover.
    int left = x() + int(region.left * m_scale);
    const int below = int(region.bottom * m_scale);
    const int top = y() + (wearsRing(n) ? std::min(below + RingOutset, height()) : below);
    if (left + label->width() > x() + width())
        left -= label->width() - int((region.right - region.left) * m_scale);
    label->move(left, top);
}

bool SensitiveMap::wearsRing(int n) const
{
    return n == m_focused && hasFocus() && isRegistered(n);
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
    if (wearsRing(m_focused))
        paintFocusRing(painter);
}

void SensitiveMap::paintFocusRing(QPainter& painter) const
{
    // A band in the highlight colour between a dark outer line and a light inner one,
    // around the region and inside the map, so that it shows on dark and light parts alike.
    const QRectF ring = QRectF(regionOnMap(m_focused))
                            .adjusted(-RingOutset, -RingOutset, RingOutset, RingOutset)
                            .intersected(QRectF(rect()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(ring.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring.adjusted(3.5, 3.5, -3.5, -3.5));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(ring.adjusted(2, 2, -2, -2));
}

void SensitiveMap::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position() / m_scale;
    const QPoint point(int(std::floor(p.x())), int(std::floor(p.y())));
    emit mouseMoved(point);
    const int r = regionAt(point.x(), point.y());
    if (r == m_current)
        return;
    showCaption(r, false);
    if (isRegistered(r)) {
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
    hideCaption();
}

void SensitiveMap::showCaption(int n, bool byKeyboard)
{
    hideCaption();
    if (!isRegistered(n) || !m_regions[n].label)
        return;
    placeLabel(n);
    m_regions[n].label->show();
    m_regions[n].label->raise();
    m_shown = n;
    m_shownByKeyboard = byKeyboard;
}

void SensitiveMap::hideCaption()
{
    if (isRegistered(m_shown) && m_regions[m_shown].label)
        m_regions[m_shown].label->hide();
    m_shown = NoRegion;
}

bool SensitiveMap::isReachable(int n) const
{
    const std::vector<int>& order = readingOrder();
    return std::find(order.begin(), order.end(), n) != order.end();
}

QRect SensitiveMap::regionOnMap(int n) const
{
    if (!isRegistered(n))
        return {};
    const Region& r = m_regions[n];
    return QRect(QPoint(int(r.left * m_scale), int(r.top * m_scale)),
                 QPoint(int(r.right * m_scale) - 1, int(r.bottom * m_scale) - 1));
}

void SensitiveMap::setRegionDescription(int n, const QString& description)
{
    if (isRegistered(n))
        m_regions[n].description = description;
}

QString SensitiveMap::regionDescription(int n) const
{
    return isRegistered(n) ? m_regions[n].description : QString();
}

std::vector<QRect> SensitiveMap::regionsFromZero() const
{
    std::vector<QRect> rects;
    for (int n = 1; n <= m_count; ++n)
        rects.push_back(region(n));
    return rects;
}

const std::vector<int>& SensitiveMap::readingOrder() const
{
    if (!m_readingOrderKnown) {
        m_readingOrder = RegionOrder::readingOrder(regionsFromZero());
        for (int& n : m_readingOrder)
            ++n;
        m_readingOrderKnown = true;
    }
    return m_readingOrder;
}

int SensitiveMap::nearest(int key) const
{
    using RegionOrder::Direction;
    const Direction direction = key == Qt::Key_Left    ? Direction::Left
                                : key == Qt::Key_Right ? Direction::Right
                                : key == Qt::Key_Up    ? Direction::Up
                                                       : Direction::Down;
    std::vector<int> order = readingOrder();
    for (int& n : order)
        --n;
    const int found = RegionOrder::nearest(regionsFromZero(), order, m_focused - 1, direction);
    return found < 0 ? m_focused : found + 1;
}

void SensitiveMap::focusRegion(int n)
{
    m_focused = n;
    showCaption(n, true);
    update();
    announceFocus();
}

void SensitiveMap::announceFocus()
{
    if (!hasFocus() || !isRegistered(m_focused))
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(m_focused - 1);
    QAccessible::updateAccessibility(&event);
}

void SensitiveMap::pressRegion(int n)
{
    if (!isReachable(n))
        return;
    emit clicked(n);
    hideCaption();
}

void SensitiveMap::keyPressEvent(QKeyEvent* event)
{
    const std::vector<int>& order = readingOrder();
    if (order.empty() || !isReachable(m_focused) || (event->modifiers() & ~Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        focusRegion(nearest(event->key()));
        break;
    case Qt::Key_Home:
        focusRegion(order.front());
        break;
    case Qt::Key_End:
        focusRegion(order.back());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            pressRegion(m_focused);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SensitiveMap::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    const std::vector<int>& order = readingOrder();
    if (order.empty())
        return;
    // Back in its window, the map is where it was; otherwise the keyboard takes the caption.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        m_focused = isReachable(m_focused) ? m_focused : order.front();
        showCaption(m_focused, true);
    }
    if (isRegistered(m_shown))
        placeLabel(m_shown); // the ring is back around it
    update();
    // After the map's own focus is announced, which follows this event, so that a screen
    // reader speaks the region and not the picture.
    QMetaObject::invokeMethod(this, &SensitiveMap::announceFocus, Qt::QueuedConnection);
}

void SensitiveMap::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
    const bool leftWindow = event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (!leftWindow && m_shownByKeyboard)
        hideCaption();
    else if (isRegistered(m_shown))
        placeLabel(m_shown); // back against its region, the ring gone
}
