#pragma once

// Small steps a user takes in the instrument windows and front panels, shared by the
// instrument tests. Mouse events go through the window, as the windowing system would
// send them, so that they reach whichever control is under the pointer.
#define QTEST_QPA_MOUSE_HANDLING

#include "TestSession.h"
#include "core/ObjectNames.h"
#include "instruments/common/InstrumentDefinition.h"
#include "widgets/SensitiveMap.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace Driving {

// Chooses an instrument in the chooser's "&Instrumento" menu; the instrument window
// that opened, or null.
inline QWidget* openInstrument(const QString& chooserItem, const QString& windowName)
{
    QWidget* chooser = TestSession::window(ObjectNames::chooserWindow);
    if (!chooser)
        return nullptr;
    TestSession::choose(chooser, chooserItem);
    TestSession::settle();
    return TestSession::window(windowName);
}

inline QWidget* openInstrument(const InstrumentDefinition& instrument)
{
    return openInstrument(instrument.chooser.menuObjectName, instrument.window.frame.objectName);
}

// Chooses "&Panel frontal" in an instrument window; the front panel that opened, or null.
inline QWidget* openPanel(QWidget* instrumentWindow, const QString& panelName)
{
    TestSession::choose(instrumentWindow, ObjectNames::frontPanelMenuItem);
    TestSession::settle();
    return TestSession::window(panelName);
}

inline SensitiveMap* mapOf(const QWidget* panel)
{
    return panel ? panel->findChild<SensitiveMap*>(ObjectNames::panelMap) : nullptr;
}

inline void hover(SensitiveMap* map, QPoint at)
{
    QTest::mouseMove(map, at);
}

inline void click(SensitiveMap* map, QPoint at)
{
    QTest::mouseMove(map, at);
    QTest::mouseClick(map, Qt::LeftButton, {}, at);
}

// The caption labels on screen in a front panel, as "Label3: caption text".
inline QStringList shownCaptions(const QWidget* panel)
{
    QStringList shown;
    for (const QLabel* label : panel->findChildren<QLabel*>())
        if (label->isVisible() && label->objectName() != ObjectNames::controlNameLabel)
            shown.append(label->objectName() + QStringLiteral(": ") + label->text());
    return shown;
}

// " Mando:  ", "Descripción" and "Modo de empleo " as the user reads them.
struct Fields {
    QString name, description, usage;
    bool operator==(const Fields&) const = default;
};

inline Fields fieldsOf(const QWidget* panel)
{
    return {panel->findChild<QLabel*>(ObjectNames::controlNameLabel)->text(),
            panel->findChild<QPlainTextEdit*>(ObjectNames::descriptionMemo)->toPlainText(),
            panel->findChild<QPlainTextEdit*>(ObjectNames::usageMemo)->toPlainText()};
}

// Presses a window's button with the mouse.
inline void press(QWidget* window, const QString& buttonName)
{
    auto* button = window ? window->findChild<QPushButton*>(buttonName) : nullptr;
    QVERIFY2(button, qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
    TestSession::settle();
}

// Whether the pointer over the map is the program's pointing hand.
inline bool showsPointingHand(const QWidget* map)
{
    return map->testAttribute(Qt::WA_SetCursor) && map->cursor().shape() == Qt::BitmapCursor;
}

inline char* toString(const Fields& f)
{
    return qstrdup(qPrintable(QStringLiteral("{\"%1\", \"%2\", \"%3\"}").arg(f.name, f.description, f.usage)));
}

} // namespace Driving
