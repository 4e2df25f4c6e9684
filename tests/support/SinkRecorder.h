#pragma once

#include "SinkListener.h"

#include <functional>

// Listens to what the private PulseAudio server's null sink plays (by recording its
// monitor), so that a test can tell whether a cue was really heard, and when.
// One recording runs for the whole test program; each measure looks at a stretch of it.
namespace SinkRecorder {

// Whether the test run has an audio server to listen to.
bool available();

// Starts the recording ahead of the first measure.
void prepare();

// The running recording, for tests that look at when each sound was heard.
SinkListener& listener();

// Listens while `action` runs and for `listenMs` after it, keeping the event loop going;
// returns the loudest sample heard (0 is silence, a cue is in the thousands).
int peakDuring(const std::function<void()>& action, int listenMs = 1500);

// Ends the recording (and the recorder process). Called once, after the last test (see
// TRIVANE_AUDIO_TEST_MAIN).
void finish();

} // namespace SinkRecorder

// Loud enough to count as a cue being heard.
constexpr int HeardPeak = 1000;
