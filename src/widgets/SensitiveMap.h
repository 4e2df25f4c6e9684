#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <vector>

// A picture with up to 100 rectangular hot regions, each with a one-line caption. While
// the mouse is over a region its caption shows in a small yellow label just below it and
// the pointer becomes the region cursor; a click tells the owner which region is under the
// mouse. The map knows nothing of what the regions stand for.
//
// Regions are given in picture pixels: left and top edges inside, right and bottom edges
// outside. If the picture is shown scaled, hit tests and caption places scale with it.
//
// From the keyboard: Tab reaches a map that has regions (a click does not focus it) and
// focuses a region, drawn with a ring; arrows move to the nearest region that way, Home
// and End to the first and last in reading order (RegionOrder), Enter or Space clicks
// it; Tab and Shift+Tab leave. The caption shown is that of the last region the pointer
// entered or the keyboard reached, whichever came last; the caption of the region the
// ring is around sits below the ring, never over it. A screen reader sees each region
// as a button (SensitiveMapAccessible).
class SensitiveMap : public QWidget {
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
    // The region the keyboard is on (kept while the map has no focus), or NoRegion.
    int focusedRegion() const { return m_focused; }
    // Whether the pointer can hit region n at all (not empty, not under earlier regions).
    bool isReachable(int n) const;
    // Region n in the map's own pixels, scaled as shown.
    QRect regionOnMap(int n) const;
    // What a screen reader says of region n beyond its caption; the owner gives it.
    void setRegionDescription(int n, const QString& description);
    QString regionDescription(int n) const;
    // Region n clicked without the pointer (Enter, Space, a screen reader's press):
    // clicked(n) is raised and the caption shown goes, as after a click. Nothing
    // happens for a region the pointer cannot reach.
    void pressRegion(int n);
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
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Region {
        int left = 0, top = 0, right = 0, bottom = 0;
        QPointer<QLabel> label;
        QString description;
    };

    bool isRegistered(int n) const { return n >= 1 && n <= m_count; }
    // How far the keyboard's ring reaches outside its region, in the map's pixels.
    static constexpr int RingOutset = 3;
    void placeLabel(int n) const;
    // Whether region n is drawn with the keyboard's ring now.
    bool wearsRing(int n) const;
    // The regions' rectangles as RegionOrder takes them, numbered from 0.
    std::vector<QRect> regionsFromZero() const;
    // Regions the keyboard visits, numbered from 1, in reading order.
    const std::vector<int>& readingOrder() const;
    int nearest(int key) const;
    void focusRegion(int n);
    // Tells screen readers that the keyboard is on the focused region.
    void announceFocus();
    void showCaption(int n, bool byKeyboard);
    void hideCaption();
    void paintFocusRing(QPainter& painter) const;

    QPixmap m_picture;
    QSize m_pictureSize;
    qreal m_scale = 1.0;
    std::array<Region, NoRegion + 1> m_regions{}; // numbered from 1
    int m_count = 0;
    int m_current = NoRegion; // under the pointer
    int m_shown = NoRegion;   // whose caption is shown
    bool m_shownByKeyboard = false;
    int m_focused = NoRegion; // the keyboard's
    mutable std::vector<int> m_readingOrder;
    mutable bool m_readingOrderKnown = false; // false again after each registration
    int m_regionCursor = 0;
    bool m_pressed = false;
};
