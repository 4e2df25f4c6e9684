#pragma once

#include <QRect>
#include <QWidget>

// A red frame drawn round a rectangle of a picture lying under it, letting the mouse
// through to the picture: what marks the control "¿Dónde está…?" asked for. It lies a
// little outside the keyboard's ring, so that both show.
class RegionOutline : public QWidget {
    Q_OBJECT
public:
    explicit RegionOutline(QWidget* parent);

    // Frames `region` (in the parent's pixels) of a picture occupying `picture`, the frame
    // kept inside the picture; shows the outline.
    void frame(QRect region, QRect picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int Gap = 5;   // between the region and the frame's inner edge
    static constexpr int Width = 3; // the red band; a white line lies inside it
    QRect m_band;                   // the band's outer edge, in the outline's own pixels
};
