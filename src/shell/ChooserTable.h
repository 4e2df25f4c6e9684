#pragma once

#include "core/InstrumentId.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

// One instrument of the chooser: its picture in the group box, the three narrower frames
// of the page-turn animation, its hint and its "Instrumento" menu item.
struct ChooserEntry {
    int tag;
    QString pictureName; // e.g. "chooser/fluke45"
    QString mainObjectName;
    std::array<QString, 3> frameObjectNames;
    QString hint;
    QRect panel;      // in the group box
    QRect main;       // in the panel
    QPoint framesAt;  // in the panel
    std::array<QSize, 3> frameSizes;
    QString menuText;
    QString menuObjectName;
    bool inMultimetersMenu;
    InstrumentId instrument;
};

// The seven instruments in the order the chooser lays them out.
const std::vector<ChooserEntry>& chooserTable();

// The order of the "Multímetros" submenu.
const std::vector<int>& multimeterMenuOrder();
