#include "SinkListener.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

std::int64_t SinkListener::now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

bool SinkListener::start(const std::string& monitorSource, bool waitForSound)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const std::string device = "--device=" + monitorSource;
    const std::string rate = "--rate=" + std::to_string(Rate);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execlp("parec", "parec", device.c_str(), "--raw", "--format=s16le", rate.c_str(), "--channels=1",
               "--latency-msec=5", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    if (m_pid < 0) {
        close(pipeFds[0]);
        return false;
    }
    m_reader = std::thread([this, fd = pipeFds[0]] { readLoop(fd); });
    if (!waitForSound)
        return true;
    // Wait until the recording runs.
    for (int i = 0; i < 300; ++i) {
        {
            std::lock_guard lock(m_mutex);
            if (m_samples.size() > Rate / 10)
                return true;
        }
        usleep(10000);
    }
    return false;
}

void SinkListener::stop()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    if (m_reader.joinable())
        m_reader.join();
}

void SinkListener::readLoop(int fd)
{
    std::vector<char> buffer(4096);
    std::vector<char> pending;
    for (;;) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n <= 0)
            break;
        const std::int64_t arrived = now();
        pending.insert(pending.end(), buffer.begin(), buffer.begin() + n);
        const std::size_t whole = pending.size() / 2;
        std::lock_guard lock(m_mutex);
        for (std::size_t i = 0; i < whole; ++i)
            m_samples.push_back(std::int16_t(std::uint16_t(std::uint8_t(pending[2 * i]))
                                             | std::uint16_t(std::uint8_t(pending[2 * i + 1])) << 8));
        pending.erase(pending.begin(), pending.begin() + std::ptrdiff_t(whole * 2));
        if (whole > 0)
            m_blocks.push_back({m_samples.size(), arrived});
    }
    close(fd);
}

std::int64_t SinkListener::sampleTime(std::size_t index) const
{
    if (m_blocks.empty())
        return 0;
    // The block that holds the sample, and the few after it: each says when the sample
    // was played at the latest (its arrival less the samples after it); a reader woken
    // late makes one block's answer late, so the earliest answer is the best.
    auto block = std::upper_bound(m_blocks.begin(), m_blocks.end(), index,
                                  [](std::size_t i, const Block& b) { return i < b.end; });
    if (block == m_blocks.end())
        --block;
    std::int64_t best = INT64_MAX;
    for (auto b = block; b != m_blocks.end() && b - block < 4; ++b)
        best = std::min(best, b->arrivedNs - (std::int64_t(b->end) - std::int64_t(index)) * 1000000000 / Rate);
    return best;
}

std::size_t SinkListener::sampleIndexAt(std::int64_t ns) const
{
    auto block = std::lower_bound(m_blocks.begin(), m_blocks.end(), ns,
                                  [](const Block& b, std::int64_t t) { return b.arrivedNs < t; });
    if (block == m_blocks.end())
        return m_samples.size();
    const std::int64_t before = (block->arrivedNs - ns) * Rate / 1000000000;
    return std::size_t(std::max<std::int64_t>(0, std::int64_t(block->end) - before));
}

std::int64_t SinkListener::firstSoundAfter(std::int64_t fromNs, std::int64_t untilNs, int threshold) const
{
    std::lock_guard lock(m_mutex);
    const std::size_t end = std::min(m_samples.size(), sampleIndexAt(untilNs));
    for (std::size_t i = sampleIndexAt(fromNs); i < end; ++i)
        if (std::abs(int(m_samples[i])) > threshold)
            return sampleTime(i);
    return -1;
}

int SinkListener::peakBetween(std::int64_t fromNs, std::int64_t untilNs) const
{
    std::lock_guard lock(m_mutex);
    const std::size_t end = std::min(m_samples.size(), sampleIndexAt(untilNs));
    int peak = 0;
    for (std::size_t i = sampleIndexAt(fromNs); i < end; ++i)
        peak = std::max(peak, std::abs(int(m_samples[i])));
    return peak;
}

std::vector<SinkListener::Sound> SinkListener::soundsBetween(std::int64_t fromNs, std::int64_t untilNs, int threshold,
                                                             int gapMs) const
{
    std::lock_guard lock(m_mutex);
    const std::size_t end = std::min(m_samples.size(), sampleIndexAt(untilNs));
    const std::size_t gap = std::size_t(gapMs) * Rate / 1000;
    std::vector<Sound> sounds;
    std::size_t lastLoud = 0;
    bool inSound = false;
    for (std::size_t i = sampleIndexAt(fromNs); i < end; ++i) {
        const int level = std::abs(int(m_samples[i]));
        if (level > threshold) {
            if (!inSound || i - lastLoud > gap) {
                if (inSound)
                    sounds.back().endNs = sampleTime(lastLoud + 1);
                sounds.push_back({sampleTime(i), sampleTime(i + 1), level});
                inSound = true;
            }
            lastLoud = i;
            sounds.back().peak = std::max(sounds.back().peak, level);
        }
    }
    if (inSound)
        sounds.back().endNs = sampleTime(lastLoud + 1);
    return sounds;
}

bool SinkListener::waitUntilRecorded(std::int64_t ns, int timeoutMs) const
{
    for (int waited = 0; waited < timeoutMs; waited += 5) {
        {
            std::lock_guard lock(m_mutex);
            if (!m_blocks.empty() && m_blocks.back().arrivedNs >= ns)
                return true;
        }
        usleep(5000);
    }
    return false;
}
