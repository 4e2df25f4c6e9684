#include "TestSession.h"

#include "platform/SoundPaths.h"
#include "shell/Startup.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTest>

TestSession::TestSession(const QString& programName)
{
    MessageBoxes::setWatcher([this](const MessageBoxes::Shown& shown) { m_boxes.append(shown); });
    m_started = Startup::start(QDir(QCoreApplication::applicationDirPath()).filePath(programName));
    settle();
}

TestSession::~TestSession()
{
    settle();
    Startup::closeAllWindows();
    settle();
    MessageBoxes::setWatcher({});
    SoundPaths::overrideSearchFolders({});
}

void TestSession::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget*> TestSession::windows(const QString& objectName)
{
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName && w->isVisible())
            found.append(w);
    return found;
}

QWidget* TestSession::window(const QString& objectName)
{
    const QList<QWidget*> found = windows(objectName);
    return found.size() == 1 ? found.first() : nullptr;
}

QStringList TestSession::openWindowNames()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && !w->objectName().isEmpty())
            names.append(w->objectName());
    names.sort();
    return names;
}

void TestSession::choose(QWidget* window, const QString& actionName)
{
    auto* action = window ? window->findChild<QAction*>(actionName) : nullptr;
    QVERIFY2(action, qPrintable(QStringLiteral("no menu item %1").arg(actionName)));
    QVERIFY2(action->isEnabled(), qPrintable(actionName));
    action->trigger();
}
