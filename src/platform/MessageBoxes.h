#pragma once

#include <QString>
#include <functional>

class QWidget;

// The one way the program shows a modal message box: a caption, a text, an icon and
// a single OK button. Tests can watch the boxes instead of having them shown.
namespace MessageBoxes {

enum class Icon { None, Exclamation, Error };

struct Shown {
    QString caption;
    QString text;
    Icon icon = Icon::None;
};

// Shows the box modally and returns when OK is pressed (or, while a watcher is set,
// hands it to the watcher and returns at once).
void show(QWidget* parent, const QString& caption, const QString& text, Icon icon);

// The error box used when something the program needs cannot be opened.
void showError(const QString& text);

// While a watcher is set, boxes are handed to it instead of being shown.
using Watcher = std::function<void(const Shown&)>;
void setWatcher(Watcher watcher);

} // namespace MessageBoxes
