#pragma once

#include "sim/common/InstrumentModel.h"
#include "sim/fg110/Fg110Generator.h"

// The FG110 as the practice window operates it: the generator, its output and its twelve
// exercises, keys being `int(Fg110Key)`.
class Fg110Model : public InstrumentModel {
public:
    explicit Fg110Model(Fg110Generator generator = {})
        : m_generator(std::move(generator))
    { }

    void press(int key) override;
    void release(int key) override;
    void tick(int milliseconds) override;

    QString displayReading() const override;
    bool blinks() const override;
    bool shiftLit() const override;

    std::optional<ScopeSignal> output() const override;

    int exerciseCount() const override;
    ExerciseText exercise(int n) const override;
    QStringList differences(int n) const override;
    QList<int> keysBeforeSequence() const override;

    const Fg110Generator& generator() const { return m_generator; }

private:
    Fg110Generator m_generator;
};
