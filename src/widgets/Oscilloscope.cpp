#include "Oscilloscope.h"

#include "sim/signal/ScopeDescription.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor Bezel(0x24, 0x27, 0x2a);
const QColor Glass(0x06, 0x12, 0x0c);
const QColor Grid(0x4c, 0x7a, 0x62, 0xa0);
const QColor Border(0x6a, 0x9a, 0x80);
const QColor Phosphor(0x7c, 0xff, 0x9e);
const QColor Glow(0x3c, 0xff, 0x78, 0x48);
const QColor LabelText(0xd8, 0xe0, 0xdb);

constexpr int Margin = 8;             // logical pixels round the screen
constexpr int PreferredDivision = 32; // logical pixels
constexpr int SmallestDivision = 16;
constexpr int TicksPerDivision = 5;     // on the centre lines
constexpr double TickHalfLength = 0.07; // of a division
constexpr int TraceWidth = 2;           // logical pixels, a whole number of device pixels at whole scales
constexpr int GlowWidth = 6;

constexpr double MarkerLength = 7;     // logical pixels, the ground marker's reach into the margin
constexpr double MarkerHalfHeight = 4; // logical pixels

const QString Name = QStringLiteral("Osciloscopio");
// The channel the output is connected to, printed with its scale and marking its 0 V.
const QString Channel = QStringLiteral("CH1");
// Printed by the input, as on a scope whose input is terminated in 50 Ω.
const QString InputMark = QStringLiteral("entrada 50 \u03a9");

} // namespace

Oscilloscope::Oscilloscope(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(Name);
    setAccessibleDescription(describeScreen(m_signal, m_scale));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Oscilloscope::setSignal(ScopeSignal signal)
{
    m_signal = std::move(signal);
    m_scale = chooseScale(m_signal);
    m_traceScreen = {{-1, -1}, 0};
    // Told once, when what the screen shows changes, never at a repaint.
    const QString description = describeScreen(m_signal, m_scale);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
    update();
}

int Oscilloscope::labelStripHeight() const
{
    return fontMetrics().height() + Margin / 2;
}

ScopeScreen Oscilloscope::screenInDevicePixels() const
{
    const double ratio = devicePixelRatioF();
    const double across = (width() - 2 * Margin) * ratio / ScopeDivisionsAcross;
    const double high = (height() - 2 * Margin - labelStripHeight()) * ratio / ScopeDivisionsHigh;
    const int division = std::max(1, static_cast<int>(std::floor(std::min(across, high))));
    const int left = static_cast<int>(std::lround((width() * ratio - ScopeDivisionsAcross * division) / 2));
    return {{left, static_cast<int>(std::lround(Margin * ratio))}, division};
}

QPolygonF Oscilloscope::tracePoints() const
{
    const double ratio = devicePixelRatioF();
    QPolygonF points = scopeTrace(m_signal, m_scale, screenInDevicePixels());
    for (QPointF& point : points)
        point /= ratio;
    return points;
}

QPointF Oscilloscope::pointAt(double seconds, double volts) const
{
    return scopePoint(screenInDevicePixels(), m_scale, seconds, volts) / devicePixelRatioF();
}

QRectF Oscilloscope::screenRect() const
{
    const QRect rect = screenInDevicePixels().rect();
    const double ratio = devicePixelRatioF();
    return {QPointF(rect.topLeft()) / ratio, QSizeF(rect.size()) / ratio};
}

QSize Oscilloscope::sizeHint() const
{
    return {ScopeDivisionsAcross * PreferredDivision + 2 * Margin,
            ScopeDivisionsHigh * PreferredDivision + 2 * Margin + labelStripHeight()};
}

QSize Oscilloscope::minimumSizeHint() const
{
    return {ScopeDivisionsAcross * SmallestDivision + 2 * Margin,
            ScopeDivisionsHigh * SmallestDivision + 2 * Margin + labelStripHeight()};
}

void Oscilloscope::resizeEvent(QResizeEvent* event)
{
    m_traceScreen = {{-1, -1}, 0};
    QWidget::resizeEvent(event);
}

void Oscilloscope::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Bezel);

    const double ratio = devicePixelRatioF();
    const ScopeScreen screen = screenInDevicePixels();
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    paintGraticule(painter, screen);
    paintTrace(painter, screen);
    painter.restore();
    paintGroundMarker(painter, screenRect());
    paintLabels(painter, screenRect());
}

// A small arrow in the margin pointing at the channel's 0 V line, as a bench scope marks
// where its ground lies; it stands wherever the scale puts 0 V.
void Oscilloscope::paintGroundMarker(QPainter& painter, const QRectF& screen) const
{
    const double y = pointAt(0, 0).y();
    const double tip = screen.left() - 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Phosphor);
    painter.drawPolygon(QPolygonF{QPointF(tip, y), QPointF(tip - MarkerLength, y - MarkerHalfHeight),
                                  QPointF(tip - MarkerLength, y + MarkerHalfHeight)});
    painter.restore();
}

// One-pixel lines through the middle of whole pixels: the divisions, the border, and
// small ticks on the centre lines.
void Oscilloscope::paintGraticule(QPainter& painter, const ScopeScreen& screen) const
{
    const QRect rect = screen.rect();
    const int d = screen.division;
    painter.fillRect(rect.adjusted(0, 0, 1, 1), Glass);

    auto line = [&](double x1, double y1, double x2, double y2) {
        painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
    };
    const int left = rect.left();
    const int top = rect.top();
    const int right = left + ScopeDivisionsAcross * d;
    const int bottom = top + ScopeDivisionsHigh * d;
    painter.setPen(QPen(Grid, 1));
    for (int i = 1; i < ScopeDivisionsAcross; ++i)
        line(left + i * d, top, left + i * d, bottom);
    for (int j = 1; j < ScopeDivisionsHigh; ++j)
        line(left, top + j * d, right, top + j * d);

    const int middleX = left + ScopeDivisionsAcross / 2 * d;
    const int middleY = top + ScopeDivisionsHigh / 2 * d;
    const int tick = std::max(1, static_cast<int>(std::lround(TickHalfLength * d)));
    for (int i = 0; i <= ScopeDivisionsAcross * TicksPerDivision; ++i) {
        const int x = left + static_cast<int>(std::lround(double(i) * d / TicksPerDivision));
        line(x, middleY - tick, x, middleY + tick);
    }
    for (int j = 0; j <= ScopeDivisionsHigh * TicksPerDivision; ++j) {
        const int y = top + static_cast<int>(std::lround(double(j) * d / TicksPerDivision));
        line(middleX - tick, y, middleX + tick, y);
    }

    painter.setPen(QPen(Border, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left + 0.5, top + 0.5, right - left, bottom - top));
}

void Oscilloscope::paintTrace(QPainter& painter, const ScopeScreen& screen)
{
    if (m_traceScreen.topLeft != screen.topLeft || m_traceScreen.division != screen.division) {
        m_trace = scopeTrace(m_signal, m_scale, screen);
        m_traceScreen = screen;
    }
    if (m_trace.isEmpty())
        return;
    painter.setClipRect(screen.rect().adjusted(0, 0, 1, 1));
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::max(1.0, std::round(devicePixelRatioF()));
    painter.setPen(QPen(Glow, GlowWidth * scale, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPolyline(m_trace);
    painter.setPen(QPen(Phosphor, TraceWidth * scale, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(m_trace);
    painter.setClipping(false);
}

void Oscilloscope::paintLabels(QPainter& painter, const QRectF& screen) const
{
    const QRectF strip(screen.left(), screen.bottom() + Margin / 2.0, screen.width(), fontMetrics().height());
    painter.setPen(LabelText);
    painter.drawText(strip, Qt::AlignHCenter | Qt::AlignVCenter, InputMark);
    // The channel's name in its trace's colour, before its V/div.
    double channelRight = strip.right();
    if (m_signal.output != ScopeSignal::Output::None) {
        painter.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter, timebaseLabel(m_scale.secondsPerDivision));
        const QString vertical = verticalLabel(m_scale.voltsPerDivision);
        painter.drawText(strip, Qt::AlignRight | Qt::AlignVCenter, vertical);
        channelRight -= fontMetrics().horizontalAdvance(vertical) + fontMetrics().averageCharWidth();
    }
    painter.setPen(Phosphor);
    painter.drawText(QRectF(strip.left(), strip.top(), channelRight - strip.left(), strip.height()),
                     Qt::AlignRight | Qt::AlignVCenter, Channel);
}
