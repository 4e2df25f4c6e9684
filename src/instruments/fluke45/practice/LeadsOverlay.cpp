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
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void LeadsOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(0xd0, 0x20, 0x20, 220), QColor(0x18, 0x18, 0x18, 220)};
    for (int lead = 0; lead < leadCount; ++lead) {
        const Ends ends = m_ends(lead);
        if (!ends.plug || !ends.tip)
            continue;
        const QPointF from = *ends.plug, to = *ends.tip;
        // A cable sags below both its ends.
        const double sag = 40 + std::abs(to.x() - from.x()) * 0.15;
        QPainterPath cable(from);
        cable.cubicTo(from + QPointF(0, sag), to + QPointF(0, sag), to);
        p.setPen(QPen(colours[lead], 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cable);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colours[lead]);
        p.drawEllipse(from, 6, 6);
        p.drawEllipse(to, 3.5, 3.5);
    }
}
