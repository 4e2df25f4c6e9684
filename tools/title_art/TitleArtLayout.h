#pragma once

#include "TitleLines.h"

#include <QFont>
#include <QRectF>
#include <QSize>

#include <optional>
#include <vector>

// The one lettering of every title: Lato Black, orange with a light edge above and left,
// drawn out four pixels below and right in darkening browns, over a faint shadow.
namespace TitleLettering {
inline constexpr qreal HighlightOffset = -0.7;
inline constexpr int ExtrusionDepth = 4;
inline constexpr qreal ShadowOffset = 5.5;
// From the edges of the picture, and from what covers it.
inline constexpr int Margin = 4;
// Between a line's shadow and the light edge of the line below.
inline constexpr int LineGap = 4;
QFont font(qreal pixelSize);
} // namespace TitleLettering

// A line placed on the picture: its size and where its baseline starts, with the box its
// letters cover (light edge, extrusion and shadow included) and their own ink's height.
struct PlacedLine {
    QString text;
    qreal size = 0;
    QPointF baseline;
    QRectF drawn;
    qreal inkTop = 0;    // from the baseline, for the gradient
    qreal inkBottom = 0; // from the baseline
};

// Lays the lines out as large as they fit: one size for the plain lines (each other line
// by its scale), stacked LineGap apart and centred as a block from top to bottom, each
// line centred across the width left to it. `covered` is the part of the picture that
// something in front of it hides (empty when nothing does): a line level with it keeps
// Margin away from it. Nothing when the lines fit at no size.
std::optional<std::vector<PlacedLine>> layOutTitle(const std::vector<TitleLine>& lines, QSize picture, QRectF covered);
