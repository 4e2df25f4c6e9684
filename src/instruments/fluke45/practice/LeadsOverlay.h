#pragma once

#include <QPolygonF>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <optional>

// The two test leads drawn over the bench, from the jack each plug is in to the point its
// tip touches, as sagging cables. It covers its parent and lets every click through. Where
// a lead's ends are comes from `ends`: a lead with one end on the bench hangs from it, a
// lead with neither is not drawn (it lies where its own control draws it).
class LeadsOverlay : public QWidget {
    Q_OBJECT
public:
    struct Ends {
        std::optional<QPointF> plug;
        std::optional<QPointF> tip;
        // Where an end held by nothing lies, from the end that is held.
        QPointF hang{0, 70};
    };

    LeadsOverlay(std::function<Ends(int lead)> ends, QWidget* parent);

    // Controls the cables pass behind, never over (the row under the meter, the tabs): what
    // they show and what they say stays whole.
    void keepClearOf(QList<const QWidget*> controls) { m_clearOf = std::move(controls); }

    // Draws the leads where they are now: only where they were and where they are go
    // painted again, not the whole bench under them.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Each lead's cable, as drawn from its ends, plug first (empty for one not drawn).
    QPolygonF cableOf(int lead) const;

    // The part of the overlay the cables may be drawn on: all but the controls kept clear.
    QRegion drawable() const;

    std::function<Ends(int lead)> m_ends;
    QList<const QWidget*> m_clearOf;
    static QRegion stripOf(const QPolygonF& cable);

    QRegion m_drawn; // what the leads covered when last drawn
};
