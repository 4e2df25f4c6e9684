#pragma once

#include "sim/signal/ScopeScale.h"
#include "sim/signal/ScopeSignal.h"
#include "widgets/ScopeTrace.h"

#include <QPolygonF>
#include <QWidget>

// An oscilloscope's screen showing one signal: 10 × 8 divisions with a graticule, the
// trace in phosphor green, and below the screen the timebase and the V/div it chose
// ("0.2 ms/div", "CH1 1 V/div", the channel in the trace's colour), with "entrada 50 Ω"
// between them; a small arrow of the trace's colour at the left edge marks 0 V. It knows nothing of what
// makes the signal. Everything is drawn in device pixels, so that grid lines and flat
// stretches of the trace fall on whole pixels at any scale. A screen reader hears
// "Osciloscopio" and, as its description, what the screen shows in words
// (`describeScreen`), changed once for each new signal.
class Oscilloscope : public QWidget {
    Q_OBJECT

public:
    explicit Oscilloscope(QWidget* parent = nullptr);

    void setSignal(ScopeSignal signal);
    const ScopeSignal& signal() const { return m_signal; }
    const ScopeScale& scale() const { return m_scale; }

    // The trace as drawn, and where a time and a voltage fall, in widget coordinates.
    QPolygonF tracePoints() const;
    QPointF pointAt(double seconds, double volts) const;
    QRectF screenRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ScopeScreen screenInDevicePixels() const;
    int labelStripHeight() const;
    void paintGraticule(QPainter& painter, const ScopeScreen& screen) const;
    void paintTrace(QPainter& painter, const ScopeScreen& screen);
    void paintGroundMarker(QPainter& painter, const QRectF& screen) const;
    void paintLabels(QPainter& painter, const QRectF& screen) const;

    ScopeSignal m_signal;
    ScopeScale m_scale;
    // The trace for the screen it was computed on; recomputed when either changes.
    QPolygonF m_trace;
    ScopeScreen m_traceScreen{{-1, -1}, 0};
};
