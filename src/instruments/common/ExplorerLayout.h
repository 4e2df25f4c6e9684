#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// Where a front-panel explorer puts its picture and its three explanation fields, and
// the few ways explorers differ in behaviour.
struct ExplorerLayout {
    QString objectName;
    QString caption;
    QPoint position; // outer, on the screen
    QSize outerSize;
    QString pictureName; // under "panels/"
    QRect map;           // in the client area; its size is the picture's
    QRect panel1;        // in the client area
    QRect groupBox1, labelMando, groupBox2, memo1, groupBox3, memo2; // group boxes in Panel1, fields in their box
    std::optional<QRect> groupBox4;                                   // the related-topic box, where there is one
    QPoint panel2;   // in the client area; the panel is 75 × 35
    QPoint button;   // "&Cerrar" in Panel2; the button is 67 × 27
    bool memoScrollBars = true;
    bool focusOnClose = true;   // "&Cerrar" has the focus when the explorer opens
    bool clearsPanelFlag = true; // "&Cerrar" clears the program's panel-open flag
    QString groupBox3Caption = QStringLiteral("Modo de empleo ");
    QString groupBox4Caption = QStringLiteral("Temas relacionados: ");
};
