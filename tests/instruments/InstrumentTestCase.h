#pragma once

#include "Driving.h"
#include "TestSession.h"

#include <QObject>
#include <QString>

#include <memory>

// What the tests of one instrument's window share: each test starts the program and opens
// the instrument from the chooser's menu, as a user would, and ends with every window
// closed. A test class derives from it and names the window for its own tests.
class InstrumentTestCase : public QObject
{
    Q_OBJECT

protected:
    InstrumentTestCase(QString chooserItem, QString windowName)
        : m_chooserItem(std::move(chooserItem)), m_windowName(std::move(windowName))
    {
    }

    std::unique_ptr<TestSession> session;
    QWidget* instrument = nullptr;

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
        instrument = Driving::openInstrument(m_chooserItem, m_windowName);
        QVERIFY(instrument);
    }

    void cleanup()
    {
        session.reset();
        instrument = nullptr;
    }

private:
    QString m_chooserItem;
    QString m_windowName;
};
