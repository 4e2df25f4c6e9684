#pragma once

#include "sim/fg110/Fg110Display.h"
#include "sim/fg110/Fg110Field.h"
#include "sim/fg110/Fg110Key.h"
#include "sim/fg110/Fg110Output.h"
#include "sim/fg110/Fg110Settings.h"
#include "sim/signal/ScopeSignal.h"

#include <array>
#include <optional>

// The FG110 function generator as the practice window operates it: keys in, settings,
// display and output out. It keeps no clock of its own: the caller tells it how time
// passes (`tick`), which ends the second that a refused value shows "Err".
class Fg110Generator {
public:
    static constexpr int memoryCount = 10;
    static constexpr int errorMilliseconds = 1000;

    // A generator as it stands on a bench before anyone switches it on: off, its factory
    // settings waiting for POWER. A default-made one is already on.
    static Fg110Generator switchedOff();

    void press(Fg110Key key);
    // A key let go: LOCAL/MAN TRIG closes GATE's gate.
    void release(Fg110Key key);
    void tick(int milliseconds);

    bool isOn() const { return m_on; }
    const Fg110Settings& settings() const { return m_settings; }
    int gpibAddress() const { return m_address; }
    Fg110Field field() const { return m_field; }
    bool showsError() const { return m_errorLeft > 0; }
    // Whether LOCAL/MAN TRIG has started a burst (or opened GATE's gate) since the mode
    // was last chosen.
    bool triggered() const { return m_trigger.started; }

    const std::optional<Fg110Settings>& memory(int slot) const { return m_memories.at(std::size_t(slot)); }
    // Whether INITIALIZE was pressed after the settings were last stored in this memory.
    bool initializedAfterStoring(int slot) const;

    Fg110Display display() const;
    ScopeSignal output() const;

private:
    enum class Prompt { None, Store, Recall };

    bool pressShifted(Fg110Key key);
    void pressNormal(Fg110Key key);
    void choose(Fg110Field field);
    void refuse();
    void type(Fg110Key key);
    void enter(Fg110Key unitKey);
    void moveCursor(int towardsLarger);
    void turnKnob(int step);
    void answerPrompt(int digit);
    void nextFunction();
    void nextMode();
    void switchRange();
    void keepFieldAvailable();
    void clearTransients();
    void forgetTrigger();
    static NumberFormat rmsFormat();
    std::optional<double> rmsFactor() const;
    ShownNumber shown() const;
    bool setShown(double value);

    Fg110Settings m_settings = fg110FactorySettings();
    int m_address = Fg110Limits::factoryAddress;
    bool m_on = true;
    bool m_shift = false;
    Fg110Trigger m_trigger;
    Fg110Field m_field = Fg110Field::Frequency;
    bool m_wordShown = false;    // the field's word, until a digit, cursor or knob
    QString m_typed;             // keypad entry under way
    double m_selectedWeight = 0; // the digit chosen with the cursors (what one step is worth); 0 for none
    Prompt m_prompt = Prompt::None;
    bool m_amplitudeInRms = false; // the amplitude was last entered in Vrms, and reads so
    int m_errorLeft = 0;           // milliseconds of "Err" still to show

    std::array<std::optional<Fg110Settings>, memoryCount> m_memories;
    std::array<int, memoryCount> m_storedAt{};
    int m_initializedAt = 0;
    int m_events = 0;
};
