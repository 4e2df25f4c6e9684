#include "instruments/fluke45/practice/LeadControl.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
QColor colourOf(Lead lead)
{
    return lead == Lead::Red ? QColor(0xc8, 0x1e, 0x1e) : QColor(0x20, 0x20, 0x20);
}

// The next of `count` places and "none" (-1), going round.
int stepped(int index, int count, int step)
{
    return (index + 1 + step + count + 1) % (count + 1) - 1;
}
} // namespace

LeadControl::LeadControl(Lead lead, QWidget* parent)
    : QWidget(parent)
    , m_lead(lead)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(sizeHint().height());
    setAccessibleName(lead == Lead::Red ? QStringLiteral("Cable rojo") : QStringLiteral("Cable negro"));
    setAccessibleDescription(QStringLiteral("Las flechas izquierda y derecha llevan la clavija de un borne a otro; "
                                            "las flechas arriba y abajo llevan la punta de un punto a otro."));
}

void LeadControl::showPlace(const LeadPlace& place, const QStringList& jacks, const QStringList& points,
                            std::optional<Jack> taken)
{
    m_place = place;
    m_taken = taken;
    m_pointCount = int(points.size());
    const QString plug = place.jack ? QStringLiteral("clavija en %1").arg(jacks.value(int(*place.jack)))
                                    : QStringLiteral("clavija suelta");
    const QString tip =
        place.point ? QStringLiteral("punta en %1").arg(points.value(*place.point)) : QStringLiteral("punta al aire");
    m_text = plug + QStringLiteral(", ") + tip;
    m_text[0] = m_text[0].toUpper();
    setToolTip(m_text);
    // A screen reader hears where the lead is as the control's value, after its name.
    setAccessibleName((m_lead == Lead::Red ? QStringLiteral("Cable rojo: ") : QStringLiteral("Cable negro: "))
                      + m_text);
    update();
}

void LeadControl::setPicked(std::optional<End> end)
{
    m_picked = end;
    update();
}

QSize LeadControl::sizeHint() const
{
    return {170, 40};
}

void LeadControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = colourOf(m_lead);
    const QRectF plug(2, 4, 26, 14);
    const QRectF tip(width() - 30.0, 6, 26, 10);
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(plug.center(), tip.center());
    for (const auto& [end, box] : {std::pair{End::Plug, plug}, std::pair{End::Tip, tip}}) {
        p.setPen(QPen(Qt::black, m_picked == end ? 2.5 : 1));
        p.setBrush(m_picked == end ? QColor(0xff, 0xe0, 0x60) : colour);
        p.drawRoundedRect(box, 3, 3);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(2, 20, width() - 4, height() - 20), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_text);
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 90, 255), 1.5, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
    }
}

void LeadControl::keyPressEvent(QKeyEvent* event)
{
    const int jack = m_place.jack ? int(*m_place.jack) : -1;
    const int point = m_place.point ? *m_place.point : -1;
    auto toOptional = [](int index) { return index < 0 ? std::nullopt : std::optional<int>(index); };
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = event->key() == Qt::Key_Right ? 1 : -1;
        int next = stepped(jack, jackCount, step);
        if (m_taken && next == int(*m_taken))
            next = stepped(next, jackCount, step);
        emit plugTo(next < 0 ? std::nullopt : std::optional<Jack>(Jack(next)));
        return;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit tipTo(toOptional(stepped(point, m_pointCount, event->key() == Qt::Key_Down ? 1 : -1)));
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void LeadControl::mousePressEvent(QMouseEvent* event)
{
    const End end = event->position().x() < width() / 2.0 ? End::Plug : End::Tip;
    setPicked(m_picked == end ? std::nullopt : std::optional<End>(end));
    if (m_picked)
        emit endPicked(end);
}
