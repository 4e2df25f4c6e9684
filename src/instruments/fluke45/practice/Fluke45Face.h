#pragma once

#include "instruments/common/practice/InstrumentFace.h"

class Fluke45Meter;

// The Fluke 45's panel in the practice window: its picture, its keys over it, and both
// displays drawn from the meter's.
class Fluke45Face : public InstrumentFace {
public:
    explicit Fluke45Face(const Fluke45Meter& meter)
        : m_meter(meter)
    { }

    QString pictureName() const override;
    QSize pictureSize() const override;
    const std::vector<PanelKey>& keys() const override;

    QRect displayRect() const override;
    void paintDisplay(QPainter& painter, bool blinkOn) const override;

private:
    const Fluke45Meter& m_meter;
};
