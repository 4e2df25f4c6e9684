// Renders the program's SVG drawings ahead of time, at their own size and at the pixel
// densities of ordinary and high-density screens, with the same renderer and fonts the
// program uses at run time. The program loads these instead of rendering at start-up.
//
//   prerender <svg root> <output folder> <name>...     (names relative to the root, no ".svg")
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

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
    for (int i = 3; i < argc; ++i) {
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
        }
    }
    return 0;
}
