#include "AudioOutput.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>

namespace AudioOutput {
namespace {

using Clock = std::chrono::steady_clock;

// A voice that the output could not start within this time after its play is dropped:
// a click heard late is worse than none.
constexpr auto LateAfter = std::chrono::milliseconds(200);
// Frames the output asks for at a time (about 17 ms): the most a play waits to be mixed,
// and the margin the mixing thread has before the stream runs dry. With 512 (12 ms) a
// sound was once seen to break in two on a busy machine; 1024 makes plays wait 27 ms.
constexpr int FramesPerRequest = 768;

enum class State { Closed, Opening, Open, Failed };

struct Playing {
    Voice voice;
    std::shared_ptr<const Samples> samples;
    std::size_t position = 0;
    Clock::time_point playedAt;
};

struct Output {
    std::mutex mutex; // guards voices and nextVoice, shared with the mixing thread
    std::vector<Playing> voices;
    Voice nextVoice = 1;
    std::atomic<State> state = State::Closed;
    SDL_AudioDeviceID device = 0;
    std::thread opener;
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
    std::lock_guard lock(o.mutex);
    const Clock::time_point now = Clock::now();
    std::erase_if(o.voices, [&](const Playing& p) { return p.position == 0 && now - p.playedAt > LateAfter; });
    for (Playing& p : o.voices) {
        const std::vector<std::int16_t>& frames = p.samples->frames;
        const std::size_t n = std::min(count, frames.size() - p.position);
        for (std::size_t i = 0; i < n; ++i)
            out[i] = std::int16_t(std::clamp(int(out[i]) + int(frames[p.position + i]), -32768, 32767));
        p.position += n;
    }
    std::erase_if(o.voices, [](const Playing& p) { return p.position >= p.samples->frames.size(); });
}

void open()
{
    Output& o = output();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Trivane");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        o.state = State::Failed;
        return;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = Samples::Rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Samples::Channels;
    wanted.samples = FramesPerRequest;
    wanted.callback = mix;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        o.state = State::Failed;
        return;
    }
    o.device = device;
    SDL_PauseAudioDevice(device, 0);
    o.state = State::Open;
}

// A WAV file's samples as 16-bit integers, with more than two channels mixed down to one.
std::vector<std::int16_t> decode(std::span<const std::byte> data, const wav::Check& wav, int& channelsOut)
{
    const int channels = wav.channels;
    const int width = wav.bitsPerSample / 8;
    const std::size_t frames = data.size() / std::size_t(channels * width);
    channelsOut = channels <= 2 ? channels : 1;
    std::vector<std::int16_t> out;
    out.reserve(frames * std::size_t(channelsOut));
    const auto sampleAt = [&](std::size_t at) -> int {
        // The top two bytes of a little-endian sample (8-bit samples are unsigned).
        if (width == 1)
            return (int(std::uint8_t(data[at])) - 128) << 8;
        return int(std::int16_t(std::uint16_t(std::uint8_t(data[at + std::size_t(width) - 2]))
                                | std::uint16_t(std::uint8_t(data[at + std::size_t(width) - 1])) << 8));
    };
    for (std::size_t f = 0; f < frames; ++f) {
        const std::size_t at = f * std::size_t(channels * width);
        if (channelsOut == channels) {
            for (int c = 0; c < channels; ++c)
                out.push_back(std::int16_t(sampleAt(at + std::size_t(c * width))));
        } else {
            int sum = 0;
            for (int c = 0; c < channels; ++c)
                sum += sampleAt(at + std::size_t(c * width));
            out.push_back(std::int16_t(sum / channels));
        }
    }
    return out;
}

} // namespace

std::shared_ptr<const Samples> convert(std::span<const std::byte> data, const wav::Check& wav)
{
    auto samples = std::make_shared<Samples>();
    if (!wav.ok())
        return samples;
    int channels = 0;
    std::vector<std::int16_t> decoded = decode(data, wav, channels);
    const std::size_t frames = decoded.size() / std::size_t(channels);
    const auto wanted = std::size_t(double(frames) * Samples::Rate / wav.sampleRate + 0.5) * Samples::Channels;
    // The converter keeps back the last few milliseconds even when flushed: give it a
    // tenth of a second of silence to push them out with, and keep only the sound's length.
    decoded.resize(decoded.size() + std::size_t(wav.sampleRate / 10) * std::size_t(channels), 0);
    SDL_AudioStream* stream = SDL_NewAudioStream(AUDIO_S16SYS, Uint8(channels), int(wav.sampleRate), AUDIO_S16SYS,
                                                 Samples::Channels, Samples::Rate);
    if (!stream)
        return samples;
    if (SDL_AudioStreamPut(stream, decoded.data(), int(decoded.size() * sizeof(std::int16_t))) == 0
        && SDL_AudioStreamFlush(stream) == 0) {
        std::int16_t block[4096];
        for (int got; (got = SDL_AudioStreamGet(stream, block, sizeof block)) > 0;)
            samples->frames.insert(samples->frames.end(), block, block + std::size_t(got) / sizeof(std::int16_t));
    }
    samples->frames.resize(std::min(samples->frames.size(), wanted));
    SDL_FreeAudioStream(stream);
    return samples;
}

void prepare()
{
    Output& o = output();
    State expected = State::Closed;
    if (o.state.compare_exchange_strong(expected, State::Opening))
        o.opener = std::thread(open);
}

Voice start(std::shared_ptr<const Samples> samples)
{
    prepare();
    Output& o = output();
    std::lock_guard lock(o.mutex);
    const Voice voice = o.nextVoice++;
    if (samples && !samples->frames.empty() && o.state != State::Failed)
        o.voices.push_back({voice, std::move(samples), 0, Clock::now()});
    return voice;
}

void stop(Voice voice)
{
    Output& o = output();
    std::lock_guard lock(o.mutex);
    std::erase_if(o.voices, [voice](const Playing& p) { return p.voice == voice; });
}

bool isRunning()
{
    return output().state == State::Open;
}

void shutdown()
{
    Output& o = output();
    if (o.state == State::Opening) {
        // Still waiting for the audio service: leave it to end with the process.
        o.opener.detach();
        return;
    }
    if (o.opener.joinable())
        o.opener.join();
    if (o.state == State::Open) {
        // An audio service that stops answering could hold the closing for ever: wait for
        // it a moment, then leave it to end with the process.
        auto closed = std::make_shared<std::promise<void>>();
        std::future<void> done = closed->get_future();
        std::thread([device = o.device, closed] {
            SDL_CloseAudioDevice(device);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            closed->set_value();
        }).detach();
        done.wait_for(std::chrono::seconds(1));
    }
    o.state = State::Closed;
    std::lock_guard lock(o.mutex);
    o.voices.clear();
}

} // namespace AudioOutput
