// The seven instrument windows: what each shows, its menu, when it may be left, the
// one-front-panel rule across the program, and the four simple multimeters' panels.

#include "AudioTestMain.h"
#include "Driving.h"
#include "SinkRecorder.h"

#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "instruments/demestres2001/Demestres2001ObjectNames.h"
#include "instruments/fg110/Fg110ObjectNames.h"
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

namespace {

struct Instrument {
    QString chooserItem;
    QString window;
    QString caption;
    QRect titleArt;
    QRect photograph;
    bool notesMenu;
    bool ctrlV;
    QString panel; // the front panel its "&Panel frontal" opens, where there is one yet
    bool guardsNotes, guardsPanel, guardsQuestionnaire;
    bool hasQuestionnaire;
};

const QList<std::pair<const char*, Instrument>>& instruments()
{
    static const QList<std::pair<const char*, Instrument>> all{
        {"Fluke 45",
         {Fluke45Names::chooserMenuItem, Fluke45Names::window, "Multímetro Dual Fluke 45",
          {130, 0, 207, 107}, {6, 54, 151, 61}, true, true, Fluke45Names::panel, true, true, true, true}},
        {"FG110",
         {Fg110Names::chooserMenuItem, Fg110Names::window, "Generador de funciones FG110",
          {122, 4, 232, 112}, {4, 62, 151, 61}, false, false, Fg110Names::panel, false, true, true, true}},
        {"power supply",
         {PowerSupplyNames::chooserMenuItem, PowerSupplyNames::window, "Fuente de Alimentación PROMAX",
          {140, 2, 229, 120}, {20, 20, 120, 100}, true, true, PowerSupplyNames::panel, true, true, false, false}},
        {"Fluke 73",
         {Fluke73Names::chooserMenuItem, Fluke73Names::window, "Multímetro Fluke 73",
          {78, 8, 144, 106}, {16, 10, 55, 118}, false, true, Fluke73Names::panel, false, false, false, false}},
        {"Demestres 2001",
         {Demestres2001Names::chooserMenuItem, Demestres2001Names::window, "Multímetro Demestres 2001",
          {66, 2, 229, 115}, {10, 10, 52, 97}, false, false, Demestres2001Names::panel, false, false, false, false}},
        {"PHYWE",
         {PhyweNames::chooserMenuItem, PhyweNames::window, "Multímetro PHYWE",
          {76, 4, 144, 105}, {16, 8, 56, 94}, false, true, PhyweNames::panel, false, false, false, false}},
        {"HC6000",
         {Hc6000Names::chooserMenuItem, Hc6000Names::window, "Multímetro HC-6000",
          {66, 10, 144, 101}, {10, 10, 52, 104}, false, false, Hc6000Names::panel, false, false, false, false}},
    };
    return all;
}

const Instrument& instrument(const QString& window)
{
    for (const auto& [label, i] : instruments())
        if (i.window == window)
            return i;
    qFatal("no instrument window %s", qPrintable(window));
}

void addInstrumentColumn()
{
    QTest::addColumn<QString>("window");
}

void addInstrumentRows()
{
    for (const auto& [label, i] : instruments())
        QTest::addRow("%s", label) << i.window;
}

QWidget* open(const Instrument& i)
{
    return openInstrument(i.chooserItem, i.window);
}

// Opens an instrument, opens its front panel and goes back to the chooser, leaving the
// panel open. False if the instrument did not open.
bool leaveWithPanelOpen(const QString& window)
{
    QWidget* w = open(instrument(window));
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

class InstrumentWindowsTest : public QObject
{
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
        const Instrument& i = instrument(window);
        TestSession session;
        auto* w = qobject_cast<QMainWindow*>(open(i));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), i.caption);
        for (const auto& [name, rect] : {std::pair{ObjectNames::titleArt, i.titleArt}, std::pair{ObjectNames::photograph, i.photograph}}) {
            auto* image = w->centralWidget()->findChild<QLabel*>(name);
            QVERIFY2(image, name);
            QCOMPARE(image->geometry(), rect);
            QVERIFY2(!image->pixmap().isNull(), name);
        }
        // No letter of the title lies under the photograph (drawn over it) or at its edges.
        const auto* title = w->centralWidget()->findChild<QLabel*>(ObjectNames::titleArt);
        const QRect whole(QPoint(), i.titleArt.size());
        const QRect covered = i.titleArt.intersected(i.photograph.adjusted(-2, -2, 2, 2)).translated(-i.titleArt.topLeft());
        QVERIFY(letteringPixels(title, whole) > 0);
        QCOMPARE(letteringPixels(title, covered), 0);
        QCOMPARE(letteringPixels(title, whole) - letteringPixels(title, whole.adjusted(3, 3, -3, -3)), 0);

        QStringList bar;
        for (const QAction* action : w->menuBar()->actions())
            bar.append(action->text());
        QCOMPARE(bar, (QStringList{"Opciones", "Ayuda"}));
        QStringList opciones{"&Panel frontal", "&Cuestiones", "-", "&Volver"};
        if (i.notesMenu)
            opciones.prepend("&Notas generales");
        if (i.window == Fg110Names::window) // the one instrument with a practice yet
            opciones.insert(opciones.indexOf("&Cuestiones") + 1, "P&ráctica");
        QCOMPARE(itemTexts(w->findChild<QMenu*>(ObjectNames::optionsMenu)), opciones);
        QCOMPARE(itemTexts(w->findChild<QMenu*>(ObjectNames::helpMenu)), (QStringList{"&Ayuda", "&Mi progreso"}));
        QCOMPARE(w->findChild<QAction*>(ObjectNames::backMenuItem)->shortcut(),
                 i.ctrlV ? QKeySequence(Qt::CTRL | Qt::Key_V) : QKeySequence());

        if (!i.hasQuestionnaire)
            TestSession::choose(w, ObjectNames::questionsMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{i.window});
        TestSession::choose(w, ObjectNames::helpMenuItem); // the help, which blocks nothing
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), sorted({i.window, ObjectNames::helpWindow}));
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
        const Instrument& i = instrument(window);
        TestSession session;
        QWidget* w = open(i);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{i.ctrlV ? ObjectNames::chooserWindow : i.window});
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("note");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<bool>("questionnaire");
        QTest::addColumn<bool>("closeBox");
        for (const auto& [label, i] : instruments())
            for (int flags = 0; flags < 8; ++flags)
                for (const bool closeBox : {false, true}) {
                    const bool note = flags & 1, panel = flags & 2, questionnaire = flags & 4;
                    QTest::addRow("%s%s%s%s, %s", label, note ? ", note" : "", panel ? ", panel" : "",
                                  questionnaire ? ", questionnaire" : "", closeBox ? "close box" : "Volver")
                        << i.window << note << panel << questionnaire << closeBox;
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
        const Instrument& i = instrument(window);
        TestSession session;
        QPointer<QWidget> w = open(i);
        QVERIFY(w);
        // Either note of the Fluke 45 counts; any note of the power supply does.
        if (note && i.window == Fluke45Names::window)
            fluke45OpenNotes().insert(closeBox ? Fluke45NoteSubject::ListEditor : Fluke45NoteSubject::NumberEditor);
        if (note && i.window == PowerSupplyNames::window)
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
        if (i.guardsNotes && note)
            refusal = exclamation("Existen notas abiertas", panel ? "Cierre antes las notas abiertas y el panel frontal."
                                                                  : "Cierre antes las notas abiertas.");
        else if (i.guardsPanel && panel)
            refusal = exclamation("El panel está abierto", "Cierre antes el panel frontal.");
        else if (i.guardsQuestionnaire && questionnaire)
            refusal = exclamation("Las cuestiones están abiertas", "Cierre antes la ventana de cuestiones.");

        if (refusal) {
            QCOMPARE(session.boxes(), QList<Box>{*refusal});
            QCOMPARE(TestSession::openWindowNames(), QStringList{i.window});
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
        for (const auto& [label, i] : instruments())
            for (const bool on : {true, false})
                QTest::addRow("%s, sound %s", label, on ? "on" : "off") << i.window << on;
    }

    // Each window greets the user with its cue, unless sound was switched off in the chooser.
    void cueOnShow()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        QFETCH(QString, window);
        QFETCH(bool, soundOn);
        const Instrument& i = instrument(window);
        TestSession session;
        if (!soundOn)
            TestSession::choose(TestSession::window(ObjectNames::chooserWindow), ObjectNames::soundMenuItem);
        // The first cue a program plays may reach the sink over a second late.
        const int peak = SinkRecorder::peakDuring([&] { QVERIFY(open(i)); }, 3000);
        if (soundOn)
            QVERIFY2(peak > HeardPeak, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak < HeardPeak, qPrintable(QString::number(peak)));
    }

    void onePanelAtATime_data()
    {
        addInstrumentColumn();
        for (const auto& [label, i] : instruments())
            if (!i.panel.isEmpty() && i.window != PhyweNames::window)
                QTest::addRow("%s", label) << i.window;
    }

    void onePanelAtATime()
    {
        QFETCH(QString, window);
        const Instrument& i = instrument(window);
        TestSession session;
        QWidget* w = open(i);
        QVERIFY(w);
        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::windows(i.panel).size(), 1);
        QCOMPARE(TestSession::openWindowNames(), sorted({i.panel, i.window}));
    }

    void panelLeftOpenElsewhere_data()
    {
        addInstrumentColumn();
        for (const auto& [label, i] : instruments())
            if (i.window != PhyweNames::window)
                QTest::addRow("%s", label) << i.window;
    }

    // The Fluke 73's panel stays open over the chooser and keeps holding the one-panel
    // flag: no other window opens a panel, and the guarded windows cannot be left.
    void panelLeftOpenElsewhere()
    {
        QFETCH(QString, window);
        const Instrument& i = instrument(window);
        TestSession session;
        QVERIFY(leaveWithPanelOpen(Fluke73Names::window));
        QCOMPARE(TestSession::openWindowNames(), (QStringList{ObjectNames::chooserWindow, Fluke73Names::panel}));

        QWidget* w = open(i);
        QVERIFY(w);
        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), sorted({Fluke73Names::panel, i.window}));

        TestSession::choose(w, ObjectNames::backMenuItem);
        TestSession::settle();
        if (i.guardsPanel) {
            QCOMPARE(session.boxes(), QList<Box>{exclamation("El panel está abierto", "Cierre antes el panel frontal.")});
            QCOMPARE(TestSession::openWindowNames(), sorted({Fluke73Names::panel, i.window}));
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
        QWidget* hc6000 = open(instrument(Hc6000Names::window));
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

        QWidget* phywe = open(instrument(PhyweNames::window));
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
        QWidget* supply = open(instrument(PowerSupplyNames::window));
        QVERIFY(supply);
        TestSession::choose(supply, ObjectNames::frontPanelMenuItem);
        TestSession::choose(supply, ObjectNames::backMenuItem);
        TestSession::settle();
        QCOMPARE(session.boxes(), QList<Box>{exclamation("El panel está abierto", "Cierre antes el panel frontal.")});
        QCOMPARE(TestSession::openWindowNames(), sorted({Fluke73Names::panel, PhyweNames::panel, PowerSupplyNames::window}));

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
        QWidget* supply = open(instrument(PowerSupplyNames::window));
        QVERIFY(supply);
        TestSession::choose(supply, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), (QStringList{PowerSupplyNames::window, PhyweNames::panel, PowerSupplyNames::panel}));
    }

    void simplePanel_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("focusOnClose");
        QTest::addRow("Fluke 73") << Fluke73Names::window << "Panel Frontal del multímetro FLUKE 73" << QSize(219, 473) << true;
        QTest::addRow("HC6000") << Hc6000Names::window << "Panel Frontal del multímetro HC6000" << QSize(260, 521) << true;
        QTest::addRow("PHYWE") << PhyweNames::window << "Panel Frontal del multímetro PHYWE" << QSize(283, 472) << true;
        QTest::addRow("Demestres 2001") << Demestres2001Names::window << "Panel Frontal del multímetro Demestres 2001"
                                        << QSize(259, 488) << false;
    }

    // A photograph with no hot region: the pointer never changes, no caption shows and a
    // click explains nothing.
    void simplePanel()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QSize, picture);
        QFETCH(bool, focusOnClose);
        const Instrument& i = instrument(window);
        TestSession session;
        QWidget* w = open(i);
        QVERIFY(w);
        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QWidget* panel = TestSession::window(i.panel);
        QVERIFY(panel);
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QCOMPARE(panel->windowTitle(), caption);
        SensitiveMap* map = mapOf(panel);
        QVERIFY(map);
        QCOMPARE(map->geometry(), QRect(QPoint(7, 1), picture));
        QCOMPARE(map->regionCount(), 0);

        QStringList boxCaptions;
        for (const char* name : {ObjectNames::controlNameBox, ObjectNames::descriptionBox, ObjectNames::usageBox, ObjectNames::relatedTopicsBox})
            boxCaptions.append(panel->findChild<QGroupBox*>(name)->title());
        QCOMPARE(boxCaptions, (QStringList{" Mando:  ", "Descripción", "Modo de empleo ", "Temas relacionados: "}));
        QCOMPARE(panel->findChild<QPushButton*>(ObjectNames::closeButton)->text(), QStringLiteral("&Cerrar"));
        QCOMPARE(panel->focusWidget() == panel->findChild<QPushButton*>(ObjectNames::closeButton), focusOnClose);

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
        for (const auto& [label, i] : instruments())
            if (!i.panel.isEmpty())
                for (const bool escape : {false, true})
                    QTest::addRow("%s, %s", label, escape ? "Esc" : "Cerrar") << i.window << escape;
    }

    // "&Cerrar", or Esc, closes the panel; a one-panel window may then open a fresh one.
    void closing()
    {
        QFETCH(QString, window);
        QFETCH(bool, escape);
        const Instrument& i = instrument(window);
        TestSession session;
        QWidget* w = open(i);
        QVERIFY(w);
        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QPointer<QWidget> panel = TestSession::window(i.panel);
        QVERIFY(panel);
        if (escape) {
            QVERIFY(QTest::qWaitForWindowActive(panel));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            TestSession::settle();
        } else {
            press(panel, ObjectNames::closeButton);
        }
        QVERIFY(panel.isNull());
        QCOMPARE(TestSession::openWindowNames(), QStringList{i.window});

        TestSession::choose(w, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::windows(i.panel).size(), 1);
        QVERIFY(session.boxes().isEmpty());
    }
};

TRIVANE_AUDIO_TEST_MAIN(InstrumentWindowsTest)
#include "tst_instrument_windows.moc"
