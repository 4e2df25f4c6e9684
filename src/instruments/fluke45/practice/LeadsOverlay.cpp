#include "instruments/fluke45/practice/LeadsOverlay.h"

#include "sim/common/InstrumentInputs.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// A cable is drawn as this many straight pieces along its curve: smooth at 2×, and far
// cheaper to stroke and to repaint than the curve itself.
constexpr int pieces = 32;
// What a cable covers beside its line: the plug's radius and the pen's width.
constexpr int reach = 8;

// The cubic Bézier curve from a to d through the control points b and c, as a polyline.
QPolygonF bezier(QPointF a, QPointF b, QPointF c, QPointF d)
{
    QPolygonF line;
    line.reserve(pieces + 1);
    for (int i = 0; i <= pieces; ++i) {
        const double t = double(i) / pieces, u = 1 - t;
        line << u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
    }
    return line;
}

} // namespace

LeadsOverlay::LeadsOverlay(std::function<Ends(int lead)> ends, QWidget* parent)
    : QWidget(parent)
    , m_ends(std::move(ends))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    parent->installEventFilter(this);
    setGeometry(parent->rect());
    raise();
}

bool LeadsOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        m_drawn = QRegion(rect());
    }
    return QWidget::eventFilter(watched, event);
}

QPolygonF LeadsOverlay::cableOf(int lead) const
{
    const Ends ends = m_ends(lead);
    if (ends.plug && ends.tip) {
        const QPointF from = *ends.plug, to = *ends.tip;
        // A cable sags below both its ends.
        const double sag = 40 + std::abs(to.x() - from.x()) * 0.15;
        return bezier(from, from + QPointF(0, sag), to + QPointF(0, sag), to);
    }
    if (!ends.plug && !ends.tip)
        return {};
    // One end held: the cable leaves it sideways and hangs to where the loose end lies (a
    // lead in a jack, its tip in the air, dangles beside the jacks; a tip on a point, its
    // plug out, lies on the board). The line runs from the plug to the tip all the same.
    const QPointF held = ends.plug.value_or(ends.tip.value_or(QPointF()));
    const QPointF loose = held + ends.hang;
    const QPolygonF cable =
        bezier(held, held + QPointF(ends.hang.x(), 0), loose - QPointF(0, ends.hang.y() / 2), loose);
    return ends.plug ? cable : QPolygonF(cable.rbegin(), cable.rend());
}

// The strip a cable covers, as small rectangles along it: what moving it paints again is
// that strip, not the box around it, which spans most of the window.
QRegion LeadsOverlay::stripOf(const QPolygonF& cable)
{
    QRegion strip;
    for (qsizetype i = 1; i < cable.size(); ++i)
        strip += QRectF(cable[i - 1], cable[i]).normalized().toAlignedRect().adjusted(-reach, -reach, reach, reach);
    return strip;
}

void LeadsOverlay::follow()
{
    QRegion now;
    for (int lead = 0; lead < leadCount; ++lead)
        now += stripOf(cableOf(lead));
    if (now == m_drawn)
        return;
    update(m_drawn + now);
    m_drawn = now;
}

QRegion LeadsOverlay::drawable() const
{
    QRegion region(rect());
    for (const QWidget* control : m_clearOf)
        if (control->isVisible())
            region -= QRect(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    return region;
}

void LeadsOverlay::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setClipRegion(drawable() & event->region());
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(0xd0, 0x20, 0x20, 220), QColor(0x18, 0x18, 0x18, 220)};
    for (int lead = 0; lead < leadCount; ++lead) {
        const QPolygonF cable = cableOf(lead);
        // A cable the repainted part does not reach is not stroked at all.
        if (cable.isEmpty() || !event->region().intersects(stripOf(cable)))
            continue;
        p.setPen(QPen(colours[lead], 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(cable);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colours[lead]);
        p.drawEllipse(cable.first(), 6, 6);
        p.drawEllipse(cable.last(), 3.5, 3.5);
    }
}
