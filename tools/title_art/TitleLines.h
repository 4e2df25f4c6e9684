#pragma once

#include <QString>

#include <vector>

// One line of a title: its words and its size, relative to the title's other lines.
struct TitleLine {
    QString text;
    qreal scale = 1.0;
};

// The lines of the title art of the instrument whose picture name is given ("fg110").
const std::vector<TitleLine>& titleLines(const QString& pictureName);
