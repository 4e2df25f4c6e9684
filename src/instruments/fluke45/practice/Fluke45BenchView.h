#pragma once

#include "instruments/fluke45/practice/LeadControl.h"

#include <QWidget>

#include <array>

class CircuitPicture;
class Fg110Face;
class ExercisePane;
class Fluke45Beeper;
class Fluke45Bench;
class GeneratorOnBench;
class LeadsOverlay;
class PracticePanel;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class SupplyControls;

// The Fluke 45's practice body: the meter's panel with the bench's state in words beside
// it; below, a row with the circuit chooser, the two leads' controls, the break and
// "Cambiar fusible"; below that, the circuit's picture and, in tabs, the exercises, the
// supply and the FG110's own panel; the leads drawn over it all from jack to tip. Every action is a bench key pressed through the meter's panel, so that
// the exercises' demonstrations and the student move the same bench.
class Fluke45BenchView : public QWidget {
    Q_OBJECT
public:
    Fluke45BenchView(Fluke45Bench& bench, PracticePanel& panel, QWidget& exercises, QWidget* parent);
    ~Fluke45BenchView() override;

    // Shows the bench as it is now: leads, circuit, supply, generator, reading; the meter's
    // sounds heard.
    void follow();
    // What time changes between keys: the sounds, the supply's lamp, the bench's reading.
    void followTime();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* newLeadsRow();
    QWidget* newSources(QWidget& exercises);
    void orderTabs(QWidget& exercises);
    void pointClicked(const QString& point);
    void press(int key);

    Fluke45Bench& m_bench;
    PracticePanel& m_panel;
    std::unique_ptr<GeneratorOnBench> m_generator;
    std::unique_ptr<Fg110Face> m_generatorFace;
    PracticePanel* m_generatorPanel = nullptr;
    CircuitPicture* m_circuit = nullptr;
    SupplyControls* m_supply = nullptr;
    std::array<LeadControl*, leadCount> m_leads{};
    // The end of a lead picked up by the mouse, waiting for a jack or a point.
    std::optional<std::pair<Lead, LeadControl::End>> m_inHand;
    QComboBox* m_chooser = nullptr;
    QPushButton* m_break = nullptr;
    QPushButton* m_fuse = nullptr;
    QLabel* m_reading = nullptr;
    QTabWidget* m_tabs = nullptr;
    LeadsOverlay* m_overlay = nullptr;
    std::pair<int, bool> m_boardShown{-2, false}; // the circuit and its break as last drawn
    Fluke45Beeper* m_beeper = nullptr;
};
