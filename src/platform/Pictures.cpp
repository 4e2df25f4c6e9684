#include "Pictures.h"

#include "PictureCache.h"
#include "RawPicture.h"
#include "ResourcePages.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include <cstring>

namespace Pictures {
namespace {

// A picture stored raw (tools/prerender writes the chooser's so), as the pixmap holds it:
// a header, then the rows. Loading it copies bytes and decodes nothing.
QPixmap loadRaw(const QString& name, qreal ratio)
{
    const QResource resource(QStringLiteral(":/prerendered/%1@%2x.raw").arg(name).arg(ratio));
    RawHeader header;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() < qint64(sizeof header))
        return {};
    std::memcpy(&header, resource.data(), sizeof header);
    if (header.magic != RawHeader::Magic
        || resource.size() != qint64(sizeof header) + qint64(header.bytesPerLine) * header.height)
        return {};
    const QImage rows(resource.data() + sizeof header, header.width, header.height, header.bytesPerLine,
                      QImage::Format(header.format));
    // The pixmap paints from the stored rows themselves (it does not copy them), so their
    // pages stay: they are the program file's, shared with the system's file cache.
    return QPixmap::fromImage(rows);
}

QPixmap load(const QString& name, QSize size, qreal ratio)
{
    QPixmap pixmap = loadRaw(name, ratio);
    if (pixmap.isNull()) {
        // Drawn ahead of time at its own size, at this density? (Read as PNG without
        // asking every image plugin whether it knows the file, which would load them all.)
        const QString path = QStringLiteral(":/prerendered/%1@%2x.png").arg(name).arg(ratio);
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        pixmap = QPixmap::fromImage(reader.read());
        ResourcePages::release(path);
    }
    if (!pixmap.isNull() && pixmap.size() == size * ratio) {
        pixmap.setDevicePixelRatio(ratio);
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
    return pixmap;
}

} // namespace

QPixmap get(const QString& name, QSize size)
{
    static PictureCache cache;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("%1@%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    if (const std::optional<QPixmap> kept = cache.find(key))
        return *kept;
    const QPixmap pixmap = load(name, size, ratio);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace Pictures
