#include "TitleArtLayout.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Outlines are measured once at a large size and scaled: they grow with the size exactly.
constexpr qreal ReferenceSize = 1000;

QRectF inkAt(const QString& text, qreal size)
{
    QPainterPath path;
    path.addText(0, 0, TitleLettering::font(ReferenceSize), text);
    const QRectF ink = path.boundingRect();
    const qreal k = size / ReferenceSize;
    return {ink.x() * k, ink.y() * k, ink.width() * k, ink.height() * k};
}

QRectF withEffects(const QRectF& ink)
{
    using namespace TitleLettering;
    return ink.adjusted(HighlightOffset, HighlightOffset, ShadowOffset, ShadowOffset);
}

// The stretch of [0, width] a line between `top` and `bottom` may take.
std::pair<qreal, qreal> widthLeft(qreal top, qreal bottom, qreal width, const QRectF& covered)
{
    using TitleLettering::Margin;
    qreal left = Margin, right = width - Margin;
    if (!covered.isEmpty() && bottom > covered.top() - Margin && top < covered.bottom() + Margin) {
        if (covered.left() <= 0)
            left = std::max(left, covered.right() + Margin);
        else if (covered.right() >= width)
            right = std::min(right, covered.left() - Margin);
    }
    return {left, right};
}

std::optional<std::vector<PlacedLine>> layOutAt(qreal size, const std::vector<TitleLine>& lines, QSize picture,
                                                const QRectF& covered)
{
    using namespace TitleLettering;
    std::vector<PlacedLine> placed;
    qreal blockHeight = -LineGap;
    for (const TitleLine& line : lines) {
        const qreal lineSize = size * line.scale;
        const QRectF ink = inkAt(line.text, lineSize);
        placed.push_back({line.text, lineSize, {}, withEffects(ink), ink.top(), ink.bottom()});
        blockHeight += placed.back().drawn.height() + LineGap;
    }
    if (blockHeight > picture.height() - 2 * Margin)
        return std::nullopt;
    // Whole pixels for the baselines and the starts, so that the letters stand as crisp at
    // 1x as the face allows.
    qreal top = std::floor((picture.height() - blockHeight) / 2);
    std::vector<std::pair<qreal, qreal>> widths;
    qreal commonLeft = 0, commonRight = picture.width();
    for (PlacedLine& line : placed) {
        line.baseline.setY(std::round(top - line.drawn.top()));
        top = line.baseline.y() + line.drawn.bottom() + LineGap;
        widths.push_back(widthLeft(line.baseline.y() + line.drawn.top(), line.baseline.y() + line.drawn.bottom(),
                                   picture.width(), covered));
        commonLeft = std::max(commonLeft, widths.back().first);
        commonRight = std::min(commonRight, widths.back().second);
    }
    // One axis for every line where each fits on it, else each centred on its own width.
    const bool oneAxis = std::all_of(placed.begin(), placed.end(), [&](const PlacedLine& line) {
        return line.drawn.width() <= commonRight - commonLeft;
    });
    for (std::size_t n = 0; n < placed.size(); ++n) {
        PlacedLine& line = placed[n];
        const auto [left, right] = oneAxis ? std::pair{commonLeft, commonRight} : widths[n];
        line.baseline.setX(std::round((left + right - line.drawn.width()) / 2 - line.drawn.left()));
        line.drawn.translate(line.baseline);
        if (line.drawn.left() < left - 0.5 || line.drawn.right() > right + 0.5
            || line.drawn.bottom() > picture.height() - Margin + 0.5)
            return std::nullopt;
    }
    return placed;
}

} // namespace

QFont TitleLettering::font(qreal pixelSize)
{
    QFont font(QStringLiteral("Lato"));
    font.setWeight(QFont::Black);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    return font;
}

std::optional<std::vector<PlacedLine>> layOutTitle(const std::vector<TitleLine>& lines, QSize picture, QRectF covered)
{
    // The largest size, to a tenth of a pixel, at which every line fits.
    std::optional<std::vector<PlacedLine>> best;
    for (qreal size = 6; size < picture.height(); size += 0.1) {
        auto laidOut = layOutAt(size, lines, picture, covered);
        if (!laidOut)
            break;
        best = std::move(laidOut);
    }
    return best;
}
