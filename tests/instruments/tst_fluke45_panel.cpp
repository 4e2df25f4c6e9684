// The Fluke 45's front panel and its three key trainers: every control, the link to
// each trainer, the 2ND pictures, and which trainers close with the panel.

#include "AudioTestMain.h"
#include "Driving.h"
#include "InstrumentTestCase.h"
#include "SinkRecorder.h"
#include "SoundFolder.h"

#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"
#include "platform/SoundPaths.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>

#include <memory>

using namespace Driving;

namespace {

const QString Modifiers = QString(Fluke45Names::modifierButtonsTrainer);
const QString Range = QString(Fluke45Names::rangeButtonsTrainer);
const QString Functions = QString(Fluke45Names::functionButtonsTrainer);
const QString ToModifiers = QStringLiteral("Mostrar los modificadores de función.");
const QString ToRange = QStringLiteral("Mostrar los botones de rango.");
const QString ToFunctions = QStringLiteral("Mostrar los botones de función.");

struct Control {
    QRect rect; // left, top, right, bottom as QRect(QPoint, QPoint)
    QString caption, name, firstDescriptionLine;
    int usageLines;
    QString link, trainer; // the link shown and the trainer it opens, or empty
};

Control control(int l, int t, int r, int b, const char* caption, const char* name, const char* first, int usage,
                const QString& link = {}, const QString& trainer = {})
{
    return {QRect(QPoint(l, t), QPoint(r, b)), caption, name, first, usage, link, trainer};
}

const QList<Control>& panelControls()
{
    static const QList<Control> all{
        control(230, 47, 497, 123, "Display primario", "Display primario",
                "Es el display más grande del multímetro, en", 1, ToModifiers, Modifiers),
        control(498, 45, 628, 110, "Display secundario", "Display secundario", "Es el display más pequeño, en la parte",
                1, ToModifiers, Modifiers),
        control(37, 42, 80, 88, "Voltios,ohmios,diodos", "Terminal de entrada de voltios,ohmios,diodos.",
                "Permite medir Voltajes en corriente continua y ", 3, ToRange, Range),
        control(104, 42, 146, 86, "Amperios", "Terminal de entrada de Amperios.",
                "Esta terminal permite medir corrientes", 3),
        control(38, 112, 81, 157, "Terminal común", "Terminal de retorno de medidas.",
                "Este terminal provee el cierre del circuito de medición.", 3),
        control(100, 108, 152, 162, "Miliamperios", "Terminal de entrada de miliamperios.",
                "Permite medir miliamperios en corriente contínua o alterna, y frecuencias.", 4),
        control(385, 210, 545, 251, "Botones de rango", "Botones de rango.",
                "Se usan para seleccionar el rango en el que se", 7, ToRange, Range),
        control(222, 163, 437, 248, "Botones de función", "Botones de función",
                "Permiten determinar la función que se medirá en el multímetro( voltaje, corriente...), continua o "
                "alterna.",
                8, ToFunctions, Functions),
        control(669, 166, 713, 194, "Tecla Shift", "Tecla shift.",
                "Permite alternar entre las funciones de los botones.", 5),
        control(666, 222, 712, 248, "Frecuencia de medida", "Tecla rate.", "Sirve para especificar la frecuencia de ",
                9),
        control(604, 266, 650, 294, "Encendido/Apagado", "Tecla POWER.", "Permite encender y apagar el multímetro.", 1),
        control(557, 166, 657, 249, "Modificadores", "Modificadores de función.",
                "Permiten realizar una acción sobre una función de entrada.", 7, ToModifiers, Modifiers),
    };
    return all;
}

// A trainer's key: on which trainer, on which picture (1 normal, 2 after 2ND), its caption and name.
struct Key {
    QString trainer;
    int map;
    QRect rect;
    QString caption, name;
};

Key key(const QString& trainer, int map, int l, int t, int r, int b, const char* caption, const char* name)
{
    return {trainer, map, QRect(QPoint(l, t), QPoint(r, b)), caption, name};
}

const QList<Key>& trainerKeys()
{
    static const QList<Key> all{
        key(Functions, 1, 14, 8, 53, 38, "Voltaje contínuo", "Botón V-"),
        key(Functions, 1, 70, 8, 108, 38, "Corriente contínua", "Botón A-"),
        key(Functions, 1, 127, 8, 163, 38, "Resistencia", "Botón Resistencia"),
        key(Functions, 1, 181, 8, 219, 38, "Test de diodos/continuidad", "Botón Diodos"),
        key(Functions, 1, 14, 53, 53, 83, "Voltaje alterno", "Botón V~"),
        key(Functions, 1, 70, 53, 108, 83, "Corriente alterna", "Botón A~"),
        key(Functions, 1, 127, 53, 163, 83, "Frecuencia", "Botón FREQ"),
        key(Range, 1, 9, 8, 49, 40, "Botón Auto", "Botón Auto"),
        key(Range, 1, 66, 9, 158, 37, "Flechas", "Flecha arriba y flecha abajo"),
        key(Range, 2, 9, 8, 49, 40, "Botón COMP", "Botón COMP"),
        key(Range, 2, 66, 9, 104, 40, "Botón HI", "Botón HI"),
        key(Range, 2, 120, 8, 160, 40, "Botón LO", "Botón LO"),
        key(Modifiers, 1, 8, 8, 50, 34, "Lecturas relativas", "Botón REL"),
        key(Modifiers, 1, 66, 8, 104, 34, "Decibelios y energía Audio", "BOTÓN dB"),
        key(Modifiers, 1, 8, 64, 48, 86, "Modo Touch Hold", "Botón HOLD"),
        key(Modifiers, 1, 65, 64, 103, 86, "Mínimo Máximo", "Botón MN MX"),
        key(Modifiers, 2, 8, 8, 50, 34, "Base relativa", "Botón REF #"),
        key(Modifiers, 2, 66, 8, 104, 34, "Impedancia referencia", "Botón REF ohmios"),
        key(Modifiers, 2, 8, 64, 48, 86, "Umbral mínimo", "Botón THRESH"),
        key(Modifiers, 2, 65, 64, 103, 86, "Dirección IEEE-448", "Botón ADDR"),
    };
    return all;
}

QStringList linksShown(const QWidget* panel)
{
    QStringList shown;
    for (const char* name : {Fluke45Names::linkLabel1, Fluke45Names::linkLabel2, Fluke45Names::linkLabel3})
        if (auto* link = panel->findChild<QLabel*>(name); link->isVisible())
            shown << QString(name) + ": " + link->text();
    return shown;
}

QStringList captionsShown(const QWidget* window)
{
    QStringList shown = shownCaptions(window);
    shown.removeIf([](const QString& s) {
        return s.startsWith(QString(Fluke45Names::linkLabel1) + ':')
               || s.startsWith(QString(Fluke45Names::linkLabel2) + ':')
               || s.startsWith(QString(Fluke45Names::linkLabel3) + ':');
    });
    return shown;
}

QStringList lines(const QWidget* window, const char* memo)
{
    return window->findChild<QPlainTextEdit*>(memo)->toPlainText().split('\n');
}

SensitiveMap* mapNumber(const QWidget* window, int map)
{
    return window->findChild<SensitiveMap*>(map == 1 ? ObjectNames::panelMap : ObjectNames::stackedMap);
}

} // namespace

class Fluke45PanelTest : public InstrumentTestCase {
    Q_OBJECT

    QWidget*& fluke45 = instrument; // the Fluke 45's window

    // Clicks a panel control that offers the trainer's link, then the link.
    static QWidget* openTrainer(QWidget* panel, const QString& trainer)
    {
        for (const Control& c : panelControls())
            if (c.trainer == trainer) {
                click(mapOf(panel), c.rect.center());
                QTest::mouseClick(panel->findChild<QLabel*>(Fluke45Names::linkLabel1), Qt::LeftButton);
                TestSession::settle();
                break;
            }
        return TestSession::window(trainer);
    }

public:
    Fluke45PanelTest()
        : InstrumentTestCase(InstrumentId::Fluke45)
    { }

private slots:
    void opening()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), QStringLiteral("Panel Frontal del multímetro FLUKE 45"));
        QCOMPARE(mapOf(panel)->geometry(), QRect(7, 1, 759, 304));
        QCOMPARE(mapOf(panel)->regionCount(), 12);
        QStringList boxCaptions;
        for (const QGroupBox* box : panel->findChildren<QGroupBox*>())
            boxCaptions.append(box->title());
        QCOMPARE(boxCaptions, (QStringList{" Mando:  ", "Descripción", "Modo de empleo ", "Temas relacionados: "}));
        QCOMPARE(fieldsOf(panel), Fields{});
        QCOMPARE(linksShown(panel), QStringList{});
        QCOMPARE(QApplication::focusWidget(), panel->findChild<QPushButton*>(ObjectNames::closeButton));
        QCOMPARE(openPanel(), panel);
        QCOMPARE(TestSession::openWindowNames(), (QStringList{Fluke45Names::window, Fluke45Names::panel}));
    }

    void control_data()
    {
        QTest::addColumn<int>("region");
        for (int n = 1; n <= panelControls().size(); ++n)
            QTest::addRow("%d %s", n, qPrintable(panelControls()[n - 1].caption)) << n;
    }

    // Pointing shows the caption and the hand; a click explains the control, shows its
    // link, if any, and the link opens its trainer.
    void control()
    {
        QFETCH(int, region);
        const Control& c = panelControls()[region - 1];
        QWidget* panel = openPanel();
        QVERIFY(panel);
        hover(mapOf(panel), c.rect.center());
        QCOMPARE(captionsShown(panel).size(), 1);
        QVERIFY(captionsShown(panel).first().endsWith(QStringLiteral(":  %1 ").arg(c.caption)));
        QVERIFY(showsPointingHand(mapOf(panel)));
        click(mapOf(panel), c.rect.center());
        QCOMPARE(fieldsOf(panel).name, c.name);
        QCOMPARE(lines(panel, ObjectNames::descriptionMemo).first(), c.firstDescriptionLine);
        QCOMPARE(lines(panel, ObjectNames::usageMemo).size(), c.usageLines);
        QCOMPARE(linksShown(panel),
                 c.link.isEmpty() ? QStringList{} : QStringList{QString(Fluke45Names::linkLabel1) + ": " + c.link});
        if (c.trainer.isEmpty())
            return;
        QCOMPARE(panel->findChild<QLabel*>(Fluke45Names::linkLabel1)->cursor().shape(), Qt::BitmapCursor);
        QTest::mouseClick(panel->findChild<QLabel*>(Fluke45Names::linkLabel1), Qt::LeftButton);
        TestSession::settle();
        QStringList open{Fluke45Names::window, Fluke45Names::panel, c.trainer};
        open.sort();
        QCOMPARE(TestSession::openWindowNames(), open);
    }

    void clicksBetweenAndOver()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        // The AUTO key lies in both the range keys and the function keys: the range keys win.
        click(mapOf(panel), {400, 220});
        QCOMPARE(fieldsOf(panel).name, QStringLiteral("Botones de rango."));
        QCOMPARE(linksShown(panel), QStringList{QString(Fluke45Names::linkLabel1) + ": " + ToRange});
        // The primary display says nothing on its use but an empty line.
        click(mapOf(panel), panelControls()[0].rect.center());
        QCOMPARE(lines(panel, ObjectNames::usageMemo), QStringList{""});
        // A control without a link hides the last one.
        click(mapOf(panel), panelControls()[3].rect.center());
        QCOMPARE(linksShown(panel), QStringList{});
        click(mapOf(panel), {190, 250});
        QCOMPARE(fieldsOf(panel), Fields{});
    }

    void trainerKey_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < trainerKeys().size(); ++i) {
            const Key& k = trainerKeys()[i];
            QTest::addRow("%s %s %s", qPrintable(k.trainer), k.map == 1 ? "normal" : "2ND", qPrintable(k.caption)) << i;
        }
    }

    // Every key of every trainer, in each state: its caption, its name, no sound and no link.
    void trainerKey()
    {
        QFETCH(int, index);
        const Key& k = trainerKeys()[index];
        QWidget* trainer = openTrainer(openPanel(), k.trainer);
        QVERIFY(trainer);
        QCOMPARE(QApplication::focusWidget(), trainer->findChild<QPushButton*>(ObjectNames::closeButton));
        if (k.map == 2)
            QTest::mouseClick(trainer->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox), Qt::LeftButton);
        SensitiveMap* map = mapNumber(trainer, k.map);
        QVERIFY(map->isVisible());
        hover(map, k.rect.center());
        QCOMPARE(captionsShown(trainer).size(), 1);
        QVERIFY(captionsShown(trainer).first().endsWith(QStringLiteral(":  %1 ").arg(k.caption)));
        click(map, k.rect.center());
        QCOMPARE(fieldsOf(trainer).name, k.name);
        QVERIFY(!fieldsOf(trainer).description.isEmpty());
        QVERIFY(trainer->findChildren<QGroupBox*>().size() == 3); // no related topics
        QVERIFY(session->boxes().isEmpty());
    }

    void trainerStates()
    {
        QWidget* panel = openPanel();
        QWidget* functions = openTrainer(panel, Functions);
        QVERIFY(functions);
        QVERIFY(!functions->findChild<QCheckBox*>());
        // The grey patch at the lower right is no key.
        click(mapOf(functions), {14 + 2, 8 + 2});
        click(mapOf(functions), {200, 70});
        QCOMPARE(fieldsOf(functions), Fields{});
        // FREQ reads to its end, two headings with a rule of hyphens between them.
        click(mapOf(functions), {140, 70});
        QVERIFY(lines(functions, ObjectNames::usageMemo).contains(QString(76, '-')));

        QWidget* range = openTrainer(panel, Range);
        QVERIFY(range);
        auto* second = range->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox);
        QCOMPARE(second->text(), QStringLiteral("2ND"));
        click(mapNumber(range, 1), {110, 20});
        QCOMPARE(fieldsOf(range).name, QStringLiteral("Flecha arriba y flecha abajo"));
        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(fieldsOf(range).name, QStringLiteral("Flecha arriba y flecha abajo")); // the texts stay
        click(mapNumber(range, 2), {110, 20});
        QCOMPARE(fieldsOf(range), Fields{}); // between HI and LO
        click(mapNumber(range, 2), {80, 20});
        QCOMPARE(fieldsOf(range).name, QStringLiteral("Botón HI"));
        QTest::keyClick(second, Qt::Key_Space);
        QVERIFY(mapNumber(range, 1)->isVisible());
        QCOMPARE(fieldsOf(range).name, QStringLiteral("Botón HI"));
    }

    // The panel's "&Cerrar" closes the trainers still open, and only those.
    void trainersCloseWithThePanel_data()
    {
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("closedFirst");
        QTest::addRow("range and functions") << QStringList{Range, Functions} << QStringList{};
        QTest::addRow("all three, modifiers closed first")
            << QStringList{Modifiers, Range, Functions} << QStringList{Modifiers};
        QTest::addRow("range closed by Esc first") << QStringList{Range} << QStringList{Range};
    }

    void trainersCloseWithThePanel()
    {
        QFETCH(QStringList, opened);
        QFETCH(QStringList, closedFirst);
        QWidget* panel = openPanel();
        for (const QString& trainer : opened)
            QVERIFY(openTrainer(panel, trainer));
        for (const QString& trainer : closedFirst) {
            QWidget* window = TestSession::window(trainer);
            if (trainer == Range)
                QTest::keyClick(window, Qt::Key_Escape);
            else
                press(window, ObjectNames::closeButton);
            TestSession::settle();
            QVERIFY(!TestSession::window(trainer));
        }
        QVERIFY(WindowClaims::isClaimed(OneAtATime::FrontPanel));
        press(panel, ObjectNames::closeButton);
        QCOMPARE(TestSession::openWindowNames(), QStringList{Fluke45Names::window});
        QVERIFY(!WindowClaims::isClaimed(OneAtATime::FrontPanel));
        // A fresh panel opens fresh trainers.
        panel = openPanel();
        QVERIFY(openTrainer(panel, Range));
        QCOMPARE(TestSession::windows(Range).size(), 1);
    }

    // A link to a trainer already open brings that one forward instead of a second.
    void aLinkToAnOpenTrainerBringsItForward()
    {
        QWidget* panel = openPanel();
        QPointer<QWidget> first = openTrainer(panel, Modifiers);
        QVERIFY(first);
        click(mapNumber(first, 1), {20, 20});
        QVERIFY(openTrainer(panel, Modifiers));
        QVERIFY(openTrainer(panel, Modifiers));
        QCOMPARE(TestSession::windows(Modifiers).size(), 1);
        QCOMPARE(TestSession::window(Modifiers), first.data());
        QCOMPARE(fieldsOf(first).name, QStringLiteral("Botón REL"));
        press(panel, ObjectNames::closeButton);
        QVERIFY(first.isNull());
    }

    void clickSound_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("heard");
        QTest::addRow("panel, primary display") << Fluke45Names::panel << QPoint(300, 80) << true;
        QTest::addRow("panel, no control") << Fluke45Names::panel << QPoint(190, 250) << false;
        QTest::addRow("function trainer, a key") << Functions << QPoint(30, 20) << false;
    }

    // The panel's explained clicks are heard; nothing else, and no trainer, makes a sound.
    void clickSound()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        QFETCH(QString, window);
        QFETCH(QPoint, at);
        QFETCH(bool, heard);
        QWidget* panel = openPanel();
        QWidget* w = window == Functions ? openTrainer(panel, Functions) : panel;
        QVERIFY(w);
        SensitiveMap* map = mapOf(w);
        hover(map, at);
        QTest::qWait(2500); // the window's cue and any earlier click end
        const int peak = SinkRecorder::peakDuring([&] { click(map, at); }, 500);
        QVERIFY2((peak > HeardPeak) == heard, qPrintable(QString::number(peak)));
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
        QVERIFY(session->boxes().first().text.contains("SOND\\HOLYVISN.WAV"));
        QCOMPARE(mapOf(panel)->regionCount(), 0);
        click(mapOf(panel), panelControls()[0].rect.center());
        QCOMPARE(fieldsOf(panel), Fields{});
        QCOMPARE(linksShown(panel), QStringList{});
    }
};

TRIVANE_AUDIO_TEST_MAIN(Fluke45PanelTest)
#include "tst_fluke45_panel.moc"
