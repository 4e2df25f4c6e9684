#pragma once

#include <QIcon>
#include <QString>

// A button's small two-state picture: a drawing of two square cells side by side, the
// left one for the enabled button and the right one, greyed, for the disabled button.
namespace ButtonGlyph {
QIcon icon(const QString& name, int cellSize = 18);
}
