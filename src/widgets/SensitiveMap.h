#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>

// A picture with up to 100 rectangular hot regions, each with a one-line caption. While
// the mouse is over a region its caption shows in a small yellow label just below it and
// the pointer becomes the region cursor; a click tells the owner which region is under the
// mouse. The map knows nothing of what the regions stand for.
//
// Regions are given in picture pixels: left and top edges inside, right and bottom edges
// outside. If the picture is shown scaled, hit tests and caption places scale with it.
class SensitiveMap : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Capacity = 100;
    static constexpr int NoRegion = 101;

    explicit SensitiveMap(QWidget* parent = nullptr);

    // The picture; the map takes its size (times the display scale).
    void setPicture(const QPixmap& picture, QSize pictureSize);
    QSize pictureSize() const { return m_pictureSize; }
    void setDisplayScale(qreal scale);

    // Registers a hot region from two opposite corners and dresses its caption label.
    // False when the map has no picture. A corner outside the picture registers nothing
    // (and leaves the label alone) but still answers true. A 101st region is refused
    // with false.
    bool addRegion(int x1, int y1, int x2, int y2, const QString& caption, QLabel* label);

    // The first region containing a picture point, or NoRegion.
    int regionAt(int x, int y) const;

    // The caption of region n as shown, one blank each side; empty for no region.
    QString regionCaption(int n) const;

    int regionCount() const { return m_count; }
    QRect region(int n) const;
    int hoveredRegion() const { return m_current; }
    // The screen cursor shown over a region (the arrow, 0, until one is set).
    void setRegionCursor(int cursorId) { m_regionCursor = cursorId; }

signals:
    // Raised for every mouse move over the map, before the map's own work.
    void mouseMoved(QPoint picturePoint);
    // Raised for every click on the map, before the hovered caption is hidden, with the
    // hovered region (numbered from 1 in the order registered) or NoRegion.
    void clicked(int region);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Region {
        int left = 0, top = 0, right = 0, bottom = 0;
        QPointer<QLabel> label;
    };

    bool isRegistered(int n) const { return n >= 1 && n <= m_count; }
    void placeLabel(const Region& region) const;

    QPixmap m_picture;
    QSize m_pictureSize;
    qreal m_scale = 1.0;
    std::array<Region, NoRegion + 1> m_regions{}; // numbered from 1
    int m_count = 0;
    int m_current = NoRegion;
    int m_regionCursor = 0;
    bool m_pressed = false;
};
