// The sensitive map on a plain test picture: registering regions, hit testing, caption
// labels and what the pointer does over the map.

// Mouse events go through the window, as the windowing system would send them, so that
// they reach whichever control is under the pointer.
#define QTEST_QPA_MOUSE_HANDLING

#include "platform/ScreenCursors.h"
#include "widgets/SensitiveMap.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr QSize Picture{200, 100};
constexpr QPoint MapAt{10, 20};
const QString Untouched = QStringLiteral("untouched");

// A form holding a map on a 200 × 100 picture and a supply of hidden spare labels.
struct MapOnForm {
    QWidget form;
    SensitiveMap* map;
    QList<QLabel*> labels;

    explicit MapOnForm(bool withPicture = true, int spareLabels = 8)
    {
        form.resize(600, 400);
        map = new SensitiveMap(&form);
        if (withPicture) {
            QPixmap pixmap(Picture);
            pixmap.fill(Qt::darkGreen);
            map->setPicture(pixmap, Picture);
        }
        map->move(MapAt);
        for (int i = 0; i < spareLabels; ++i)
            labels.append(makeLabel());
    }

    QLabel* makeLabel()
    {
        auto* label = new QLabel(Untouched, &form);
        label->hide();
        return label;
    }

    // Registers a region with the next spare label, numbered like the region.
    bool add(int x1, int y1, int x2, int y2, const QString& caption)
    {
        return map->addRegion(x1, y1, x2, y2, caption, labels.at(map->regionCount()));
    }

    bool show()
    {
        form.show();
        return QTest::qWaitForWindowExposed(&form);
    }

    // The region numbers whose caption is on screen.
    QList<int> shownCaptions() const
    {
        QList<int> shown;
        for (int i = 0; i < labels.size(); ++i)
            if (labels[i]->isVisible())
                shown.append(i + 1);
        return shown;
    }

    void hover(QPoint at) { QTest::mouseMove(map, at); }
    void click(QPoint at) { QTest::mouseClick(map, Qt::LeftButton, {}, at); }
};

// Between two buttons, two rows of regions: 1, 3 (centred between 4 and 6), 2 above;
// 4 and 6 below, with 5 wholly under 4, which no click can reach; and a small 7 between
// the rows, nearer to 1 than 3 is, but not on 1's row.
struct KeyboardForm : MapOnForm {
    QPushButton* before = new QPushButton(QStringLiteral("antes"), &form);
    QPushButton* after = new QPushButton(QStringLiteral("después"), &form);
    explicit KeyboardForm(bool withRegions = true)
    {
        before->move(0, 300);
        after->move(0, 350);
        if (withRegions)
            for (const QRect& r :
                 {QRect(10, 10, 30, 20), QRect(100, 12, 30, 18), QRect(55, 10, 30, 20), QRect(10, 60, 30, 30),
                  QRect(10, 60, 20, 20), QRect(100, 60, 30, 30), QRect(45, 32, 10, 10)})
                add(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(), QStringLiteral("r"));
        QWidget::setTabOrder(before, map);
        QWidget::setTabOrder(map, after);
    }
    bool showAndTabIn()
    {
        if (!show() || !QTest::qWaitForWindowActive(&form))
            return false;
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        return map->hasFocus();
    }
    void keys(const QString& letters)
    {
        const QMap<QChar, Qt::Key> keyOf{{'L', Qt::Key_Left}, {'R', Qt::Key_Right}, {'U', Qt::Key_Up},
                                         {'D', Qt::Key_Down}, {'H', Qt::Key_Home},  {'E', Qt::Key_End}};
        for (QChar c : letters)
            QTest::keyClick(QApplication::focusWidget(), keyOf.value(c));
    }
};

bool showsRegionCursor(const QWidget* map)
{
    return map->testAttribute(Qt::WA_SetCursor) && map->cursor().shape() == Qt::PointingHandCursor;
}

} // namespace

class SensitiveMapTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Stands for the program's pointing hand, which tests here need not load.
        ScreenCursors::registerCursor(ScreenCursors::PointingHand, QCursor(Qt::PointingHandCursor));
    }

    void registration_data()
    {
        QTest::addColumn<QRect>("corners"); // x1, y1, x2, y2 as given (QRect used as four ints)
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QRect>("region"); // left, top, right, bottom expected

        const auto corners = [](int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); };
        QTest::addRow("corners in order") << corners(20, 10, 60, 40) << true << corners(20, 10, 60, 40);
        QTest::addRow("corners reversed") << corners(60, 40, 20, 10) << true << corners(20, 10, 60, 40);
        QTest::addRow("only x reversed") << corners(60, 10, 20, 40) << true << corners(20, 10, 60, 40);
        QTest::addRow("right at picture width") << corners(150, 0, 200, 100) << true << corners(150, 0, 200, 100);
        QTest::addRow("whole picture") << corners(0, 0, 200, 100) << true << corners(0, 0, 200, 100);
        QTest::addRow("right one past width") << corners(150, 0, 201, 50) << false << QRect();
        QTest::addRow("bottom one past height") << corners(0, 50, 40, 101) << false << QRect();
        QTest::addRow("left below zero") << corners(-1, 10, 40, 40) << false << QRect();
        QTest::addRow("top below zero") << corners(10, -1, 40, 40) << false << QRect();
        QTest::addRow("reversed corner past width") << corners(201, 40, 20, 10) << false << QRect();
    }

    // Returns true in every case; an out-of-picture corner registers nothing and leaves
    // the label as the form had it. Left and top edges are inside, right and bottom not.
    void registration()
    {
        QFETCH(QRect, corners);
        QFETCH(bool, registered);
        QFETCH(QRect, region);
        MapOnForm f;
        QVERIFY(f.add(corners.left(), corners.top(), corners.right(), corners.bottom(), "Borne"));
        QCOMPARE(f.map->regionCount(), registered ? 1 : 0);
        if (!registered) {
            QCOMPARE(f.labels[0]->text(), Untouched);
            QCOMPARE(f.map->regionCaption(1), QString());
            return;
        }
        const int l = region.left(), t = region.top(), r = region.right(), b = region.bottom();
        QCOMPARE(f.map->regionAt(l, t), 1);
        QCOMPARE(f.map->regionAt(r - 1, b - 1), 1);
        QCOMPARE(f.map->regionAt(r, t), SensitiveMap::NoRegion);
        QCOMPARE(f.map->regionAt(l, b), SensitiveMap::NoRegion);
        if (l > 0)
            QCOMPARE(f.map->regionAt(l - 1, t), SensitiveMap::NoRegion);
        if (t > 0)
            QCOMPARE(f.map->regionAt(l, t - 1), SensitiveMap::NoRegion);
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("region");
        QTest::addRow("left edge") << QPoint(20, 25) << 1;
        QTest::addRow("top edge") << QPoint(30, 10) << 1;
        QTest::addRow("last pixel inside") << QPoint(59, 39) << 1;
        QTest::addRow("right edge") << QPoint(60, 25) << SensitiveMap::NoRegion;
        QTest::addRow("bottom edge") << QPoint(30, 40) << SensitiveMap::NoRegion;
        QTest::addRow("overlap goes to the first") << QPoint(55, 35) << 1;
        QTest::addRow("second region alone") << QPoint(70, 50) << 2;
        QTest::addRow("right edge of second") << QPoint(90, 50) << SensitiveMap::NoRegion;
        QTest::addRow("last picture column") << QPoint(199, 50) << 3;
        QTest::addRow("zero-width region") << QPoint(100, 20) << SensitiveMap::NoRegion;
        QTest::addRow("no region") << QPoint(120, 80) << SensitiveMap::NoRegion;
    }

    // The same answer from the hit test and from the pointer: the caption shown is the
    // one of the region found.
    void hitTest()
    {
        QFETCH(QPoint, point);
        QFETCH(int, region);
        MapOnForm f;
        QVERIFY(f.add(20, 10, 60, 40, "uno"));
        QVERIFY(f.add(90, 70, 50, 30, "dos"));
        QVERIFY(f.add(180, 0, 200, 100, "tres"));
        QVERIFY(f.add(100, 10, 100, 40, "cuatro"));
        QCOMPARE(f.map->regionCount(), 4);
        QCOMPARE(f.map->regionAt(point.x(), point.y()), region);

        QVERIFY(f.show());
        f.hover(point);
        QCOMPARE(f.map->hoveredRegion(), region);
        QCOMPARE(f.shownCaptions(), region == SensitiveMap::NoRegion ? QList<int>{} : QList<int>{region});
    }

    void noPicture()
    {
        MapOnForm f(false);
        QVERIFY(!f.add(0, 0, 0, 0, "Borne"));
        QVERIFY(!f.add(10, 10, 20, 20, "Borne"));
        QCOMPARE(f.map->regionCount(), 0);
        QCOMPARE(f.labels[0]->text(), Untouched);
        QCOMPARE(f.map->regionAt(0, 0), SensitiveMap::NoRegion);
    }

    // A hundred regions fit; the hundred-and-first is refused and its label left alone.
    void capacity()
    {
        MapOnForm f(true, 0);
        for (int i = 0; i < 100; ++i) {
            f.labels.append(f.makeLabel());
            QVERIFY(f.add(i % 50, 0, i % 50 + 1, 1, QString::number(i + 1)));
        }
        QCOMPARE(f.map->regionCount(), 100);
        QCOMPARE(f.map->regionCaption(100), QStringLiteral(" 100 "));

        f.labels.append(f.makeLabel());
        QVERIFY(!f.add(150, 50, 160, 60, "101"));
        QCOMPARE(f.map->regionCount(), 100);
        QCOMPARE(f.labels[100]->text(), Untouched);
        QCOMPARE(f.map->regionAt(155, 55), SensitiveMap::NoRegion);
        QCOMPARE(f.map->regionCaption(101), QString());
    }

    void captionLabelDressed()
    {
        MapOnForm f;
        QVERIFY(f.add(20, 10, 60, 40, "Borne positivo"));
        QLabel* label = f.labels[0];
        QCOMPARE(label->text(), QStringLiteral(" Borne positivo "));
        QCOMPARE(f.map->regionCaption(1), QStringLiteral(" Borne positivo "));
        QCOMPARE(f.map->regionCaption(2), QString());
        QCOMPARE(f.map->regionCaption(SensitiveMap::NoRegion), QString());
        QVERIFY(label->font().families().contains(QStringLiteral("Times New Roman")));
        QCOMPARE(label->font().pointSize(), 10);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(label->isHidden());
    }

    void captionPlace_data()
    {
        QTest::addColumn<QRect>("corners");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("shiftedLeft");
        const auto corners = [](int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); };
        QTest::addRow("below, left-aligned") << corners(20, 10, 60, 40) << "Borne" << false;
        QTest::addRow("hanging below the picture") << corners(20, 60, 60, 100) << "Borne" << false;
        QTest::addRow("at the right edge, shifted")
            << corners(170, 10, 200, 40) << "Conmutadores de tensión y corriente" << true;
        QTest::addRow("near the right edge, shifted")
            << corners(150, 10, 160, 40) << "Conmutadores de tensión y corriente" << true;
    }

    // Below the region and left-aligned with it; where it would pass the map's right
    // edge, its right edge lines up with the region's.
    void captionPlace()
    {
        QFETCH(QRect, corners);
        QFETCH(QString, caption);
        QFETCH(bool, shiftedLeft);
        MapOnForm f;
        QVERIFY(f.add(corners.left(), corners.top(), corners.right(), corners.bottom(), caption));
        const QLabel* label = f.labels[0];
        QCOMPARE(label->y(), MapAt.y() + corners.bottom());
        if (shiftedLeft)
            QCOMPARE(label->x() + label->width(), MapAt.x() + corners.right());
        else
            QCOMPARE(label->x(), MapAt.x() + corners.left());
    }

    // Region 3 straight onto region 5 swaps the captions in one move; off every region
    // the caption goes and the pointer is the ordinary one again.
    void pointerMoves()
    {
        MapOnForm f;
        for (int i = 0; i < 5; ++i)
            QVERIFY(f.add(10 + 30 * i, 10, 35 + 30 * i, 30, QStringLiteral("region %1").arg(i + 1)));
        f.map->setRegionCursor(ScreenCursors::PointingHand);
        QVERIFY(f.show());
        QSignalSpy moved(f.map, &SensitiveMap::mouseMoved);
        int currentWhenMoved = -1;
        connect(f.map, &SensitiveMap::mouseMoved, this, [&] { currentWhenMoved = f.map->hoveredRegion(); });

        f.hover({5, 50});
        QCOMPARE(f.shownCaptions(), QList<int>{});
        QVERIFY(!showsRegionCursor(f.map));

        f.hover({75, 20});
        QCOMPARE(currentWhenMoved, SensitiveMap::NoRegion); // raised before the map's own work
        QCOMPARE(moved.last().first().toPoint(), QPoint(75, 20));
        QCOMPARE(f.shownCaptions(), QList<int>{3});
        QVERIFY(showsRegionCursor(f.map));

        f.hover({140, 20});
        QCOMPARE(f.shownCaptions(), QList<int>{5});
        QVERIFY(showsRegionCursor(f.map));

        f.hover({140, 60});
        QCOMPARE(f.shownCaptions(), QList<int>{});
        QVERIFY(!showsRegionCursor(f.map));
        QCOMPARE(moved.count(), 4);
    }

    // The owner hears the click, and which region it was, while the caption is still up
    // and the hovered region still named; then the caption goes and stays away while the
    // pointer stays in it.
    void clickHidesCaptionUntilRegionLeft()
    {
        MapOnForm f;
        QVERIFY(f.add(20, 10, 60, 40, "uno"));
        QVERIFY(f.add(100, 10, 140, 40, "dos"));
        QVERIFY(f.show());
        QString textOnClick;
        int regionOnClick = 0;
        bool captionShownOnClick = false;
        connect(f.map, &SensitiveMap::clicked, this, [&](int region) {
            regionOnClick = region;
            textOnClick = f.map->regionCaption(f.map->hoveredRegion());
            captionShownOnClick = f.labels[1]->isVisible();
        });

        f.hover({110, 20});
        f.click({110, 20});
        QCOMPARE(textOnClick, QStringLiteral(" dos "));
        QCOMPARE(regionOnClick, 2);
        QVERIFY(captionShownOnClick);
        QCOMPARE(f.shownCaptions(), QList<int>{});
        QCOMPARE(f.map->hoveredRegion(), 2);

        f.hover({120, 30});
        QCOMPARE(f.shownCaptions(), QList<int>{});
        f.hover({30, 20});
        QCOMPARE(f.shownCaptions(), QList<int>{1});
        f.hover({120, 30});
        QCOMPARE(f.shownCaptions(), QList<int>{2});

        f.click({180, 80});
        QCOMPARE(textOnClick, QString());
        QCOMPARE(regionOnClick, int(SensitiveMap::NoRegion));
    }

    void emptyMapNeverShowsCaptions()
    {
        MapOnForm f;
        f.map->setRegionCursor(ScreenCursors::PointingHand);
        QVERIFY(f.show());
        QSignalSpy clicked(f.map, &SensitiveMap::clicked);
        for (const QPoint at : {QPoint(0, 0), QPoint(100, 50), QPoint(199, 99)}) {
            f.hover(at);
            QVERIFY(!showsRegionCursor(f.map));
            f.click(at);
            QCOMPARE(f.map->regionCaption(f.map->hoveredRegion()), QString());
        }
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(f.shownCaptions(), QList<int>{});
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("keys"); // Left, Right, Up, Down, Home, End
        QTest::addColumn<int>("region");
        QTest::addRow("Tab reaches the first") << "" << 1;
        QTest::addRow("right along the row, not to a nearer one off it") << "R" << 3;
        QTest::addRow("right to a region registered before") << "RR" << 2;
        QTest::addRow("nothing further right") << "RRR" << 2;
        QTest::addRow("back left") << "RRL" << 3;
        QTest::addRow("nothing further left") << "L" << 1;
        QTest::addRow("down, a tie, to the first read") << "RD" << 4;
        QTest::addRow("down over a region no click reaches") << "D" << 4;
        QTest::addRow("up to the nearest") << "EU" << 2;
        QTest::addRow("end") << "E" << 6;
        QTest::addRow("home") << "EH" << 1;
    }

    // The keys move the region and caption; Tab leaves, Shift+Tab comes back to the region.
    void keyboard()
    {
        QFETCH(QString, keys);
        QFETCH(int, region);
        KeyboardForm f;
        QVERIFY(f.showAndTabIn());
        f.keys(keys);
        QCOMPARE(f.map->focusedRegion(), region);
        QCOMPARE(f.shownCaptions(), QList<int>{region});
        QTest::keyClick(f.map, Qt::Key_Tab);
        QVERIFY(f.after->hasFocus());
        QCOMPARE(f.shownCaptions(), QList<int>{});
        QTest::keyClick(f.after, Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(f.map->hasFocus());
        QCOMPARE(f.map->focusedRegion(), region);
        QCOMPARE(f.shownCaptions(), QList<int>{region});
    }

    // Enter, keypad Enter and Space click as the pointer does, and the caption goes.
    void pressKeys()
    {
        KeyboardForm f;
        QVERIFY(f.showAndTabIn());
        QSignalSpy clicked(f.map, &SensitiveMap::clicked);
        f.keys("E");
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
            QTest::keyClick(f.map, key);
        QCOMPARE(clicked, (QList<QVariantList>{{6}, {6}, {6}}));
        QCOMPARE(f.shownCaptions(), QList<int>{});
    }

    // Whichever of the pointer and the keyboard moved last shows its caption.
    void pointerAndKeyboardShareTheCaption()
    {
        KeyboardForm f;
        QVERIFY(f.showAndTabIn());
        f.hover({20, 20});
        QCOMPARE(f.shownCaptions(), QList<int>{1});
        f.keys("R");
        QCOMPARE(f.shownCaptions(), QList<int>{3});
        f.hover({110, 20});
        QCOMPARE(f.shownCaptions(), QList<int>{2});
        f.keys("L");
        QCOMPARE(f.shownCaptions(), QList<int>{1});
        QCOMPARE(f.map->hoveredRegion(), 2);
    }

    void withoutRegionsTabPassesOver()
    {
        KeyboardForm f(false); // the map comes first in the Tab order, then the buttons
        QVERIFY(f.show() && QTest::qWaitForWindowActive(&f.form));
        f.after->setFocus();
        QTest::keyClick(f.after, Qt::Key_Tab);
        QVERIFY(f.before->hasFocus());
    }

    // Drawn only while the map has the keyboard, around the region: a band of the
    // highlight colour inside a dark line.
    void focusRing()
    {
        KeyboardForm f;
        QVERIFY(f.show());
        QCOMPARE(f.map->grab().toImage().pixelColor(8, 20), QColor(Qt::darkGreen));
        QVERIFY(f.showAndTabIn());
        const QImage ring = f.map->grab().toImage();
        const QColor highlight = f.map->palette().color(QPalette::Highlight);
        QCOMPARE(QList<QColor>({ring.pixelColor(7, 20), ring.pixelColor(8, 20), ring.pixelColor(9, 20)}),
                 QList<QColor>({Qt::black, highlight, highlight}));
        QCOMPARE(ring.pixelColor(98, 20), QColor(Qt::darkGreen)); // not around the others
    }

    void captionBelowRing_data()
    {
        QTest::addColumn<int>("bottom"); // of a region from (20, 10) to (60, bottom)
        QTest::addColumn<int>("captionTop");
        QTest::addRow("inside the picture") << 40 << 43;
        QTest::addRow("ring cut by the picture's bottom edge") << 100 << 100;
    }

    // The keyboard's caption sits below the ring (its dark outer line shows above it); the pointer's, on the region.
    void captionBelowRing()
    {
        QFETCH(int, bottom);
        QFETCH(int, captionTop);
        KeyboardForm f(false);
        QVERIFY(f.add(20, 10, 60, bottom, "uno"));
        QWidget::setTabOrder(f.before, f.map); // the map takes Tab now that it has a region
        QVERIFY(f.showAndTabIn());
        QCOMPARE(f.shownCaptions(), QList<int>{1});
        QCOMPARE(f.labels[0]->y(), MapAt.y() + captionTop);
        QCOMPARE(f.form.grab().toImage().pixelColor(MapAt + QPoint(24, captionTop - 1)), QColor(Qt::black));
        f.map->clearFocus();
        f.hover({30, 20});
        QCOMPARE(f.labels[0]->y(), MapAt.y() + bottom);
    }

    // Shown twice as large: the map doubles, points are halved before the hit test and
    // captions follow the scaled regions.
    void displayScale()
    {
        MapOnForm f;
        QVERIFY(f.add(20, 10, 60, 40, "uno"));
        QVERIFY(f.add(170, 10, 200, 40, "Conmutadores de tensión y corriente"));
        f.map->setDisplayScale(2);
        QCOMPARE(f.map->size(), QSize(400, 200));
        QCOMPARE(f.labels[0]->pos(), MapAt + QPoint(40, 80));
        QCOMPARE(f.labels[1]->y(), MapAt.y() + 80);
        QCOMPARE(f.labels[1]->x() + f.labels[1]->width(), MapAt.x() + 400);

        QVERIFY(f.show());
        f.hover({40, 20}); // picture (20, 10)
        QCOMPARE(f.shownCaptions(), QList<int>{1});
        f.hover({119, 79}); // picture (59.5, 39.5)
        QCOMPARE(f.shownCaptions(), QList<int>{1});
        f.hover({120, 50}); // picture (60, 25): the right edge
        QCOMPARE(f.shownCaptions(), QList<int>{});
        f.hover({399, 20}); // picture (199.5, 10)
        QCOMPARE(f.shownCaptions(), QList<int>{2});
    }
};

QTEST_MAIN(SensitiveMapTest)
#include "tst_sensitive_map.moc"
