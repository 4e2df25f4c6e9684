#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// Tells, from the moments at which an audio stream asks for more sound, whether the
// listener heard a gap (an underrun): the sound handed over so far, less the sound the
// listener has heard since the stream began to flow, is what stood queued at each request;
// when that falls further below its recent best than the audio service ever keeps queued,
// the queue ran dry in between. A machine too busy to run the mixing in time shows here.
//
// `requested` runs on the mixing thread; the counts and moments may be read from any.
class StreamFlowWatch {
public:
    // `rate`: frames per second; `queuedMs`: the most the audio service keeps queued ahead
    // of the listener.
    StreamFlowWatch(int rate, double queuedMs);

    // A request for `frames` frames, at `nowNs` (monotonic nanoseconds). The first request
    // and those that follow it back to back (the service filling its queue, which it may
    // hold for seconds before playing) are not counted.
    void requested(int frames, std::int64_t nowNs);

    // A new stream begins (the output opened again): its first fill is not flow either. The
    // counts go on. Called while no stream is running.
    void newStream();

    std::uint64_t requests() const { return m_requests; }
    std::uint64_t underruns() const { return m_underruns; }
    // The moments of the latest underruns (at most `KeptMoments`), oldest first.
    static constexpr std::size_t KeptMoments = 64;
    std::vector<std::int64_t> underrunMoments() const;

private:
    const int m_rate;
    const double m_queuedMs;
    std::int64_t m_lastNs = -1;
    bool m_flowing = false;
    std::int64_t m_flowingSinceNs = 0;
    double m_handedMs = 0; // sound handed over since the stream began to flow (again)
    double m_bestQueuedMs = 0;
    std::atomic<std::uint64_t> m_requests = 0;
    std::atomic<std::uint64_t> m_underruns = 0;
    std::array<std::atomic<std::int64_t>, KeptMoments> m_moments{};
};
