#include "instruments/fg110/practice/Fg110DisplayPainter.h"

#include "instruments/fg110/practice/Fg110DisplayLayout.h"
#include "instruments/fg110/practice/Fg110PanelKeys.h"
#include "widgets/SevenSegment.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace L = Fg110DisplayLayout;

namespace {

const QColor ink(0x1b, 0x22, 0x16);
constexpr double lampRadius = 2.7;

const Fg110Waveform waveforms[] = {Fg110Waveform::Sine, Fg110Waveform::Square, Fg110Waveform::Ramp,
                                   Fg110Waveform::Triangle, Fg110Waveform::Pulse};

// The segments of a cell, 20 × 38 and upright, in the order of SevenSegment's bits (a to g).
const std::array<QPolygonF, 7>& segmentShapes()
{
    static const std::array<QPolygonF, 7> shapes = [] {
        const auto across = [](double top) {
            return QPolygonF{
                {{2.5, top + 1.8}, {4.3, top}, {15.7, top}, {17.5, top + 1.8}, {15.7, top + 3.6}, {4.3, top + 3.6}}};
        };
        const auto down = [](double left, double top) {
            return QPolygonF{{{left + 1.8, top},
                              {left + 3.6, top + 1.8},
                              {left + 3.6, top + 14},
                              {left + 1.8, top + 15.8},
                              {left, top + 14},
                              {left, top + 1.8}}};
        };
        return std::array<QPolygonF, 7>{
            across(0),        // a
            down(16.4, 2.5),  // b
            down(16.4, 19.7), // c
            across(34.4),     // d
            down(0, 19.7),    // e
            down(0, 2.5),     // f
            across(17.2),     // g
        };
    }();
    return shapes;
}

QColor inkAt(double alpha)
{
    QColor c = ink;
    c.setAlphaF(alpha);
    return c;
}

QFont lcdFont(double pixels)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(pixels));
    return font;
}

void paintWords(QPainter& p, const auto& words, const QString& lit)
{
    p.setFont(lcdFont(L::wordPixels));
    for (const L::Word& w : words) {
        p.setPen(inkAt(lit == QLatin1String(w.state) ? L::litWords : L::unlitWords));
        p.drawText(w.baseline, QString::fromLatin1(w.printed));
    }
}

// One cycle of the waveform's sign, as wide and high as the layout's signs, starting at
// the origin on its middle line.
QPainterPath waveformSign(Fg110Waveform w)
{
    const double h = L::signHeight / 2, q = L::signWidth / 4;
    QPainterPath path;
    switch (w) {
    case Fg110Waveform::Sine:
        path.moveTo(0, 0);
        path.quadTo(q, -2 * h, 2 * q, 0);
        path.quadTo(3 * q, 2 * h, 4 * q, 0);
        break;
    case Fg110Waveform::Square:
        path.moveTo(0, h);
        path.lineTo(0, -h);
        path.lineTo(2 * q, -h);
        path.lineTo(2 * q, h);
        path.lineTo(4 * q, h);
        path.lineTo(4 * q, -h);
        break;
    case Fg110Waveform::Ramp:
        path.moveTo(0, h);
        path.lineTo(2 * q, -h);
        path.lineTo(2 * q, h);
        path.lineTo(4 * q, -h);
        break;
    case Fg110Waveform::Triangle:
        path.moveTo(0, 0);
        path.lineTo(q, -h);
        path.lineTo(3 * q, h);
        path.lineTo(4 * q, 0);
        break;
    case Fg110Waveform::Pulse:
        path.moveTo(0, h);
        path.lineTo(q, h);
        path.lineTo(q, -h);
        path.lineTo(q * 1.75, -h);
        path.lineTo(q * 1.75, h);
        path.lineTo(4 * q, h);
        break;
    }
    return path;
}

void paintWaveforms(QPainter& p, const Fg110Display& d)
{
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < L::signCentres.size(); ++i) {
        const bool lit = d.lit && d.waveform == waveforms[i];
        p.setPen(QPen(inkAt(lit ? L::litWords : L::unlitWords), L::signStroke));
        QTransform place = QTransform::fromTranslate(L::signLeft, L::signCentres[i]);
        if (lit && d.inverted)
            place.scale(1, -1);
        p.drawPath(place.map(waveformSign(waveforms[i])));
    }
}

// The cell of the digit at `index` of the value, a point sharing the cell before it.
int cellOfCharacter(const QString& value, int index)
{
    int cell = -1;
    for (int i = 0; i <= index && i < value.size(); ++i)
        if (value[i] != QLatin1Char('.') || cell < 0)
            ++cell;
    return cell;
}

// The text right-aligned in the seven cells, every segment faint where it is not lit;
// `blankCell` (of the text, from its first) shows only its point.
void paintCells(QPainter& p, const QString& text, int blankCell)
{
    const QList<SevenSegment::Segments> cells = SevenSegment::cellsOf(text);
    const int cellCount = Fg110Display::cells;
    const int firstTextCell = cellCount - int(cells.size());
    const double slant = -std::tan(L::cellSlantDegrees * M_PI / 180);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < cellCount; ++i) {
        const int textCell = i - firstTextCell;
        SevenSegment::Segments lit = textCell >= 0 && textCell < cells.size() ? cells.at(textCell) : 0;
        if (textCell == blankCell)
            lit &= SevenSegment::Point;
        const double left = L::firstCellLeft + i * L::cellPitch;
        const QTransform place(1, 0, slant, 1, left, L::cellTop);
        for (int s = 0; s < 7; ++s) {
            p.setBrush(inkAt((lit & (1 << s)) ? L::litSegments : L::unlitSegments));
            p.drawPolygon(place.map(segmentShapes()[std::size_t(s)]));
        }
        p.setBrush(inkAt((lit & SevenSegment::Point) ? L::litSegments : L::unlitSegments));
        p.drawRect(L::point.translated(left, L::cellTop));
    }
}

void paintGlass(QPainter& p, bool lit)
{
    QLinearGradient lcd(0, 0, 0, 1);
    lcd.setCoordinateMode(QGradient::ObjectBoundingMode);
    lcd.setColorAt(0, lit ? QColor(0xb3, 0xc2, 0xa1) : QColor(0x7c, 0x87, 0x70));
    lcd.setColorAt(1, lit ? QColor(0x8d, 0x9e, 0x7b) : QColor(0x5d, 0x68, 0x52));
    p.setPen(QPen(QColor(0x0c, 0x0d, 0x0e), 1));
    p.setBrush(lcd);
    p.drawRoundedRect(QRectF(Fg110PanelPlaces::display), 1.5, 1.5);
}

// The light on the glass, over everything drawn on it.
void paintGlare(QPainter& p)
{
    QLinearGradient glare(0, 0, 1, 1);
    glare.setCoordinateMode(QGradient::ObjectBoundingMode);
    glare.setColorAt(0, QColor(255, 255, 255, 56));
    glare.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glare);
    p.drawRect(QRectF(Fg110PanelPlaces::display).adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintLamp(QPainter& p, QPoint centre, bool lit)
{
    if (!lit)
        return;
    QRadialGradient glow(centre, lampRadius * 2.2);
    glow.setColorAt(0, QColor(0x8d, 0xff, 0x88, 230));
    glow.setColorAt(1, QColor(0x7d, 0xff, 0x78, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), lampRadius * 2.2, lampRadius * 2.2);
    QRadialGradient lamp(QPointF(centre) + QPointF(0.2, 0), lampRadius);
    lamp.setColorAt(0, QColor(0xf2, 0xff, 0xf0));
    lamp.setColorAt(0.4, QColor(0x6d, 0xff, 0x6a));
    lamp.setColorAt(1, QColor(0x1f, 0xae, 0x24));
    p.setBrush(lamp);
    p.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), lampRadius, lampRadius);
}

} // namespace

void paintFg110Display(QPainter& p, const Fg110Display& d, bool blinkOn)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    paintGlass(p, d.lit);
    paintWords(p, L::parameterWords, d.lit ? d.parameter : QString());
    paintWords(p, L::modeWords, d.lit ? d.mode : QString());
    paintWaveforms(p, d);

    QString text;
    int blankCell = -1;
    if (d.lit) {
        text = d.word.isEmpty() ? d.value : d.word;
        if (d.word.isEmpty() && d.blinkingDigit >= 0 && !blinkOn)
            blankCell = cellOfCharacter(d.value, d.blinkingDigit);
    }
    paintCells(p, text, blankCell);

    if (d.lit && !d.unit.isEmpty() && d.word.isEmpty()) {
        p.setFont(lcdFont(L::unitPixels));
        p.setPen(inkAt(L::litSegments));
        p.drawText(L::unitBaseline, d.unit);
    }
    paintGlare(p);
    paintLamp(p, Fg110PanelPlaces::shiftLamp, d.lit && d.shiftLamp);
    paintLamp(p, Fg110PanelPlaces::channel1Lamp, d.lit && d.channel1Lamp);
    p.restore();
}
