#pragma once

#include "core/WindowFrame.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

// A note window's content: fixed texts, step markers and a rule, laid out at fixed places,
// and the one button that closes it.
struct NoteBlock {
    enum class Kind {
        Label,         // one line of text sized to it (a width of 0), or text broken into lines to fit the rectangle
        Memo,          // lines printed on the window (no frame, the window's ground) that take no focus
        Marker,        // a small picture beside a step: a step marker or a bullet
        Rule,          // a separator line along the rectangle's bottom edge
        ScrollingMemo, // lines printed on the window, wrapped to its width, that can be scrolled
        Bevel,         // a raised separator line along the rectangle's top edge
    };
    Kind kind;
    QString objectName;
    QRect rect;
    QString fontFamily = QStringLiteral("Times New Roman");
    int pixelHeight = 15;
    bool bold = false;
    QColor color = Qt::black;
    QStringList lines{};
    bool scrollBar = false; // a scrolling memo's vertical scroll bar, shown while its text is longer than it
    QString picture = QStringLiteral("glyphs/step_marker"); // a marker's drawing
};

struct NoteLayout {
    WindowFrame frame;
    std::vector<NoteBlock> blocks;
    QString buttonName;
    QString buttonText;
    QRect buttonRect;
    QString buttonGlyph{}; // a two-state glyph under "glyphs/", or empty
    int buttonPixelHeight = 13;
    QString buttonFontFamily = QStringLiteral("System");
};
