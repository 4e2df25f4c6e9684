#pragma once

#include <QObject>

#include <functional>
#include <vector>

#include "sim/fluke45/Fluke45Meter.h"

class SoundCue;
class QTimer;

// Makes the meter's sounds heard with the beep cue (SOND\PITIDO.WAV): a short beep once,
// the continuity test's continuous beep replayed back to back while it lasts. `follow`
// takes the sounds made since it was last called; call it after every key and tick.
class Fluke45Beeper : public QObject {
    Q_OBJECT
public:
    explicit Fluke45Beeper(QObject* parent = nullptr);

    void follow(const std::vector<Fluke45Sound>& sounds);
    bool continuous() const { return m_continuous; }
    SoundCue* cue() const { return m_cue; }

private:
    void play();

    SoundCue* m_cue = nullptr;
    QTimer* m_replay = nullptr;
    bool m_continuous = false;
};
