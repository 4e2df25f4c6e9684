#include "instruments/fluke45/practice/Fluke45Beeper.h"

#include "core/AppState.h"
#include "platform/SoundCue.h"

#include <QTimer>

namespace {
// How often the continuous beep is played again while it lasts: about the cue's length,
// so that it sounds unbroken (a cue still sounding goes on undisturbed).
constexpr int replayMilliseconds = 200;
} // namespace

Fluke45Beeper::Fluke45Beeper(QObject* parent)
    : QObject(parent)
    , m_cue(new SoundCue(this))
    , m_replay(new QTimer(this))
{
    m_cue->setObjectName(QStringLiteral("SonidoPitido"));
    m_cue->open(QStringLiteral("SOND\\PITIDO.WAV"));
    m_replay->setInterval(replayMilliseconds);
    connect(m_replay, &QTimer::timeout, this, &Fluke45Beeper::play);
}

void Fluke45Beeper::follow(const std::vector<Fluke45Sound>& sounds)
{
    for (Fluke45Sound sound : sounds) {
        switch (sound) {
        case Fluke45Sound::Beep:
            play();
            break;
        case Fluke45Sound::ContinuousOn:
            m_continuous = true;
            play();
            m_replay->start();
            break;
        case Fluke45Sound::ContinuousOff:
            m_continuous = false;
            m_replay->stop();
            m_cue->stop();
            break;
        }
    }
}

void Fluke45Beeper::play()
{
    if (appState().soundOn && m_cue->isOpen())
        m_cue->play();
}
