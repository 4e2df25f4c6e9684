#include "instruments/fluke45/practice/Fluke45DisplayPainter.h"

#include "instruments/fluke45/practice/Fluke45PanelKeys.h"
#include "widgets/SevenSegment.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor litColour(0x62, 0xf0, 0xd8);
const QColor unlitColour(0x14, 0x26, 0x24);

// A legend printed on the glass, lit when its mark is.
struct Legend {
    const char* text;
    QPointF at; // its baseline's start
    double size;
};

// The primary display's marks, and the secondary's, where the glass prints them.
struct MarkPlace {
    Fluke45Annunciator mark;
    Legend legend;
};
const MarkPlace primaryMarks[] = {
    {Fluke45Annunciator::Auto, {"AUTO", {238, 57}, 7}},   {Fluke45Annunciator::Manual, {"MAN", {272, 57}, 7}},
    {Fluke45Annunciator::Hold, {"HOLD", {302, 57}, 7}},   {Fluke45Annunciator::Minimum, {"MIN", {336, 57}, 7}},
    {Fluke45Annunciator::Maximum, {"MAX", {356, 57}, 7}}, {Fluke45Annunciator::Relative, {"REL", {384, 57}, 7}},
    {Fluke45Annunciator::Decibels, {"dB", {410, 57}, 7}}, {Fluke45Annunciator::Compare, {"COMP", {238, 120}, 7}},
    {Fluke45Annunciator::Slow, {"S", {352, 120}, 7}},     {Fluke45Annunciator::Medium, {"M", {362, 120}, 7}},
    {Fluke45Annunciator::Fast, {"F", {374, 120}, 7}},     {Fluke45Annunciator::Beeper, {"·)))", {392, 120}, 7}},
    {Fluke45Annunciator::Second, {"2ND", {580, 57}, 7}},
};
// COMP's verdicts, lit as the secondary display gives them.
const Legend verdicts[] = {{"HI", {276, 120}, 7}, {"LO", {294, 120}, 7}, {"PASS", {312, 120}, 7}};

// Where each display's digits, AC/DC marks and unit go.
struct ReadoutPlace {
    QRectF digits;
    int cells;
    Legend ac;
    Legend dc;
    QPointF unitAt;
    double unitSize;
};
const ReadoutPlace primaryPlace{{240, 62, 224, 50}, 6, {"AC", {470, 80}, 10}, {"DC", {470, 94}, 10}, {468, 110}, 11};
const ReadoutPlace secondaryPlace{{506, 66, 98, 34}, 6, {"AC", {508, 57}, 7}, {"DC", {526, 57}, 7}, {606, 104}, 9};
const Legend secondaryAuto{"AUTO", {546, 57}, 7};

QFont legendFont(double size)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(size)); // the picture gives its sizes in its own pixels
    return font;
}

void paintLegend(QPainter& p, const Legend& legend, bool lit)
{
    p.setFont(legendFont(legend.size));
    p.setPen(lit ? litColour : unlitColour);
    p.drawText(legend.at, QString::fromUtf8(legend.text));
}

void paintReadout(QPainter& p, const Fluke45Readout& readout, const ReadoutPlace& place, bool lit, bool blinkOn)
{
    const bool shown = lit && readout.shown;
    SevenSegment::Style style{litColour, unlitColour, place.cells, -1};
    if (shown && readout.blinkingDigit >= 0 && !blinkOn) {
        int cell = -1; // the points take no cell of their own
        for (int i = 0; i <= readout.blinkingDigit && i < readout.text.size(); ++i)
            if (readout.text[i] != QLatin1Char('.') || cell < 0)
                ++cell;
        style.blankCell = cell;
    }
    SevenSegment::draw(p, place.digits, shown ? readout.text : QString(), style);
    paintLegend(p, place.ac, shown && readout.acMark);
    paintLegend(p, place.dc, shown && readout.dcMark);
    if (shown && !readout.unit.isEmpty()) {
        p.setFont(legendFont(place.unitSize));
        p.setPen(litColour);
        p.drawText(place.unitAt, readout.unit);
    }
}

} // namespace

void paintFluke45Display(QPainter& p, const Fluke45Display& d, bool blinkOn)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF glass(Fluke45PanelPlaces::display);
    QLinearGradient dark(glass.topLeft(), glass.bottomLeft());
    dark.setColorAt(0, QColor(0x0c, 0x14, 0x14));
    dark.setColorAt(1, QColor(0x06, 0x0b, 0x0b));
    p.fillRect(glass, dark);
    p.setPen(QPen(QColor(0x2a, 0x33, 0x33), 1));
    const double split = Fluke45PanelPlaces::secondary.left() - 1.5;
    p.drawLine(QPointF(split, glass.top() + 2), QPointF(split, glass.bottom() - 2));

    for (const MarkPlace& place : primaryMarks)
        paintLegend(p, place.legend, d.lit && d.has(place.mark));
    const bool comparing = d.lit && d.has(Fluke45Annunciator::Compare);
    for (const Legend& verdict : verdicts)
        paintLegend(p, verdict, comparing && d.secondary.text == QString::fromLatin1(verdict.text));
    paintLegend(p, secondaryAuto, d.lit && d.secondary.shown);

    paintReadout(p, d.primary, primaryPlace, d.lit, blinkOn);
    paintReadout(p, d.secondary, secondaryPlace, d.lit, blinkOn);
    p.restore();
}
