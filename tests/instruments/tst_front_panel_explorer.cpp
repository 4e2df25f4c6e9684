// The explorer over a catalogue of its own: a click explains the row of the region
// clicked, even where a row before it lies off the picture and so registers no region.

#include "Driving.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/fluke73/Fluke73Definition.h"

#include <QTest>

using namespace Driving;

namespace {

ControlRow control(QRect at, const QString& name)
{
    return {at.left(),
            at.top(),
            at.right() + 1,
            at.bottom() + 1,
            name.toLower(),
            name,
            {name + QStringLiteral(" hace")},
            {name + QStringLiteral(" se usa")},
            {}};
}

const QRect OffPicture{-20, 10, 10, 10};
const QRect Left{20, 20, 40, 30};
const QRect Right{120, 20, 40, 30};

} // namespace

class FrontPanelExplorerTest : public QObject {
    Q_OBJECT
private slots:
    void clickExplainsTheRowOfItsRegion_data()
    {
        QTest::addColumn<int>("offPictureAt"); // where in the catalogue a row off the picture goes, or -1
        QTest::addRow("every row on the picture") << -1;
        QTest::addRow("first row off the picture") << 0;
        QTest::addRow("middle row off the picture") << 1;
    }

    void clickExplainsTheRowOfItsRegion()
    {
        QFETCH(int, offPictureAt);
        ControlCatalogue catalogue{control(Left, "Izquierdo"), control(Right, "Derecho")};
        if (offPictureAt >= 0)
            catalogue.insert(catalogue.begin() + offPictureAt, control(OffPicture, "Fuera"));
        ExplorerLayout layout = fluke73Definition().panel.layout();
        layout.clickSound = false;
        layout.releasesPanelClaim = false;
        FrontPanelExplorer explorer(layout, catalogue);
        explorer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&explorer));
        SensitiveMap* map = mapOf(&explorer);
        QVERIFY(map);

        click(map, Right.center());
        QCOMPARE(fieldsOf(&explorer), (Fields{"Derecho", "Derecho hace", "Derecho se usa"}));
        click(map, Left.center());
        QCOMPARE(fieldsOf(&explorer), (Fields{"Izquierdo", "Izquierdo hace", "Izquierdo se usa"}));
        click(map, {100, 300});
        QCOMPARE(fieldsOf(&explorer), Fields{});
    }
};

QTEST_MAIN(FrontPanelExplorerTest)
#include "tst_front_panel_explorer.moc"
