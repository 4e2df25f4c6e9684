#include "SensitiveMapAccessible.h"

#include "SensitiveMap.h"

#include <QWidget>
#include <QWindow>

namespace {

// One region of a map, as a button. It lives in the accessibility cache, and its map's
// interface removes it from there when the map goes.
class RegionAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    RegionAccessible(SensitiveMap* map, int region)
        : m_map(map)
        , m_region(region)
    { }

    bool isValid() const override { return m_map && m_region <= m_map->regionCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_map ? m_map->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_map); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override { }
    QAccessible::Role role() const override { return QAccessible::Button; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name)
            return m_map->regionCaption(m_region).trimmed();
        if (kind == QAccessible::Description)
            return m_map->regionDescription(m_region);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect onMap = m_map->regionOnMap(m_region);
        return QRect(m_map->mapToGlobal(onMap.topLeft()), onMap.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const bool reachable = m_map->isReachable(m_region);
        state.invisible = !reachable || !m_map->isVisible();
        state.focusable = reachable;
        state.focused = reachable && m_map->hasFocus() && m_map->focusedRegion() == m_region;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Return"), QStringLiteral("Space")} : QStringList{};
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid())
            m_map->pressRegion(m_region);
    }

private:
    QPointer<SensitiveMap> m_map;
    int m_region; // from 1
};

QAccessibleInterface* mapFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(SensitiveMap::staticMetaObject.className()))
        if (auto* map = qobject_cast<SensitiveMap*>(object))
            return new SensitiveMapAccessible(map);
    return nullptr;
}

} // namespace

void SensitiveMapAccessible::install()
{
    static const bool installed = (QAccessible::installFactory(mapFactory), true);
    Q_UNUSED(installed);
}

SensitiveMapAccessible::SensitiveMapAccessible(SensitiveMap* map)
    : QAccessibleWidget(map, QAccessible::Graphic)
{ }

SensitiveMapAccessible::~SensitiveMapAccessible()
{
    for (QAccessible::Id id : m_regionIds)
        QAccessible::deleteAccessibleInterface(id);
}

SensitiveMap* SensitiveMapAccessible::map() const
{
    return static_cast<SensitiveMap*>(widget());
}

int SensitiveMapAccessible::childCount() const
{
    return map()->regionCount();
}

QAccessibleInterface* SensitiveMapAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (int(m_regionIds.size()) <= index)
        m_regionIds.push_back(
            QAccessible::registerAccessibleInterface(new RegionAccessible(map(), int(m_regionIds.size()) + 1)));
    return QAccessible::accessibleInterface(m_regionIds[std::size_t(index)]);
}

int SensitiveMapAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (std::size_t i = 0; i < m_regionIds.size(); ++i)
        if (QAccessible::accessibleInterface(m_regionIds[i]) == child)
            return int(i);
    return -1;
}

QAccessibleInterface* SensitiveMapAccessible::childAt(int x, int y) const
{
    // The first region registered there, as the pointer's hit test finds it.
    const QPoint onMap = map()->mapFromGlobal(QPoint(x, y));
    for (int n = 1; n <= map()->regionCount(); ++n)
        if (map()->regionOnMap(n).contains(onMap))
            return child(n - 1);
    return nullptr;
}

QAccessibleInterface* SensitiveMapAccessible::focusChild() const
{
    if (!map()->hasFocus() || !map()->isReachable(map()->focusedRegion()))
        return nullptr;
    return child(map()->focusedRegion() - 1);
}
