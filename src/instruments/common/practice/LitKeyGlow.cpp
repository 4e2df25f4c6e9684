#include "LitKeyGlow.h"

#include <QPainter>

namespace {
const QColor Rim(255, 196, 0);
const QColor Halo(255, 170, 0);
} // namespace

void paintLitKeyGlow(QPainter& painter, const QRectF& key)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // The halo, from the rim outwards, fainter at each step.
    for (int step = 3; step >= 1; --step) {
        QColor c = Halo;
        c.setAlphaF(0.5 - 0.15 * step);
        painter.setPen(QPen(c, 1.5));
        const double out = step - 0.25;
        painter.drawRoundedRect(key.adjusted(-out, -out, out, out), 3 + step, 3 + step);
    }
    // The rim, on the key's own edge: its face and the legends printed round it stay
    // as the picture prints them.
    painter.setPen(QPen(Rim, 1.5));
    painter.drawRoundedRect(key.adjusted(0.75, 0.75, -0.75, -0.75), 2.5, 2.5);
    painter.restore();
}
