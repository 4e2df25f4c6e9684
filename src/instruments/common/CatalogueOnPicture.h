#pragma once

#include "ControlCatalogue.h"

#include <QSize>
#include <QString>

// A control catalogue with the picture its controls are registered on, so that one check
// can walk every catalogue of the program.
struct CatalogueOnPicture {
    QString name;
    QString picture; // the drawing's name, e.g. "panels/promax"
    QSize pictureSize;
    const ControlCatalogue* catalogue;
    int topicCount; // related topics valid on this catalogue are 1..topicCount
};
