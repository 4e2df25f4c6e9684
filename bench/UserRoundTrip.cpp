#include "UserRoundTrip.h"

#include "core/ObjectNames.h"
#include "instruments/InstrumentRegistry.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/InstrumentWindow.h"
#include "shell/ChooserWindow.h"
#include "widgets/SensitiveMap.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
// Mouse input goes to the window, as the window system gives it, and finds its widget
// there, not straight to the widget.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include <functional>

namespace UserRoundTrip {
namespace {

constexpr int WaitMs = 5000;

bool waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, WaitMs);
}

// The visible top-level window of a class, once it can take input.
template <class Window>
Window* shownWindow()
{
    Window* found = nullptr;
    waitFor([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* candidate = qobject_cast<Window*>(w); candidate && w->isVisible())
                found = candidate;
        return found != nullptr;
    });
    if (found && !QTest::qWaitForWindowExposed(found, WaitMs))
        return nullptr;
    return found;
}

void click(QWidget* widget, QPoint at)
{
    QTest::mouseMove(widget, at);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

// Opens `menu` from its owner (a menu bar or a menu) and waits until it can be clicked.
bool openMenu(QWidget* owner, QMenu* menu)
{
    QRect place;
    if (auto* bar = qobject_cast<QMenuBar*>(owner))
        place = bar->actionGeometry(menu->menuAction());
    else if (auto* parentMenu = qobject_cast<QMenu*>(owner))
        place = parentMenu->actionGeometry(menu->menuAction());
    click(owner, place.center());
    return waitFor([&] { return menu->isVisible(); }) && QTest::qWaitForWindowExposed(menu, WaitMs);
}

// Chooses the item named `itemName` from a window's menu bar, through its submenus.
bool chooseMenuItem(QMainWindow* window, const QString& itemName)
{
    auto* item = window->findChild<QAction*>(itemName);
    if (!item)
        return false;
    QList<QMenu*> path; // from the menu bar down to the item's menu
    for (QObject* o = item->parent(); auto* menu = qobject_cast<QMenu*>(o); o = o->parent())
        path.prepend(menu);
    QWidget* owner = window->menuBar();
    for (QMenu* menu : path) {
        if (!openMenu(owner, menu))
            return false;
        owner = menu;
    }
    click(path.last(), path.last()->actionGeometry(item).center());
    return true;
}

bool openInstrument(ChooserWindow* chooser, const ChooserEntry& entry, bool byPicture)
{
    if (!byPicture)
        return chooseMenuItem(chooser, entry.menuObjectName);
    auto* picture = chooser->findChild<QWidget*>(entry.mainObjectName);
    if (!picture)
        return false;
    click(picture, picture->rect().center());
    return true;
}

// Points at the first control of the front panel and clicks it; on a panel without
// controls, clicks the middle of its picture. False when the pointer found no control
// where there was one.
bool clickFirstControl(QWidget* panel)
{
    auto* map = panel->findChild<SensitiveMap*>(ObjectNames::panelMap);
    if (!map)
        return false;
    QPoint at = map->rect().center();
    if (map->regionCount() > 0)
        at = QPointF(QRectF(map->region(1)).center() * (double(map->width()) / map->pictureSize().width())).toPoint();
    QTest::mouseMove(map, at);
    const bool pointed = map->regionCount() == 0 || map->hoveredRegion() == 1;
    QTest::mouseClick(map, Qt::LeftButton, {}, at);
    return pointed;
}

} // namespace

const char* run(int trip, int pageTurnEvery)
{
    const auto& instruments = InstrumentRegistry::all();
    const ChooserEntry& entry = instruments[std::size_t(trip - 1) % instruments.size()].definition.chooser;
    QPointer<ChooserWindow> chooser = shownWindow<ChooserWindow>();
    if (!chooser)
        return "no chooser on screen";
    if (!openInstrument(chooser, entry, pageTurnEvery > 0 && trip % pageTurnEvery == 0))
        return "no way to the instrument in the chooser";
    // The chooser goes once the instrument window has taken its place.
    QPointer<InstrumentWindow> instrument = shownWindow<InstrumentWindow>();
    if (!instrument || !waitFor([&] { return chooser.isNull(); }))
        return "the instrument window did not replace the chooser";
    if (!chooseMenuItem(instrument, ObjectNames::frontPanelMenuItem))
        return "no \"Panel frontal\" item";
    QPointer<FrontPanelExplorer> panel = shownWindow<FrontPanelExplorer>();
    if (!panel)
        return "no front panel on screen";
    if (!clickFirstControl(panel))
        return "the pointer found no control on the front panel";
    QTest::keyClick(panel->windowHandle(), Qt::Key_Escape);
    if (!waitFor([&] { return panel.isNull(); }))
        return "Esc left the front panel open";
    if (!chooseMenuItem(instrument, ObjectNames::backMenuItem))
        return "no \"Volver\" item";
    if (!waitFor([&] { return instrument.isNull(); }) || !shownWindow<ChooserWindow>())
        return "no new chooser in place of the instrument window";
    return nullptr;
}

} // namespace UserRoundTrip
