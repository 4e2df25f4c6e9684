// The FG110's front panel: every control of its normal and SHIFT pictures, the SHIFT
// box, the related-topic links and the five pages they open.

#include "AudioTestMain.h"
#include "Driving.h"
#include "InstrumentTestCase.h"
#include "SinkRecorder.h"
#include "SoundFolder.h"

#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "platform/SoundPaths.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>

#include <memory>

using namespace Driving;

namespace {

using Box = MessageBoxes::Shown;

const QString Modes = QStringLiteral("Modos del FG-110");
const QString Frequency = QStringLiteral("Rangos de frecuencia");
const QString Amplitude = QStringLiteral("Rangos de amplitud y offset");
const QString Phase = QStringLiteral("Rango del ángulo de fase");
const QString Period = QStringLiteral("Rangos del período");

struct Link {
    QString text;
    QString page; // the caption of the page it opens
};

struct Control {
    int map; // 1 normal, 2 SHIFT
    int region;
    QRect rect; // left, top, right, bottom as QRect(QPoint, QPoint)
    QString caption, name;
    int descriptionLines, usageLines;
    QList<Link> links;
};

Control control(int map, int region, int l, int t, int r, int b, const char* caption, const char* name, int d, int u,
                QList<Link> links = {})
{
    return {map, region, QRect(QPoint(l, t), QPoint(r, b)), caption, name, d, u, links};
}

const QList<Control>& controls()
{
    static const QList<Control> all{
        control(1, 1, 120, 108, 160, 126, "Rango de salida", "Tecla para escalar el voltaje de salida", 1, 3),
        control(1, 2, 15, 206, 65, 224, "Encendido/Apagado", "Botón de encendido", 1, 1),
        control(1, 3, 22, 107, 67, 127, "Activación local/manual", "Tecla de activación local/manual", 1, 3),
        control(1, 4, 72, 140, 113, 159, "Cambio de funciones", "Tecla shift", 1, 1),
        control(1, 5, 170, 108, 210, 126, "Selección de modo", "Tecla MODE", 1, 1, {{"Modos de salida", Modes}}),
        control(1, 6, 121, 140, 162, 159, "Restauración de opciones", "Tecla recall.", 1, 3),
        control(1, 7, 169, 139, 210, 159, "Forma de función de salida", "Tecla Func", 1, 7,
                {{"Modos de salida", Modes}}),
        control(1, 8, 226, 107, 268, 127, "Establecer frecuencia", "Tecla Freq", 1, 10, {{"Precauciones", Frequency}}),
        control(1, 9, 275, 108, 316, 127, "Establecer amplitud", "Tecla ampl", 1, 7, {{"Precauciones", Amplitude}}),
        control(1, 10, 227, 139, 268, 159, "Fijación de fase", "Tecla phase", 1, 8,
                {{"Precauciones", Phase}, {"Modos de operación", Modes}}),
        control(1, 11, 275, 140, 316, 158, "Fijación desplazamiento voltaje", "Tecla OFFSET", 1, 7,
                {{"Precauciones", Amplitude}}),
        control(1, 12, 79, 191, 129, 212, "Salida de señal", "Botón CH1", 1, 1),
        control(1, 13, 337, 106, 454, 224, "Teclado numérico", "Teclas numéricas", 1, 3),
        control(1, 14, 458, 106, 494, 224, "Selección de unidades", "Teclas de unidad", 1, 4),
        control(1, 15, 508, 106, 575, 129, "Cursores", "Teclas de cursor", 1, 5),
        control(1, 16, 507, 149, 579, 216, "Rueda de ajuste", "Rueda de ajuste", 1, 2),
        control(1, 17, 143, 181, 184, 222, "Borne de salida", "Borne de salida", 1, 2),

        control(2, 1, 120, 108, 160, 126, "Factor de escala", "Tecla scaling", 1, 8),
        control(2, 2, 15, 206, 65, 224, "Encendido/Apagado", "Botón de encendido", 1, 1),
        control(2, 3, 22, 107, 67, 127, "Comunicaciones GP-IB", "Tecla GP-IB", 1, 7),
        control(2, 4, 72, 140, 113, 159, "Cambio de funciones", "Tecla shift", 1, 1),
        control(2, 5, 170, 108, 210, 126, "Selección de modo", "Tecla MODE", 1, 1, {{"Modos de salida", Modes}}),
        control(2, 6, 121, 140, 162, 159, "Almacenaje de opciones", "Tecla store.", 1, 2),
        control(2, 7, 169, 139, 210, 159, "Inversión de onda", "Tecla Inverse", 1, 2),
        control(2, 8, 226, 107, 268, 127, "Establecer período", "Tecla Period", 1, 10, {{"Precauciones", Period}}),
        control(2, 9, 275, 108, 316, 127, "Establecer voltaje de alto nivel", "Tecla hi level", 1, 10),
        control(2, 10, 227, 139, 268, 159, "Relación Pulso/Período", "Tecla Duty", 1, 10),
        control(2, 11, 275, 140, 316, 158, "Establecer voltaje de bajo nivel", "Tecla lo level", 1, 10),
        control(2, 12, 79, 191, 129, 212, "Salida de señal", "Botón CH1", 1, 1),
        control(2, 13, 458, 106, 494, 224, "Selección de unidades", "Teclas de unidad", 1, 4),
        control(2, 14, 508, 106, 575, 129, "Cursores", "Teclas de cursor", 1, 5),
        control(2, 15, 507, 149, 579, 216, "Rueda de ajuste", "Rueda de ajuste", 1, 2),
        control(2, 16, 143, 181, 184, 222, "Borne de salida", "Borne de salida", 1, 2),
        control(2, 17, 340, 133, 371, 157, "Fijación de impulsos", "Tecla Burst", 1, 13, {{"Modos de salida", Modes}}),
        control(2, 18, 380, 134, 412, 159, "Selección flanco positivo/negativo", "Tecla Slope", 1, 5,
                {{"Modos de operación", Modes}}),
        control(2, 19, 339, 167, 371, 189, "Fijación de nivel TTL", "Tecla TTL", 1, 1),
        control(2, 20, 337, 197, 371, 221, "Inicialización", "Tecla Initialize", 1, 3),
        control(2, 21, 380, 198, 412, 222, "Utilidades", "Tecla Utility", 1, 8),
    };
    return all;
}

const Control& find(int map, int region)
{
    for (const Control& c : controls())
        if (c.map == map && c.region == region)
            return c;
    qFatal("no control %d of map %d", region, map);
}

// The key 7 of the keypad: the keypad as a whole on the normal picture, nothing on the SHIFT one.
const QPoint OnKey7{355, 118};
const QPoint BetweenKeys{100, 175};

QStringList linksShown(const QWidget* panel)
{
    QStringList shown;
    for (const char* name : {Fg110Names::linkLabel1, Fg110Names::linkLabel2})
        if (auto* link = panel->findChild<QLabel*>(name); link->isVisible())
            shown << link->text();
    return shown;
}

// The caption labels shown, leaving out the links.
QStringList captionsShown(const QWidget* panel)
{
    QStringList shown = shownCaptions(panel);
    shown.removeIf([](const QString& s) {
        return s.startsWith(QString(Fg110Names::linkLabel1) + ':')
               || s.startsWith(QString(Fg110Names::linkLabel2) + ':');
    });
    return shown;
}

QStringList pageCaptions()
{
    QStringList captions;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith(Fg110Names::textPagePrefix))
            captions << w->windowTitle();
    captions.sort();
    return captions;
}

QStringList lines(const QWidget* panel, const char* memo)
{
    return panel->findChild<QPlainTextEdit*>(memo)->toPlainText().split('\n');
}

} // namespace

class Fg110PanelTest : public InstrumentTestCase {
    Q_OBJECT

    QWidget*& fg110 = instrument; // the function generator's window

    static QCheckBox* shiftBox(const QWidget* panel)
    {
        return panel->findChild<QCheckBox*>(ObjectNames::stackedMapCheckBox);
    }
    static SensitiveMap* mapNumber(const QWidget* panel, int map)
    {
        return panel->findChild<SensitiveMap*>(map == 1 ? ObjectNames::panelMap : ObjectNames::stackedMap);
    }

    void followLink(QWidget* panel, const char* name)
    {
        QTest::mouseClick(panel->findChild<QLabel*>(name), Qt::LeftButton);
        TestSession::settle();
    }

public:
    Fg110PanelTest()
        : InstrumentTestCase(InstrumentId::Fg110)
    { }

private slots:
    void opening()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), QStringLiteral("Panel frontal del generador de funciones"));
        QVERIFY(!(panel->windowFlags() & Qt::WindowCloseButtonHint));
        for (int map : {1, 2})
            QCOMPARE(mapNumber(panel, map)->geometry(), QRect(6, 8, 604, 244));
        QCOMPARE(mapNumber(panel, 1)->regionCount(), 17);
        QCOMPARE(mapNumber(panel, 2)->regionCount(), 21);
        QVERIFY(mapNumber(panel, 1)->isVisible());
        QCOMPARE(shiftBox(panel)->text(), QStringLiteral("SHIFT"));
        QCOMPARE(shiftBox(panel)->toolTip(), QStringLiteral("Funciones al pulsar el botón SHIFT"));
        QVERIFY(!shiftBox(panel)->isChecked());
        QStringList boxCaptions;
        for (const QGroupBox* box : panel->findChildren<QGroupBox*>())
            boxCaptions.append(box->title());
        QCOMPARE(boxCaptions, (QStringList{" Mando:  ", "Descripción", "Forma de uso ", "Temas relacionados:  "}));
        QCOMPARE(fieldsOf(panel), Fields{});
        QCOMPARE(linksShown(panel), QStringList{});
        QCOMPARE(QApplication::focusWidget(), panel->findChild<QPushButton*>(ObjectNames::closeButton));

        // One panel at a time; after "&Cerrar" a fresh one, with SHIFT not ticked.
        QCOMPARE(openPanel(), panel);
        QCOMPARE(TestSession::openWindowNames(), (QStringList{Fg110Names::panel, Fg110Names::window}));
        QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
        click(mapNumber(panel, 2), find(2, 17).rect.center());
        QTest::keyClick(panel, Qt::Key_Escape);
        TestSession::settle();
        QVERIFY(!WindowClaims::isClaimed(OneAtATime::FrontPanel));
        QCOMPARE(TestSession::openWindowNames(), QStringList{Fg110Names::window});
        panel = openPanel();
        QVERIFY(panel);
        QVERIFY(!shiftBox(panel)->isChecked());
        QVERIFY(mapNumber(panel, 1)->isVisible());
        QCOMPARE(fieldsOf(panel), Fields{});
        QCOMPARE(linksShown(panel), QStringList{});
        QVERIFY(session->boxes().isEmpty());
    }

    void control_data()
    {
        QTest::addColumn<int>("map");
        QTest::addColumn<int>("region");
        for (const Control& c : controls())
            QTest::addRow("%s %d %s", c.map == 1 ? "normal" : "SHIFT", c.region, qPrintable(c.caption))
                << c.map << c.region;
    }

    // Pointing at a control shows its caption and the hand; a click explains it, shows its
    // links and each link opens its page.
    void control()
    {
        QFETCH(int, map);
        QFETCH(int, region);
        const Control& c = find(map, region);
        QWidget* panel = openPanel();
        QVERIFY(panel);
        if (map == 2)
            QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
        SensitiveMap* shown = mapNumber(panel, map);
        QVERIFY(shown->isVisible());

        hover(shown, c.rect.center());
        const int label = region + (map == 2 ? 17 : 0);
        QCOMPARE(captionsShown(panel),
                 QStringList{ObjectNames::captionLabel(label) + QStringLiteral(":  %1 ").arg(c.caption)});
        QVERIFY(showsPointingHand(shown));
        click(shown, c.rect.center());
        QCOMPARE(fieldsOf(panel).name, c.name);
        QCOMPARE(lines(panel, ObjectNames::descriptionMemo).size(), c.descriptionLines);
        QCOMPARE(lines(panel, ObjectNames::usageMemo).size(), c.usageLines);

        QStringList texts, pages;
        for (const Link& link : c.links) {
            texts << link.text;
            pages << link.page;
        }
        QCOMPARE(linksShown(panel), texts);
        for (int i = 0; i < c.links.size(); ++i) {
            QLabel* link = panel->findChild<QLabel*>(i == 0 ? Fg110Names::linkLabel1 : Fg110Names::linkLabel2);
            QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
            followLink(panel, i == 0 ? Fg110Names::linkLabel1 : Fg110Names::linkLabel2);
        }
        pages.sort();
        QCOMPARE(pageCaptions(), pages);
        QVERIFY(session->boxes().isEmpty());
    }

    // The controls without a shifted function read the same on both pictures.
    void sharedControlsReadAlike()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
        for (const auto& [normal, shifted] :
             {std::pair{2, 2}, {4, 4}, {5, 5}, {12, 12}, {14, 13}, {15, 14}, {16, 15}, {17, 16}}) {
            QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
            click(mapNumber(panel, 1), find(1, normal).rect.center());
            const Fields onNormal = fieldsOf(panel);
            QStringList links = linksShown(panel);
            QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
            click(mapNumber(panel, 2), find(2, shifted).rect.center());
            QCOMPARE(linksShown(panel), links);
            QCOMPARE(fieldsOf(panel), onNormal);
        }
    }

    // Lines keep their blanks, quotes and spellings as written.
    void linesReadAsWritten()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        click(mapNumber(panel, 1), find(1, 4).rect.center());
        QCOMPARE(lines(panel, ObjectNames::usageMemo).first(),
                 "Pulsando esta tecla, se activan y desactivan alternativamente las funcionesescritas en azul sobre "
                 "las teclas del panel frontal.");
        click(mapNumber(panel, 1), find(1, 7).rect.center());
        QCOMPARE(
            lines(panel, ObjectNames::usageMemo).mid(0, 3),
            (QStringList{"Si el modo de salida es \"CONT\":",
                         "   Pulsando la tecla FUNC, la forma de la señal de salida cambia alternativamente entre ",
                         "   \"onda senoidal\", \"onda cuadrada\", \"onda rampa\", \"onda triangular\", y"}));
        click(mapNumber(panel, 1), find(1, 8).rect.center());
        QCOMPARE(lines(panel, ObjectNames::usageMemo).last(),
                 "        Después, con la rueda darle el valor desado al dígito seleccionado.");
        QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
        click(mapNumber(panel, 2), find(2, 7).rect.center());
        QCOMPARE(lines(panel, ObjectNames::usageMemo),
                 (QStringList{"Pulsando la tecla, la función de salida se invierte, pasando de \"negativa\" a ",
                              "\"positiva\" alternativamente."}));
        click(mapNumber(panel, 2), find(2, 21).rect.center());
        QCOMPARE(lines(panel, ObjectNames::usageMemo).at(3), "              - Auto-chequeo.");
        QCOMPARE(lines(panel, ObjectNames::descriptionMemo),
                 QStringList{"Permite realizar funciones de auto-chequeo."});
    }

    // SHIFT swaps the pictures and nothing else; a click off every control clears the fields.
    void shiftSwap()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        SensitiveMap* normal = mapNumber(panel, 1);
        click(normal, find(1, 10).rect.center());
        const Fields phase = fieldsOf(panel);
        QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
        QVERIFY(!normal->isVisible());
        QCOMPARE(fieldsOf(panel), phase);
        QCOMPARE(linksShown(panel), (QStringList{"Precauciones", "Modos de operación"}));

        // Keys 7, 8, 9, 6, 2, 3 and +/- have no shifted function.
        SensitiveMap* shifted = mapNumber(panel, 2);
        for (const QPoint key : {OnKey7, QPoint(396, 118), QPoint(436, 118), QPoint(436, 146), QPoint(396, 178),
                                 QPoint(436, 178), QPoint(436, 208)}) {
            hover(shifted, key);
            QCOMPARE(captionsShown(panel), QStringList{});
            click(shifted, find(2, 17).rect.center());
            click(shifted, key);
            QCOMPARE(fieldsOf(panel), Fields{});
            QCOMPARE(linksShown(panel), QStringList{});
        }
        QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
        QVERIFY(normal->isVisible());
        click(normal, OnKey7);
        QCOMPARE(fieldsOf(panel).name, QStringLiteral("Teclas numéricas"));
        click(normal, BetweenKeys);
        QCOMPARE(fieldsOf(panel), Fields{});
    }

    // The same link leads where the last explained control says; clicked twice it opens
    // two pages, and the pages stay when the panel closes.
    void linksFollowTheLastControl()
    {
        QWidget* panel = openPanel();
        QVERIFY(panel);
        click(mapNumber(panel, 1), find(1, 8).rect.center());
        followLink(panel, Fg110Names::linkLabel1);
        click(mapNumber(panel, 1), find(1, 9).rect.center());
        QCOMPARE(linksShown(panel), QStringList{"Precauciones"});
        followLink(panel, Fg110Names::linkLabel1);
        followLink(panel, Fg110Names::linkLabel1);
        QCOMPARE(pageCaptions(), (QStringList{Amplitude, Amplitude, Frequency}));
        press(panel, ObjectNames::closeButton);
        QCOMPARE(pageCaptions(), (QStringList{Amplitude, Amplitude, Frequency}));
        QVERIFY(!TestSession::window(Fg110Names::panel));
    }

    void clickSound_data()
    {
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("heard");
        QTest::addRow("normal, FREQ") << false << find(1, 8).rect.center() << true;
        QTest::addRow("normal, between keys") << false << BetweenKeys << false;
        QTest::addRow("SHIFT, BURST") << true << find(2, 17).rect.center() << true;
        QTest::addRow("SHIFT, key 7") << true << OnKey7 << false;
    }

    // An explained click is heard; a click on no control is not.
    void clickSound()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        QFETCH(bool, shift);
        QFETCH(QPoint, at);
        QFETCH(bool, heard);
        QWidget* panel = openPanel();
        QVERIFY(panel);
        if (shift)
            QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
        SensitiveMap* map = mapNumber(panel, shift ? 2 : 1);
        hover(map, at);
        QTest::qWait(2500); // the window's own cue ends
        const int peak = SinkRecorder::peakDuring([&] { click(map, at); }, 500);
        if (heard)
            QVERIFY2(peak > HeardPeak, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak < HeardPeak, qPrintable(QString::number(peak)));
    }

    // Without its click sound the panel reports the error and neither picture reacts;
    // SHIFT still swaps them.
    void clickSoundMissing()
    {
        const SoundFolder sounds("HOLYVISN.WAV");
        QVERIFY(sounds.ready());
        sounds.use();

        QWidget* panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(session->boxes().size(), 1);
        QCOMPARE(session->boxes().first().caption, QStringLiteral("Error"));
        QVERIFY(session->boxes().first().text.contains("SOND\\HOLYVISN.WAV"));
        QCOMPARE(mapNumber(panel, 1)->regionCount(), 0);
        QCOMPARE(mapNumber(panel, 2)->regionCount(), 0);
        click(mapNumber(panel, 1), find(1, 10).rect.center());
        QCOMPARE(fieldsOf(panel), Fields{});
        QTest::mouseClick(shiftBox(panel), Qt::LeftButton);
        QVERIFY(!mapNumber(panel, 1)->isVisible());
        click(mapNumber(panel, 2), find(2, 17).rect.center());
        QCOMPARE(fieldsOf(panel), Fields{});
        QCOMPARE(linksShown(panel), QStringList{});
    }
};

TRIVANE_AUDIO_TEST_MAIN(Fg110PanelTest)
#include "tst_fg110_panel.moc"
