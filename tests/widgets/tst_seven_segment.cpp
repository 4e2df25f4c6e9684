// Seven-segment text: which segments show each character, how points join the cell
// before them, and where lit segments land in a drawn cell.
#include "widgets/SevenSegment.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace SevenSegment;

namespace {

// Segments written as the letters a–g (and p for the point), as a datasheet names them.
Segments named(const char* letters)
{
    Segments segments = 0;
    for (const char* c = letters; *c; ++c)
        segments |= *c == 'p' ? Segments(Point) : Segments(1 << (*c - 'a'));
    return segments;
}

const QColor Lit(255, 60, 40);
const QColor Unlit(60, 20, 20);
const QColor Background(Qt::black);

// A text drawn into 100 × 80 pixels, and how many pixels of a colour lie in a part of it.
struct Drawn {
    QImage image{100, 80, QImage::Format_RGB32};

    Drawn(const QString& text, Style style)
    {
        style.lit = Lit;
        style.unlit = Unlit;
        image.fill(Background);
        QPainter painter(&image);
        draw(painter, QRectF(0, 0, 100, 80), text, style);
    }

    int pixels(QColor colour, int fromX, int toX, int fromY = 0, int toY = 80) const
    {
        int count = 0;
        for (int y = fromY; y < toY; ++y)
            for (int x = fromX; x < toX; ++x)
                count += image.pixelColor(x, y) == colour;
        return count;
    }
};

} // namespace

class SevenSegmentTest : public QObject {
    Q_OBJECT

private slots:
    void segmentsOfCharacters_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<QString>("segments");

        const QList<std::pair<char16_t, const char*>> rows{
            {u'0', "abcdef"}, {u'1', "bc"},    {u'2', "abdeg"},   {u'3', "abcdg"},  {u'4', "bcfg"},  {u'5', "acdfg"},
            {u'6', "acdefg"}, {u'7', "abc"},   {u'8', "abcdefg"}, {u'9', "abcdfg"}, {u'-', "g"},     {u' ', ""},
            {u'r', "eg"},     {u'E', "adefg"}, {u'c', "deg"},     {u'A', "abcefg"}, {u'L', "def"},   {u'S', "acdfg"},
            {u't', "defg"},   {u'o', "cdeg"},  {u'd', "bcdeg"},   {u'b', "cdefg"},  {u'P', "abefg"}, {u'n', "ceg"},
            {u'g', "abcdfg"}, {u'e', "adefg"}, {u'l', "def"},     {u'C', "adef"},   {u'W', ""},
        };
        for (const auto& [character, segments] : rows)
            QTest::newRow(QString(QChar(character)).toUtf8()) << QChar(character) << QString::fromLatin1(segments);
    }

    void segmentsOfCharacters()
    {
        QFETCH(QChar, character);
        QFETCH(QString, segments);
        QCOMPARE(segmentsOf(character), named(segments.toLatin1().constData()));
    }

    void cellsOfTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("cells");

        QTest::newRow("a point joins the digit before")
            << QStringLiteral("1.000") << QStringList{"bcp", "abcdef", "abcdef", "abcdef"};
        QTest::newRow("a word") << QStringLiteral("Err") << QStringList{"adefg", "eg", "eg"};
        QTest::newRow("a leading point has a cell") << QStringLiteral(".5") << QStringList{"p", "acdfg"};
        QTest::newRow("two points") << QStringLiteral("1..") << QStringList{"bcp", "p"};
        QTest::newRow("negative") << QStringLiteral("-9.99") << QStringList{"g", "abcdfgp", "abcdfg", "abcdfg"};
    }

    void cellsOfTexts()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, cells);
        QList<Segments> expected;
        for (const QString& cell : cells)
            expected.append(named(cell.toLatin1().constData()));
        QCOMPARE(cellsOf(text), expected);
    }

    // A "1" lights its right-hand segments only; the top stays unlit but is drawn.
    void drawsSegmentsInPlace()
    {
        const Drawn one(QStringLiteral("1"), {});
        QCOMPARE(one.pixels(Lit, 0, 45), 0);
        QVERIFY(one.pixels(Lit, 50, 100) > 0);
        QVERIFY(one.pixels(Unlit, 0, 100, 0, 10) > 0);
    }

    // Text sits at the right of a wider display, and a blinking cell goes dark.
    void placesAndBlanksCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("blankCell");
        QTest::addColumn<bool>("leftLit");
        QTest::addColumn<bool>("rightLit");

        QTest::newRow("both lit") << QStringLiteral("88") << 0 << -1 << true << true;
        QTest::newRow("right aligned") << QStringLiteral("8") << 2 << -1 << false << true;
        QTest::newRow("first blank") << QStringLiteral("88") << 0 << 0 << false << true;
        QTest::newRow("second blank") << QStringLiteral("88") << 0 << 1 << true << false;
        QTest::newRow("blank counts text cells") << QStringLiteral("8") << 2 << 0 << false << false;
    }

    void placesAndBlanksCells()
    {
        QFETCH(QString, text);
        QFETCH(int, cells);
        QFETCH(int, blankCell);
        QFETCH(bool, leftLit);
        QFETCH(bool, rightLit);
        const Drawn drawn(text, {{}, {}, cells, blankCell});
        QCOMPARE(drawn.pixels(Lit, 0, 50) > 0, leftLit);
        QCOMPARE(drawn.pixels(Lit, 50, 100) > 0, rightLit);
    }
};

QTEST_MAIN(SevenSegmentTest)
#include "tst_seven_segment.moc"
