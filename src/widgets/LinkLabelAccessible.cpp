#include "LinkLabelAccessible.h"

#include "LinkLabel.h"

namespace {

QAccessibleInterface* linkFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        if (auto* link = qobject_cast<LinkLabel*>(object))
            return new LinkLabelAccessible(link);
    return nullptr;
}

} // namespace

void LinkLabelAccessible::install()
{
    static const bool installed = (QAccessible::installFactory(linkFactory), true);
    Q_UNUSED(installed);
}

LinkLabelAccessible::LinkLabelAccessible(LinkLabel* link)
    : QAccessibleWidget(link, QAccessible::Link)
{ }

QString LinkLabelAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<const LinkLabel*>(widget())->text();
    return QAccessibleWidget::text(kind);
}

QStringList LinkLabelAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LinkLabelAccessible::doAction(const QString& action)
{
    auto* link = static_cast<LinkLabel*>(widget());
    if (action == pressAction() && link->isVisible())
        emit link->clicked();
    else
        QAccessibleWidget::doAction(action);
}
