#pragma once

#include "sim/common/InstrumentModel.h"

class Fluke45Bench;

// The FG110 on the bench, as its own practice panel drives it: its keys go to the bench
// (which re-solves the circuit it feeds), its display is the bench's generator's. The
// bench's own panel tells it how time passes, so this one lets time go by unheard.
class GeneratorOnBench : public InstrumentModel {
public:
    explicit GeneratorOnBench(Fluke45Bench& bench)
        : m_bench(bench)
    { }

    void press(int key) override;
    void release(int key) override;
    void tick(int) override { }
    QString displayReading() const override;
    bool blinks() const override;
    bool shiftLit() const override;
    int exerciseCount() const override { return 0; }
    ExerciseText exercise(int) const override { return {}; }
    QStringList differences(int) const override { return {}; }

private:
    Fluke45Bench& m_bench;
};
