#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

// An instrument as the chooser shows it: its picture in the group box, the three narrower
// frames of the page-turn animation, its hint and its "Instrumento" menu item.
struct ChooserEntry {
    QString pictureName; // e.g. "chooser/fluke45"
    QString mainObjectName;
    std::array<QString, 3> frameObjectNames;
    QString hint;
    QRect panel;     // in the group box
    QRect main;      // in the panel
    QPoint framesAt; // in the panel
    std::array<QSize, 3> frameSizes;
    QString menuText;
    QString menuObjectName;
};
