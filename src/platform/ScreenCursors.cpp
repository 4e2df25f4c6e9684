#include "ScreenCursors.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace ScreenCursors {
namespace {

std::optional<QCursor>& loaded()
{
    static std::optional<QCursor> cursor;
    return cursor;
}

QHash<int, QCursor>& table()
{
    static QHash<int, QCursor> cursors;
    return cursors;
}

constexpr QSize CursorSize{32, 32};
constexpr QPoint HotSpot{12, 2};

} // namespace

void loadPointingCursor(const QString& programFilePath)
{
    loaded().reset();
    const QString name = QFileInfo(programFilePath).fileName();
    if (name != QLatin1String("trivane") && name != QLatin1String("trivane.exe")
        && name != QLatin1String("Trivane.exe"))
        return;
    QSvgRenderer renderer(QStringLiteral(":/cursors/indice_ext.svg"));
    if (!renderer.isValid())
        return;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(CursorSize * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    loaded() = QCursor(pixmap, HotSpot.x(), HotSpot.y());
}

const std::optional<QCursor>& pointingCursor()
{
    return loaded();
}

void registerCursor(int number, const std::optional<QCursor>& cursor)
{
    if (cursor)
        table().insert(number, *cursor);
    else
        table().remove(number);
}

QCursor cursor(int number)
{
    return table().value(number, QCursor(Qt::ArrowCursor));
}

bool isRegistered(int number)
{
    return table().contains(number);
}

} // namespace ScreenCursors
