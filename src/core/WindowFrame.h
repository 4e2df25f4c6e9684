#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// What every window's table row begins with: the name a test finds it by, its caption,
// and where it stands on the screen and how large it is, title bar and borders included.
struct WindowFrame {
    QString objectName;
    QString caption;
    QPoint position; // outer, on the screen
    QSize outerSize;
};
