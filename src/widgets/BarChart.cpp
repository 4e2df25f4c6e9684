#include "widgets/BarChart.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr qreal TrackLength = 160; // on screen, in pixels
constexpr int FocusRingWidth = 2;
constexpr int Margin = 4;         // room for the focus ring round the rows
constexpr qreal PaperEdge = 0.75; // the track's edge on paper, in the painter's units

const QColor TrackEdge(96, 96, 96);
const QColor TrackGround(255, 255, 255);
const QColor Reached(40, 110, 190);

// Where each part of a row goes, in the chart's own coordinates.
struct RowGeometry {
    qreal labelWidth; // the widest label, and the room after it
    qreal rowHeight;
    qreal barHeight;
    qreal figureGap;
};

RowGeometry rowGeometry(const std::vector<ChartBar>& bars, const QFont& font)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const ChartBar& bar : bars)
        widest = std::max(widest, metrics.horizontalAdvance(bar.label));
    const qreal em = metrics.height();
    return {widest + em * 0.75, em * 1.5, std::round(em * 0.8), em * 0.5};
}

qreal widestFigure(const std::vector<ChartBar>& bars, const QFont& font)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const ChartBar& bar : bars)
        widest = std::max(widest, metrics.horizontalAdvance(bar.figure));
    return widest;
}

// A rectangle whose edges lie on whole device pixels at this ratio (unchanged for 0).
QRectF onDevicePixels(const QRectF& r, qreal ratio)
{
    if (ratio <= 0)
        return r;
    const auto snap = [ratio](qreal v) { return std::round(v * ratio) / ratio; };
    return QRectF(QPointF(snap(r.left()), snap(r.top())), QPointF(snap(r.right()), snap(r.bottom())));
}

// What a screen reader sees: a chart, named as the window names it, described by its figures.
class BarChartAccessible : public QAccessibleWidget {
public:
    explicit BarChartAccessible(QWidget* chart)
        : QAccessibleWidget(chart, QAccessible::Chart)
    { }
};

QAccessibleInterface* barChartFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(BarChart::staticMetaObject.className()) && object->isWidgetType())
        return new BarChartAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

BarChart::BarChart(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(barChartFactory), true);
    Q_UNUSED(installed);
    setFocusPolicy(Qt::TabFocus);
}

void BarChart::setBars(std::vector<ChartBar> bars)
{
    m_bars = std::move(bars);
    const QString description = describe(m_bars);
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
    updateGeometry();
    update();
}

QString BarChart::describe(const std::vector<ChartBar>& bars)
{
    QStringList sentences;
    for (const ChartBar& bar : bars)
        sentences << bar.label + QStringLiteral(": ") + bar.figure + QLatin1Char('.');
    return sentences.join(QLatin1Char(' '));
}

QSizeF BarChart::sizeFor(const std::vector<ChartBar>& bars, const QFont& font, qreal trackLength)
{
    const RowGeometry row = rowGeometry(bars, font);
    return {row.labelWidth + trackLength + row.figureGap + widestFigure(bars, font),
            row.rowHeight * qreal(bars.size())};
}

void BarChart::paint(QPainter& painter, QPointF origin, const std::vector<ChartBar>& bars, const QFont& font,
                     qreal trackLength, qreal devicePixelRatio)
{
    const RowGeometry row = rowGeometry(bars, font);
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const ChartBar& bar = bars[i];
        const qreal top = origin.y() + row.rowHeight * qreal(i);
        const qreal baseline = top + (row.rowHeight - metrics.height()) / 2 + metrics.ascent();
        painter.setPen(Qt::black);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawText(QPointF(origin.x(), baseline), bar.label);

        // The track: a white ground, the part reached filled, and an edge round it: on a
        // screen a band of whole device pixels under the ground, on paper a thin stroke.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        const QRectF track = onDevicePixels(
            QRectF(origin.x() + row.labelWidth, top + (row.rowHeight - row.barHeight) / 2, trackLength, row.barHeight),
            devicePixelRatio);
        QRectF inside = track;
        if (devicePixelRatio > 0) {
            const qreal edge = std::max(1.0, std::round(devicePixelRatio)) / devicePixelRatio;
            painter.fillRect(track, TrackEdge);
            inside.adjust(edge, edge, -edge, -edge);
        }
        painter.fillRect(inside, TrackGround);
        if (bar.total > 0 && bar.value > 0) {
            QRectF reached = inside;
            reached.setWidth(inside.width() * std::min(1.0, qreal(bar.value) / qreal(bar.total)));
            painter.fillRect(onDevicePixels(reached, devicePixelRatio), Reached);
        }
        if (devicePixelRatio <= 0) {
            painter.setPen(QPen(TrackEdge, PaperEdge));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(track);
        }

        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(track.right() + row.figureGap, baseline), bar.figure);
    }
    painter.restore();
}

QSize BarChart::sizeHint() const
{
    const QSizeF chart = sizeFor(m_bars, font(), TrackLength);
    return QSize(int(std::ceil(chart.width())), int(std::ceil(chart.height()))) + QSize(2 * Margin, 2 * Margin);
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QPointF(Margin, Margin), m_bars, font(), TrackLength, devicePixelRatioF());
    // The ring shows, as on Qt's own controls, once the keyboard has moved the focus here.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPen pen(palette().color(QPalette::Highlight), FocusRingWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const qreal inset = FocusRingWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}
