#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

// Records a PulseAudio sink's monitor with `parec`, keeping every sample and the moment
// each block arrived, so that the moment a sample reached the sink can be told on the
// monotonic clock. The listener's own delay is the same for every player measured, so
// figures compare fairly. Used by the sound tests and the sound benchmark; needs no Qt.
class SinkListener {
public:
    static constexpr int Rate = 44100;

    // Starts recording the monitor; with `waitForSound`, returns once the first tenth of a
    // second has arrived (a sink that is not yet playing holds this back, up to seconds).
    bool start(const std::string& monitorSource, bool waitForSound = true);
    void stop();

    // Monotonic nanoseconds.
    static std::int64_t now();

    // The first moment after `fromNs` (and before `untilNs`) at which the sink played a
    // sample louder than `threshold`; -1 when it stayed silent.
    std::int64_t firstSoundAfter(std::int64_t fromNs, std::int64_t untilNs, int threshold = 300) const;

    // The loudest sample played between the two moments (0 is silence).
    int peakBetween(std::int64_t fromNs, std::int64_t untilNs) const;

    // The stretches of sound between the two moments: runs of samples louder than
    // `threshold` with no gap longer than `gapMs` inside.
    struct Sound {
        std::int64_t startNs;
        std::int64_t endNs;
        int peak;
    };
    std::vector<Sound> soundsBetween(std::int64_t fromNs, std::int64_t untilNs, int threshold = 300,
                                     int gapMs = 15) const;

    // Blocks until the recording has reached the moment given (at most `timeoutMs`).
    bool waitUntilRecorded(std::int64_t ns, int timeoutMs = 3000) const;

private:
    void readLoop(int fd);
    std::int64_t sampleTime(std::size_t index) const;
    std::size_t sampleIndexAt(std::int64_t ns) const;

    pid_t m_pid = -1;
    std::thread m_reader;
    mutable std::mutex m_mutex;
    std::vector<std::int16_t> m_samples;
    // Each block received: the number of samples received with it and before, and the
    // moment it arrived. A sample's moment is told from the blocks around it only, since
    // the sink's monitor now and then sends again what the sink rendered anew.
    struct Block {
        std::size_t end;
        std::int64_t arrivedNs;
    };
    std::vector<Block> m_blocks;
};
