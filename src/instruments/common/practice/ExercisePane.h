#pragma once

#include <QList>
#include <QWidget>

class PracticePanel;
class SimulatedInstrument;
class QLabel;
class QPushButton;
class QToolButton;

// The exercises of a practice, one at a time: the statement, "Comprobar" (which judges the
// instrument's state and lists what differs, with the happy or the unhappy face), "Pista"
// in three levels (which keys, those keys lit on the panel, the whole sequence), arrows
// to the previous and next exercise and a numbered button for each, ticked once done.
class ExercisePane : public QWidget
{
    Q_OBJECT
public:
    ExercisePane(SimulatedInstrument& instrument, PracticePanel& panel, QWidget* parent = nullptr);

    int current() const { return m_current; }
    void showExercise(int exercise);
    void check();
    void giveHint();
    bool isDone(int exercise) const { return m_done.value(exercise); }

private:
    void clearVerdict();
    void refreshNumbers();

    SimulatedInstrument& m_instrument;
    PracticePanel& m_panel;
    int m_current = 0;
    int m_hintLevel = 0;
    QList<bool> m_done;

    QLabel* m_title = nullptr;
    QLabel* m_statement = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_happyFace = nullptr;
    QLabel* m_unhappyFace = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QList<QToolButton*> m_numbers;
};
