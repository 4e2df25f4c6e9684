#pragma once

#include <QAbstractButton>

// One key of a practice panel, laid over its place on the panel's picture: it draws
// nothing of its own but the key pushed in while it is down and the focus ring (the
// panel draws the glow round a key a hint lights, which reaches past the key's edge). It presses on the way down, as an instrument's key does; the
// mouse wheel over it raises `wheelTurned`. A screen reader sees a button with its name,
// described by what it does now: its own function, or its SHIFT function while SHIFT is lit.
class PanelKeyButton : public QAbstractButton {
    Q_OBJECT
public:
    PanelKeyButton(int id, const QString& name, QWidget* parent);

    int id() const { return m_id; }
    void setLit(bool lit);
    bool isLit() const { return m_lit; }
    // What the key does, without and with SHIFT (empty: the same); `followShift` says
    // which a screen reader hears.
    void setFunctions(const QString& description, const QString& shiftedDescription);
    void followShift(bool shiftLit);

signals:
    void wheelTurned(int notches); // positive: away from the user

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_id;
    bool m_lit = false;
    QString m_description;
    QString m_shiftedDescription;
    int m_wheelAngle = 0; // eighths of a degree not yet turned into a notch
};
