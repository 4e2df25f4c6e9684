#include "SevenSegment.h"

#include <QHash>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <array>
#include <cmath>

namespace SevenSegment {
namespace {

struct Glyph {
    char16_t character;
    Segments segments;
};

// Each character and the segments that draw it.
constexpr Glyph Glyphs[] = {
    {u'0', A | B | C | D | E | F},
    {u'1', B | C},
    {u'2', A | B | D | E | G},
    {u'3', A | B | C | D | G},
    {u'4', B | C | F | G},
    {u'5', A | C | D | F | G},
    {u'6', A | C | D | E | F | G},
    {u'7', A | B | C},
    {u'8', A | B | C | D | E | F | G},
    {u'9', A | B | C | D | F | G},
    {u'-', G},
    {u'_', D},
    {u'A', A | B | C | E | F | G},
    {u'b', C | D | E | F | G},
    {u'C', A | D | E | F},
    {u'c', D | E | G},
    {u'd', B | C | D | E | G},
    {u'E', A | D | E | F | G},
    {u'F', A | E | F | G},
    {u'g', A | B | C | D | F | G},
    {u'H', B | C | E | F | G},
    {u'h', C | E | F | G},
    {u'I', B | C},
    {u'i', C},
    {u'J', B | C | D | E},
    {u'L', D | E | F},
    {u'n', C | E | G},
    {u'O', A | B | C | D | E | F},
    {u'o', C | D | E | G},
    {u'P', A | B | E | F | G},
    {u'q', A | B | C | F | G},
    {u'r', E | G},
    {u'S', A | C | D | F | G},
    {u't', D | E | F | G},
    {u'U', B | C | D | E | F},
    {u'u', C | D | E},
    {u'y', B | C | D | F | G},
};

const QHash<QChar, Segments>& glyphTable()
{
    static const QHash<QChar, Segments> table = [] {
        QHash<QChar, Segments> t;
        for (const Glyph& glyph : Glyphs)
            t.insert(QChar(glyph.character), glyph.segments);
        return t;
    }();
    return table;
}

// The shape of a digit, in units of its height: its width, the segments' thickness,
// the gap between neighbouring segments, the slant (how far right the top is), the
// point's place after the digit, and the whole cell's width.
constexpr double Width = 0.52;
constexpr double Thickness = 0.1;
constexpr double Gap = 0.012;
constexpr double Slant = 0.07;
constexpr double PointGap = 0.05;
constexpr double CellWidth = Width + Slant + PointGap + Thickness + 0.05;

// A segment as a long hexagon from one end to the other, pointed at both ends.
QPolygonF bar(QPointF from, QPointF to, double thickness)
{
    const double half = thickness / 2;
    if (from.y() == to.y()) {
        const double y = from.y();
        return QPolygonF{{QPointF(from.x(), y), QPointF(from.x() + half, y - half), QPointF(to.x() - half, y - half),
                          QPointF(to.x(), y), QPointF(to.x() - half, y + half), QPointF(from.x() + half, y + half)}};
    }
    const double x = from.x();
    return QPolygonF{{QPointF(x, from.y()), QPointF(x + half, from.y() + half), QPointF(x + half, to.y() - half),
                      QPointF(x, to.y()), QPointF(x - half, to.y() - half), QPointF(x - half, from.y() + half)}};
}

// The seven segments of a digit one unit high, upright, its top-left at the origin.
const std::array<QPolygonF, 7>& segmentShapes()
{
    static const std::array<QPolygonF, 7> shapes = [] {
        const double t = Thickness;
        const double left = t / 2;
        const double right = Width - t / 2;
        const double top = t / 2;
        const double middle = 0.5;
        const double bottom = 1 - t / 2;
        const double g = Gap;
        const double ends = g * 1.4; // a bar stops short of its corner by the gap, measured across
        return std::array<QPolygonF, 7>{
            bar({left + ends, top}, {right - ends, top}, t),        // a
            bar({right, top + ends}, {right, middle - ends}, t),    // b
            bar({right, middle + ends}, {right, bottom - ends}, t), // c
            bar({left + ends, bottom}, {right - ends, bottom}, t),  // d
            bar({left, middle + ends}, {left, bottom - ends}, t),   // e
            bar({left, top + ends}, {left, middle - ends}, t),      // f
            bar({left + ends, middle}, {right - ends, middle}, t),  // g
        };
    }();
    return shapes;
}

void drawCell(QPainter& painter, const QTransform& place, Segments lit, const Style& style)
{
    const auto& shapes = segmentShapes();
    for (int s = 0; s < 7; ++s) {
        painter.setBrush((lit & (1 << s)) ? style.lit : style.unlit);
        painter.drawPolygon(place.map(shapes[s]));
    }
    const double radius = Thickness / 2 * place.m22();
    painter.setBrush((lit & Point) ? style.lit : style.unlit);
    painter.drawEllipse(place.map(QPointF(Width + PointGap + Thickness / 2, 1 - Thickness / 2)), radius, radius);
}

} // namespace

Segments segmentsOf(QChar character)
{
    const auto& table = glyphTable();
    auto found = table.constFind(character);
    if (found == table.cend())
        found = table.constFind(character.isUpper() ? character.toLower() : character.toUpper());
    return found == table.cend() ? Segments(0) : *found;
}

QList<Segments> cellsOf(const QString& text)
{
    QList<Segments> cells;
    bool pointTaken = true; // a point at the start takes a blank cell of its own
    for (QChar character : text) {
        if (character == u'.' && !pointTaken) {
            cells.last() |= Point;
            pointTaken = true;
            continue;
        }
        cells.append(character == u'.' ? Segments(Point) : segmentsOf(character));
        pointTaken = character == u'.';
    }
    return cells;
}

void draw(QPainter& painter, const QRectF& rect, const QString& text, const Style& style)
{
    const QList<Segments> cells = cellsOf(text);
    const int count = std::max<int>(style.cells, cells.size());
    if (count == 0 || rect.isEmpty())
        return;
    const double advance = rect.width() / count;
    const double height = std::min(rect.height(), advance / CellWidth);
    const double top = rect.top() + (rect.height() - height) / 2;
    const int firstTextCell = count - cells.size();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const int textCell = i - firstTextCell;
        Segments lit = textCell >= 0 ? cells.at(textCell) : Segments(0);
        if (textCell >= 0 && textCell == style.blankCell)
            lit &= Point;
        const double left = rect.left() + i * advance + (advance - CellWidth * height) / 2;
        // Unit square to the cell, leaning right: x' = left + h·(x + slant·(1 − y)).
        const QTransform place(height, 0, -Slant * height, height, left + Slant * height, top);
        drawCell(painter, place, lit, style);
    }
    painter.restore();
}

} // namespace SevenSegment
