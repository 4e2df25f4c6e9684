#include "Driving.h"
#include "TestSession.h"
#include "core/ObjectNames.h"
#include "instruments/common/practice/PracticeWindow.h"
#include "instruments/fg110/Fg110ObjectNames.h"

#include <QTest>

#include <memory>

// The FG110's practice window, driven as a student drives it: opened from the FG110
// window's "Opciones" menu, one at a time, keeping the FG110 window from being left while
// it is open.
class PracticeWindowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestSession> session;
    QWidget* fg110 = nullptr;

    static QList<QWidget*> practices() { return TestSession::windows(Fg110Names::practice); }
    QWidget* open()
    {
        TestSession::choose(fg110, ObjectNames::practiceMenuItem);
        TestSession::settle();
        return TestSession::window(Fg110Names::practice);
    }

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
        fg110 = Driving::openInstrument(Fg110Names::chooserMenuItem, Fg110Names::window);
        QVERIFY(fg110);
    }
    void cleanup() { session.reset(); }

    // A second choice brings the open window to the front instead of opening another.
    void oneAtATime()
    {
        QWidget* first = open();
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QString("Práctica con el generador de funciones FG110"));
        QWidget* second = open();
        QCOMPARE(second, first);
        QCOMPARE(practices().size(), 1);
        QVERIFY(first->isVisible());
        const QSize outer = first->frameGeometry().size();
        QVERIFY2(outer.width() <= 1024 && outer.height() <= 768, qPrintable(QString("%1x%2").arg(outer.width()).arg(outer.height())));
    }

    void leavingGuard_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::addRow("Cerrar") << false;
        QTest::addRow("Esc") << true;
    }

    // While the practice is open the FG110 window refuses to be left; once it is closed
    // (by "&Cerrar" or Esc) leaving goes back to the chooser.
    void leavingGuard()
    {
        QFETCH(bool, byEscape);
        QWidget* practice = open();
        QVERIFY(practice);
        TestSession::choose(fg110, ObjectNames::backMenuItem);
        TestSession::settle();
        const MessageBoxes::Shown refusal{"La práctica está abierta", "Cierre antes la ventana de práctica.",
                                          MessageBoxes::Icon::Exclamation};
        QCOMPARE(session->boxes(), QList<MessageBoxes::Shown>{refusal});
        QVERIFY(TestSession::window(Fg110Names::window));

        if (byEscape)
            QTest::keyClick(practice, Qt::Key_Escape);
        else
            Driving::press(practice, "BotonCerrar");
        TestSession::settle();
        QVERIFY(practices().isEmpty());
        TestSession::choose(fg110, ObjectNames::backMenuItem);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
    }
};

QTEST_MAIN(PracticeWindowTest)
#include "tst_practice_window.moc"
