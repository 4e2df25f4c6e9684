#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

// One bar: what it counts, how far it reaches of its whole, and the figure printed after it.
struct ChartBar {
    QString label; // "Preguntas contestadas"
    int value = 0;
    int total = 0;  // the whole the bar is drawn against; 0 when there is nothing to count yet
    QString figure; // "3 de 4"
};

// A small horizontal bar chart: a row per bar, its label on the left, the bar's track
// with the part reached filled, and its figure after it. It is drawn with the painter's
// vector operations, so it is sharp on any device: on a screen its edges fall on whole
// device pixels at any pixel ratio, and on paper (a PDF) it is drawn as it is.
//
// A screen reader reaches it by Tab and hears its name and, as its description, the same
// figures in words ("Preguntas contestadas: 3 de 4."), set only when they change.
class BarChart : public QWidget {
    Q_OBJECT
public:
    explicit BarChart(QWidget* parent = nullptr);

    void setBars(std::vector<ChartBar> bars);
    const std::vector<ChartBar>& bars() const { return m_bars; }

    // The figures in words, one sentence per bar.
    static QString describe(const std::vector<ChartBar>& bars);

    // The room the chart takes in a font, with tracks of the given length.
    static QSizeF sizeFor(const std::vector<ChartBar>& bars, const QFont& font, qreal trackLength);
    // Draws the chart at `origin`. A `devicePixelRatio` above 0 puts every edge on a whole
    // device pixel of a screen at that ratio; 0 draws the geometry exactly (paper).
    static void paint(QPainter& painter, QPointF origin, const std::vector<ChartBar>& bars, const QFont& font,
                      qreal trackLength, qreal devicePixelRatio);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartBar> m_bars;
};
