#include "instruments/fg110/practice/Fg110DisplayPainter.h"

#include "instruments/fg110/practice/Fg110PanelKeys.h"
#include "widgets/SevenSegment.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor ink(0x1b, 0x22, 0x16);
constexpr double litAlpha = 0.92;
constexpr double unlitAlpha = 0.08;

// The places inside the display, in picture pixels.
constexpr QRectF parameterRow{36, 25, 274, 10};
constexpr QRectF waveformColumn{37, 37, 18, 47};
constexpr QRectF digits{60, 40, 192, 40};
constexpr QRectF modeBox{256, 38, 54, 18};
constexpr QRectF unitBox{254, 60, 58, 22};
constexpr int digitCells = 7;
constexpr double lampRadius = 2.7;

const char* const parameters[] = {"FREQ", "AMPL", "OFFSET", "PHASE", "PERIOD", "DUTY", "HI LEVEL", "LO LEVEL"};
const char* const modes[] = {"CONT", "TRIG", "GATE", "DC"};
const Fg110Waveform waveforms[] = {Fg110Waveform::Sine, Fg110Waveform::Square, Fg110Waveform::Ramp,
                                   Fg110Waveform::Triangle, Fg110Waveform::Pulse};

QColor inkAt(bool lit)
{
    QColor c = ink;
    c.setAlphaF(lit ? litAlpha : unlitAlpha);
    return c;
}

QFont lcdFont(double pixels)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(pixels));
    return font;
}

// Words spread evenly along a row, each lit or faint.
void paintWords(QPainter& p, const QRectF& row, const QStringList& words, const QString& lit)
{
    p.setFont(lcdFont(row.height() * 0.75));
    const QFontMetricsF metrics(p.font());
    double total = 0;
    for (const QString& w : words)
        total += metrics.horizontalAdvance(w);
    const double gap = words.size() > 1 ? (row.width() - total) / double(words.size() - 1) : 0;
    double x = row.left();
    for (const QString& w : words) {
        p.setPen(inkAt(w == lit));
        p.drawText(QRectF(x, row.top(), metrics.horizontalAdvance(w) + 1, row.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, w);
        x += metrics.horizontalAdvance(w) + gap;
    }
}

// One cycle of the waveform's sign in the box.
QPainterPath waveformSign(Fg110Waveform w, const QRectF& box)
{
    const double l = box.left(), r = box.right(), t = box.top(), b = box.bottom(), m = box.center().y();
    const double q = box.width() / 4;
    QPainterPath path;
    switch (w) {
    case Fg110Waveform::Sine:
        path.moveTo(l, m);
        path.cubicTo(l + q * 0.7, t - 1, l + q * 1.3, t - 1, l + 2 * q, m);
        path.cubicTo(l + q * 2.7, b + 1, l + q * 3.3, b + 1, r, m);
        break;
    case Fg110Waveform::Square:
        path.moveTo(l, b);
        path.lineTo(l, t);
        path.lineTo(l + 2 * q, t);
        path.lineTo(l + 2 * q, b);
        path.lineTo(r, b);
        path.lineTo(r, t);
        break;
    case Fg110Waveform::Ramp:
        path.moveTo(l, b);
        path.lineTo(l + 2 * q, t);
        path.lineTo(l + 2 * q, b);
        path.lineTo(r, t);
        break;
    case Fg110Waveform::Triangle:
        path.moveTo(l, m);
        path.lineTo(l + q, t);
        path.lineTo(l + 3 * q, b);
        path.lineTo(r, m);
        break;
    case Fg110Waveform::Pulse:
        path.moveTo(l, b);
        path.lineTo(l + q, b);
        path.lineTo(l + q, t);
        path.lineTo(l + 2 * q, t);
        path.lineTo(l + 2 * q, b);
        path.lineTo(r, b);
        break;
    }
    return path;
}

void paintWaveforms(QPainter& p, const Fg110Display& d)
{
    const double step = waveformColumn.height() / 5;
    for (int i = 0; i < 5; ++i) {
        const QRectF box(waveformColumn.left(), waveformColumn.top() + i * step + 2, waveformColumn.width(), step - 4);
        p.setPen(QPen(inkAt(d.lit && d.waveform == waveforms[i]), 1.2));
        p.setBrush(Qt::NoBrush);
        QPainterPath sign = waveformSign(waveforms[i], box);
        if (d.lit && d.inverted && d.waveform == waveforms[i])
            sign = QTransform().translate(0, 2 * box.center().y()).scale(1, -1).map(sign);
        p.drawPath(sign);
    }
}

// The cell of the digit at `index` of the value, the points taking no cell of their own.
int cellOfCharacter(const QString& value, int index)
{
    int cell = -1;
    for (int i = 0; i <= index && i < value.size(); ++i)
        if (value[i] != QLatin1Char('.') || cell < 0)
            ++cell;
    return cell;
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
    const QRectF area(Fg110PanelPlaces::display);
    QLinearGradient lcd(area.topLeft(), area.bottomLeft());
    lcd.setColorAt(0, d.lit ? QColor(0xb3, 0xc2, 0xa1) : QColor(0x7c, 0x87, 0x70));
    lcd.setColorAt(1, d.lit ? QColor(0x8d, 0x9e, 0x7b) : QColor(0x5d, 0x68, 0x52));
    p.setPen(QPen(QColor(0x0c, 0x0d, 0x0e), 1));
    p.setBrush(lcd);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));

    QStringList parameterWords;
    for (const char* w : parameters)
        parameterWords << QString::fromLatin1(w);
    paintWords(p, parameterRow, parameterWords, d.lit ? d.parameter : QString());
    const QString mode = d.lit ? d.mode : QString();
    paintWords(p, modeBox.adjusted(0, 0, 0, -modeBox.height() / 2), {QStringLiteral("CONT"), QStringLiteral("TRIG")},
               mode);
    paintWords(p, modeBox.adjusted(0, modeBox.height() / 2, 0, 0), {QStringLiteral("GATE"), QStringLiteral("DC")},
               mode);
    paintWaveforms(p, d);

    SevenSegment::Style style{inkAt(true), inkAt(false), digitCells, -1};
    QString text;
    if (d.lit) {
        text = d.word.isEmpty() ? d.value : d.word;
        if (d.word.isEmpty() && d.blinkingDigit >= 0 && !blinkOn) {
            // The blank cell counts from the text's first; the text sits at the right.
            style.blankCell = cellOfCharacter(d.value, d.blinkingDigit);
        }
    }
    SevenSegment::draw(p, digits, text, style);

    if (d.lit && !d.unit.isEmpty() && d.word.isEmpty()) {
        p.setFont(lcdFont(15));
        p.setPen(inkAt(true));
        p.drawText(unitBox, Qt::AlignLeft | Qt::AlignBottom, d.unit);
    }
    paintLamp(p, Fg110PanelPlaces::shiftLamp, d.lit && d.shiftLamp);
    paintLamp(p, Fg110PanelPlaces::channel1Lamp, d.lit && d.channel1Lamp);
    p.restore();
}
