#include "PageCurl.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace PageCurl {

QPixmap frame(const QPixmap& page, QSize size, int step)
{
    const qreal ratio = page.devicePixelRatio();
    QPixmap result(size * ratio);
    result.setDevicePixelRatio(ratio);
    result.fill(QColor(192, 192, 192));

    const qreal w = size.width();
    const qreal h = size.height();
    // How far the corner has folded, as a share of the shorter side.
    const qreal fold = std::min(w, h) * (0.30 + 0.18 * (step - 1));
    const QPointF onBottom(w - fold, h);
    const QPointF onRight(w, h - fold);
    const QPointF foldedCorner(w - fold, h - fold);

    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    QPainterPath visiblePage;
    visiblePage.moveTo(0, 0);
    visiblePage.lineTo(w, 0);
    visiblePage.lineTo(onRight);
    visiblePage.lineTo(onBottom);
    visiblePage.lineTo(0, h);
    visiblePage.closeSubpath();
    painter.save();
    painter.setClipPath(visiblePage);
    painter.drawPixmap(QRectF(0, 0, w, h), page, QRectF(QPointF(0, 0), page.size()));
    // The turning page darkens a little as it leaves the light.
    painter.fillRect(QRectF(0, 0, w, h), QColor(0, 0, 0, 18 * step));
    painter.restore();

    QPainterPath flap;
    flap.moveTo(onBottom);
    flap.lineTo(onRight);
    flap.lineTo(foldedCorner);
    flap.closeSubpath();
    QLinearGradient back(foldedCorner, (onBottom + onRight) / 2);
    back.setColorAt(0, QColor(250, 250, 245));
    back.setColorAt(1, QColor(170, 170, 165));
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(back);
    painter.drawPath(flap);
    return result;
}

} // namespace PageCurl
