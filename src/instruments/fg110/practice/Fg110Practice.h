#pragma once

#include "instruments/common/practice/PracticeDefinition.h"
#include "instruments/common/practice/SimulatedInstrument.h"
#include "instruments/fg110/practice/Fg110Generator.h"

// The FG110 as the practice window operates it: the generator model behind its panel
// picture, its display drawn in seven segments, and its twelve exercises.
class Fg110Practice : public SimulatedInstrument {
public:
    QString pictureName() const override;
    QSize pictureSize() const override;
    const std::vector<PanelKey>& keys() const override;
    int wheelDownKey() const override;
    int wheelUpKey() const override;

    void press(int key) override;
    void release(int key) override;
    void tick(int milliseconds) override;

    QRect displayRect() const override;
    void paintDisplay(QPainter& painter, bool blinkOn) const override;
    bool blinks() const override;
    QString displayReading() const override;
    bool shiftLit() const override;

    ScopeSignal output() const override;

    int exerciseCount() const override;
    ExerciseText exercise(int n) const override;
    QStringList differences(int n) const override;
    QList<int> keysBeforeSequence() const override;

    const Fg110Generator& generator() const { return m_generator; }

private:
    Fg110Generator m_generator;
};

// The FG110's practice window.
const PracticeDefinition& fg110PracticeDefinition();
