#include "PanelKeyButton.h"

#include <QPainter>
#include <QWheelEvent>

PanelKeyButton::PanelKeyButton(int id, const QString& name, QWidget* parent)
    : QAbstractButton(parent)
    , m_id(id)
{
    setAccessibleName(name);
    setToolTip(name);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

void PanelKeyButton::setLit(bool lit)
{
    if (m_lit == lit)
        return;
    m_lit = lit;
    update();
}

void PanelKeyButton::setFunctions(const QString& description, const QString& shiftedDescription)
{
    m_description = description;
    m_shiftedDescription = shiftedDescription.isEmpty() ? description : shiftedDescription;
    followShift(false);
}

void PanelKeyButton::followShift(bool shiftLit)
{
    const QString& now = shiftLit ? m_shiftedDescription : m_description;
    if (now != accessibleDescription())
        setAccessibleDescription(now);
}

void PanelKeyButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF key = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (isDown()) {
        // Pushed in: the key's face darker, its top and left edges in shadow.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(key, 2.5, 2.5);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1.5));
        p.drawLine(key.topLeft() + QPointF(2, 1), key.topRight() + QPointF(-2, 1));
        p.drawLine(key.topLeft() + QPointF(1, 2), key.bottomLeft() + QPointF(1, -2));
    }
    if (hasFocus()) {
        QPen ring(QColor(0, 90, 255), 1.5, Qt::DotLine);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(key, 2.5, 2.5);
    }
}

void PanelKeyButton::wheelEvent(QWheelEvent* event)
{
    m_wheelAngle += event->angleDelta().y();
    const int notches = m_wheelAngle / 120;
    m_wheelAngle -= notches * 120;
    if (notches != 0)
        emit wheelTurned(notches);
    event->accept();
}
