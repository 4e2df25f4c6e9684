#include "PracticePanel.h"

#include "InstrumentFace.h"
#include "LitKeyGlow.h"
#include "PanelKeyButton.h"
#include "PracticeObjectNames.h"
#include "core/AppState.h"
#include "platform/Pictures.h"
#include "platform/SoundCue.h"
#include "sim/common/InstrumentModel.h"

#include <QPainter>
#include <QShortcut>
#include <QTimer>

namespace {

// Stands over the instrument's display for a screen reader, which hears its reading as
// its name; the panel draws it.
QWidget* newDisplayReader(const QRect& place, QWidget* panel)
{
    auto* reader = new QWidget(panel);
    reader->setObjectName(QLatin1String(PracticeNames::display));
    reader->setGeometry(place);
    reader->setFocusPolicy(Qt::TabFocus);
    reader->setAttribute(Qt::WA_TransparentForMouseEvents);
    return reader;
}

} // namespace

PracticePanel::PracticePanel(InstrumentModel& model, const InstrumentFace& face, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_face(face)
    , m_click(new SoundCue(this))
    , m_clock(new QTimer(this))
{
    setObjectName(QLatin1String(PracticeNames::panel));
    setAccessibleName(QStringLiteral("Panel frontal"));
    setFixedSize(face.pictureSize());
    m_picture = Pictures::get(face.pictureName(), face.pictureSize());
    m_click->setObjectName(QLatin1String(PracticeNames::keyClick));
    m_click->open(QStringLiteral("SOND\\HOLYVISN.WAV"));

    m_display = newDisplayReader(face.displayRect(), this);
    m_display->setAccessibleName(model.displayReading());
    for (const PanelKey& key : face.keys()) {
        auto* button = new PanelKeyButton(key.id, key.name, this);
        button->setObjectName(key.objectName);
        button->setGeometry(key.rect);
        button->setFunctions(key.description, key.shiftedDescription);
        connect(button, &QAbstractButton::pressed, this, [this, id = key.id] { press(id); });
        connect(button, &QAbstractButton::released, this, [this, id = key.id] { release(id); });
        if (key.id == face.wheelDownKey() || key.id == face.wheelUpKey())
            connect(button, &PanelKeyButton::wheelTurned, this, [this](int notches) {
                const int step = notches > 0 ? m_face.wheelUpKey() : m_face.wheelDownKey();
                for (int n = 0; n < std::abs(notches); ++n)
                    press(step);
            });
        if (!key.shortcut.isEmpty()) {
            auto* shortcut = new QShortcut(key.shortcut, this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, button, [button] { button->animateClick(); });
        }
        m_buttons.insert(key.id, button);
    }

    m_clock->setInterval(tickMilliseconds);
    connect(m_clock, &QTimer::timeout, this, &PracticePanel::tick);
    m_clock->start();
    m_sinceTick.start();
}

QSize PracticePanel::sizeHint() const
{
    return m_face.pictureSize();
}

void PracticePanel::press(int key)
{
    if (appState().soundOn && m_click->isOpen())
        m_click->play();
    m_model.tick(int(m_sinceTick.restart()));
    m_model.press(key);
    for (PanelKeyButton* button : std::as_const(m_buttons))
        button->followShift(m_model.shiftLit());
    // A new key shows its digit at once, lit.
    m_ticks = 0;
    m_blinkOn = true;
    displayChanged();
    emit keyPressed(key);
}

void PracticePanel::release(int key)
{
    m_model.tick(int(m_sinceTick.restart()));
    m_model.release(key);
    displayChanged();
    emit keyReleased(key);
}

void PracticePanel::lightKeys(const QList<int>& keys)
{
    for (PanelKeyButton* button : std::as_const(m_buttons))
        button->setLit(keys.contains(button->id()));
    update(); // the panel draws the glow round each lit key
}

void PracticePanel::tick()
{
    m_model.tick(int(m_sinceTick.restart()));
    ++m_ticks;
    const bool blinkOn = !m_model.blinks() || (m_ticks / ticksPerBlink) % 2 == 0;
    const QString reading = m_model.displayReading();
    if (blinkOn == m_blinkOn && reading == m_display->accessibleName())
        return;
    m_blinkOn = blinkOn;
    displayChanged();
}

void PracticePanel::displayChanged()
{
    const QString reading = m_model.displayReading();
    if (reading != m_display->accessibleName())
        m_display->setAccessibleName(reading);
    update();
}

void PracticePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
    m_face.paintDisplay(p, m_blinkOn);
    for (const PanelKeyButton* button : std::as_const(m_buttons))
        if (button->isLit())
            paintLitKeyGlow(p, button->geometry());
}
