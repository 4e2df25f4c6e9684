#pragma once

// Small helpers shared by the shell's tests: the chooser as the user sees it, its
// animation timer stepped by hand, and a sound folder with a cue missing or broken.

#include "SinkRecorder.h"
#include "TestSession.h"

#include "core/ObjectNames.h"
#include "platform/SoundPaths.h"
#include "shell/ChooserWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
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

// A copy of the program's sound folder in which one cue is missing or broken. The
// program looks for its cues there while the object is in use.
class SoundFolder
{
public:
    enum Fault { Missing, Broken };

    explicit SoundFolder(const QString& faultyFile = {}, Fault fault = Missing)
    {
        const QDir source(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("SOND")));
        QDir(m_dir.path()).mkpath(QStringLiteral("SOND"));
        const QDir target(QDir(m_dir.path()).filePath(QStringLiteral("SOND")));
        for (const QString& name : source.entryList(QDir::Files)) {
            if (name == faultyFile)
                continue;
            QFile::copy(source.filePath(name), target.filePath(name));
        }
        if (!faultyFile.isEmpty() && fault == Broken) {
            QFile broken(target.filePath(faultyFile));
            if (broken.open(QIODevice::WriteOnly))
                broken.write("RIFF....WAVEesto no es un sonido");
        }
    }

    void use() const { SoundPaths::overrideSearchFolders({m_dir.path()}); }
    static void useProgramFolder() { SoundPaths::overrideSearchFolders({}); }

private:
    QTemporaryDir m_dir;
};

} // namespace ShellTesting
