// Start-up, moving between the chooser and the instrument windows, the sound switch,
// and the end of the program.

#include "AudioTestMain.h"
#include "ShellTesting.h"
#include "SinkRecorder.h"

#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "instruments/InstrumentRegistry.h"
#include "instruments/demestres2001/Demestres2001ObjectNames.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "instruments/fluke73/Fluke73ObjectNames.h"
#include "instruments/hc6000/Hc6000ObjectNames.h"
#include "instruments/phywe/PhyweObjectNames.h"
#include "instruments/power_supply/PowerSupplyObjectNames.h"
#include "shell/Program.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

using namespace ShellTesting;

namespace {

struct Instrument {
    const char* row;
    const char* menuItem;
    const char* menuText;
    const char* window;
    const char* caption;
    const char* soundFile;
};

const Instrument instruments[] = {
    {"Fluke 45", Fluke45Names::chooserMenuItem, "Multímetro &Dual Fluke45", Fluke45Names::window,
     "Multímetro Dual Fluke 45", "FLUKE45S.WAV"},
    {"FG110", Fg110Names::chooserMenuItem, "&Generador de funciones FG110", Fg110Names::window,
     "Generador de funciones FG110", "FG110S.WAV"},
    {"power supply", PowerSupplyNames::chooserMenuItem, "&Fuente de alimentación Promax", PowerSupplyNames::window,
     "Fuente de Alimentación PROMAX", "PROMAXS.WAV"},
    {"Fluke 73", Fluke73Names::chooserMenuItem, "Multímetro Fluke &73", Fluke73Names::window,
     "Multímetro Fluke 73", "FLUKE43S.WAV"},
    {"Demestres 2001", Demestres2001Names::chooserMenuItem, "Multímetro D&emestres 2001", Demestres2001Names::window,
     "Multímetro Demestres 2001", "DEMESTS.WAV"},
    {"PHYWE", PhyweNames::chooserMenuItem, "Multímetro &PHYWE", PhyweNames::window,
     "Multímetro PHYWE", "FG110S.WAV"},
    {"HC6000", Hc6000Names::chooserMenuItem, "Multímetro &HC6000", Hc6000Names::window,
     "Multímetro HC-6000", "HC6000S.WAV"},
};

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

class NavigationTest : public QObject
{
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
        QCOMPARE(itemTexts(submenu(form, "&Instrumento")),
                 (QStringList{"Multímetros", "&Generador de funciones FG110", "&Fuente de alimentación Promax"}));
        QCOMPARE(itemTexts(submenu(form, "Multímetros")),
                 (QStringList{"Multímetro &Dual Fluke45", "Multímetro &HC6000", "Multímetro Fluke &73",
                              "Multímetro &PHYWE", "Multímetro D&emestres 2001"}));
        QCOMPARE(itemTexts(submenu(form, "&Opciones")), QStringList{"Sonido"});
        QCOMPARE(itemTexts(submenu(form, "Ayuda")), (QStringList{"&Contenidos", "&Mi progreso", "-", "&Acerca de Dorvex..."}));
        // Only "&Salir" has a shortcut.
        for (const QAction* a : form->findChildren<QAction*>())
            if (a->objectName() != ObjectNames::exitMenuItem)
                QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->text()));
    }

    void menuItemOpensInstrument_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("menuText");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        for (const Instrument& i : instruments)
            QTest::addRow("%s", i.row) << i.menuItem << i.menuText << i.window << i.caption;
    }

    void menuItemOpensInstrument()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, menuText);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        TestSession session;
        QPointer<QWidget> form = chooser();
        QCOMPARE(action(form, menuItem)->text(), menuText);

        TestSession::choose(form, menuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{window});
        QCOMPARE(TestSession::window(window)->windowTitle(), caption);
        QVERIFY2(!form, "the chooser is released, not hidden");
        QVERIFY(session.boxes().isEmpty());
        QVERIFY(!Program::endRequested());
    }

    void leavingReturnsToNewChooser_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("closeBox");
        for (const Instrument& i : instruments) {
            QTest::addRow("%s, &Volver", i.row) << i.menuItem << i.window << false;
            QTest::addRow("%s, close box", i.row) << i.menuItem << i.window << true;
        }
    }

    void leavingReturnsToNewChooser()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, window);
        QFETCH(bool, closeBox);
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

    void instrumentCueMissingLeavesChooser_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("soundFile");
        for (const Instrument& i : instruments)
            QTest::addRow("%s", i.row) << i.menuItem << i.window << i.soundFile;
    }

    void instrumentCueMissingLeavesChooser()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, window);
        QFETCH(QString, soundFile);
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
