// Start-up, moving between the chooser and the instrument windows, the sound switch,
// and the end of the program.

#include "AudioTestMain.h"
#include "RegisteredInstruments.h"
#include "ShellTesting.h"
#include "SinkRecorder.h"

#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "instruments/InstrumentRegistry.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fluke73/Fluke73ObjectNames.h"
#include "shell/Program.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <algorithm>

using namespace RegisteredInstruments;
using namespace ShellTesting;

namespace {

// Every registered instrument as a row: the name of its window.
void addInstrumentRows()
{
    QTest::addColumn<QString>("window");
    for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
        QTest::addRow("%s", rowName(entry.definition).constData()) << windowOf(entry.definition);
}

QString menuTextOf(InstrumentId instrument)
{
    return InstrumentRegistry::definition(instrument).chooser.menuText;
}

QAction* action(QWidget* window, const QString& name)
{
    return window ? window->findChild<QAction*>(name) : nullptr;
}

// The texts of a menu's items in order, "-" for a separator.
QStringList itemTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

QMenu* submenu(QWidget* window, const QString& title)
{
    for (QMenu* menu : window->findChildren<QMenu*>())
        if (menu->title() == title)
            return menu;
    return nullptr;
}

// Every main picture shown, every frame hidden, the animation idle.
void verifyFreshChooser(ChooserWindow* form)
{
    QVERIFY(form);
    for (const InstrumentRegistry::Entry& instrument : InstrumentRegistry::all()) {
        const ChooserEntry& entry = instrument.definition.chooser;
        QVERIFY2(label(form, entry.mainObjectName)->isVisible(), qPrintable(entry.mainObjectName));
        for (const QString& frame : entry.frameObjectNames)
            QVERIFY2(!label(form, frame)->isVisible(), qPrintable(frame));
    }
    QVERIFY(!form->animationTimer()->isActive());
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { startListening(); }

    void startsWithChooserOnly()
    {
        TestSession session;
        QVERIFY(session.started());
        QVERIFY(session.boxes().isEmpty());
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
        ChooserWindow* form = chooser();
        QCOMPARE(form->windowTitle(), QString("Tutorial del Riverazadidi"));
        QCOMPARE(form->findChild<QGroupBox*>()->title(), QString("Elija uno de los aparatos:"));
        QAction* sonido = action(form, ObjectNames::soundMenuItem);
        QVERIFY(sonido->isCheckable());
        QVERIFY(sonido->isChecked());
        verifyFreshChooser(form);

        QWidget* about = anyWindow(ObjectNames::aboutBox);
        QVERIFY2(about, "the about box is created at start-up");
        QVERIFY(!about->isVisible());

        QVERIFY(appState().soundOn);
        QVERIFY(!WindowClaims::isClaimed(OneAtATime::FrontPanel));
        QVERIFY(!WindowClaims::isClaimed(OneAtATime::Questionnaire));
        for (const InstrumentRegistry::Entry& instrument : InstrumentRegistry::all())
            QVERIFY(!instrument.definition.openNotes || !instrument.definition.openNotes().any());
        QVERIFY(!Program::endRequested());
    }

    void everyInstrumentHasItsOwnPlace_data() { addInstrumentRows(); }

    // An instrument's place in the chooser, the sunken frame around its picture, lies in
    // the group box below its title and overlaps no other place; its picture lies in it.
    void everyInstrumentHasItsOwnPlace()
    {
        QFETCH(QString, window);
        TestSession session;
        ChooserWindow* form = chooser();
        const auto placeOf = [form](const InstrumentDefinition& instrument) {
            QLabel* picture = label(form, instrument.chooser.mainObjectName);
            return picture ? picture->parentWidget() : nullptr;
        };
        const InstrumentDefinition& instrument = byWindow(window);
        const QWidget* place = placeOf(instrument);
        QVERIFY(place);
        const auto* box = qobject_cast<QGroupBox*>(place->parentWidget());
        QVERIFY(box);
        QVERIFY(box->contentsRect().contains(place->geometry()));
        QVERIFY(place->rect().contains(label(form, instrument.chooser.mainObjectName)->geometry()));
        for (const InstrumentRegistry::Entry& other : InstrumentRegistry::all())
            if (&other.definition != &instrument)
                QVERIFY2(!place->geometry().intersects(placeOf(other.definition)->geometry()),
                         qPrintable(other.definition.name));
    }

    void chooserMenus()
    {
        TestSession session;
        ChooserWindow* form = chooser();
        QStringList titles;
        for (const QAction* a : form->menuBar()->actions())
            titles.append(a->text());
        QCOMPARE(titles, (QStringList{"&Archivo", "&Instrumento", "&Opciones", "Ayuda"}));
        QCOMPARE(itemTexts(submenu(form, "&Archivo")), QStringList{"&Salir"});
        QCOMPARE(action(form, ObjectNames::exitMenuItem)->shortcut(), QKeySequence("Ctrl+X"));
        // The multimeters in a submenu of their own, then the other instruments in the chooser's order.
        const std::vector<InstrumentId>& multimeters = InstrumentRegistry::multimeterMenuOrder();
        QStringList multimeterItems, instrumentItems{"Multímetros"};
        for (const InstrumentId id : multimeters)
            multimeterItems.append(menuTextOf(id));
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
            if (std::find(multimeters.begin(), multimeters.end(), entry.id) == multimeters.end())
                instrumentItems.append(menuTextOf(entry.id));
        QCOMPARE(itemTexts(submenu(form, "&Instrumento")), instrumentItems);
        QCOMPARE(itemTexts(submenu(form, "Multímetros")), multimeterItems);
        QCOMPARE(itemTexts(submenu(form, "&Opciones")), QStringList{"Sonido"});
        QCOMPARE(itemTexts(submenu(form, "Ayuda")),
                 (QStringList{"&Contenidos", "&Mi progreso", "-", "&Acerca de Dorvex..."}));
        // Only "&Salir" has a shortcut.
        for (const QAction* a : form->findChildren<QAction*>())
            if (a->objectName() != ObjectNames::exitMenuItem)
                QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->text()));
    }

    void menuItemOpensInstrument_data() { addInstrumentRows(); }

    void menuItemOpensInstrument()
    {
        QFETCH(QString, window);
        const InstrumentDefinition& instrument = byWindow(window);
        const QString menuItem = instrument.chooser.menuObjectName;
        TestSession session;
        QPointer<QWidget> form = chooser();
        QCOMPARE(action(form, menuItem)->text(), instrument.chooser.menuText);

        TestSession::choose(form, menuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{window});
        QCOMPARE(TestSession::window(window)->windowTitle(), instrument.window.frame.caption);
        QVERIFY2(!form, "the chooser is released, not hidden");
        QVERIFY(session.boxes().isEmpty());
        QVERIFY(!Program::endRequested());
    }

    void leavingReturnsToNewChooser_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("closeBox");
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all()) {
            const QByteArray row = rowName(entry.definition);
            QTest::addRow("%s, &Volver", row.constData()) << windowOf(entry.definition) << false;
            QTest::addRow("%s, close box", row.constData()) << windowOf(entry.definition) << true;
        }
    }

    void leavingReturnsToNewChooser()
    {
        QFETCH(QString, window);
        QFETCH(bool, closeBox);
        const QString menuItem = byWindow(window).chooser.menuObjectName;
        TestSession session;
        TestSession::choose(chooser(), menuItem);
        TestSession::settle();
        QPointer<QWidget> instrumentWindow = TestSession::window(window);
        QVERIFY(instrumentWindow);

        if (closeBox)
            instrumentWindow->close();
        else
            TestSession::choose(instrumentWindow, ObjectNames::backMenuItem);
        TestSession::settle();

        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
        QVERIFY2(!instrumentWindow, "the instrument window is released, not hidden");
        verifyFreshChooser(chooser());
        QVERIFY(action(chooser(), ObjectNames::soundMenuItem)->isChecked());
        QVERIFY(session.boxes().isEmpty());
        QVERIFY(!Program::endRequested());

        // The new chooser works like the first one.
        TestSession::choose(chooser(), menuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{window});
    }

    void soundSwitchSurvivesReturns()
    {
        TestSession session;
        TestSession::choose(chooser(), ObjectNames::soundMenuItem);
        QVERIFY(!action(chooser(), ObjectNames::soundMenuItem)->isChecked());
        QVERIFY(!appState().soundOn);

        TestSession::choose(chooser(), Fluke73Names::chooserMenuItem);
        TestSession::settle();
        TestSession::choose(TestSession::window(Fluke73Names::window), ObjectNames::backMenuItem);
        TestSession::settle();
        QVERIFY2(!action(chooser(), ObjectNames::soundMenuItem)->isChecked(), "the new chooser shows the switch off");
        QVERIFY(!appState().soundOn);

        TestSession::choose(chooser(), ObjectNames::soundMenuItem);
        QVERIFY(action(chooser(), ObjectNames::soundMenuItem)->isChecked());
        QVERIFY(appState().soundOn);
        TestSession::choose(chooser(), Fg110Names::chooserMenuItem);
        TestSession::settle();
        TestSession::window(Fg110Names::window)->close();
        TestSession::settle();
        QVERIFY(action(chooser(), ObjectNames::soundMenuItem)->isChecked());
        QVERIFY(appState().soundOn);
    }

    void instrumentCueFollowsSoundSwitch()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        TestSession session;
        auto visitFluke73 = [] {
            const int peak =
                SinkRecorder::peakDuring([] { TestSession::choose(chooser(), Fluke73Names::chooserMenuItem); });
            TestSession::settle();
            TestSession::choose(TestSession::window(Fluke73Names::window), ObjectNames::backMenuItem);
            TestSession::settle();
            return peak;
        };
        int peak = visitFluke73();
        QVERIFY2(peak > HeardPeak, qPrintable(QString::number(peak)));
        peak = visitFluke73();
        QVERIFY2(peak > HeardPeak, qPrintable(QStringLiteral("a second visit greets again: %1").arg(peak)));

        TestSession::choose(chooser(), ObjectNames::soundMenuItem);
        peak = visitFluke73();
        QVERIFY2(peak < HeardPeak, qPrintable(QStringLiteral("sound switched off: %1").arg(peak)));
        // Still off in the chooser that the return created.
        peak = visitFluke73();
        QVERIFY2(peak < HeardPeak, qPrintable(QStringLiteral("sound switched off: %1").arg(peak)));

        TestSession::choose(chooser(), ObjectNames::soundMenuItem);
        peak = visitFluke73();
        QVERIFY2(peak > HeardPeak, qPrintable(QStringLiteral("sound switched on again: %1").arg(peak)));
    }

    void contenidosDoesNothing()
    {
        TestSession session;
        QPointer<QWidget> form = chooser();
        TestSession::choose(form, ObjectNames::contentsMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
        QCOMPARE(chooser(), form.data());
        QVERIFY(session.boxes().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!Program::endRequested());
    }

    void chooserCueFaultStopsStartUp_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addRow("page sound missing") << int(SoundFolder::Missing);
        QTest::addRow("page sound broken") << int(SoundFolder::Broken);
    }

    void chooserCueFaultStopsStartUp()
    {
        QFETCH(int, fault);
        SoundFolder folder("PAGINA.WAV", SoundFolder::Fault(fault));
        folder.use();
        TestSession session;
        QVERIFY(!session.started());
        QCOMPARE(session.boxes().size(), 1);
        QCOMPARE(session.boxes().first().icon, MessageBoxes::Icon::Error);
        QVERIFY2(session.boxes().first().text.contains("PAGINA.WAV"), qPrintable(session.boxes().first().text));
        QCOMPARE(TestSession::openWindowNames(), QStringList{});
    }

    void instrumentCueMissingLeavesChooser_data() { addInstrumentRows(); }

    void instrumentCueMissingLeavesChooser()
    {
        QFETCH(QString, window);
        const QString menuItem = byWindow(window).chooser.menuObjectName;
        const QString soundFile = soundFileName(byWindow(window));
        TestSession session;
        QPointer<ChooserWindow> form = chooser();
        SoundFolder folder(soundFile);
        folder.use();

        TestSession::choose(form, menuItem);
        TestSession::settle();
        QCOMPARE(session.boxes().size(), 1);
        QCOMPARE(session.boxes().first().icon, MessageBoxes::Icon::Error);
        QVERIFY2(session.boxes().first().text.contains(soundFile), qPrintable(session.boxes().first().text));
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
        QVERIFY2(!anyWindow(window), "no instrument window, not even a hidden one");
        QCOMPARE(chooser(), form.data());
        verifyFreshChooser(form);
        QVERIFY(!Program::endRequested());

        // Once the cue is back, the same chooser opens the instrument.
        SoundFolder::useProgramFolder();
        session.clearBoxes();
        TestSession::choose(form, menuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{window});
        QVERIFY(session.boxes().isEmpty());
    }

    // These end the program; nothing that needs an event loop may follow them in this
    // program, since the application has been told to quit.
    void chooserClosingEndsProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("panelLeftOpen");
        QTest::addRow("&Salir") << "&Salir" << false;
        QTest::addRow("Ctrl+X") << "Ctrl+X" << false;
        QTest::addRow("close box") << "close box" << false;
        QTest::addRow("&Salir with a Fluke 73 panel left open") << "&Salir" << true;
    }

    void chooserClosingEndsProgram()
    {
        QFETCH(QString, how);
        QFETCH(bool, panelLeftOpen);
        TestSession session;
        if (panelLeftOpen) {
            TestSession::choose(chooser(), Fluke73Names::chooserMenuItem);
            TestSession::settle();
            TestSession::choose(TestSession::window(Fluke73Names::window), ObjectNames::frontPanelMenuItem);
            TestSession::choose(TestSession::window(Fluke73Names::window), ObjectNames::backMenuItem);
            TestSession::settle();
            QVERIFY(TestSession::window(Fluke73Names::panel));
        }
        ChooserWindow* form = chooser();
        QVERIFY(form);
        QVERIFY(!Program::endRequested());

        if (how == "&Salir") {
            TestSession::choose(form, ObjectNames::exitMenuItem);
        } else if (how == "Ctrl+X") {
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
            QTest::keyClick(form, Qt::Key_X, Qt::ControlModifier);
        } else {
            form->close();
        }
        TestSession::settle();
        QVERIFY(Program::endRequested());
        QVERIFY(!TestSession::window(ObjectNames::chooserWindow));
        QVERIFY(session.boxes().isEmpty());
    }
};

TRIVANE_AUDIO_TEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
