#pragma once

#include "LeavingRule.h"
#include "core/InstrumentId.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// What distinguishes one instrument window from another.
struct InstrumentWindowData {
    QString objectName;
    QString caption;
    QPoint position;  // outer, on the screen
    QSize outerSize;
    QString pictureName; // "fluke45": title art "titles/fluke45", photograph "chooser/fluke45"
    QRect titleArt;      // Image1, in the client area
    QRect photograph;    // Image2, in the client area
    QString mediaPlayerName;
    QString soundFile;
    bool volverShortcut; // Ctrl+V on "&Volver"
    LeavingGuards guards;
};

const InstrumentWindowData& instrumentWindowData(InstrumentId instrument);
