#include "instruments/fluke45/practice/CircuitPicture.h"

#include "sim/circuit/Circuit.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor boardColour(0xf4, 0xf1, 0xe6);
const QColor wireColour(0x30, 0x30, 0x30);
constexpr double symbolLength = 36;
constexpr double pointRadius = 5;
constexpr double clickRadius = 12;

// Where each node is drawn: at its test point, or, for a node the file gives no point (the
// inside of a battery, between its EMF and its resistance), half-way between the nodes it
// is joined to that have a place. Nodes with no place at all are left out.
QHash<int, QPointF> nodePlaces(const Circuit& circuit)
{
    QHash<int, QPointF> places;
    for (const TestPoint& point : circuit.testPoints)
        places.insert(circuit.findNode(point.node), QPointF(point.position));
    for (int pass = 0; pass < 3; ++pass) {
        QHash<int, QList<QPointF>> neighbours;
        for (const Element& element : circuit.elements()) {
            if (places.contains(element.first) && !places.contains(element.second))
                neighbours[element.second] << places.value(element.first);
            if (places.contains(element.second) && !places.contains(element.first))
                neighbours[element.first] << places.value(element.second);
        }
        for (auto it = neighbours.cbegin(); it != neighbours.cend(); ++it) {
            QPointF sum;
            for (const QPointF& at : it.value())
                sum += at;
            places.insert(it.key(), sum / double(it.value().size()));
        }
    }
    return places;
}

QPointF positionOf(const Circuit& circuit, int node, bool& found)
{
    const QHash<int, QPointF> places = nodePlaces(circuit);
    found = places.contains(node);
    return places.value(node);
}

// The symbol of an element drawn along the x axis, centred on the origin, `symbolLength` long.
void paintSymbol(QPainter& p, const Element& element, double glow)
{
    const double h = symbolLength / 2;
    QPainterPath path;
    switch (element.kind) {
    case ElementKind::Resistor:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-h, -6, symbolLength, 12));
        return;
    case ElementKind::Capacitor:
        p.fillRect(QRectF(-h, -8, symbolLength, 16), boardColour);
        p.drawLine(QPointF(-h, 0), QPointF(-3, 0));
        p.drawLine(QPointF(3, 0), QPointF(h, 0));
        p.drawLine(QPointF(-3, -10), QPointF(-3, 10));
        p.drawLine(QPointF(3, -10), QPointF(3, 10));
        return;
    case ElementKind::Diode:
        path.moveTo(-8, -8);
        path.lineTo(8, 0);
        path.lineTo(-8, 8);
        path.closeSubpath();
        p.setBrush(wireColour);
        p.drawPath(path);
        p.drawLine(QPointF(8, -8), QPointF(8, 8));
        return;
    case ElementKind::Lamp:
        // Lit, a warm yellow as bright as the filament is hot; dark, white glass.
        p.setBrush(QColor::fromRgbF(1.0, 1.0, 1.0 - 0.75 * glow));
        p.drawEllipse(QPointF(0, 0), 10, 10);
        p.drawLine(QPointF(-7, -7), QPointF(7, 7));
        p.drawLine(QPointF(-7, 7), QPointF(7, -7));
        return;
    case ElementKind::Fuse:
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-12, -5, 24, 10), 3, 3);
        p.drawLine(QPointF(-12, 0), QPointF(12, 0));
        return;
    case ElementKind::VoltageSource:
    case ElementKind::PowerSupply:
    case ElementKind::CurrentSource:
    case ElementKind::TestSource:
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 12, 12);
        if (element.kind == ElementKind::CurrentSource) {
            p.drawLine(QPointF(-6, 0), QPointF(6, 0));
            p.drawLine(QPointF(6, 0), QPointF(2, -4));
            p.drawLine(QPointF(6, 0), QPointF(2, 4));
        } else if (element.waveform) {
            path.moveTo(-7, 0);
            path.cubicTo(-5, -8, -2, -8, 0, 0);
            path.cubicTo(2, 8, 5, 8, 7, 0);
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        } else {
            // The positive side first: the element's first node is on the left.
            p.drawLine(QPointF(-8, -3), QPointF(-8, 3));
            p.drawLine(QPointF(-11, 0), QPointF(-5, 0));
            p.drawLine(QPointF(5, 0), QPointF(10, 0));
        }
        return;
    }
}

// What the board prints beside an element: its name in the file, the sources by what they are.
QString labelOf(const Element& element)
{
    if (element.kind == ElementKind::PowerSupply || element.name == Circuit::supplyName())
        return QStringLiteral("Fuente");
    if (element.name == Circuit::generatorName())
        return QStringLiteral("FG110");
    return element.name;
}

} // namespace

CircuitPicture::CircuitPicture(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CircuitPicture::setCircuit(const Circuit* circuit)
{
    m_circuit = circuit;
    updateGeometry();
    update();
}

QSize CircuitPicture::sizeHint() const
{
    QRect box(0, 0, 1, 1);
    if (m_circuit)
        for (const TestPoint& point : m_circuit->testPoints)
            box |= QRect(point.position, QSize(1, 1));
    return {box.right() + 2 * margin, box.bottom() + 2 * margin};
}

void CircuitPicture::setLampBrightness(std::function<double(const QString& lamp)> brightness)
{
    m_brightness = std::move(brightness);
    followLamps();
}

void CircuitPicture::followLamps()
{
    QList<double> now;
    if (m_circuit && m_brightness)
        for (const Element& element : m_circuit->elements())
            if (element.kind == ElementKind::Lamp)
                now << std::round(m_brightness(element.name) * 20) / 20; // in steps the eye tells apart
    if (now != m_lampsShown) {
        m_lampsShown = now;
        update();
    }
}

QSize CircuitPicture::minimumSizeHint() const
{
    return sizeHint() * 0.6;
}

QTransform CircuitPicture::toWidget() const
{
    const QSize drawing = sizeHint();
    const double scale = std::min(width() / double(drawing.width()), height() / double(drawing.height()));
    const QPointF offset((width() - drawing.width() * scale) / 2, (height() - drawing.height() * scale) / 2);
    return QTransform().translate(offset.x(), offset.y()).scale(scale, scale).translate(margin, margin);
}

QPointF CircuitPicture::placeOf(const QString& point) const
{
    if (!m_circuit)
        return {};
    for (const TestPoint& testPoint : m_circuit->testPoints)
        if (testPoint.node.compare(point, Qt::CaseInsensitive) == 0)
            return toWidget().map(QPointF(testPoint.position));
    for (const CircuitBreak& gap : m_circuit->breaks) {
        if (gap.link.compare(point, Qt::CaseInsensitive) != 0)
            continue;
        bool a = false, b = false;
        const QPointF first = positionOf(*m_circuit, gap.first, a);
        const QPointF second = positionOf(*m_circuit, gap.second, b);
        if (a && b)
            return toWidget().map((first + second) / 2);
    }
    return {};
}

void CircuitPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), boardColour);
    if (!m_circuit)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(toWidget());
    p.setPen(QPen(wireColour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const QHash<int, QPointF> places = nodePlaces(*m_circuit);
    for (const Element& element : m_circuit->elements()) {
        if (!places.contains(element.first) || !places.contains(element.second))
            continue;
        const QPointF from = places.value(element.first);
        const QPointF to = places.value(element.second);
        const bool isLink = std::any_of(m_circuit->breaks.begin(), m_circuit->breaks.end(),
                                        [&](const CircuitBreak& gap) { return gap.link == element.name; });
        // Along x first, then y; the symbol in the middle of the longer leg.
        const QPointF corner(to.x(), from.y());
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QList<QPointF>{from, corner, to});
        if (isLink)
            continue;
        const bool horizontal = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
        const QPointF middle = horizontal ? (from + corner) / 2 : (corner + to) / 2;
        const double angle = horizontal ? (to.x() >= from.x() ? 0 : 180) : (to.y() >= from.y() ? 90 : -90);
        p.save();
        p.translate(middle);
        p.rotate(angle);
        paintSymbol(p, element, m_brightness ? m_brightness(element.name) : 0.0);
        p.restore();
        p.save();
        p.setFont(QFont(QStringLiteral("Liberation Sans"), -1));
        p.setPen(wireColour);
        p.drawText(middle + (horizontal ? QPointF(-symbolLength / 2, -16) : QPointF(16, 4)), labelOf(element));
        p.restore();
    }
    // A break whose link the bench has taken out: two open ends.
    for (const CircuitBreak& gap : m_circuit->breaks) {
        bool a = false, b = false;
        const QPointF first = positionOf(*m_circuit, gap.first, a);
        const QPointF second = positionOf(*m_circuit, gap.second, b);
        if (!a || !b)
            continue;
        if (!m_circuit->element(gap.link)) {
            p.setPen(QPen(wireColour, 1.6));
            p.drawLine(first, QPointF(second.x(), first.y()));
            const QPointF middle = (first + QPointF(second.x(), first.y())) / 2;
            p.fillRect(QRectF(middle - QPointF(8, 4), QSizeF(16, 8)), boardColour);
        }
    }

    QFont label(QStringLiteral("Liberation Sans"));
    label.setPixelSize(13);
    label.setBold(true);
    p.setFont(label);
    for (const TestPoint& point : m_circuit->testPoints) {
        p.setPen(QPen(wireColour, 1.2));
        p.setBrush(QColor(0xd8, 0xa0, 0x30));
        p.drawEllipse(QPointF(point.position), pointRadius, pointRadius);
        p.setPen(QColor(0x10, 0x30, 0x80));
        p.drawText(QPointF(point.position) + QPointF(7, -7), point.node);
    }
}

void CircuitPicture::mousePressEvent(QMouseEvent* event)
{
    if (!m_circuit)
        return;
    QStringList candidates;
    for (const TestPoint& point : m_circuit->testPoints)
        candidates << point.node;
    for (const CircuitBreak& gap : m_circuit->breaks)
        candidates << gap.link;
    for (const QString& candidate : std::as_const(candidates)) {
        const QPointF d = placeOf(candidate) - event->position();
        if (std::hypot(d.x(), d.y()) <= clickRadius) {
            emit pointClicked(candidate);
            return;
        }
    }
}
