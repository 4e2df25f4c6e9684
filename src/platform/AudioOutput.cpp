#include "AudioOutput.h"

#include "IdleSinkWake.h"
#include "StreamFlowWatch.h"
#include "VoiceMix.h"

#include "SdlAudioLibrary.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>

#include <cstdlib>

namespace AudioOutput {
namespace {

using Clock = std::chrono::steady_clock;

// Frames the output asks for at a time (5.8 ms): the longest a play waits to be mixed.
constexpr int FramesPerRequest = 256;
// The latency asked of the audio service (PulseAudio, through its own PULSE_LATENCY_MSEC,
// which the audio library leaves no other way to set). Of it, the service keeps about two
// thirds queued ahead of the listener: the margin the mixing has on a busy machine.
// Measured (bench/sound_bench, both cores busy): 768 frames with the library's own
// queue, a median of 22 ms from a play to the sink and plays broken by underruns; 256
// frames with 15 ms, 12.5 ms, whole plays with both cores busy but broken ones when more
// ran besides; with 18 ms, 14.3 ms and 100 of 100 plays whole; with 20 ms, 15.7 ms.
constexpr int StreamLatencyMs = 18;
constexpr double QueuedAheadMs = StreamLatencyMs * 2.0 / 3.0;
// How long an opening still under way, or a closing, is waited for at the end of the run.
constexpr auto EndingGrace = std::chrono::seconds(2);
// A stream that flows asks for sound every 5.8 ms. A new one that asks for nothing for
// 60 ms is held back by an idle sink (see IdleSinkWake), which is then woken, the service
// being given a second to do it. The stream is watched until it has asked 30 times (it
// flows) or for half a second at most.
constexpr std::int64_t HeldBackAfterNs = 60'000'000;
constexpr std::uint64_t FlowingAfterRequests = 30;
constexpr auto LongestWatch = std::chrono::milliseconds(500);
constexpr auto WakingTime = std::chrono::seconds(1);

enum class State { Closed, Opening, Open, Failed };

struct Playing {
    Voice voice;
    std::shared_ptr<const Samples> samples;
    std::size_t position = 0;
};

std::int64_t monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

struct Output {
    std::mutex mutex; // guards voices and nextVoice, shared with the mixing thread
    std::vector<Playing> voices;
    Voice nextVoice = 1;
    std::atomic<State> state = State::Closed;
    const SdlAudioLibrary* sdl = nullptr; // loaded by the opener
    SDL_AudioDeviceID device = 0;
    std::thread opener;
    std::shared_future<void> opened; // ready when the opener has done its work
    StreamFlowWatch flow{Samples::Rate, QueuedAheadMs};
    std::atomic<std::uint64_t> mixes = 0;    // the stream's requests, flowing or not
    std::atomic<std::int64_t> lastMixNs = 0; // and the moment of the latest
};

// Never destroyed: an opener still waiting for an audio service that does not answer
// may outlive everything else in the process.
Output& output()
{
    static auto* o = new Output;
    return *o;
}

void mix(void*, Uint8* stream, int bytes)
{
    auto* out = reinterpret_cast<std::int16_t*>(stream);
    const std::size_t count = std::size_t(bytes) / sizeof(std::int16_t);
    std::fill(out, out + count, std::int16_t(0));
    Output& o = output();
    o.flow.requested(int(count / Samples::Channels), monotonicNs());
    ++o.mixes;
    o.lastMixNs = monotonicNs();
    std::lock_guard lock(o.mutex);
    for (Playing& p : o.voices) {
        const std::span<const std::int16_t> rest = std::span(p.samples->frames).subspan(p.position);
        mixVoice(std::span(out, count), rest);
        p.position += std::min(count, rest.size());
    }
    std::erase_if(o.voices, [](const Playing& p) { return p.position >= p.samples->frames.size(); });
}

// Runs on the opening thread, as the new stream starts: wakes the sink if the stream asks
// for nothing for a while (the audio library may have made the service's first fill itself,
// while the stream was paused). `before`: the count of requests made before this stream.
void wakeASinkHoldingBack(std::uint64_t before)
{
    Output& o = output();
    const std::int64_t started = monotonicNs();
    const auto until = Clock::now() + LongestWatch;
    while (Clock::now() < until && o.mixes - before < FlowingAfterRequests) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (monotonicNs() - std::max<std::int64_t>(o.lastMixNs, started) >= HeldBackAfterNs) {
            IdleSinkWake::wakeDefaultSink(WakingTime);
            return;
        }
    }
}

// Runs on the opening thread.
void open()
{
    Output& o = output();
    const SdlAudioLibrary* sdl = SdlAudioLibrary::load();
    if (!sdl) {
        o.state = State::Failed;
        return;
    }
    o.sdl = sdl;
    sdl->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl->setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Trivane");
    if (sdl->initSubSystem(SDL_INIT_AUDIO) != 0) {
        sdl->quit();
        o.state = State::Failed;
        sdl->tlsCleanup();
        return;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = Samples::Rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Samples::Channels;
    wanted.samples = FramesPerRequest;
    wanted.callback = mix;
    o.flow.newStream();
    const std::uint64_t before = o.mixes;
    const SDL_AudioDeviceID device = sdl->openAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        sdl->quit();
        o.state = State::Failed;
    } else {
        o.device = device;
        sdl->pauseAudioDevice(device, 0);
        o.state = State::Open;
        wakeASinkHoldingBack(before);
    }
    // What the audio library keeps for this thread alone (its error text) goes with it.
    sdl->tlsCleanup();
}

// Runs `work` on a thread of its own and waits for it at most `grace`; a thread still at
// work then is left to end with the process.
void runForAtMost(std::function<void()> work, std::chrono::milliseconds grace)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread worker([work = std::move(work), done] {
        work();
        done->set_value();
    });
    if (finished.wait_for(grace) == std::future_status::ready)
        worker.join();
    else
        worker.detach();
}

} // namespace

void prepare()
{
    Output& o = output();
    State expected = State::Closed;
    if (!o.state.compare_exchange_strong(expected, State::Opening))
        return;
    // Asked before any thread of the output starts; a latency the user has chosen stays.
    setenv("PULSE_LATENCY_MSEC", std::to_string(StreamLatencyMs).c_str(), 0);
    auto opened = std::make_shared<std::promise<void>>();
    o.opened = opened->get_future().share();
    o.opener = std::thread([opened] {
        open();
        opened->set_value();
    });
}

Voice start(std::shared_ptr<const Samples> samples)
{
    prepare();
    Output& o = output();
    std::lock_guard lock(o.mutex);
    const Voice voice = o.nextVoice++;
    if (samples && !samples->frames.empty() && o.state != State::Failed)
        o.voices.push_back({voice, std::move(samples), 0});
    return voice;
}

void stop(Voice voice)
{
    Output& o = output();
    std::lock_guard lock(o.mutex);
    std::erase_if(o.voices, [voice](const Playing& p) { return p.voice == voice; });
}

bool isActive(Voice voice)
{
    Output& o = output();
    std::lock_guard lock(o.mutex);
    return std::any_of(o.voices.begin(), o.voices.end(), [voice](const Playing& p) { return p.voice == voice; });
}

bool isRunning()
{
    return output().state == State::Open;
}

Health health()
{
    const Output& o = output();
    return {o.flow.requests(), o.flow.underruns(), o.flow.underrunMoments()};
}

void shutdown()
{
    Output& o = output();
    if (o.opener.joinable()) {
        if (o.opened.wait_for(EndingGrace) != std::future_status::ready) {
            // Still waiting for an audio service that does not answer: leave it to end
            // with the process.
            o.opener.detach();
            return;
        }
        o.opener.join();
    }
    if (o.state == State::Open) {
        // An audio service that stops answering could hold the closing for ever.
        runForAtMost(
            [sdl = o.sdl, device = o.device] {
                sdl->closeAudioDevice(device);
                sdl->quit();
                sdl->tlsCleanup();
            },
            EndingGrace);
    }
    o.state = State::Closed;
    std::lock_guard lock(o.mutex);
    o.voices.clear();
}

} // namespace AudioOutput
