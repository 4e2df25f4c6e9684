#include "Pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace Pictures {

QPixmap get(const QString& name, QSize size)
{
    static QHash<QString, QPixmap> cache;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("%1@%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;

    // Drawn ahead of time at its own size, at this density? (Read as PNG without asking
    // every image plugin whether it knows the file, which would load them all.)
    QImageReader reader(QStringLiteral(":/prerendered/%1@%2x.png").arg(name).arg(ratio), "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    if (!pixmap.isNull() && pixmap.size() == size * ratio) {
        pixmap.setDevicePixelRatio(ratio);
        cache.insert(key, pixmap);
        return pixmap;
    }
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    pixmap = QPixmap();
    if (renderer.isValid()) {
        pixmap = QPixmap(size * ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(ratio);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace Pictures
