#include "Demonstration.h"

#include "PanelKeyButton.h"
#include "PracticePanel.h"

#include <utility>

namespace {
constexpr int heldPercent = 60;
}

Demonstration::Demonstration(PracticePanel& panel, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
{
    m_release.setSingleShot(true);
    setInterval(defaultIntervalMilliseconds);
    connect(&m_step, &QTimer::timeout, this, &Demonstration::pressNext);
    connect(&m_release, &QTimer::timeout, this, &Demonstration::releaseHeld);
    connect(&m_panel, &PracticePanel::keyPressed, this, &Demonstration::studentPressed);
}

void Demonstration::setInterval(int milliseconds)
{
    m_step.setInterval(milliseconds);
    m_release.setInterval(milliseconds * heldPercent / 100);
}

void Demonstration::start(const QList<int>& keys)
{
    stop();
    m_keys = keys;
    m_next = 0;
    if (m_keys.isEmpty()) { // nothing to play: over at once
        emit finished();
        return;
    }
    m_step.start();
    pressNext();
}

void Demonstration::stop()
{
    if (!isPlaying())
        return;
    m_step.stop();
    m_release.stop();
    m_keys.clear();
    releaseHeld();
    emit stopped();
}

void Demonstration::pressNext()
{
    if (m_held >= 0) // a key still drawn down lets go before the next goes down
        releaseHeld();
    if (m_next >= m_keys.size()) {
        m_step.stop();
        return;
    }
    const int key = m_keys.at(m_next++);
    if (PanelKeyButton* button = m_panel.keyButton(key))
        button->setDown(true);
    m_held = key;
    m_pressing = true;
    m_panel.press(key);
    m_pressing = false;
    if (m_next == m_keys.size())
        m_step.stop(); // the last key ends the demonstration when it is let go
    m_release.start();
}

void Demonstration::releaseHeld()
{
    if (m_held < 0)
        return;
    const int key = std::exchange(m_held, -1);
    if (PanelKeyButton* button = m_panel.keyButton(key))
        button->setDown(false);
    m_panel.release(key);
    if (!m_step.isActive() && !m_release.isActive() && m_next == m_keys.size() && !m_keys.isEmpty()) {
        m_keys.clear();
        emit finished();
    }
}

void Demonstration::studentPressed()
{
    if (!m_pressing)
        stop();
}
