// The instrument windows: what each shows, its menu, when it may be left, the
// one-front-panel rule across the program, and the front panels that are only a photograph.

#include "AudioTestMain.h"
#include "Driving.h"
#include "RegisteredInstruments.h"
#include "SinkRecorder.h"

#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "instruments/fluke45/Fluke45Notes.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "instruments/fluke73/Fluke73ObjectNames.h"
#include "instruments/hc6000/Hc6000ObjectNames.h"
#include "instruments/phywe/PhyweObjectNames.h"
#include "instruments/power_supply/PowerSupplyNotes.h"
#include "instruments/power_supply/PowerSupplyObjectNames.h"

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Driving;
using namespace RegisteredInstruments;

namespace {

const InstrumentDefinition& instrument(const QString& window)
{
    return RegisteredInstruments::byWindow(window);
}

void addInstrumentColumn()
{
    QTest::addColumn<QString>("window");
}

void addInstrumentRows()
{
    for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
        QTest::addRow("%s", rowName(entry.definition).constData()) << windowOf(entry.definition);
}

// Opens an instrument, opens its front panel and goes back to the chooser, leaving the
// panel open. False if the instrument did not open.
bool leaveWithPanelOpen(const QString& window)
{
    QWidget* w = openInstrument(instrument(window));
    if (!w)
        return false;
    TestSession::choose(w, ObjectNames::frontPanelMenuItem);
    TestSession::choose(w, ObjectNames::backMenuItem);
    TestSession::settle();
    return true;
}

// An item's text as a list entry; a separator reads "-".
QStringList itemTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// Pixels of a title art's lettering (its orange letters and their brown sides) within an
// area of the picture; the grey ground and the letters' neutral shadow are not lettering.
int letteringPixels(const QLabel* title, const QRect& area)
{
    const QImage image = title->pixmap().toImage();
    const qreal ratio = title->pixmap().devicePixelRatio();
    const QRect pixels = QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio).toRect() & image.rect();
    int count = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() - c.blue() > 24;
        }
    return count;
}

using Box = MessageBoxes::Shown;

Box exclamation(const QString& caption, const QString& text)
{
    return {caption, text, MessageBoxes::Icon::Exclamation};
}

} // namespace

class InstrumentWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void frame_data()
    {
        addInstrumentColumn();
        addInstrumentRows();
    }

    // Caption, title art and photograph, and the menus in their order. "&Cuestiones" where
    // there is no questionnaire does nothing; "&Ayuda" opens the help beside the window.
    void frame()
    {
        QFETCH(QString, window);
        const InstrumentDefinition& i = instrument(window);
        TestSession session;
        auto* w = qobject_cast<QMainWindow*>(openInstrument(i));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), i.window.frame.caption);
        const QRect titleArt = i.window.titleArt, photograph = i.window.photograph;
        for (const auto& [name, rect] :
             {std::pair{ObjectNames::titleArt, titleArt}, std::pair{ObjectNames::photograph, photograph}}) {
            auto* image = w->centralWidget()->findChild<QLabel*>(name);
            QVERIFY2(image, name);
            QCOMPARE(image->geometry(), rect);
            QVERIFY2(!image->pixmap().isNull(), name);
        }
        // No letter of the title lies under the photograph (drawn over it) or at its edges.
        const auto* title = w->centralWidget()->findChild<QLabel*>(ObjectNames::titleArt);
        const QRect whole(QPoint(), titleArt.size());
        const QRect covered = titleArt.intersected(photograph.adjusted(-2, -2, 2, 2)).translated(-titleArt.topLeft());
        QVERIFY(letteringPixels(title, whole) > 0);
        QCOMPARE(letteringPixels(title, covered), 0);
        QCOMPARE(letteringPixels(title, whole) - letteringPixels(title, whole.adjusted(3, 3, -3, -3)), 0);

        QStringList bar;
        for (const QAction* action : w->menuBar()->actions())
            bar.append(action->text());
        QCOMPARE(bar, (QStringList{"Opciones", "Ayuda"}));
        QStringList opciones{"&Panel frontal", "&Cuestiones", "-", "&Volver"};
        if (i.openNotes)
            opciones.prepend("&Notas generales");
        if (i.practice.create)
            opciones.insert(opciones.indexOf("&Cuestiones") + 1, "P&ráctica");
        QCOMPARE(itemTexts(w->findChild<QMenu*>(ObjectNames::optionsMenu)), opciones);
        QCOMPARE(itemTexts(w->findChild<QMenu*>(ObjectNames::helpMenu)), (QStringList{"&Ayuda", "&Mi progreso"}));
        QCOMPARE(w->findChild<QAction*>(ObjectNames::backMenuItem)->shortcut(),
                 i.window.volverShortcut ? QKeySequence(Qt::CTRL | Qt::Key_V) : QKeySequence());

        if (!i.questionBank)
            TestSession::choose(w, ObjectNames::questionsMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{windowOf(i)});
        TestSession::choose(w, ObjectNames::helpMenuItem); // the help, which blocks nothing
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), sorted({windowOf(i), ObjectNames::helpWindow}));
        QVERIFY(session.boxes().isEmpty());
    }

    void ctrlV_data()
    {
        addInstrumentColumn();
        addInstrumentRows();
    }

    void ctrlV()
    {
        QFETCH(QString, window);
        const InstrumentDefinition& i = instrument(window);
        TestSession session;
        QWidget* w = openInstrument(i);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(),
                 QStringList{i.window.volverShortcut ? ObjectNames::chooserWindow : windowOf(i)});
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("note");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<bool>("questionnaire");
        QTest::addColumn<bool>("closeBox");
        for (const auto& [id, i] : InstrumentRegistry::all())
            for (int flags = 0; flags < 8; ++flags)
                for (const bool closeBox : {false, true}) {
                    const bool note = flags & 1, panel = flags & 2, questionnaire = flags & 4;
                    QTest::addRow("%s%s%s%s, %s", rowName(i).constData(), note ? ", note" : "", panel ? ", panel" : "",
                                  questionnaire ? ", questionnaire" : "", closeBox ? "close box" : "Volver")
                        << windowOf(i) << note << panel << questionnaire << closeBox;
                }
    }

    // The first guard that holds refuses with its message and the window stays;
    // otherwise a new chooser replaces the window. Each window has its own guards.
    void leaving()
    {
        QFETCH(QString, window);
        QFETCH(bool, note);
        QFETCH(bool, panel);
        QFETCH(bool, questionnaire);
        QFETCH(bool, closeBox);
        const InstrumentDefinition& i = instrument(window);
        TestSession session;
        QPointer<QWidget> w = openInstrument(i);
        QVERIFY(w);
        // Either note of the Fluke 45 counts; any note of the power supply does.
        if (note && windowOf(i) == Fluke45Names::window)
            fluke45OpenNotes().insert(closeBox ? Fluke45NoteSubject::ListEditor : Fluke45NoteSubject::NumberEditor);
        if (note && windowOf(i) == PowerSupplyNames::window)
            powerSupplyOpenNotes().insert(PowerSupplyNoteSubject::Startup);
        if (panel)
            WindowClaims::claim(OneAtATime::FrontPanel);
        if (questionnaire)
            WindowClaims::claim(OneAtATime::Questionnaire);

        if (closeBox)
            w->close();
        else
            TestSession::choose(w, ObjectNames::backMenuItem);
        TestSession::settle();

        std::optional<Box> refusal;
        if (i.window.guards.notes && note)
            refusal =
                exclamation("Existen notas abiertas", panel ? "Cierre antes las notas abiertas y el panel frontal."
                                                            : "Cierre antes las notas abiertas.");
        else if (i.window.guards.panel && panel)
            refusal = exclamation("El panel está abierto", "Cierre antes el panel frontal.");
        else if (i.window.guards.questionnaire && questionnaire)
            refusal = exclamation("Las cuestiones están abiertas", "Cierre antes la ventana de cuestiones.");

        if (refusal) {
            QCOMPARE(session.boxes(), QList<Box>{*refusal});
            QCOMPARE(TestSession::openWindowNames(), QStringList{windowOf(i)});
        } else {
            QCOMPARE(session.boxes(), QList<Box>{});
            QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
            QVERIFY(w.isNull());
        }
    }

    void cueOnShow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("soundOn");
        for (const auto& [id, i] : InstrumentRegistry::all())
            for (const bool on : {true, false})
                QTest::addRow("%s, sound %s", rowName(i).constData(), on ? "on" : "off") << windowOf(i) << on;
    }

    // Each window greets the user with its cue, unless sound was switched off in the chooser.
    void cueOnShow()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        QFETCH(QString, window);
        QFETCH(bool, soundOn);
        const InstrumentDefinition& i = instrument(window);
        TestSession session;
        if (!soundOn)
            TestSession::choose(TestSession::window(ObjectNames::chooserWindow), ObjectNames::soundMenuItem);
        // The first cue a program plays may reach the sink over a second late.
        const int peak = SinkRecorder::peakDuring([&] { QVERIFY(openInstrument(i)); }, 3000);
        if (soundOn)
            QVERIFY2(peak > HeardPeak, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak < HeardPeak, qPrintable(QString::number(peak)));
    }

    void onePanelAtATime_data()
    {
        addInstrumentColumn();
        for (const auto& [id, i] : InstrumentRegistry::all())
            if (!panelOf(i).isEmpty() && i.panel.onePanelRule)
                QTest::addRow("%s", rowName(i).constData()) << windowOf(i);
    }

    void onePanelAtATime()
    {
        QFETCH(QString, window);
        const InstrumentDefinition& i = instrument(window);
        TestSession session;
        QWidget* w = openInstrument(i);
        QVERIFY(w);
        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::windows(panelOf(i)).size(), 1);
        QCOMPARE(TestSession::openWindowNames(), sorted({panelOf(i), windowOf(i)}));
    }

    void panelLeftOpenElsewhere_data()
    {
        addInstrumentColumn();
        for (const auto& [id, i] : InstrumentRegistry::all())
            if (i.panel.onePanelRule)
                QTest::addRow("%s", rowName(i).constData()) << windowOf(i);
    }

    // The Fluke 73's panel stays open over the chooser and keeps holding the one-panel
    // flag: no other window opens a panel, and the guarded windows cannot be left.
    void panelLeftOpenElsewhere()
    {
        QFETCH(QString, window);
        const InstrumentDefinition& i = instrument(window);
        TestSession session;
        QVERIFY(leaveWithPanelOpen(Fluke73Names::window));
        QCOMPARE(TestSession::openWindowNames(), (QStringList{ObjectNames::chooserWindow, Fluke73Names::panel}));

        QWidget* w = openInstrument(i);
        QVERIFY(w);
        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), sorted({Fluke73Names::panel, windowOf(i)}));

        TestSession::choose(w, ObjectNames::backMenuItem);
        TestSession::settle();
        if (i.window.guards.panel) {
            QCOMPARE(session.boxes(),
                     QList<Box>{exclamation("El panel está abierto", "Cierre antes el panel frontal.")});
            QCOMPARE(TestSession::openWindowNames(), sorted({Fluke73Names::panel, windowOf(i)}));
        } else {
            QVERIFY(session.boxes().isEmpty());
            QCOMPARE(TestSession::openWindowNames(), (QStringList{ObjectNames::chooserWindow, Fluke73Names::panel}));
        }
    }

    // Once the panel left open is closed, another window's "&Panel frontal" works again.
    void closingLeftPanelFreesRule()
    {
        TestSession session;
        QVERIFY(leaveWithPanelOpen(Fluke73Names::window));
        QWidget* hc6000 = openInstrument(instrument(Hc6000Names::window));
        QVERIFY(hc6000);
        press(TestSession::window(Fluke73Names::panel), ObjectNames::closeButton);
        QCOMPARE(TestSession::openWindowNames(), QStringList{Hc6000Names::window});
        TestSession::choose(hc6000, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), (QStringList{Hc6000Names::window, Hc6000Names::panel}));
    }

    // The PHYWE opens one more panel at each choice, even while another instrument's
    // panel holds the flag, and its panels neither take nor give back the flag.
    void phywePanelsIgnoreTheFlag()
    {
        TestSession session;
        QVERIFY(leaveWithPanelOpen(Fluke73Names::window));

        QWidget* phywe = openInstrument(instrument(PhyweNames::window));
        QVERIFY(phywe);
        TestSession::choose(phywe, ObjectNames::frontPanelMenuItem);
        TestSession::choose(phywe, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QList<QWidget*> panels = TestSession::windows(PhyweNames::panel);
        QCOMPARE(panels.size(), 2);
        press(panels[0], ObjectNames::closeButton);
        QCOMPARE(TestSession::windows(PhyweNames::panel), QList<QWidget*>{panels[1]});

        // The Fluke 73's panel still holds the flag.
        TestSession::choose(phywe, ObjectNames::backMenuItem);
        TestSession::settle();
        QWidget* supply = openInstrument(instrument(PowerSupplyNames::window));
        QVERIFY(supply);
        TestSession::choose(supply, ObjectNames::frontPanelMenuItem);
        TestSession::choose(supply, ObjectNames::backMenuItem);
        TestSession::settle();
        QCOMPARE(session.boxes(), QList<Box>{exclamation("El panel está abierto", "Cierre antes el panel frontal.")});
        QCOMPARE(TestSession::openWindowNames(),
                 sorted({Fluke73Names::panel, PhyweNames::panel, PowerSupplyNames::window}));

        press(panels[1], ObjectNames::closeButton);
        press(TestSession::window(Fluke73Names::panel), ObjectNames::closeButton);
        TestSession::choose(supply, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), (QStringList{PowerSupplyNames::window, PowerSupplyNames::panel}));
    }

    void phywePanelsNeverTakeTheFlag()
    {
        TestSession session;
        QVERIFY(leaveWithPanelOpen(PhyweNames::window));
        QWidget* supply = openInstrument(instrument(PowerSupplyNames::window));
        QVERIFY(supply);
        TestSession::choose(supply, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(),
                 (QStringList{PowerSupplyNames::window, PhyweNames::panel, PowerSupplyNames::panel}));
    }

    void simplePanel_data()
    {
        addInstrumentColumn();
        for (const auto& [id, i] : InstrumentRegistry::all())
            if (i.panel.catalogue().empty())
                QTest::addRow("%s", rowName(i).constData()) << windowOf(i);
    }

    // A photograph with no hot region: the pointer never changes, no caption shows and a
    // click explains nothing.
    void simplePanel()
    {
        QFETCH(QString, window);
        const InstrumentDefinition& i = instrument(window);
        const ExplorerLayout& layout = i.panel.layout();
        const QSize picture = layout.map.size();
        TestSession session;
        QWidget* w = openInstrument(i);
        QVERIFY(w);
        QWidget* panel = openPanel(w, panelOf(i));
        QVERIFY(panel);
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QCOMPARE(panel->windowTitle(), layout.frame.caption);
        SensitiveMap* map = mapOf(panel);
        QVERIFY(map);
        QCOMPARE(map->geometry(), QRect(QPoint(7, 1), picture));
        QCOMPARE(map->regionCount(), 0);

        QStringList boxCaptions;
        for (const char* name : {ObjectNames::controlNameBox, ObjectNames::descriptionBox, ObjectNames::usageBox,
                                 ObjectNames::relatedTopicsBox})
            boxCaptions.append(panel->findChild<QGroupBox*>(name)->title());
        QCOMPARE(boxCaptions, (QStringList{" Mando:  ", "Descripción", "Modo de empleo ", "Temas relacionados: "}));
        QCOMPARE(panel->findChild<QPushButton*>(ObjectNames::closeButton)->text(), QStringLiteral("&Cerrar"));
        QCOMPARE(panel->focusWidget() == panel->findChild<QPushButton*>(ObjectNames::closeButton), layout.focusOnClose);

        const QList<QPoint> points{{0, 0},
                                   {picture.width() / 2, picture.height() / 2},
                                   {picture.width() - 1, picture.height() - 1},
                                   {picture.width() / 3, picture.height() / 5}};
        for (const QPoint at : points) {
            hover(map, at);
            QVERIFY(!map->testAttribute(Qt::WA_SetCursor));
            QCOMPARE(shownCaptions(panel), QStringList{});
            click(map, at);
            QCOMPARE(fieldsOf(panel), Fields{});
        }
        QVERIFY(session.boxes().isEmpty());
    }

    void closing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("escape");
        for (const auto& [id, i] : InstrumentRegistry::all())
            if (!panelOf(i).isEmpty())
                for (const bool escape : {false, true})
                    QTest::addRow("%s, %s", rowName(i).constData(), escape ? "Esc" : "Cerrar") << windowOf(i) << escape;
    }

    // "&Cerrar", or Esc, closes the panel; a one-panel window may then open a fresh one.
    void closing()
    {
        QFETCH(QString, window);
        QFETCH(bool, escape);
        const InstrumentDefinition& i = instrument(window);
        TestSession session;
        QWidget* w = openInstrument(i);
        QVERIFY(w);
        QPointer<QWidget> panel = openPanel(w, panelOf(i));
        QVERIFY(panel);
        if (escape) {
            QVERIFY(QTest::qWaitForWindowActive(panel));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            TestSession::settle();
        } else {
            press(panel, ObjectNames::closeButton);
        }
        QVERIFY(panel.isNull());
        QCOMPARE(TestSession::openWindowNames(), QStringList{windowOf(i)});

        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::windows(panelOf(i)).size(), 1);
        QVERIFY(session.boxes().isEmpty());
    }
};

TRIVANE_AUDIO_TEST_MAIN(InstrumentWindowsTest)
#include "tst_instrument_windows.moc"
