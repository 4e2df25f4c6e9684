// Every map of every front panel and key trainer, in both states where it has two, from
// the keyboard alone and as a screen reader sees it: Tab reaches the map, the arrows reach
// every region, Enter and the accessible press explain it, and Tab leaves again.

#define QT_STATICPLUGIN // the focus spy below is a plugin compiled into the test

#include "Driving.h"
#include "core/AppState.h"
#include "instruments/InstrumentRegistry.h"
#include "instruments/fluke45/Fluke45TrainerCatalogues.h"
#include "instruments/fluke45/KeyTrainer.h"
#include "widgets/LinkLabel.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QApplication>
#include <QCheckBox>
#include <QMap>

#include <algorithm>

using namespace Driving;

namespace {

QList<std::pair<QObject*, int>> focusEvents; // (object, child) of each accessible focus event

// Hears what the program tells screen readers, as a platform's bridge to them would.
struct FocusSpy : QAccessibleBridge {
    void setRootObject(QAccessibleInterface*) override { }
    void notifyAccessibilityUpdate(QAccessibleEvent* e) override
    {
        if (e->type() == QAccessible::Focus)
            focusEvents.append({e->object(), e->child()});
    }
};

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

bool tabTo(const QWidget* target)
{
    for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i)
        key(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

const ControlRow* rowCaptioned(const ControlCatalogue& catalogue, const QString& caption)
{
    const auto row =
        std::find_if(catalogue.begin(), catalogue.end(), [&](auto& r) { return r.caption.trimmed() == caption; });
    return row == catalogue.end() ? nullptr : &*row;
}

// Opens an instrument's front panel (from the registry) or a key trainer, and tells the
// catalogue of the map asked for.
QWidget* open(int instrument, int trainer, bool stacked, const ControlCatalogue** catalogue)
{
    QWidget* window = nullptr;
    if (instrument >= 0) {
        const FrontPanelDefinition& panel = InstrumentRegistry::all()[std::size_t(instrument)].definition.panel;
        *catalogue = stacked ? &panel.stackedCatalogue() : &panel.catalogue();
        window = new FrontPanelExplorer(panel.layout(), panel.catalogue(),
                                        panel.stackedCatalogue ? &panel.stackedCatalogue() : nullptr);
        window->show();
    } else {
        const KeyTrainerData& data = keyTrainerData(Fluke45Trainer(trainer));
        *catalogue = stacked ? &data.secondFunctions() : &data.catalogue();
        TrainerSet::open(Fluke45Trainer(trainer));
        for (QWidget* w : QApplication::topLevelWidgets())
            window = qobject_cast<KeyTrainer*>(w) && w->isVisible() ? w : window;
    }
    if (window)
        window->activateWindow();
    return window;
}

void closeAll()
{
    TrainerSet::closeAll();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->deleteLater();
    TestSession::settle();
}

int focusedChild(SensitiveMap* map) // as a screen reader asks
{
    return QAccessible::queryAccessibleInterface(map)->indexOfChild(
        QAccessible::queryAccessibleInterface(map)->focusChild());
}

} // namespace

class FocusSpyPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "FocusSpy.json")
public:
    QAccessibleBridge* create(const QString&) override { return new FocusSpy; }
};
Q_IMPORT_PLUGIN(FocusSpyPlugin)

class KeyboardMapsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appState().soundOn = false; }

    void everyRegion_data()
    {
        QTest::addColumn<int>("instrument"); // in the registry, or -1 for a trainer
        QTest::addColumn<int>("trainer");
        QTest::addColumn<bool>("stacked"); // the map under the check box
        const auto& all = InstrumentRegistry::all();
        for (int i = 0; i < int(all.size()); ++i) {
            const InstrumentDefinition& instrument = all[std::size_t(i)].definition;
            if (instrument.panel.layout)
                QTest::addRow("%s", qPrintable(instrument.name)) << i << 0 << false;
            if (instrument.panel.stackedCatalogue)
                QTest::addRow("%s, stacked", qPrintable(instrument.name)) << i << 0 << true;
        }
        for (int t = 1; t <= TrainerSet::Count; ++t) {
            QTest::addRow("trainer %d", t) << -1 << t << false;
            if (keyTrainerData(Fluke45Trainer(t)).secondFunctions)
                QTest::addRow("trainer %d, 2ND", t) << -1 << t << true;
        }
    }

    void everyRegion()
    {
        QFETCH(int, instrument);
        QFETCH(int, trainer);
        QFETCH(bool, stacked);
        const ControlCatalogue* catalogue = nullptr;
        QPointer<QWidget> window = open(instrument, trainer, stacked, &catalogue);
        const auto closeWindows = qScopeGuard(closeAll);
        QVERIFY(window && QTest::qWaitForWindowActive(window));
        if (stacked) {
            QVERIFY(tabTo(window->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox)));
            key(Qt::Key_Space);
        }
        auto* map = window->findChild<SensitiveMap*>(stacked ? ObjectNames::stackedMap : ObjectNames::panelMap);
        QVERIFY(map && map->isVisible());
        for (auto* other : window->findChildren<SensitiveMap*>()) // one map at a time to Tab into and read
            QVERIFY(other == map || !other->isVisible());
        QAccessibleInterface* map_ = QAccessible::queryAccessibleInterface(map);
        QCOMPARE(map_->childCount(), int(catalogue->size()));
        if (catalogue->empty()) {
            QVERIFY(!tabTo(map)); // a picture without controls is passed over
            return;
        }

        // Breadth first over the arrows, each region reached again from Home by its path.
        focusEvents.clear();
        QVERIFY(tabTo(map));
        QCoreApplication::processEvents(); // the region is announced last, after the picture
        QCOMPARE(focusEvents.last(), (std::pair<QObject*, int>(map, focusedChild(map))));
        QMap<int, QList<Qt::Key>> pathTo;
        key(Qt::Key_Home);
        QList<int> toVisit{focusedChild(map)};
        pathTo[toVisit.front()] = {};
        while (!toVisit.isEmpty()) {
            const int from = toVisit.takeFirst();
            for (Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
                key(Qt::Key_Home);
                for (Qt::Key step : pathTo[from])
                    key(step);
                focusEvents.clear();
                key(arrow);
                const int to = focusedChild(map);
                QVERIFY(focusEvents == (QList<std::pair<QObject*, int>>{{map, to}}));
                if (pathTo.contains(to))
                    continue;
                pathTo[to] = pathTo[from] + QList<Qt::Key>{arrow};
                toVisit.append(to);
                // What the user sees and what Enter explains.
                const QString caption = map_->child(to)->text(QAccessible::Name);
                const QStringList padded = shownCaptions(window).filter(QStringLiteral(":  ")); // captions, not links
                QCOMPARE(padded.size(), 1);
                QVERIFY2(padded.front().endsWith(QStringLiteral(":  %1 ").arg(caption)), qPrintable(padded.front()));
                const ControlRow* row = rowCaptioned(*catalogue, caption);
                QVERIFY2(row, qPrintable(caption));
                key(Qt::Key_Return);
                QCOMPARE(fieldsOf(window).name, row->name);
            }
        }
        QCOMPARE(pathTo.size(), map->regionCount());

        // As a screen reader lists and presses them.
        const QRect onScreen(map->mapToGlobal(QPoint()), map->size());
        for (int i = 0; i < map_->childCount(); ++i) {
            QAccessibleInterface* region = map_->child(i);
            const ControlRow* row = rowCaptioned(*catalogue, region->text(QAccessible::Name));
            QVERIFY(row && region->role() == QAccessible::Button);
            QVERIFY(onScreen.contains(region->rect()));
            QVERIFY(region->text(QAccessible::Description).startsWith(row->name + '\n'));
            region->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(fieldsOf(window).name, row->name);
            // The name label reads as the control's name, as a label reads its text.
            QCOMPARE(QAccessible::queryAccessibleInterface(window->findChild<QLabel*>(ObjectNames::controlNameLabel))
                         ->text(QAccessible::Name),
                     row->name);
        }
        qInfo("%d of %d regions reached and listed", int(pathTo.size()), map_->childCount());

        // Tab leaves the map, Shift+Tab comes back to the region last reached.
        const int last = focusedChild(map);
        key(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != map);
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), map);
        QCOMPARE(focusedChild(map), last);
    }

    void linksFromTheKeyboard_data()
    {
        QTest::addColumn<int>("instrument");
        const auto& all = InstrumentRegistry::all();
        for (int i = 0; i < int(all.size()); ++i)
            if (all[std::size_t(i)].definition.panel.relatedTopicCount > 0)
                QTest::addRow("%s", qPrintable(all[std::size_t(i)].definition.name)) << i;
    }

    // A control's first link is reached with Tab after its explanation, read as a link,
    // and Enter opens what a click opens: one more window.
    void linksFromTheKeyboard()
    {
        QFETCH(int, instrument);
        const ControlCatalogue* catalogue = nullptr;
        QWidget* window = open(instrument, 0, false, &catalogue);
        const auto closeWindows = qScopeGuard(closeAll);
        QVERIFY(window && QTest::qWaitForWindowActive(window));
        const auto row = std::find_if(catalogue->begin(), catalogue->end(), [](auto& r) { return !r.related.empty(); });
        QVERIFY(row != catalogue->end());
        QAccessibleInterface* map_ = QAccessible::queryAccessibleInterface(mapOf(window));
        for (int i = 0; i < map_->childCount(); ++i)
            if (map_->child(i)->text(QAccessible::Name) == row->caption.trimmed())
                map_->child(i)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        auto* link = window->findChild<LinkLabel*>();
        QAccessibleInterface* link_ = QAccessible::queryAccessibleInterface(link);
        QVERIFY(link_->role() == QAccessible::Link && link_->text(QAccessible::Name) == row->related.front().text);
        QVERIFY(tabTo(link));
        const qsizetype windows = TestSession::openWindowNames().size();
        key(Qt::Key_Return);
        QCOMPARE(TestSession::openWindowNames().size(), windows + 1);
    }
};

QTEST_MAIN(KeyboardMapsTest)
#include "tst_keyboard_maps.moc"
