#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QPainter;
class QRectF;

// Text in seven-segment cells, as a generator's or a meter's display shows it: digits,
// "-", the letters of the words such displays spell ("rEcALL", "StorE", "Err", …), and
// "." as the decimal point of the cell before it (it takes no cell of its own). Segments
// are polygons, so the text is crisp at any scale.
namespace SevenSegment {

//  aaa
// f   b
//  ggg
// e   c
//  ddd  p
enum Segment : quint8 {
    A = 1 << 0,
    B = 1 << 1,
    C = 1 << 2,
    D = 1 << 3,
    E = 1 << 4,
    F = 1 << 5,
    G = 1 << 6,
    Point = 1 << 7,
};
using Segments = quint8;

// The segments that show a character; none for a space or a character no seven
// segments can show. A letter missing in one case is shown in the other.
Segments segmentsOf(QChar character);

// The cells a text fills: one per character, a "." joined to the cell before it.
QList<Segments> cellsOf(const QString& text);

struct Style {
    QColor lit;
    QColor unlit;       // segments that are off, faintly, as an LCD or LED shows them
    int cells = 0;      // the display's cells, the text to the right; 0: as many as the text needs
    int blankCell = -1; // a cell of the text (0 = its first) drawn off, for blinking; its point stays
};

// Draws the text into the rectangle: the cells side by side, each as high as the
// rectangle allows for its width, slanted a little as display digits are.
void draw(QPainter& painter, const QRectF& rect, const QString& text, const Style& style);

} // namespace SevenSegment
