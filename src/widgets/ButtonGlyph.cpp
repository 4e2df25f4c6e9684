#include "widgets/ButtonGlyph.h"

#include "platform/Pictures.h"

#include <QHash>
#include <QPair>

namespace ButtonGlyph {

namespace {

QIcon make(const QString& name, int cellSize)
{
    const QPixmap both = Pictures::get(QStringLiteral("glyphs/") + name, {2 * cellSize, cellSize});
    if (both.isNull())
        return {};
    const qreal ratio = both.devicePixelRatio();
    const int cell = int(cellSize * ratio);
    QPixmap enabled = both.copy(0, 0, cell, cell);
    QPixmap disabled = both.copy(cell, 0, cell, cell);
    enabled.setDevicePixelRatio(ratio);
    disabled.setDevicePixelRatio(ratio);
    QIcon icon;
    icon.addPixmap(enabled, QIcon::Normal);
    icon.addPixmap(disabled, QIcon::Disabled);
    return icon;
}

} // namespace

QIcon icon(const QString& name, int cellSize)
{
    // One icon per glyph for the whole run: the style keeps every size it draws an icon
    // at in a program-wide cache under the icon's own pixmaps, so an icon made afresh for
    // each window would leave a new entry there every time.
    static QHash<QPair<QString, int>, QIcon> made;
    const QPair<QString, int> key(name, cellSize);
    auto found = made.find(key);
    if (found == made.end())
        found = made.insert(key, make(name, cellSize));
    return *found;
}

} // namespace ButtonGlyph
