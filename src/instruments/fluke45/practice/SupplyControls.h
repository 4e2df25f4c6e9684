#pragma once

#include <QWidget>

#include <optional>

class Fluke45Bench;
class QCheckBox;
class QLabel;

// The bench supply's front: the set point's coarse and fine knobs, the current limit's
// knob, the output switch, what it delivers and its CV/CC lamp. Each knob is a pair of
// buttons, a step down and a step up; every change is a bench key (`pressed`).
class SupplyControls : public QWidget {
    Q_OBJECT
public:
    SupplyControls(const Fluke45Bench& bench, QWidget* parent = nullptr);

    // Shows the supply as the bench has it now.
    void follow();

signals:
    void pressed(int key);

private:
    const Fluke45Bench& m_bench;
    QLabel* m_setting = nullptr;
    QLabel* m_lamp = nullptr;
    QCheckBox* m_output = nullptr;
    std::optional<bool> m_limitingShown; // the lamp as last shown
};
