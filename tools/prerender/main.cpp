// Renders the program's SVG drawings ahead of time, at their own size and at the pixel
// densities of ordinary and high-density screens, with the same renderer and fonts the
// program uses at run time. The program loads these instead of rendering at start-up.
//
//   prerender <svg root> <output folder> <name>... [--raw <name>...]
//
// Names are relative to the root, without ".svg". Those after --raw are also written raw
// (<name>@<scale>x.raw): the pixels as a pixmap holds them once the PNG is loaded, so
// that the program copies them and decodes nothing (the chooser's, needed before its
// first paint).
#include "platform/RawPicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cstdio>

namespace {

// Writes the PNG just written as the pixmap the program makes of it holds its pixels.
bool writeRaw(const QString& png, const QString& file)
{
    const QImage pixels = QPixmap::fromImage(QImage(png)).toImage();
    Pictures::RawHeader header;
    header.width = pixels.width();
    header.height = pixels.height();
    header.bytesPerLine = int(pixels.bytesPerLine());
    header.format = int(pixels.format());
    QFile out(file);
    return !pixels.isNull() && out.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && out.write(reinterpret_cast<const char*>(&header), sizeof header) == qint64(sizeof header)
           && out.write(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes())
                  == pixels.sizeInBytes();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: prerender <svg root> <output folder> <name>...\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    bool raw = false;
    for (int i = 3; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--raw") {
            raw = true;
            continue;
        }
        const QString name = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer renderer(root.filePath(name + QStringLiteral(".svg")));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "prerender: invalid drawing %s\n", argv[i]);
            return 1;
        }
        for (const int scale : {1, 2}) {
            QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
            painter.end();
            const QString file = out.filePath(QStringLiteral("%1@%2x.png").arg(name).arg(scale));
            QDir().mkpath(QFileInfo(file).path());
            if (!image.save(file)) {
                std::fprintf(stderr, "prerender: cannot write %s\n", qPrintable(file));
                return 1;
            }
            const QString rawFile = out.filePath(QStringLiteral("%1@%2x.raw").arg(name).arg(scale));
            if (raw && !writeRaw(file, rawFile)) {
                std::fprintf(stderr, "prerender: cannot write %s\n", qPrintable(rawFile));
                return 1;
            }
        }
    }
    return 0;
}
