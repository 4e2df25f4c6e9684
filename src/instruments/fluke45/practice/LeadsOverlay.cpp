#include "instruments/fluke45/practice/LeadsOverlay.h"

#include "sim/common/InstrumentInputs.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

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
        m_drawn = rect();
    }
    return QWidget::eventFilter(watched, event);
}

QPainterPath LeadsOverlay::cableOf(int lead) const
{
    const Ends ends = m_ends(lead);
    if (ends.plug && ends.tip) {
        const QPointF from = *ends.plug, to = *ends.tip;
        // A cable sags below both its ends.
        const double sag = 40 + std::abs(to.x() - from.x()) * 0.15;
        QPainterPath cable(from);
        cable.cubicTo(from + QPointF(0, sag), to + QPointF(0, sag), to);
        return cable;
    }
    if (!ends.plug && !ends.tip)
        return {};
    // One end held: the cable leaves it sideways and hangs to where the loose end lies (a
    // lead in a jack, its tip in the air, dangles beside the jacks; a tip on a point, its
    // plug out, lies on the board). The path runs from the plug to the tip all the same.
    const QPointF held = ends.plug.value_or(ends.tip.value_or(QPointF()));
    const QPointF loose = held + ends.hang;
    QPainterPath cable(held);
    cable.cubicTo(held + QPointF(ends.hang.x(), 0), loose - QPointF(0, ends.hang.y() / 2), loose);
    return ends.plug ? cable : cable.toReversed();
}

void LeadsOverlay::follow()
{
    QRect now;
    for (int lead = 0; lead < leadCount; ++lead) {
        const QPainterPath cable = cableOf(lead);
        if (!cable.isEmpty())
            now |= cable.controlPointRect().toAlignedRect().adjusted(-8, -8, 8, 8); // the plug's and the pen's width
    }
    update(m_drawn | now);
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

void LeadsOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setClipRegion(drawable());
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(0xd0, 0x20, 0x20, 220), QColor(0x18, 0x18, 0x18, 220)};
    for (int lead = 0; lead < leadCount; ++lead) {
        const QPainterPath cable = cableOf(lead);
        if (cable.isEmpty())
            continue;
        p.setPen(QPen(colours[lead], 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cable);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colours[lead]);
        p.drawEllipse(cable.elementAt(0), 6, 6);
        p.drawEllipse(cable.currentPosition(), 3.5, 3.5);
    }
}
