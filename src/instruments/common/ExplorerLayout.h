#pragma once

#include "core/WindowFrame.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// Where a front-panel explorer puts its picture and its three explanation fields, and
// the few ways explorers differ in behaviour.
struct ExplorerLayout {
    WindowFrame frame;
    QString pictureName; // under "panels/"
    QRect map;           // in the client area; its size is the picture's
    QRect fieldsPanel;   // in the client area
    // The group boxes, in the fields panel, and each field in its box.
    QRect nameBox, nameField, descriptionBox, descriptionField, usageBox, usageField;
    std::optional<QRect> relatedTopicsBox; // where the explorer has related topics
    QPoint closeFrame; // in the client area; the frame is 75 × 35
    QPoint button;     // "&Cerrar" in the close frame; the button is 67 × 27
    bool memoScrollBars = true;
    bool focusOnClose = true;   // "&Cerrar" has the focus when the explorer opens
    bool clearsPanelFlag = true; // "&Cerrar" clears the program's panel-open flag
    QString usageBoxCaption = QStringLiteral("Modo de empleo ");
    QString relatedTopicsBoxCaption = QStringLiteral("Temas relacionados: ");
};
