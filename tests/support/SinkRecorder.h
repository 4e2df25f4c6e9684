#pragma once

#include <functional>

// Listens to what the private PulseAudio server's null sink plays (through the source
// that remaps its monitor), so that a test can tell whether a cue was really heard.
// One recording runs for the whole test program; each measure looks at a stretch of it.
namespace SinkRecorder {

// Whether the test run has an audio server to listen to.
bool available();

// Starts the recording (and sets up the audio output) ahead of the first measure; a test
// program calls it before it opens any cue, as the first sound of a process can be late.
void prepare();

// Listens while `action` runs and for `listenMs` after it, keeping the event loop going;
// returns the loudest sample heard (0 is silence, a cue is in the thousands).
int peakDuring(const std::function<void()>& action, int listenMs = 1500);

// Ends the recording and waits until the audio server is done with every stream the
// test program closed, so that the process can exit cleanly. Called once, after the
// last test (see TRIVANE_AUDIO_TEST_MAIN).
void finish();

} // namespace SinkRecorder

// Loud enough to count as a cue being heard.
constexpr int HeardPeak = 1000;
