#pragma once

#include "platform/MessageBoxes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

// One test's view of the running program: starts it as the program starts, records
// every message box instead of showing it, and closes every window at the end.
// Message boxes compare and print in test failures.
namespace MessageBoxes {
inline bool operator==(const Shown& a, const Shown& b)
{
    return a.caption == b.caption && a.text == b.text && a.icon == b.icon;
}

inline char* toString(const Shown& b)
{
    return qstrdup(qPrintable(QStringLiteral("{\"%1\", \"%2\", icon %3}").arg(b.caption, b.text).arg(int(b.icon))));
}
} // namespace MessageBoxes

class TestSession {
public:
    // programName decides whether the pointing hand is loaded ("trivane" loads it).
    explicit TestSession(const QString& programName = QStringLiteral("trivane"));
    ~TestSession();

    bool started() const { return m_started; }
    const QList<MessageBoxes::Shown>& boxes() const { return m_boxes; }
    void clearBoxes() { m_boxes.clear(); }

    // Lets released windows be destroyed, as happens when control returns to the event loop.
    static void settle();

    // The visible top-level windows with this object name.
    static QList<QWidget*> windows(const QString& objectName);
    static QWidget* window(const QString& objectName);
    // Object names of all visible top-level windows, sorted.
    static QStringList openWindowNames();

    // Triggers a menu item of a window by its object name, as a user choosing it would.
    static void choose(QWidget* window, const QString& actionName);

private:
    QList<MessageBoxes::Shown> m_boxes;
    bool m_started = false;
};

// The names in the order openWindowNames() gives them.
inline QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}
