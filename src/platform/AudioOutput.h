#pragma once

#include "WavCheck.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The program's one audio output: a stream kept open for the whole run, into which every
// cue that sounds is mixed. A play is heard as soon as the next few milliseconds of the
// stream are written, never cut short at its end, and never lost to a stream that is
// still being set up: a play made before the stream flows waits for it and is heard
// whole as soon as it does.
//
// The output is opened in the background, so that no window ever waits for the audio
// service: with none reachable (or one that never answers) every cue is simply not heard.
// Its opening thread also loads the audio library, so nothing of the sound system is
// touched before the program asks for the output (once its first window has painted) or a
// cue first plays, whichever comes first; a run that plays nothing and never asks never
// loads it.
namespace AudioOutput {

// Samples ready to mix: 16-bit, stereo interleaved, at the output's rate.
struct Samples {
    static constexpr int Rate = 44100;
    static constexpr int Channels = 2;
    std::vector<std::int16_t> frames;
};

// Converts the samples of a checked WAV file (its "data" chunk, as `wav` describes it) to
// the output's format, into a buffer of exactly the converted length; empty when `wav` is
// not ok. Touches nothing of the sound system.
std::shared_ptr<const Samples> convert(std::span<const std::byte> data, const wav::Check& wav);

// Starts opening the output in the background, if it is not open or opening already.
void prepare();

// Starts a voice that plays the samples once from the start; returns its number.
// A voice started before the output flows is played from its start as soon as it does.
using Voice = std::uint64_t;
Voice start(std::shared_ptr<const Samples> samples);

// Silences a voice at once (a voice that has ended is left alone).
void stop(Voice voice);

// Whether a voice is still to be heard: waiting for the output, or not yet all mixed.
bool isActive(Voice voice);

// Whether the output is open and playing (false while opening, and with no audio service).
bool isRunning();

// How the stream has fared since it began to flow: the requests for sound it made, and
// how many of them came later than the sound already handed over could cover, so that
// the listener heard a gap (an underrun). A machine too busy to run the mixer in time
// shows here, not as a fault of the mixing.
struct Health {
    std::uint64_t requests = 0;
    std::uint64_t underruns = 0;
    std::vector<std::int64_t> underrunMoments; // monotonic nanoseconds, the latest few
};
Health health();

// Closes the output at the end of the run: waits for an opening still under way, closes
// the stream and lets the audio library free what it holds. An audio service that stops
// answering is waited for a moment only.
void shutdown();

} // namespace AudioOutput
