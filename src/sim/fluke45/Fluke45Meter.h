#pragma once

#include "sim/fluke45/Fluke45Display.h"
#include "sim/fluke45/Fluke45Editors.h"
#include "sim/fluke45/Fluke45Inputs.h"
#include "sim/fluke45/Fluke45Key.h"
#include "sim/fluke45/Fluke45Settings.h"
#include "sim/fluke45/MeterLoad.h"
#include "sim/fluke45/MeterSignals.h"

#include <map>
#include <optional>
#include <vector>

// What the meter makes heard: a short beep, and the continuity test's continuous beep
// starting and stopping.
enum class Fluke45Sound { Beep, ContinuousOn, ContinuousOff };

// What an exercise judges, as the words a student would use, so that `Differences` can
// compare them ("Función: V~ (se pide V DC)"); the settings and display besides.
struct Fluke45State {
    bool on = true;
    QString function;         // "V DC", "V DC+V~", "Ω", "diodos", "FREQ"
    QString range;            // "30 V"
    QString rangeMode;        // "automático" or "manual"
    QString secondary;        // the secondary display's function, or "apagado"
    QStringList modifiers;    // the modifiers in use: "REL", "dB", "HOLD", "MIN", "MAX", "COMP"
    QString reading;          // the primary display as shown: "12.000 V", "OL"
    QString secondaryReading; // "50.00 Hz", "PASS", or empty
    Fluke45Settings settings;
    Fluke45Display display;
};

// The Fluke 45 dual-display multimeter: keys and what its jacks see in; settings,
// display, sounds and the load it puts on the circuit out. Keys act on the way down; a
// key held is told when let go, since HOLD and MN MX held for two seconds end their
// modifier and the two DC and AC keys held together choose AC+DC. It keeps no clock:
// `tick` tells it that time has passed, and it takes a reading at its rate (and one at
// each `setSignals`).
class Fluke45Meter {
public:
    static constexpr int longPressMilliseconds = 2000;
    static constexpr double continuityBeepVolts = 0.8;
    static constexpr double continuousBeepVolts = 0.025;

    void press(Fluke45Key key);
    void release(Fluke45Key key);
    void tick(int milliseconds);
    void setSignals(const MeterSignals& seen);

    bool isOn() const { return m_on; }
    const Fluke45Settings& settings() const { return m_settings; }
    MeterLoad load() const;
    Fluke45Display display() const;
    Fluke45State state() const;
    bool continuousBeep() const { return m_continuous; }
    // Whether the number or list editor is open: AUTO saves, the arrows edit.
    bool isEditing() const { return m_editing.has_value(); }
    // Whether the meter is on as POWER leaves it: factory settings (the range aside while
    // autoranging), no 2ND pending, no editor open, no key held.
    bool atFactorySettings() const;
    // The sounds made since the last call, oldest first.
    std::vector<Fluke45Sound> takeSounds();

    // Milliseconds between two readings at a rate.
    static int readingInterval(Fluke45Rate rate);

private:
    // A reading as the primary display shows it: a value in the display's own unit (V, Ω,
    // dBm...) or an overload, on the range it was taken on.
    struct Shown {
        double value = 0;
        int overload = 0; // +1 "OL", -1 "-OL"
        int range = 0;
    };
    enum class EditTarget { High, Low, RelativeBase, ReferenceOhms, Threshold };

    void pressNormal(Fluke45Key key);
    void pressSecond(Fluke45Key key);
    bool pressEditing(Fluke45Key key);
    void chooseFunction(Fluke45Key key, bool onSecondary);
    void setPrimary(Fluke45Function function);
    void stepRange(int step);
    void toggleRelative();
    void toggleDecibels();
    void pressHold();
    void pressMinMax();
    void toggleCompare();
    void openNumberEditor(EditTarget target);
    void openListEditor(EditTarget target);
    void saveEdit();
    void endModifiers();
    void longPress(Fluke45Key key);
    void refuse();
    void takeReading();
    void autorange();
    void followContinuity();
    void stopContinuous();
    void powerOff();

    double ohmsSource() const;
    Shown live() const;
    Shown shownPrimary() const;
    int decimals(Fluke45Function function, const Fluke45Range& range) const;
    QString digits(const Shown& shown) const;
    Fluke45Readout primaryReadout() const;
    Fluke45Readout secondaryReadout() const;
    QString compareVerdict() const;

    bool m_on = true;
    Fluke45Settings m_settings;
    bool m_secondPending = false;
    std::map<Fluke45Key, int> m_heldFor;             // HOLD or MN MX down, and for how long
    std::map<Fluke45Key, bool> m_pressedOnSecondary; // function keys down: which display they chose for

    Fluke45Inputs m_inputs;

    Shown m_held;
    Shown m_minimum;
    Shown m_maximum;
    std::optional<Shown> m_previous; // the reading before, for Touch Hold's stability
    std::optional<EditTarget> m_editing;
    std::optional<NumberEditor> m_numberEditor;
    std::optional<ListEditor> m_listEditor;
    QString m_editUnit;      // the number editor's digits are in this unit,
    double m_editFactor = 1; // worth this much of the display's own unit each

    std::vector<Fluke45Sound> m_sounds;
    bool m_continuous = false;
    bool m_belowBeepVolts = false;
    int m_sinceReading = 0;
};
