#pragma once

#include "Driving.h"
#include "RegisteredInstruments.h"
#include "TestSession.h"

#include <QObject>
#include <QString>

#include <memory>

// What the tests of one instrument's window share: each test starts the program and opens
// the instrument from the chooser's menu, as a user would, and ends with every window
// closed. A test class derives from it and names the instrument for its own tests.
class InstrumentTestCase : public QObject {
    Q_OBJECT

protected:
    explicit InstrumentTestCase(InstrumentId id)
        : m_instrument(InstrumentRegistry::definition(id))
    { }

    // The instrument named by its chooser item and its window, which must agree.
    InstrumentTestCase(const QString& chooserItem, const QString& windowName)
        : m_instrument(RegisteredInstruments::byWindow(windowName))
    {
        Q_ASSERT(m_instrument.chooser.menuObjectName == chooserItem);
    }

    // Chooses "&Panel frontal" in the instrument's window; its front panel, or null.
    QWidget* openPanel() { return Driving::openPanel(instrument, RegisteredInstruments::panelOf(m_instrument)); }

    std::unique_ptr<TestSession> session;
    QWidget* instrument = nullptr;

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
        instrument = Driving::openInstrument(m_instrument);
        QVERIFY(instrument);
    }

    void cleanup()
    {
        session.reset();
        instrument = nullptr;
    }

private:
    const InstrumentDefinition& m_instrument;
};
