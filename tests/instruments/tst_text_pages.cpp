// The FG110's five information pages: their texts as written, and every way of closing them.

#include "Driving.h"

#include "core/FormReference.h"
#include "core/ObjectNames.h"
#include "instruments/common/TextPage.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fg110/Fg110TextPages.h"

#include <QApplication>
#include <QScrollBar>

using namespace Driving;

namespace {

QWidget* page(const QString& name)
{
    return TestSession::window(name);
}

// The page's lines in reading order: labels and memos, top to bottom, then left to right.
QStringList textsOf(const QWidget* page)
{
    QList<const QWidget*> blocks;
    for (const QWidget* w : page->findChildren<QWidget*>())
        if (qobject_cast<const QLabel*>(w) || qobject_cast<const QPlainTextEdit*>(w))
            blocks << w;
    std::sort(blocks.begin(), blocks.end(),
              [](const QWidget* a, const QWidget* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    QStringList texts;
    for (const QWidget* w : blocks)
        texts << (qobject_cast<const QLabel*>(w) ? static_cast<const QLabel*>(w)->text()
                                                 : static_cast<const QPlainTextEdit*>(w)->toPlainText());
    return texts;
}

} // namespace

class TextPagesTest : public QObject {
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("texts");
        QTest::addRow("output modes")
            << 1 << "Modos del FG-110"
            << QStringList{"Modos de salida del FG-110.",
                           "SALIDA DE SEÑAL CONTINUA.\n\nEste modo suministra señales continuamente.",
                           "CONT",
                           "TRIG",
                           "MODO REACCION.\n\nEste modo suministra una onda un determinado número de veces cuando \n"
                           "se recibe una señal de activación o se presiona la tecla MAN TRIG.\n"
                           "Las características de este modo son dadas con las teclas BURST y \nSLOPE.\n"
                           "Este modo no tiene efecto con señales cuadradas.",
                           "MODO PUERTA.\n\nEste modo suministra señales cuando se recibe una señal de puerta\n"
                           "habilitada o se pulsa la tecla MAN TRIG.\n"
                           "Con la tecla SLOPE se puede elegir la polaridad de la puerta que \n"
                           "activa la señal (positiva o negativa).\nEste modo no se aplica a señales cuadradas.",
                           "GATE",
                           "MODO CORRIENTE CONTÍNUA.\n\nEste modo suministra señales de corriente contínua.",
                           "DC"};
        QTest::addRow("frequency")
            << 2 << "Rangos de frecuencia"
            << QStringList{
                   "Rangos de frecuencia del FG-110.",     "Los rangos de frecuencia permitidos son los siguientes:",
                   "Ondas cuadradas y senoidales:",        "0.001 mHz  a   2MHz",
                   "Ondas triangulares, rampas y pulsos:", "0.001 mHz  a   100kHz"};
        QTest::addRow("amplitude and offset")
            << 3 << "Rangos de amplitud y offset"
            << QStringList{"Rangos de amplitud y offset.",
                           "Rangos permisibles al establecer el voltaje de salida por el método de amplitud y offset.",
                           "Amplitud:",
                           "A rango de salida de 10V:",
                           "20 mVp-p   a    20 Vp-p",
                           "A rango de salida de 1V:",
                           "2 mVp-p   a    2 Vp-p",
                           "Offset:",
                           "-9.99 V  a  +9.99 V",
                           "A rango de salida de 10V:",
                           "A rango de salida de 1V:",
                           "-0.999 V  a  +0.999 V"};
        QTest::addRow("phase") << 4 << "Rango del ángulo de fase"
                               << QStringList{"Rangos del ángulo de fase.",
                                              "El ángulo de inicio y final de fase debe estar en el rango:",
                                              "-10000   a   +10000"};
        QTest::addRow("period") << 5 << "Rangos del período"
                                << QStringList{
                                       "Rangos del período en el FG-110.",     "Rangos permisibles del período:",
                                       "Ondas senoidales y cuadradas:",        "0.0005 ms  a  100000 s",
                                       "Ondas triangulares, rampas y pulsos:", "0.01 ms  a  100000 s"};
    }

    void texts()
    {
        QFETCH(int, topic);
        QFETCH(QString, caption);
        QFETCH(QStringList, texts);
        TestSession session;
        Fg110TextPages::open(Fg110Page(topic));
        QWidget* p = page(Fg110Names::textPage(topic));
        QVERIFY(p);
        QCOMPARE(p->windowTitle(), caption);
        QCOMPARE(textsOf(p), texts);
        // The memos, scroll bars and all, draw with the application's palette: what the
        // style caches for them then serves every page, not one page each.
        for (const QPlainTextEdit* memo : p->findChildren<QPlainTextEdit*>())
            QCOMPARE(memo->verticalScrollBar()->palette().cacheKey(), QApplication::palette().cacheKey());
        QVERIFY(p->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(p->findChild<QPushButton*>(ObjectNames::noteAcceptButton)->text(), QStringLiteral("&Aceptar"));
    }

    void modeMemoScrollBars_data()
    {
        QTest::addColumn<int>("memo");
        QTest::addColumn<bool>("scrollBar");
        QTest::addRow("TRIG, longer than its memo") << 2 << true;
        QTest::addRow("GATE, longer than its memo") << 3 << true;
        QTest::addRow("DC, short enough") << 4 << false;
    }

    // A mode's memo shows a scroll bar only where its text needs one, its far edges as dark as the near one.
    void modeMemoScrollBars()
    {
        QFETCH(int, memo);
        QFETCH(bool, scrollBar);
        TestSession session;
        Fg110TextPages::open(Fg110Page(1));
        QWidget* p = page(Fg110Names::textPage(1));
        QVERIFY(p && QTest::qWaitForWindowExposed(p));
        QScrollBar* bar = p->findChild<QPlainTextEdit*>(ObjectNames::noteMemo(memo))->verticalScrollBar();
        QCOMPARE(bar->isVisible(), scrollBar);
        const QImage drawn = bar->grab().toImage();
        for (const QPoint edge : {QPoint(drawn.width() - 1, 30), QPoint(drawn.width() / 2, drawn.height() - 1)})
            QVERIFY(!scrollBar || qGray(drawn.pixel(edge)) < qGray(p->palette().color(QPalette::Window).rgb()) - 30);
    }

    void closing_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("how");
        for (int topic = 1; topic <= Fg110TextPages::Count; ++topic)
            for (const char* how : {"Aceptar", "Enter", "close box"})
                QTest::addRow("page %d, %s", topic, how) << topic << QString(how);
    }

    // Every page closes for good by its button, by Enter and by its close box; a page
    // of the same topic open beside it stays.
    void closing()
    {
        QFETCH(int, topic);
        QFETCH(QString, how);
        TestSession session;
        const QString name = Fg110Names::textPage(topic);
        Fg110TextPages::open(Fg110Page(topic));
        Fg110TextPages::open(Fg110Page(topic));
        QCOMPARE(TestSession::windows(name).size(), 2);
        // The newest page, its "&Aceptar" holding the focus.
        QPointer<TextPage> p = formReference<TextPage>();
        QVERIFY(p);
        QCOMPARE(p->objectName(), name);
        QVERIFY(QTest::qWaitForWindowActive(p));
        QCOMPARE(QApplication::focusWidget(), p->findChild<QPushButton*>(ObjectNames::noteAcceptButton));
        if (how == "Aceptar")
            press(p, ObjectNames::noteAcceptButton);
        else if (how == "Enter")
            QTest::keyClick(p, Qt::Key_Return);
        else
            p->close();
        TestSession::settle();
        QVERIFY2(p.isNull(), "the page lives on");
        QCOMPARE(TestSession::windows(name).size(), 1);
    }
};

QTEST_MAIN(TextPagesTest)
#include "tst_text_pages.moc"
