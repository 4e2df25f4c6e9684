#include "Driving.h"
#include "TestSession.h"
#include "core/ObjectNames.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"

#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

// The Fluke 45's questionnaire: its bank as the student reads and answers it.
class Fluke45BankTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSession> session;
    QWidget* quiz = nullptr;

    QRadioButton* radio(int n) const { return quiz->findChild<QRadioButton*>(ObjectNames::optionButton(n)); }
    QString verdict() const { return quiz->findChild<QLabel*>(ObjectNames::verdictLabel)->text(); }
    bool happy() const { return quiz->findChild<QLabel*>(Fluke45Names::happyFace)->isVisible(); }
    bool angry() const { return quiz->findChild<QLabel*>(Fluke45Names::angryFace)->isVisible(); }

    void showPage(int page)
    {
        QTabBar* tabs = quiz->findChild<QTabWidget*>(ObjectNames::questionNotebook)->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
    }
    void choose(int n)
    {
        showPage((n - 1) / 4 + 1);
        QTest::mouseClick(radio(n), Qt::LeftButton, {}, QPoint(6, radio(n)->height() / 2));
    }

    // The texts and pictures of a page's options in reading order, pictures as [width×height].
    QStringList runsOfPage(int page) const
    {
        QStringList runs;
        for (QLabel* label : radio(page * 4)->parentWidget()->findChildren<QLabel*>())
            runs << (label->pixmap().isNull() ? label->text()
                                              : QStringLiteral("[%1×%2]").arg(label->width()).arg(label->height()));
        return runs;
    }

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QWidget* fluke45 = Driving::openInstrument(Fluke45Names::chooserMenuItem, Fluke45Names::window);
        QVERIFY(fluke45);
        TestSession::choose(fluke45, ObjectNames::questionsMenuItem);
        TestSession::settle();
        quiz = TestSession::window(Fluke45Names::questionnaire);
        QVERIFY(quiz);
    }
    void cleanup() { session.reset(); }

    void choicesStayAcrossPages()
    {
        choose(4);
        choose(5);
        QCOMPARE(verdict(), QString("INCORRECTA"));
        QVERIFY(angry() && !happy());
        showPage(1);
        QVERIFY(radio(4)->isChecked());
        QCOMPARE(verdict(), QString());
    }

    // The options of page 1 differ only in their pictures.
    void pictureOptionsReadAsWritten()
    {
        const QString firstLine[] = {"Conectar las clavijas a los terminales", "[62×33]", "y", "[62×30]", ","};
        QStringList expected(std::begin(firstLine), std::end(firstLine));
        expected << "pulsar el botón"
                 << "[32×24]"
                 << ", pulsar el botón"
                 << "[37×19]"
                 << ", y pulsar el"
                 << "botón"
                 << "[33×27]"
                 << ".";
        const QStringList page1 = runsOfPage(1);
        QCOMPARE(page1.size(), 4 * expected.size());
        QCOMPARE(page1.mid(0, expected.size()), expected);
        expected[expected.size() - 2] = "[31×25]";
        QCOMPARE(page1.mid(3 * expected.size()), expected);
        QCOMPARE(radio(4)->accessibleName(),
                 QStringLiteral("Conectar las clavijas a los terminales borne de 10 A y borne COM, pulsar el botón "
                                "tecla A de corriente alterna, pulsar el botón tecla 2ND, y pulsar el botón tecla "
                                "FREQ."));
        showPage(2);
        // Page 2's third option, after the first's eight runs and the second's ten.
        QCOMPARE(runsOfPage(2).mid(8 + 10, 10),
                 (QStringList{"Pulsar", "[37×19]", "y después", "[33×22]", ". Elegir la opción \"1\" de la lista",
                              "presentada con las teclas", "[72×25]", ", y pulsar el botón", "[31×25]", "."}));
    }

    void questionsReadAsWritten()
    {
        QStringList texts;
        auto* notebook = quiz->findChild<QTabWidget*>(ObjectNames::questionNotebook);
        for (int page = 0; page < 4; ++page)
            for (QLabel* label : notebook->widget(page)->findChildren<QLabel*>())
                texts << label->text();
        QVERIFY(texts.contains("¿Qué es lo que sucede si al medir un voltaje en modo COMP  el"));
        QVERIFY(texts.contains("modo Touch Hold a \"Muy estable\"?"));
        QVERIFY(texts.contains("de función MN MX para realizar medidas?"));
    }
};

QTEST_MAIN(Fluke45BankTest)
#include "tst_fluke45_bank.moc"
