// Measures, at build time, the cell per em of every font of the Windows-font table, plain
// and bold, with the fonts installed here, and writes the table WindowsFonts reads, so that
// the program makes no font engine at start-up to learn it.
//
//   font_cells <output.cpp>
#include "platform/WindowsFontTable.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: font_cells <output.cpp>\n");
        return 2;
    }
    for (const WindowsFonts::Substitute& s : WindowsFonts::substitutes)
        QFont::insertSubstitution(QString::fromLatin1(s.windowsFamily), QString::fromLatin1(s.freeFamily));
    QByteArray text = "// Written by tools/font_cells at build time; do not edit.\n"
                      "#include \"platform/WindowsFontTable.h\"\n\n"
                      "const std::array<WindowsFonts::MeasuredCell, WindowsFonts::substitutes.size() * 2>\n"
                      "    WindowsFonts::measuredCells{{\n";
    for (const WindowsFonts::Substitute& s : WindowsFonts::substitutes) {
        for (const bool bold : {false, true}) {
            const QString family = QString::fromLatin1(s.windowsFamily);
            const qreal cell = WindowsFonts::measureCellPerEm(WindowsFonts::freeFont(family, bold));
            // Every digit of the double, so that the program computes with the very value.
            text += QStringLiteral("    {\"%1\", %2, %3},\n")
                        .arg(family, bold ? QStringLiteral("true") : QStringLiteral("false"),
                             QString::number(cell, 'g', 17))
                        .toUtf8();
        }
    }
    text += "}};\n";
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
        std::fprintf(stderr, "font_cells: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
