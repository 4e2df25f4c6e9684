// The power supply: its front panel's twelve controls, its click sound, its two notes
// and when its window may be left.

#include "AudioTestMain.h"
#include "Driving.h"
#include "InstrumentTestCase.h"
#include "SinkRecorder.h"
#include "SoundFolder.h"

#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "instruments/power_supply/PowerSupplyNotes.h"
#include "instruments/power_supply/PowerSupplyObjectNames.h"
#include "platform/SoundPaths.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>

using namespace Driving;

namespace {

using Box = MessageBoxes::Shown;

const QString Earthing = QStringLiteral(
    "    Es norma de seguridad conectar el aparato a \"tierra\". Para ello va provisto de una toma de red "
    "normalizada. En caso de no disponer de toma de \"tierra\" en la red, el aparato va provisto de un borne "
    "adecuado en el panel frontal.");

const Box NotesOpen{"Existen notas abiertas", "Cierre antes las notas abiertas.", MessageBoxes::Icon::Exclamation};
const Box NotesAndPanelOpen{"Existen notas abiertas", "Cierre antes las notas abiertas y el panel frontal.",
                            MessageBoxes::Icon::Exclamation};
const Box PanelOpen{"El panel está abierto", "Cierre antes el panel frontal.", MessageBoxes::Icon::Exclamation};

const QPoint InAmmeter{100, 80};

} // namespace

class PowerSupplyTest : public InstrumentTestCase {
    Q_OBJECT

    QWidget*& supply = instrument; // the power supply's window

    // Leaves by "&Volver" or by the close box.
    void leave(bool closeBox)
    {
        if (closeBox)
            supply->close();
        else
            TestSession::choose(supply, ObjectNames::backMenuItem);
        TestSession::settle();
    }

public:
    PowerSupplyTest()
        : InstrumentTestCase(InstrumentId::PowerSupply)
    { }

private slots:
    void panel()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), QStringLiteral("Panel Frontal de la fuente de alimentación"));
        SensitiveMap* map = mapOf(panel);
        QCOMPARE(map->geometry(), QRect(6, 6, 419, 352));
        QCOMPARE(map->regionCount(), 12);
        QStringList boxCaptions;
        for (const QGroupBox* box : panel->findChildren<QGroupBox*>())
            boxCaptions.append(box->title());
        QCOMPARE(boxCaptions, (QStringList{" Mando:  ", "Descripción", "Modo de empleo "}));
        QCOMPARE(fieldsOf(panel), Fields{});
        QCOMPARE(shownCaptions(panel), QStringList{});

        // A second "&Panel frontal" neither opens another panel nor does anything else.
        QCOMPARE(openPanel(), panel);
        QCOMPARE(TestSession::openWindowNames(), (QStringList{PowerSupplyNames::window, PowerSupplyNames::panel}));
        QVERIFY(session->boxes().isEmpty());
    }

    void control_data()
    {
        QTest::addColumn<QRect>("region"); // left, top, right, bottom as QRect(QPoint, QPoint)
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("usage");
        const auto add = [](const char* row, int l, int t, int r, int b, const char* caption, const char* name,
                            const char* description, const char* usage) {
            QTest::addRow("%s", row) << QRect(QPoint(l, t), QPoint(r, b)) << caption << name << description << usage;
        };
        add("1 ammeter", 20, 18, 177, 145, " Amperímetro ", "Amperímetro",
            "Instrumento medidor de la intensidad del circuito tratado.", "No se usa, simplemente mide.");
        add("2 voltmeter", 238, 20, 398, 147, " Voltímetro ", "Voltímetro",
            "Instrumento medidor del potencial de salida.", "No se usa, simplemente mide.");
        add("3 negative terminal", 330, 270, 362, 301, " Borne negativo ", "Borne Negativo",
            "Salida negativa de tensión.", "A ella se debe conectar el cable negativo (negro) del circuito.");
        add("4 positive terminal", 368, 270, 402, 302, " Borne positivo ", "Borne Positivo",
            "Salida positiva de tensión.", "A ella se debe conectar el cable positivo (rojo) del circuito.");
        add("5 earth terminal", 349, 306, 381, 334, " Borne \"Tierra\" ", "Borne \"Tierra\"", "Conexión a la masa.",
            "El aparato ya lleva la toma de tierra en su conexión a la red; sólo se usará este borne en el caso que "
            "la red no tenga toma de tierra normalizada.");
        add("6 coarse voltage", 256, 283, 306, 330, " Mando grueso de tensión ", "Mando grueso de tensión",
            "Mando para controlar la tensión de salida de forma aproximada.",
            "Girándolo hacia la izquierda, la tensión disminuye en cantidades más o menos grandes; hacia la "
            "derecha, la tensión aumenta.");
        add("7 fine voltage", 184, 281, 227, 330, " Mando fino de tensión ", "Mando fino de tensión",
            "Mando para dotar a la tensión de salida de una mayor precisión.",
            "Girándolo hacia la izquierda, la tensión disminuye en cantidades muy pequeñas; hacia la derecha, la "
            "tensión aumenta.");
        add("8 current control", 110, 279, 153, 326, " Mando de control de corriente ", "Mando de control de corriente",
            "Mando para fijar la intensidad máxima medible con el amperímetro.",
            "Se debe cortocircuitar la salida, después dar una tensión determinada, y por último ir aumentando el "
            "valor de intensidad hasta el límite que se desee medir.");
        add("9 mains switch", 38, 286, 64, 312, " Interruptor ON/OFF ", "Interruptor ON/OFF",
            "Interruptor de puesta en marcha.", "Interruptor normal y corriente.");
        add("10 current range", 47, 196, 116, 213, " Conmutador de escala (A) ", "Conmutador de escala (A)",
            "Este mando sirve para cambiar el fondo de escala del Amperímetro, entre 0-0.1, 0-1 y 0-4 Amperios.",
            "Cambiando la palanca a las posiciones donde se leen los valores correspondientes.");
        add("11 voltage range", 298, 196, 353, 215, " Conmutador de escala (V) ", "Conmutador de escala (V)",
            "Este mando sirve para cambiar el fondo de escala del Voltímetro, entre 0-3, 0-12 y 0-30 Voltios.",
            "Cambiando la palanca a las posiciones donde se leen los valores correspondientes.");
        add("12 range buttons", 179, 156, 236, 189, " Conmutadores de tensión y corriente ",
            "Conmutadores tensión y corriente",
            "Sirven para proporcionar dos márgenes distintos a la tensión y a la corriente: el de la izquierda da "
            "unos márgenes de 15 voltios y 4 amperios y el de la derecha de 30 voltios y 2 amperios.",
            "Pulsando el botón a cuyo lado se leen los valores deseados.");
    }

    // Pointing at a control shows its caption and the pointing hand; a click explains it
    // (name, description and usage, each memo one paragraph) and hides the caption.
    void control()
    {
        QFETCH(QRect, region);
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, usage);
        const int row = QString(QTest::currentDataTag()).section(' ', 0, 0).toInt();
        const QString label = ObjectNames::captionLabel(row) + QStringLiteral(": ");
        QWidget* panel = openPanel();
        QVERIFY(panel);
        SensitiveMap* map = mapOf(panel);

        for (const QPoint at : {region.topLeft(), region.center(), region.bottomRight() - QPoint(1, 1)}) {
            hover(map, {5, 5});
            QCOMPARE(shownCaptions(panel), QStringList{});
            hover(map, at);
            QCOMPARE(shownCaptions(panel), QStringList{label + caption});
            QVERIFY(showsPointingHand(map));
        }
        click(map, region.center());
        QCOMPARE(fieldsOf(panel), (Fields{name, description, usage}));
        QCOMPARE(panel->findChild<QPlainTextEdit*>(ObjectNames::descriptionMemo)->blockCount(), 1);
        QCOMPARE(panel->findChild<QPlainTextEdit*>(ObjectNames::usageMemo)->blockCount(), 1);
        // The memos, scroll bars and all, draw with the application's palette: what the
        // style caches for them then serves every panel, not one panel each.
        for (const char* name : {ObjectNames::descriptionMemo, ObjectNames::usageMemo})
            QCOMPARE(panel->findChild<QPlainTextEdit*>(name)->verticalScrollBar()->palette().cacheKey(),
                     QApplication::palette().cacheKey());
        QCOMPARE(shownCaptions(panel), QStringList{});
        hover(map, region.center() + QPoint(1, 1));
        QCOMPARE(shownCaptions(panel), QStringList{});

        // Just past the right and bottom edges lies outside the control.
        hover(map, {region.right(), region.center().y()});
        QCOMPARE(shownCaptions(panel).filter(caption), QStringList{});
        hover(map, {region.center().x(), region.bottom()});
        QCOMPARE(shownCaptions(panel).filter(caption), QStringList{});
        QVERIFY(session->boxes().isEmpty());
    }

    void clickOutside_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addRow("no control") << QPoint(5, 5);
        QTest::addRow("ammeter's right edge") << QPoint(177, 100);
        QTest::addRow("ammeter's bottom edge") << QPoint(100, 145);
        QTest::addRow("between the terminals") << QPoint(364, 285);
    }

    // A click that hits no control empties what the last click explained.
    void clickOutside()
    {
        QFETCH(QPoint, at);
        QWidget* panel = openPanel();
        QVERIFY(panel);
        SensitiveMap* map = mapOf(panel);
        click(map, InAmmeter);
        QCOMPARE(fieldsOf(panel).name, QStringLiteral("Amperímetro"));
        hover(map, at);
        QCOMPARE(shownCaptions(panel), QStringList{});
        QVERIFY(!showsPointingHand(map));
        click(map, at);
        QCOMPARE(fieldsOf(panel), Fields{});
    }

    void clickSound_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::addRow("sound on") << true;
        QTest::addRow("sound off") << false;
    }

    void clickSound()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        QFETCH(bool, soundOn);
        // A fresh session with sound off, so that the window's own cue is not heard.
        session.reset();
        session = std::make_unique<TestSession>();
        TestSession::choose(TestSession::window(ObjectNames::chooserWindow), ObjectNames::soundMenuItem);
        supply = openInstrument(PowerSupplyNames::chooserMenuItem, PowerSupplyNames::window);
        QVERIFY(supply);
        QWidget* panel = openPanel();
        QVERIFY(panel);
        SensitiveMap* map = mapOf(panel);
        hover(map, {5, 5}); // the pointer may still be where the last session left it
        hover(map, InAmmeter);
        appState().soundOn = soundOn; // as the chooser's "Sonido" would have left it
        const int peak = SinkRecorder::peakDuring([&] { click(map, InAmmeter); }, 500);
        QCOMPARE(fieldsOf(panel).name, QStringLiteral("Amperímetro"));
        if (soundOn)
            QVERIFY2(peak > HeardPeak, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak < HeardPeak, qPrintable(QString::number(peak)));
    }

    // The "&Cerrar" glyph is one icon for the whole run: an icon made afresh for each
    // panel leaves its drawn sizes behind in the style's program-wide cache, and memory
    // grows with every visit.
    void everyPanelSharesOneCloseGlyph()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        const qint64 first = panel->findChild<QPushButton*>(ObjectNames::closeButton)->icon().cacheKey();
        press(panel, ObjectNames::closeButton);
        panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(panel->findChild<QPushButton*>(ObjectNames::closeButton)->icon().cacheKey(), first);
    }

    // A student clicking the same control again and again, fast or slow, hears every click.
    void everyClickIsHeard()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        QWidget* panel = openPanel();
        QVERIFY(panel);
        SensitiveMap* map = mapOf(panel);
        hover(map, {5, 5}); // the pointer may still be where the last session left it
        hover(map, InAmmeter);
        QTest::qWait(2500); // the window's own cue ends
        QList<std::int64_t> clicks;
        for (int spacing : {150, 900, 300, 1500, 200, 600, 120, 1000, 400, 250}) {
            for (int i = 0; i < 3; ++i) {
                clicks.append(SinkListener::now());
                click(map, InAmmeter);
                QTest::qWait(spacing);
            }
        }
        QTest::qWait(300);
        SinkListener& listener = SinkRecorder::listener();
        listener.waitUntilRecorded(SinkListener::now());
        QStringList unheard;
        for (int i = 0; i < clicks.size(); ++i)
            if (listener.firstSoundAfter(clicks[i] - 10'000'000, clicks[i] + 120'000'000, HeardPeak) < 0)
                unheard << QString::number(i + 1);
        QCOMPARE(fieldsOf(panel).name, QStringLiteral("Amperímetro"));
        QVERIFY2(unheard.isEmpty(), qPrintable("clicks not heard: " + unheard.join(", ")));
    }

    // Without its click sound the panel reports the error and opens with no control.
    void clickSoundMissing()
    {
        const SoundFolder sounds("HOLYVISN.WAV");
        QVERIFY(sounds.ready());
        sounds.use();

        QWidget* panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(session->boxes().size(), 1);
        const Box error = session->boxes().first();
        QCOMPARE(error.caption, QStringLiteral("Error"));
        QCOMPARE(error.icon, MessageBoxes::Icon::Error);
        QVERIFY2(error.text.contains("SOND\\HOLYVISN.WAV"), qPrintable(error.text));

        SensitiveMap* map = mapOf(panel);
        QCOMPARE(map->regionCount(), 0);
        hover(map, InAmmeter);
        QCOMPARE(shownCaptions(panel), QStringList{});
        click(map, InAmmeter);
        QCOMPARE(fieldsOf(panel), Fields{});

        // The panel is open all the same: it holds the flag until "&Cerrar".
        leave(false);
        QCOMPARE(session->boxes().last(), PanelOpen);
        press(panel, ObjectNames::closeButton);
        leave(false);
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
    }

    // The earthing note is a plain message; it opens no window and is no open note.
    void earthingNote()
    {
        QStringList texts;
        for (const QAction* action : supply->findChild<QMenu*>(ObjectNames::generalNotesMenu)->actions())
            texts.append(action->text());
        QCOMPARE(texts, (QStringList{"Conexión a tierra", "Puesta en marcha"}));

        TestSession::choose(supply, PowerSupplyNames::earthingMenuItem);
        TestSession::settle();
        QCOMPARE(session->boxes(), QList<Box>{(Box{"Conexión a tierra", Earthing, MessageBoxes::Icon::None})});
        QCOMPARE(TestSession::openWindowNames(), QStringList{PowerSupplyNames::window});
        leave(false);
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
    }

    void earthingNoteWithStartupNoteOpen()
    {
        TestSession::choose(supply, PowerSupplyNames::startupMenuItem);
        TestSession::choose(supply, PowerSupplyNames::earthingMenuItem);
        TestSession::settle();
        QCOMPARE(session->boxes().size(), 1);
        QCOMPARE(session->boxes().first().caption, QStringLiteral("Conexión a tierra"));
        QCOMPARE(TestSession::openWindowNames(),
                 (QStringList{PowerSupplyNames::window, PowerSupplyNames::startupNote}));
        leave(false);
        QCOMPARE(session->boxes().last(), NotesOpen);
    }

    // One start-up note however often it is chosen; every memo line but the last keeps
    // its trailing blank.
    void startupNote()
    {
        TestSession::choose(supply, PowerSupplyNames::startupMenuItem);
        TestSession::choose(supply, PowerSupplyNames::startupMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::windows(PowerSupplyNames::startupNote).size(), 1);
        QWidget* note = TestSession::window(PowerSupplyNames::startupNote);
        QVERIFY(note);
        QCOMPARE(note->windowTitle(), QStringLiteral("Puesta en Marcha"));
        const auto label = [&](const QString& name) { return note->findChild<QLabel*>(name)->text(); };
        const auto memo = [&](const QString& name) { return note->findChild<QPlainTextEdit*>(name)->toPlainText(); };
        QCOMPARE(label(ObjectNames::noteLabel(1)),
                 QStringLiteral("Para iniciar la fuente de alimentación, se han de seguir estos"));
        QCOMPARE(label(ObjectNames::noteLabel(2)), QStringLiteral("pasos:"));
        QCOMPARE(label(ObjectNames::noteLabel(3)), QStringLiteral("Poner la fuente en marcha."));
        QCOMPARE(memo(ObjectNames::noteMemo(1)), QStringLiteral("Ajustar la tensión de salida al valor deseado por \n"
                                                                "medio de los mandos \"Mando grueso de tensión\" \n"
                                                                "y \"Mando fino de tensión\"."));
        QCOMPARE(memo(ObjectNames::noteMemo(2)),
                 QStringLiteral("Girar hasta el mínimo el mando de control de \ncorriente."));
        QCOMPARE(memo(ObjectNames::noteMemo(3)),
                 QStringLiteral("Cortocircuitar los bornes negativo y positivo y \n"
                                "mediante el mando de control de corriente controlar la \n"
                                "intensidad del cortocircuito."));
        QCOMPARE(memo(ObjectNames::noteMemo(4)),
                 QStringLiteral("Se recomienda ajustar la corriente a un valor 10% superior al necesario \n"
                                "para el circuito bajo prueba."));
        for (int memo = 1; memo <= 4; ++memo)
            QVERIFY2(!note->findChild<QPlainTextEdit*>(ObjectNames::noteMemo(memo))->isEnabled(),
                     qPrintable(ObjectNames::noteMemo(memo)));
        QCOMPARE(note->findChild<QPushButton*>(ObjectNames::noteAcceptButton)->text(), QStringLiteral("&Aceptar"));
    }

    void acceptingTheNote_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::addRow("Aceptar") << false;
        QTest::addRow("Enter") << true;
    }

    // "&Aceptar" (or Enter) closes the note and lets the window be left; a new
    // "Puesta en marcha" then opens a fresh note.
    void acceptingTheNote()
    {
        QFETCH(bool, enter);
        TestSession::choose(supply, PowerSupplyNames::startupMenuItem);
        TestSession::settle();
        QPointer<QWidget> note = TestSession::window(PowerSupplyNames::startupNote);
        QVERIFY(note);
        if (enter) {
            QVERIFY(QTest::qWaitForWindowActive(note));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            TestSession::settle();
        } else {
            press(note, ObjectNames::noteAcceptButton);
        }
        QVERIFY(note.isNull());

        TestSession::choose(supply, PowerSupplyNames::startupMenuItem);
        TestSession::settle();
        QWidget* fresh = TestSession::window(PowerSupplyNames::startupNote);
        QVERIFY(fresh);
        press(fresh, ObjectNames::noteAcceptButton);
        leave(false);
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
        QVERIFY(session->boxes().isEmpty());
    }

    void leavingSequence_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addRow("Volver") << false;
        QTest::addRow("close box") << true;
    }

    // Note, then note and panel, then panel alone each refuse with their own words;
    // with both closed the window gives way to the chooser.
    void leavingSequence()
    {
        QFETCH(bool, closeBox);
        TestSession::choose(supply, PowerSupplyNames::startupMenuItem);
        leave(closeBox);
        QWidget* panel = openPanel();
        QVERIFY(panel);
        leave(closeBox);
        QCOMPARE(session->boxes(), (QList<Box>{NotesOpen, NotesAndPanelOpen}));
        QCOMPARE(TestSession::openWindowNames(),
                 (QStringList{PowerSupplyNames::window, PowerSupplyNames::panel, PowerSupplyNames::startupNote}));

        press(TestSession::window(PowerSupplyNames::startupNote), ObjectNames::noteAcceptButton);
        leave(closeBox);
        QCOMPARE(session->boxes().last(), PanelOpen);
        QCOMPARE(TestSession::openWindowNames(), (QStringList{PowerSupplyNames::window, PowerSupplyNames::panel}));

        press(panel, ObjectNames::closeButton);
        leave(closeBox);
        QCOMPARE(session->boxes().size(), 3);
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
    }

    // A new power-supply window starts with no note counted as open.
    void newWindowForgetsNotes()
    {
        powerSupplyOpenNotes().insert(PowerSupplyNoteSubject::Startup);
        leave(false);
        QCOMPARE(session->boxes(), QList<Box>{NotesOpen});
        powerSupplyOpenNotes().clear();
        leave(false);
        powerSupplyOpenNotes().insert(PowerSupplyNoteSubject::Startup);
        supply = openInstrument(PowerSupplyNames::chooserMenuItem, PowerSupplyNames::window);
        QVERIFY(supply);
        leave(false);
        QCOMPARE(session->boxes().size(), 1);
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
    }
};

TRIVANE_AUDIO_TEST_MAIN(PowerSupplyTest)
#include "tst_power_supply.moc"
