#pragma once

#include "sim/common/InstrumentInputs.h"

#include <QWidget>

// One test lead as the student handles it without the bench's picture: a focusable control
// that says where the lead is ("Clavija en COM, punta en B"). Left and right move its plug
// from jack to jack (and out), up and down its tip from point to point (and into the air);
// a click on its plug half or its tip half picks that end up, for a click on a jack or a
// point to put it down (`endPicked`).
class LeadControl : public QWidget {
    Q_OBJECT
public:
    enum class End { Plug, Tip };

    LeadControl(Lead lead, QWidget* parent = nullptr);

    Lead lead() const { return m_lead; }
    // Where the lead is now, with the names of the jacks and points, and the jack the other
    // lead's plug is in (which the arrows pass over: a jack takes one plug).
    void showPlace(const LeadPlace& place, const QStringList& jacks, const QStringList& points,
                   std::optional<Jack> taken);
    // The end in hand, if any, drawn raised.
    void setPicked(std::optional<End> end);
    QSize sizeHint() const override;

signals:
    void plugTo(std::optional<Jack> jack);
    void tipTo(std::optional<int> point);
    void endPicked(LeadControl::End end);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Lead m_lead;
    LeadPlace m_place;
    int m_pointCount = 0;
    std::optional<Jack> m_taken;
    QString m_text;
    std::optional<End> m_picked;
};
