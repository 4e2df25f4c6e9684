#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

class PracticePanel;

// Plays a sequence of keys on a practice panel, one at a time, through the same path as
// a student's press: each key is drawn pushed in for part of the interval and clicks,
// the display and the oscilloscope follow, and it is let go as a student lets go. A key the student presses meanwhile stops
// it (that key still acts). It knows no instrument: keys are the panel's ids.
class Demonstration : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultIntervalMilliseconds = 400;

    explicit Demonstration(PracticePanel& panel, QObject* parent = nullptr);

    // Time from one key to the next; a key shows pushed in for the first 60 % of it.
    void setInterval(int milliseconds);
    int interval() const { return m_step.interval(); }

    // Presses the first key at once and the rest one interval apart.
    void start(const QList<int>& keys);
    void stop();
    bool isPlaying() const { return m_step.isActive() || m_release.isActive(); }
    // Of the sequence playing: how many keys it has, how many are pressed so far.
    qsizetype keyCount() const { return m_keys.size(); }
    qsizetype keysPressed() const { return m_next; }

signals:
    void finished(); // every key pressed and let go
    void stopped();  // ended before its last key, by `stop` or by the student

private:
    void pressNext();
    void releaseHeld();
    void studentPressed();

    PracticePanel& m_panel;
    QTimer m_step;
    QTimer m_release;
    QList<int> m_keys;
    qsizetype m_next = 0;
    int m_held = -1;         // the key drawn pushed in, if any
    bool m_pressing = false; // while the demonstration's own key is being pressed
};
