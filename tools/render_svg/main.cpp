// Renders an SVG file to PNG with Qt's own SVG renderer, the one the program uses,
// so that a drawing can be checked by eye exactly as the program will show it.
//
//   render_svg in.svg out.png WIDTH HEIGHT [SCALE] [rects.txt]
//
// SCALE (default 1) enlarges the output for inspection. rects.txt, if given, holds one
// rectangle per line, "left top right bottom [label]", in picture pixels; each is drawn
// as a red outline over the picture.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: render_svg in.svg out.png WIDTH HEIGHT [SCALE] [rects.txt]\n");
        return 2;
    }
    const int w = QString(argv[3]).toInt();
    const int h = QString(argv[4]).toInt();
    const double scale = argc > 5 ? QString(argv[5]).toDouble() : 1.0;
    QSvgRenderer renderer{QString(argv[1])};
    if (!renderer.isValid()) {
        std::fprintf(stderr, "invalid SVG: %s\n", argv[1]);
        return 1;
    }
    QImage image(int(w * scale), int(h * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, w * scale, h * scale));
    if (argc > 6) {
        QFile file(argv[6]);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QTextStream in(&file);
            painter.setPen(QPen(Qt::red, 1));
            while (!in.atEnd()) {
                const QStringList f = in.readLine().split(' ', Qt::SkipEmptyParts);
                if (f.size() < 4)
                    continue;
                const QRectF r(QPointF(f[0].toDouble(), f[1].toDouble()) * scale,
                               QPointF(f[2].toDouble(), f[3].toDouble()) * scale);
                painter.drawRect(r);
                if (f.size() > 4)
                    painter.drawText(r.topLeft() + QPointF(2, 10), f.mid(4).join(' '));
            }
        }
    }
    painter.end();
    return image.save(QString(argv[2])) ? 0 : 1;
}
