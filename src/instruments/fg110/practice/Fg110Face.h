#pragma once

#include "instruments/common/practice/InstrumentFace.h"

class Fg110Model;

// The FG110's panel in the practice window: its picture, its keys over it, and its display
// drawn in seven segments from the model's.
class Fg110Face : public InstrumentFace {
public:
    explicit Fg110Face(const Fg110Model& model)
        : m_model(model)
    { }

    QString pictureName() const override;
    QSize pictureSize() const override;
    const std::vector<PanelKey>& keys() const override;
    int wheelDownKey() const override;
    int wheelUpKey() const override;

    QRect displayRect() const override;
    void paintDisplay(QPainter& painter, bool blinkOn) const override;

private:
    const Fg110Model& m_model;
};
