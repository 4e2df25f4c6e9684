#pragma once

#include <QRectF>

class QPainter;

// How a key that a hint lights looks on a panel's picture: an amber rim on its edge and
// a glow fading out over three pixels round it, as a key lit from below looks, so that a
// key of any colour reads as lit while its face and legends stay as the picture prints
// them.
void paintLitKeyGlow(QPainter& painter, const QRectF& key);
