#pragma once

#include "core/WindowFrame.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

// A second picture lying under the explorer's own, at the same place, with its own
// controls: ticking the check box hides the top picture and so uncovers it.
struct StackedMap {
    QString picture;         // the drawing's name, e.g. "panels/fg110_shift"
    QString checkBoxCaption; // "SHIFT"
    QRect checkBox;          // in the fields panel
    QString hint{};          // shown while pointing at the check box, or empty
};

// The link labels in the related-topics box, and how they are written.
struct RelatedLinks {
    struct Place {
        QString objectName;
        QPoint at; // in the related-topics box
    };
    std::vector<Place> places; // a control's first link goes to the first place, and so on
    QString fontFamily = QStringLiteral("Times New Roman");
    int pixelHeight = 15;
    bool bold = true;
};

// Where a front-panel explorer puts its picture and its three explanation fields, and
// the few ways explorers differ in behaviour.
struct ExplorerLayout {
    WindowFrame frame;
    QString picture;   // the drawing's name, e.g. "panels/promax"
    QRect map;         // in the client area; its size is the picture's
    QRect fieldsPanel; // in the client area
    // The group boxes, in the fields panel, and each field in its box.
    QRect nameBox, nameField, descriptionBox, descriptionField, usageBox, usageField;
    std::optional<QRect> relatedTopicsBox{}; // where the explorer has related topics
    QPoint closeFrame;                       // in the client area; the frame is 75 × 35
    QPoint button;                           // "&Cerrar" in the close frame; the button is 67 × 27
    bool memoScrollBars = true;
    bool focusOnClose = true;       // "&Cerrar" has the focus when the explorer opens
    bool releasesPanelClaim = true; // "&Cerrar" releases the program's one front panel
    bool clickSound = true;         // an explained click is heard
    QString usageBoxCaption = QStringLiteral("Modo de empleo ");
    QString relatedTopicsBoxCaption = QStringLiteral("Temas relacionados: ");
    std::optional<StackedMap> stackedMap{};
    RelatedLinks links{}; // no places: the explorer offers no links
    // Opens what a link's topic names (a page, a trainer); topic 0 is never passed.
    void (*openRelatedTopic)(int topic) = nullptr;
    // Closes, as "&Cerrar" closes the explorer, the windows its links opened that go with it.
    void (*closeRelatedWindows)() = nullptr;
    // Where the "¿Dónde está…?" button goes, in the client area; none: the explorer does
    // not ask for its controls.
    std::optional<QRect> whereIsButton{};
};
