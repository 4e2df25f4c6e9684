#pragma once

#include <QList>
#include <QWidget>

class Demonstration;
class PracticePanel;
class InstrumentModel;
class QLabel;
class QPushButton;
class QShortcut;
class QToolButton;

// The exercises of a practice, one at a time: the statement, "Comprobar" (which judges the
// instrument's state and lists what differs, with the happy or the unhappy face, and
// announces it to a screen reader), "Pista" in three levels (which keys, those keys lit on
// the panel, the whole sequence), "Muéstramelo" (which plays that sequence on the panel;
// "Detener" while it plays), arrows to the previous and next exercise and a numbered
// button for each, ticked once the student has met it and marked once demonstrated.
class ExercisePane : public QWidget {
    Q_OBJECT
public:
    ExercisePane(InstrumentModel& model, PracticePanel& panel, QWidget* parent = nullptr);

    int current() const { return m_current; }
    void showExercise(int exercise);
    void check();
    void giveHint();
    // Starts the demonstration of the current exercise, or stops the one playing.
    void toggleDemonstration();
    void stopDemonstration();
    bool isDone(int exercise) const { return m_done.value(exercise); }
    bool wasDemonstrated(int exercise) const { return m_demonstrated.value(exercise); }
    Demonstration& demonstration() { return *m_demonstration; }

signals:
    // The student has met `exercise` by their own keys (not by a demonstration).
    void exerciseMet(int exercise);

private:
    void showHint(int level);
    void showVerdict(const QString& text);
    void clearVerdict();
    void studentPressed();
    void demonstrationEnded(bool finished);
    void refreshNumbers();

    InstrumentModel& m_model;
    PracticePanel& m_panel;
    int m_current = 0;
    int m_hintLevel = 0;
    QList<bool> m_done;
    QList<bool> m_demonstrated;
    // The state is the demonstration's work: the student has pressed no key since it started.
    bool m_stateFromDemonstration = false;
    Demonstration* m_demonstration = nullptr;

    QLabel* m_title = nullptr;
    QLabel* m_statement = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_happyFace = nullptr;
    QLabel* m_unhappyFace = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QPushButton* m_show = nullptr;
    QShortcut* m_stopShortcut = nullptr;
    QList<QToolButton*> m_numbers;
};
