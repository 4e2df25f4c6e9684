#include "ScopeTrace.h"

#include <cmath>

namespace {

// Bisection steps that narrow a jump to far less than a pixel.
constexpr int JumpSearchSteps = 40;
// Two neighbouring samples further apart than this (pixels) may hide a jump between them.
constexpr double SuspectRise = 2;
// A burst whose cycles are narrower than this (pixels) is drawn as a band from its
// lowest to its highest value, as a scope's screen shows it, not as a sampled pattern.
constexpr double NarrowestCycle = 4;
// What remains of a rise narrowed to nothing when it is a jump, not a steep slope (a
// slope leaves at most the one pixel that rounding to pixel boundaries makes).
constexpr double JumpRise = 1.5;

class Sampler {
public:
    Sampler(const ScopeSignal& signal, const ScopeScale& scale, const ScopeScreen& screen)
        : m_signal(signal)
        , m_scale(scale)
        , m_screen(screen)
        , m_restingLevel(signal.cycles > 0 ? signal.volts(signal.cycles * signal.period) : 0)
    { }

    double secondsAt(double x) const
    {
        return m_scale.leftEdgeSeconds + (x - m_screen.topLeft.x()) / m_screen.division * m_scale.secondsPerDivision;
    }

    bool isBand(double seconds) const
    {
        const double cycle = m_signal.period / m_scale.secondsPerDivision * m_screen.division;
        return m_signal.cycles > 0 && cycle < NarrowestCycle && seconds >= 0
               && seconds < m_signal.cycles * m_signal.period;
    }

    // A vertical stroke across the band, down and up in turn so that the strokes join.
    void addBand(int x, QPolygonF& trace) const
    {
        const double top = std::round(scopePoint(m_screen, m_scale, 0, m_signal.highest).y());
        const double bottom = std::round(scopePoint(m_screen, m_scale, 0, m_signal.lowest).y());
        const bool down = x % 2 == 0;
        trace << QPointF(x, down ? top : bottom) << QPointF(x, down ? bottom : top);
    }

    double xAt(double seconds) const { return scopePoint(m_screen, m_scale, seconds, 0).x(); }

    // The trace's height at a time, on the nearest pixel boundary.
    double yAt(double seconds) const
    {
        const double volts = m_signal.cycles > 0 && seconds < 0 ? m_restingLevel : m_signal.volts(seconds);
        const double y = scopePoint(m_screen, m_scale, 0, volts).y();
        return std::isfinite(y) ? std::round(y) : m_screen.centreY();
    }

    // Adds the jump between two samples, if there is one: narrows the interval to the
    // half that rises more until it is tiny, and keeps it if it still rises.
    void addJump(double t0, double y0, double t1, double y1, QPolygonF& trace) const
    {
        if (std::abs(y1 - y0) <= SuspectRise)
            return;
        for (int i = 0; i < JumpSearchSteps; ++i) {
            const double tm = (t0 + t1) / 2;
            const double ym = yAt(tm);
            if (std::abs(ym - y0) >= std::abs(y1 - ym)) {
                t1 = tm;
                y1 = ym;
            } else {
                t0 = tm;
                y0 = ym;
            }
        }
        if (std::abs(y1 - y0) < JumpRise)
            return;
        const double x = std::round(xAt((t0 + t1) / 2));
        trace << QPointF(x, y0) << QPointF(x, y1);
    }

private:
    const ScopeSignal& m_signal;
    const ScopeScale& m_scale;
    const ScopeScreen& m_screen;
    double m_restingLevel;
};

} // namespace

QPointF scopePoint(const ScopeScreen& screen, const ScopeScale& scale, double seconds, double volts)
{
    const double x =
        screen.topLeft.x() + (seconds - scale.leftEdgeSeconds) / scale.secondsPerDivision * screen.division;
    const double y = screen.centreY() - volts / scale.voltsPerDivision * screen.division;
    return {x, y};
}

QPolygonF scopeTrace(const ScopeSignal& signal, const ScopeScale& scale, const ScopeScreen& screen)
{
    const QRect rect = screen.rect();
    QPolygonF trace;
    if (signal.output == ScopeSignal::Output::None || rect.isEmpty())
        return trace;
    if (signal.output == ScopeSignal::Output::Zero || !signal.volts) {
        const double y = std::round(screen.centreY());
        return QPolygonF{{QPointF(rect.left(), y), QPointF(rect.left() + rect.width(), y)}};
    }

    const Sampler sampler(signal, scale, screen);
    const int left = rect.left();
    const int right = rect.left() + rect.width();
    trace.reserve(2 * (right - left + 1));
    double previousT = sampler.secondsAt(left);
    double previousY = sampler.yAt(previousT);
    trace << QPointF(left, previousY);
    for (int x = left + 1; x <= right; ++x) {
        const double t = sampler.secondsAt(x);
        if (sampler.isBand(t)) {
            sampler.addBand(x, trace);
            previousT = t;
            previousY = trace.last().y();
            continue;
        }
        const double y = sampler.yAt(t);
        sampler.addJump(previousT, previousY, t, y, trace);
        trace << QPointF(x, y);
        previousT = t;
        previousY = y;
    }
    return trace;
}
