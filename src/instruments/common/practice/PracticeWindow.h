#pragma once

#include "PracticeDefinition.h"

#include <QDialog>

class ExercisePane;
class QBoxLayout;
class Oscilloscope;
class PracticePanel;

// The window where a student operates a simulated instrument: its panel with its live
// display, an oscilloscope on its output where it has one, and exercises checked on its
// state. One per instrument, claimed under the instrument's name; "&Cerrar" and Esc close it.
class PracticeWindow : public QDialog {
    Q_OBJECT
public:
    // Opens the instrument's practice, or brings the one open to the front.
    static PracticeWindow* open(const PracticeDefinition& practice);

    ~PracticeWindow() override;

    InstrumentModel& model() { return *m_instrument.model; }
    const InstrumentFace& face() const { return *m_instrument.face; }
    PracticePanel* panel() const { return m_panel; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    explicit PracticeWindow(const PracticeDefinition& practice);
    void addOscilloscope(QBoxLayout* row);
    void releaseClaim();

    QString m_name; // the instrument's short name, under which the window is claimed
    PracticeInstrument m_instrument;
    PracticePanel* m_panel = nullptr;
    Oscilloscope* m_scope = nullptr; // none for an instrument without an output
    ExercisePane* m_exercises = nullptr;
};
