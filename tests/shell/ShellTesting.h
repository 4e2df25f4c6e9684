#pragma once

// Small helpers shared by the shell's tests: the chooser as the user sees it and its
// animation timer stepped by hand.

#include "SinkRecorder.h"
#include "SoundFolder.h"
#include "TestSession.h"

#include "core/ObjectNames.h"
#include "shell/ChooserWindow.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace ShellTesting {

// The chooser on screen, or null when there is not exactly one.
inline ChooserWindow* chooser()
{
    return qobject_cast<ChooserWindow*>(TestSession::window(ObjectNames::chooserWindow));
}

inline QLabel* label(QWidget* window, const QString& name)
{
    return window ? window->findChild<QLabel*>(name) : nullptr;
}

// Any top-level widget with this name, shown or not.
inline QWidget* anyWindow(const QString& objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName)
            return w;
    return nullptr;
}

// The animation is stepped by the test, tick by tick: the timer keeps running (so that
// a second click sees it running) but its own ticks are put out of reach.
inline void holdAnimationTimer(ChooserWindow* form)
{
    form->animationTimer()->setInterval(24 * 60 * 60 * 1000);
}

// One tick of the animation timer, as the timer would deliver it.
inline void tick(ChooserWindow* form)
{
    QMetaObject::invokeMethod(form->animationTimer(), "timeout", Qt::DirectConnection);
}

// Starts listening to the sink before anything plays, for the checks that listen only
// to what is left of a cue that is already playing.
inline void startListening()
{
    if (SinkRecorder::available())
        SinkRecorder::peakDuring([] {}, 0);
}

} // namespace ShellTesting
