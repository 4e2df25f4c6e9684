#include "PageCurl.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace PageCurl {

namespace {

const QColor ground(192, 192, 192);

// Where the page folds: the fold runs from `top` (on the page's top or right edge) down
// to `bottom` (on its bottom edge); what lies right of it has turned over. The turned part
// is rolled, not flat: its back shows as a flap left of the fold whose tip lies `depth`
// from the fold, at `along` (0 at `top`, 1 at `bottom`).
struct Fold {
    QPointF top;
    QPointF bottom;
    qreal along;
    qreal depth;
};

// Frame 2 (step 1) keeps the whole page and lifts its lower right corner; frames 3 and 4
// are narrower: the fold meets the top edge at the frame's right edge and slants down to
// the left, the lower corner having turned furthest.
Fold foldFor(qreal w, qreal h, int step)
{
    if (step == 1) {
        const qreal s = std::min(w, h);
        const QPointF top(w, h - 0.40 * s);
        const QPointF bottom(w - 0.50 * s, h);
        // The corner's distance from the fold: a flat fold would put the tip as far inside.
        const QLineF fold(top, bottom);
        const qreal corner =
            std::abs((bottom.x() - top.x()) * (top.y() - h) - (top.x() - w) * (bottom.y() - top.y())) / fold.length();
        return {top, bottom, 0.5, 0.8 * corner};
    }
    const QPointF top(w - 1, 0);
    const QPointF bottom(w - std::min(0.55 * w, 0.45 * h), h);
    return {top, bottom, 0.75, 0.6 * (top.x() - bottom.x()) + 3};
}

// The unit normal of the fold pointing into the page that stays (left of the fold).
QPointF inward(const Fold& fold)
{
    const QPointF d = fold.bottom - fold.top; // downwards and to the left
    return QPointF(-d.y(), d.x()) / std::hypot(d.x(), d.y());
}

} // namespace

QPixmap frame(const QPixmap& page, QSize size, int step)
{
    const qreal ratio = page.devicePixelRatio();
    QPixmap result(size * ratio);
    result.setDevicePixelRatio(ratio);
    result.fill(ground);

    const qreal w = size.width();
    const qreal h = size.height();
    const Fold fold = foldFor(w, h, step);
    const QPointF in = inward(fold);
    const QPointF foot = fold.top + (fold.bottom - fold.top) * fold.along;
    QPointF tip = foot + in * fold.depth;
    tip.setX(std::max(tip.x(), 2.0)); // the tip stays inside the frame
    const QPointF middle = (fold.top + fold.bottom) / 2;

    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // The page that stays, at its own size (never squeezed), cut off at the fold.
    QPainterPath stays;
    stays.moveTo(0, 0);
    stays.lineTo(fold.top.x(), 0);
    stays.lineTo(fold.top);
    stays.lineTo(fold.bottom);
    stays.lineTo(0, h);
    stays.closeSubpath();
    painter.save();
    painter.setClipPath(stays);
    painter.drawPixmap(QPointF(0, 0), page);
    painter.restore();

    // The ground uncovered by the turned part, darker in the page's shadow along the fold.
    QPainterPath uncovered;
    uncovered.moveTo(fold.top);
    uncovered.lineTo(w, fold.top.y());
    uncovered.lineTo(w, h);
    uncovered.lineTo(fold.bottom);
    uncovered.closeSubpath();
    QLinearGradient shade(middle, middle - in * 7);
    shade.setColorAt(0, ground.darker(135));
    shade.setColorAt(1, ground);
    painter.fillPath(uncovered, shade);

    // The back of the turned part: a rolled flap from the fold to its tip.
    QPainterPath flap;
    flap.moveTo(fold.top);
    flap.quadTo(fold.top + (tip - fold.top) * 0.55 + in * fold.depth * 0.35, tip);
    flap.quadTo(fold.bottom + (tip - fold.bottom) * 0.45 + in * fold.depth * 0.15, fold.bottom);
    flap.closeSubpath();

    // Its soft shadow on the page beneath.
    painter.save();
    painter.setClipPath(stays);
    for (int i = 1; i <= 2; ++i)
        painter.fillPath(flap.translated(in * i * 0.9 + QPointF(0, i * 0.6)), QColor(0, 0, 0, 45));
    painter.restore();

    QLinearGradient back(foot, tip);
    back.setColorAt(0, QColor(196, 196, 190));
    back.setColorAt(0.4, QColor(252, 252, 248));
    back.setColorAt(1, QColor(214, 214, 206));
    painter.setPen(QPen(QColor(100, 100, 100, 200), 0.8));
    painter.setBrush(back);
    painter.drawPath(flap);
    return result;
}

} // namespace PageCurl
