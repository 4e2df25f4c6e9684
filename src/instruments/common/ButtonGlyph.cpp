#include "ButtonGlyph.h"

#include "platform/Pictures.h"

namespace ButtonGlyph {

QIcon icon(const QString& name, int cellSize)
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

} // namespace ButtonGlyph
