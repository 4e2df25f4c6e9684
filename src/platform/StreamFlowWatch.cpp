#include "StreamFlowWatch.h"

#include <algorithm>

namespace {
// The recent best is forgotten at this rate, so that a listener's clock running a little
// slower than the program's does not add up to a gap that never was.
constexpr double ForgettingPerMs = 0.01;
} // namespace

StreamFlowWatch::StreamFlowWatch(int rate, double queuedMs)
    : m_rate(rate)
    , m_queuedMs(queuedMs)
{ }

void StreamFlowWatch::requested(int frames, std::int64_t nowNs)
{
    const double requestMs = 1000.0 * frames / m_rate;
    const std::int64_t lastNs = m_lastNs;
    m_lastNs = nowNs;
    if (!m_flowing) {
        // The service first fills the queue it keeps, asking for requests back to back; the
        // stream flows from the first request that comes as the listener hears the sound.
        if (lastNs < 0 || double(nowNs - lastNs) / 1e6 < requestMs / 2)
            return;
        m_flowing = true;
        m_flowingSinceNs = nowNs;
        m_handedMs = 0;
        m_bestQueuedMs = 0;
    }
    ++m_requests;
    const double queuedMs = m_handedMs - double(nowNs - m_flowingSinceNs) / 1e6;
    const double sinceLastMs = double(nowNs - lastNs) / 1e6;
    m_bestQueuedMs = std::max(queuedMs, m_bestQueuedMs - ForgettingPerMs * sinceLastMs);
    if (queuedMs < m_bestQueuedMs - m_queuedMs) {
        // The stream ran dry and starts again from empty.
        m_moments[m_underruns % KeptMoments] = nowNs;
        ++m_underruns;
        m_flowingSinceNs = nowNs;
        m_handedMs = 0;
        m_bestQueuedMs = 0;
    }
    m_handedMs += requestMs;
}

void StreamFlowWatch::newStream()
{
    m_lastNs = -1;
    m_flowing = false;
}

std::vector<std::int64_t> StreamFlowWatch::underrunMoments() const
{
    const std::uint64_t count = m_underruns;
    std::vector<std::int64_t> moments;
    for (std::uint64_t i = count > KeptMoments ? count - KeptMoments : 0; i < count; ++i)
        moments.push_back(m_moments[i % KeptMoments]);
    return moments;
}
