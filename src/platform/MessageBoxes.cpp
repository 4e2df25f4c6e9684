#include "MessageBoxes.h"

#include "ModalLoops.h"

#include <QMessageBox>

namespace MessageBoxes {
namespace {
Watcher& watcher()
{
    static Watcher current;
    return current;
}
} // namespace

void show(QWidget* parent, const QString& caption, const QString& text, Icon icon)
{
    if (watcher()) {
        watcher()(Shown{caption, text, icon});
        return;
    }
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(icon == Icon::Exclamation ? QMessageBox::Warning
                : icon == Icon::Error     ? QMessageBox::Critical
                                          : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    ModalLoops::run(box);
}

void showError(const QString& text)
{
    show(nullptr, QStringLiteral("Error"), text, Icon::Error);
}

void setWatcher(Watcher w)
{
    watcher() = std::move(w);
}

} // namespace MessageBoxes
