#pragma once

#include "AudioOutput.h"
#include "WavCheck.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

// A window's sound cue. Opening is synchronous, so that a missing or broken file is
// reported at once in an error box; playing is asynchronous. Destroying the player
// silences its cue at once. A play or stop that the audio service refuses is ignored,
// and with no audio device the cue is simply not heard.
// The cue's samples are read and converted once, at opening, without touching the sound
// system; every play mixes them into the program's one audio output (the first play opens
// it, if the program has not yet).
class SoundCue : public QObject {
    Q_OBJECT
public:
    explicit SoundCue(QObject* parent = nullptr);
    ~SoundCue() override;

    // Opens a cue named relative to the program ("SOND\PAGINA.WAV"). On failure shows
    // the error box and returns false; the player then stays closed.
    bool open(const QString& relativeName);
    bool isOpen() const { return m_samples != nullptr; }

    // Plays from the start; a cue that is still sounding goes on undisturbed.
    void play();
    void stop();

    // The text shown when a cue cannot be opened.
    static QString openErrorText(const QString& relativeName, const QString& reason);

    // Whether the last play is still sounding (by the cue's length), or still waiting for
    // the output to flow.
    bool isSounding() const;

private:
    std::shared_ptr<const AudioOutput::Samples> m_samples;
    wav::Check m_wav;
    AudioOutput::Voice m_voice = 0; // the last play's voice
    QElapsedTimer m_sinceStart;
};
