#pragma once

#include "PracticeDefinition.h"

#include <QDialog>

#include <memory>

class ExercisePane;
class Oscilloscope;
class PracticePanel;
class SimulatedInstrument;

// The window where a student operates a simulated instrument: its panel with its live
// display, an oscilloscope on its output, and exercises checked on its state. One at a
// time in the whole program; "&Cerrar" and Esc close it.
class PracticeWindow : public QDialog
{
    Q_OBJECT
public:
    // Opens the practice, or brings the one open to the front.
    static PracticeWindow* open(const PracticeDefinition& practice);
    static bool isOpen();

    ~PracticeWindow() override;

    SimulatedInstrument& instrument() { return *m_instrument; }
    PracticePanel* panel() const { return m_panel; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    explicit PracticeWindow(const PracticeDefinition& practice);

    std::unique_ptr<SimulatedInstrument> m_instrument;
    PracticePanel* m_panel = nullptr;
    Oscilloscope* m_scope = nullptr;
    ExercisePane* m_exercises = nullptr;
};
