#pragma once

#include "instruments/common/ControlCatalogue.h"

#include <QString>
#include <optional>
#include <vector>

// The questions "¿Dónde está…?" asks of a front panel, made from its catalogues: one per
// control, "Señala el mando que …" followed by what the control does, never its name.
namespace WhereIsQuestions {

enum class Map {
    Top,     // the explorer's own picture
    Stacked, // the picture stacked under it (the FG110's SHIFT picture)
    Either,  // a control both pictures have, alike
};

struct Question {
    QString caption; // the control's, as registered on its picture
    Map map;
    QString text;
};

// What the control does, as a clause that reads after "Señala el mando que": the row's own
// clause where it has one, else its description's first sentence with its subject left
// out ("Esta tecla permite…" gives "permite…"). Empty for a row with no description.
QString clause(const ControlRow& row);

// The question for a clause. A plural verb (its first word, or the one after "se", ends in
// n) asks for "los mandos"; a control only the stacked picture has is asked for with the
// check box's caption ("Señala el mando que, con SHIFT, …").
QString question(const QString& clause, Map map, const QString& stackedCaption);

// Every control of a panel that can be asked for, once each, the top picture's first; a
// control of the stacked picture with the caption of one on top is that control.
std::vector<Question> questions(const ControlCatalogue& top, const ControlCatalogue* stacked,
                                const QString& stackedCaption);

} // namespace WhereIsQuestions
