// Draws the title art of every instrument window, in one lettering (TitleArtLayout.h),
// from each window's layout in the registry and the words in TitleLines.cpp:
//
//   title_art FOLDER        (QT_QPA_PLATFORM=offscreen where there is no display)
//
// writes FOLDER/<picture name>.svg for each instrument (the program's are in
// assets/pictures/titles/) and prints the sizes it chose. The lines are as large as they
// fit, LineGap apart, Margin from the edges and from the part of the picture the
// window's photograph covers.
#include "TitleArtLayout.h"
#include "instruments/InstrumentRegistry.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QString number(qreal value)
{
    return QString::number(value, 'f', 2);
}

// The extrusion's layers, from the deepest, and the light edge over them.
struct Layer {
    qreal offset;
    const char* colour;
};
constexpr Layer Extrusion[] = {{4, "#622900"}, {3, "#773300"}, {2, "#8c3d00"}, {1, "#a24800"}};
constexpr const char* Highlight = "#ffe3a6";

QString titleSvg(QSize size, const std::vector<PlacedLine>& lines)
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n")
               .arg(size.width())
               .arg(size.height())
        << "<defs>\n"
        << QString("<linearGradient id=\"bg\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"%1\" gradientUnits=\"userSpaceOnUse\">"
                   "<stop offset=\"0\" stop-color=\"#d4d4d4\"/><stop offset=\"1\" stop-color=\"#a9a9a9\"/>"
                   "</linearGradient>\n")
               .arg(size.height());
    for (std::size_t n = 0; n < lines.size(); ++n)
        out << QString(
                   "<linearGradient id=\"f%1\" x1=\"0\" y1=\"%2\" x2=\"0\" y2=\"%3\" gradientUnits=\"userSpaceOnUse\">"
                   "<stop offset=\"0\" stop-color=\"#ffb13a\"/><stop offset=\"1\" stop-color=\"#ee6f00\"/>"
                   "</linearGradient>\n")
                   .arg(n)
                   .arg(number(lines[n].inkTop), number(lines[n].inkBottom));
    out << "</defs>\n"
        << QString("<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"url(#bg)\"/>\n")
               .arg(size.width())
               .arg(size.height());
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const PlacedLine& line = lines[n];
        const QString text = line.text.toHtmlEscaped();
        out << QString("<g transform=\"translate(%1,%2)\" font-family=\"Lato\" font-weight=\"900\" font-size=\"%3\">\n")
                   .arg(number(line.baseline.x()), number(line.baseline.y()), number(line.size));
        const qreal shadow = TitleLettering::ShadowOffset;
        out << QString("<text x=\"%1\" y=\"%1\" fill=\"#000000\" fill-opacity=\"0.18\">%2</text>\n")
                   .arg(shadow)
                   .arg(text);
        for (const Layer& layer : Extrusion)
            out << QString("<text x=\"%1\" y=\"%1\" fill=\"%2\">%3</text>\n").arg(layer.offset).arg(layer.colour, text);
        out << QString("<text x=\"%1\" y=\"%1\" fill=\"%2\">%3</text>\n")
                   .arg(TitleLettering::HighlightOffset)
                   .arg(Highlight, text);
        out << QString("<text x=\"0\" y=\"0\" fill=\"url(#f%1)\">%2</text>\n</g>\n").arg(n).arg(text);
    }
    out << "</svg>\n";
    return svg;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: title_art FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all()) {
        const InstrumentWindowData& window = entry.definition.window;
        const QRect covered = window.photograph.intersected(window.titleArt).translated(-window.titleArt.topLeft());
        const auto lines = layOutTitle(titleLines(window.pictureName), window.titleArt.size(), covered);
        if (!lines || lines->empty()) {
            std::fprintf(stderr, "%s: the lines fit at no size\n", qPrintable(window.pictureName));
            ++failures;
            continue;
        }
        QFile file(folder.filePath(window.pictureName + QStringLiteral(".svg")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(titleSvg(window.titleArt.size(), *lines).toUtf8()) < 0) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(file.fileName()));
            ++failures;
            continue;
        }
        std::printf("%s:", qPrintable(window.pictureName));
        for (const PlacedLine& line : *lines)
            std::printf(" \"%s\" %.1f px;", qPrintable(line.text), line.size);
        std::printf("\n");
    }
    return failures == 0 ? 0 : 1;
}
