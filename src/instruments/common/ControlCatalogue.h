#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A link shown beside an explained control that opens a related page or trainer.
struct RelatedTopic {
    QString text;
    int topic;
};

// One control of a front panel or trainer: where it is on the picture, the caption shown
// while pointing at it, and what a click on it explains.
struct ControlRow {
    int left, top, right, bottom; // in picture pixels, as registered on the map
    QString caption;
    QString name;
    QStringList description;
    QStringList usage;
    std::vector<RelatedTopic> related{};
};

using ControlCatalogue = std::vector<ControlRow>;
