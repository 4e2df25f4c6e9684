#pragma once

#include "instruments/common/ControlCatalogue.h"

#include <QSize>
#include <QString>
#include <vector>

// Every control catalogue of the program with the picture it is registered on, so that
// one check can walk them all.
struct CatalogueOnPicture {
    QString name;
    QString picture; // the drawing's name, e.g. "panels/promax"
    QSize pictureSize;
    const ControlCatalogue* catalogue;
    int topicCount; // related topics valid on this catalogue are 1..topicCount
};

const std::vector<CatalogueOnPicture>& allCatalogues();
