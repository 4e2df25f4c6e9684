#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QPixmap>
#include <QWidget>

class PanelKeyButton;
class InstrumentFace;
class InstrumentModel;
class SoundCue;
class QTimer;

// A simulated instrument's panel, as its face draws it: its picture at its size, a button
// over every key, its display drawn live over the picture and read out to a screen reader.
// Every key press (mouse, keyboard, shortcut, wheel) goes to the model, clicks, and raises
// `keyPressed` once the display shows the result. A timer tells the instrument how time
// passes and blinks what blinks.
class PracticePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int tickMilliseconds = 250;
    static constexpr int ticksPerBlink = 2;

    PracticePanel(InstrumentModel& model, const InstrumentFace& face, QWidget* parent = nullptr);

    // Keys pressed and let go; the instrument first hears how much time has passed.
    void press(int key);
    void release(int key);
    // Lights the keys a hint names; an empty list puts them out.
    void lightKeys(const QList<int>& keys);
    PanelKeyButton* keyButton(int key) const { return m_buttons.value(key); }
    // The display as a screen reader sees it.
    QWidget* display() const { return m_display; }

    QSize sizeHint() const override;

signals:
    void keyPressed(int key);
    void keyReleased(int key);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tick();
    void displayChanged();

    InstrumentModel& m_model;
    const InstrumentFace& m_face;
    QPixmap m_picture;
    QWidget* m_display = nullptr;
    QHash<int, PanelKeyButton*> m_buttons;
    SoundCue* m_click = nullptr;
    QTimer* m_clock = nullptr;
    QElapsedTimer m_sinceTick; // time not yet told to the instrument
    int m_ticks = 0;
    bool m_blinkOn = true;
};
