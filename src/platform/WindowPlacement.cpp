#include "WindowPlacement.h"

#include <QMainWindow>
#include <QMenuBar>

namespace WindowPlacement {
namespace {
constexpr int Frame = 4;
constexpr int TitleBar = 19;
constexpr int MenuBar = 19;
} // namespace

QSize clientSize(QSize outer, bool hasMenuBar)
{
    return {outer.width() - 2 * Frame, outer.height() - 2 * Frame - TitleBar - (hasMenuBar ? MenuBar : 0)};
}

void place(QWidget* window, QPoint outerPosition, QSize outerSize, bool hasMenuBar)
{
    QSize size = clientSize(outerSize, hasMenuBar);
    if (auto* main = qobject_cast<QMainWindow*>(window); main && hasMenuBar)
        size.rheight() += main->menuBar()->sizeHint().height();
    window->resize(size);
    window->move(outerPosition);
}

} // namespace WindowPlacement
