#pragma once

#include <QString>
#include <QStringList>
#include <type_traits>
#include <utility>
#include <vector>

// A link shown beside an explained control that opens a related page or trainer. The
// topic is given in the instrument's own enumeration of what its links open, numbered
// from 1; the explorer hands its number back to the instrument when the link is followed.
struct RelatedTopic {
    template <class Topic>
    requires std::is_enum_v<Topic> RelatedTopic(QString linkText, Topic linkTopic)
        : text(std::move(linkText))
        , topic(static_cast<int>(linkTopic))
    { }
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
    // How "¿Dónde está…?" asks for the control: a clause that reads right after "Señala el
    // mando que", given only where the description does not make one (WhereIsQuestions).
    QString whereIsClause{};
};

using ControlCatalogue = std::vector<ControlRow>;

// The catalogue of a panel whose controls are not explained.
inline const ControlCatalogue& noControls()
{
    static const ControlCatalogue none;
    return none;
}
