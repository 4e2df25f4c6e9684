#pragma once

#include <QWidget>

#include <functional>

class Circuit;

// A bench circuit drawn as a schematic, in vectors (crisp at any scale), from its elements
// and the positions its file gives its test points: each element on an L-shaped wire
// between its two nodes' points with its symbol on the longer leg, each test point a
// labelled terminal, a break drawn open or bridged. It fills its place, proportions kept. A click on a test point (or a break)
// raises `pointClicked` with its node's name (or the break's link).
class CircuitPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int margin = 30;

    explicit CircuitPicture(QWidget* parent = nullptr);

    // The circuit drawn; it outlives the picture or is replaced before it goes.
    void setCircuit(const Circuit* circuit);
    // How bright each lamp glows, 0 dark to 1 at its rating, by element name; the lamps are
    // drawn again when it changes.
    void setLampBrightness(std::function<double(const QString& lamp)> brightness);
    void followLamps();
    // Where a test point (or a break, by its link's name) is, in the widget; null for none.
    QPointF placeOf(const QString& point) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pointClicked(const QString& point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The drawing fills the widget, its proportions kept: picture pixels to widget pixels.
    QTransform toWidget() const;

    const Circuit* m_circuit = nullptr;
    std::function<double(const QString& lamp)> m_brightness;
    QList<double> m_lampsShown; // each lamp's brightness as last drawn, in the circuit's order
};
