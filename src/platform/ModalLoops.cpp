#include "ModalLoops.h"

#include <QDialog>
#include <QList>
#include <QPointer>

#include <utility>

namespace ModalLoops {
namespace {

int depth = 0;

QList<QPointer<QWidget>>& waiting()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

} // namespace

int run(QDialog& dialog)
{
    ++depth;
    const int result = dialog.exec();
    if (--depth == 0) {
        // Back in the handler that opened the box: released now, the windows go once it
        // has finished, as any other release.
        const QList<QPointer<QWidget>> windows = std::exchange(waiting(), {});
        for (const QPointer<QWidget>& window : windows)
            if (window)
                window->deleteLater();
    }
    return result;
}

bool running()
{
    return depth > 0;
}

void release(QWidget* window)
{
    if (!window)
        return;
    if (depth > 0) {
        if (!waiting().contains(window))
            waiting().append(window);
        return;
    }
    window->deleteLater();
}

} // namespace ModalLoops
