#include "core/HelpMenuItems.h"

#include "core/ObjectNames.h"

#include <QAction>
#include <QMenu>

namespace HelpMenuItems {
namespace {

std::function<void()>& progressOpener()
{
    static std::function<void()> open;
    return open;
}

struct Item {
    const char* text;
    const char* objectName;
    std::function<void()>& (*opener)();
};

const Item items[]{
    {"&Mi progreso", ObjectNames::progressMenuItem, progressOpener},
};

} // namespace

void setProgressOpener(std::function<void()> open)
{
    progressOpener() = std::move(open);
}

void addTo(QMenu* menu)
{
    for (const Item& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QLatin1String(item.objectName));
        QObject::connect(action, &QAction::triggered, menu, [opener = item.opener] {
            if (opener())
                opener()();
        });
    }
}

} // namespace HelpMenuItems
