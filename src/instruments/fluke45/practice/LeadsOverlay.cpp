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
    if (!ends.plug || !ends.tip)
        return {};
    const QPointF from = *ends.plug, to = *ends.tip;
    // A cable sags below both its ends.
    const double sag = 40 + std::abs(to.x() - from.x()) * 0.15;
    QPainterPath cable(from);
    cable.cubicTo(from + QPointF(0, sag), to + QPointF(0, sag), to);
    return cable;
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

void LeadsOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
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
