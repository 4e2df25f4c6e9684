#include "Driving.h"
#include "RegisteredInstruments.h"
#include "ShellTesting.h"
#include "TestSession.h"
#include "core/ObjectNames.h"
#include "instruments/fluke73/Fluke73ObjectNames.h"
#include "instruments/power_supply/PowerSupplyObjectNames.h"
#include "platform/ModalLoops.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// While a modal box is up (a message box, the about box), whatever would release a window
// (the page turn's last tick, "&Volver", a close box, a "&Cerrar", a note's "&Aceptar", a
// navigation) leaves every window alive until the box has closed: a box never outlives
// its owner, and the handler that opened the box never returns into a destroyed window.
// The boxes are real here, run by their own event loops, as a user meets them.
class ModalBoxesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSession> session;

    // The box that is up: a shown dialog running modally (not one of the program's
    // modeless dialogs, such as front panels and notes), the newest if there are several.
    static QWidget* boxUp(QWidget* other = nullptr)
    {
        QWidget* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(w) && w->isVisible() && w->windowModality() != Qt::NonModal && w != other)
                found = w;
        return found;
    }

    static void accept(QWidget* box)
    {
        if (auto* dialog = qobject_cast<QDialog*>(box))
            dialog->accept();
    }

    // Runs `open`, which puts up a modal box, and `inside` while the box is up; then
    // presses OK. A further box that `inside` brings up is answered with OK at once.
    static void withBoxUp(const std::function<void()>& open, const std::function<void()>& inside)
    {
        QPointer<QWidget> outer;
        bool ran = false, sawBox = false;
        QTimer closer;
        closer.setInterval(5);
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = boxUp(outer))
                accept(modal);
        });
        QTimer::singleShot(0, [&] {
            outer = boxUp();
            ran = true;
            sawBox = outer;
            if (!outer)
                return;
            closer.start();
            inside();
            closer.stop();
            accept(outer);
        });
        open();
        QVERIFY2(ran, "the event loop of no modal box ran");
        QVERIFY2(sawBox, "no modal box came up");
    }

    // The top-level windows alive now.
    static QList<QPointer<QWidget>> aliveWindows()
    {
        QList<QPointer<QWidget>> alive;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!w->objectName().isEmpty())
                alive.append(w);
        return alive;
    }

    // Lets every release that is due happen, as if the handler had returned.
    static void letReleasesHappen()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static void trigger(QWidget* window, const char* action)
    {
        QAction* item = window ? window->findChild<QAction*>(QLatin1String(action)) : nullptr;
        QVERIFY2(item, action);
        item->trigger();
    }

    QWidget* openSupplyWithPanelAndNote()
    {
        QWidget* supply = Driving::openInstrument(PowerSupplyNames::chooserMenuItem, PowerSupplyNames::window);
        if (!supply)
            return nullptr;
        TestSession::choose(supply, ObjectNames::frontPanelMenuItem);
        TestSession::choose(supply, PowerSupplyNames::startupMenuItem);
        TestSession::settle();
        return supply;
    }

    // A user's way of ending up with exactly one of the chooser and an instrument window.
    static bool oneMainWindow()
    {
        int main = int(TestSession::windows(ObjectNames::chooserWindow).size());
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
            main += int(TestSession::windows(RegisteredInstruments::windowOf(entry.definition)).size());
        return main == 1;
    }

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
        MessageBoxes::setWatcher({}); // real boxes
    }
    void cleanup()
    {
        TestSession::settle();
        session.reset();
        SoundFolder::useProgramFolder();
    }

    // The about box opened during the page turn: the turn ends under the box, the
    // instrument opens, and the chooser goes only once the box has closed.
    void aboutBoxDuringThePageTurn()
    {
        ChooserWindow* chooser = ShellTesting::chooser();
        ShellTesting::holdAnimationTimer(chooser);
        QTest::mouseClick(ShellTesting::label(chooser, Fluke73Names::chooserPicture), Qt::LeftButton);
        QPointer<QWidget> chooserAlive = chooser;
        withBoxUp([&] { trigger(chooser, ObjectNames::aboutMenuItem); },
                  [&] {
                      for (int i = 0; i < 4; ++i)
                          ShellTesting::tick(chooser);
                      letReleasesHappen();
                      QVERIFY(TestSession::window(Fluke73Names::window));
                      QVERIFY(chooserAlive);
                  });
        TestSession::settle();
        QVERIFY(!chooserAlive);
        QVERIFY(TestSession::window(Fluke73Names::window));
        TestSession::choose(TestSession::window(Fluke73Names::window), ObjectNames::backMenuItem);
        TestSession::settle();
        QVERIFY(ShellTesting::chooser());
        QVERIFY(oneMainWindow());
    }

    // "&Volver" while the earthing note is up: the window stays until the note is read.
    void volverUnderTheEarthingNote()
    {
        QPointer<QWidget> supply = Driving::openInstrument(PowerSupplyNames::chooserMenuItem, PowerSupplyNames::window);
        QVERIFY(supply);
        withBoxUp([&] { trigger(supply, PowerSupplyNames::earthingMenuItem); },
                  [&] {
                      trigger(supply, ObjectNames::backMenuItem);
                      letReleasesHappen();
                      QVERIFY(supply);
                      QVERIFY(TestSession::window(ObjectNames::chooserWindow));
                  });
        TestSession::settle();
        QVERIFY(!supply);
        QVERIFY(oneMainWindow());
    }

    // Refused with "El panel está abierto"; while that box is up, the panel is closed and
    // "&Volver" chosen again: the panel and the window go once the box has closed.
    void panelClosedAndVolverUnderTheRefusal()
    {
        QPointer<QWidget> supply = Driving::openInstrument(PowerSupplyNames::chooserMenuItem, PowerSupplyNames::window);
        QVERIFY(supply);
        TestSession::choose(supply, ObjectNames::frontPanelMenuItem);
        QPointer<QWidget> panel = TestSession::window(PowerSupplyNames::panel);
        QVERIFY(panel);
        withBoxUp([&] { trigger(supply, ObjectNames::backMenuItem); },
                  [&] {
                      QCOMPARE(boxUp()->windowTitle(), QString("El panel está abierto"));
                      qobject_cast<QPushButton*>(panel->findChild<QPushButton*>(ObjectNames::closeButton))->click();
                      trigger(supply, ObjectNames::backMenuItem);
                      letReleasesHappen();
                      QVERIFY(panel);
                      QVERIFY(supply);
                  });
        TestSession::settle();
        QVERIFY(!panel);
        QVERIFY(!supply);
        QVERIFY(oneMainWindow());
    }

    // Every modal box the program has, while each action that releases a window fires.
    void everyBoxWithEveryRelease_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("release");
        for (const char* box : {"earthing note", "leave refusal"})
            for (const char* release : {"panel Cerrar", "note Aceptar", "Volver", "close box"})
                QTest::addRow("%s, %s", box, release) << box << release;
        for (const char* box : {"about box", "cue error"})
            for (const char* release : {"instrument menu", "page turn"})
                QTest::addRow("%s, %s", box, release) << box << release;
    }
    void everyBoxWithEveryRelease()
    {
        QFETCH(QString, box);
        QFETCH(QString, release);
        const bool inSupply = box == "earthing note" || box == "leave refusal";
        QWidget* supply = inSupply ? openSupplyWithPanelAndNote() : nullptr;
        ChooserWindow* chooser = inSupply ? nullptr : ShellTesting::chooser();
        QVERIFY(supply || chooser);
        if (chooser)
            ShellTesting::holdAnimationTimer(chooser);
        if (release == "page turn")
            QTest::mouseClick(ShellTesting::label(chooser, PowerSupplyNames::chooserPicture), Qt::LeftButton);
        SoundFolder withoutFluke73("FLUKE43S.WAV");

        const auto openBox = [&] {
            if (box == "earthing note")
                trigger(supply, PowerSupplyNames::earthingMenuItem);
            else if (box == "leave refusal")
                trigger(supply, ObjectNames::backMenuItem);
            else if (box == "about box")
                trigger(chooser, ObjectNames::aboutMenuItem);
            else { // the Fluke 73's cue cannot be opened
                withoutFluke73.use();
                trigger(chooser, Fluke73Names::chooserMenuItem);
            }
        };
        const auto fireRelease = [&] {
            SoundFolder::useProgramFolder();
            if (release == "panel Cerrar")
                Driving::press(TestSession::window(PowerSupplyNames::panel), ObjectNames::closeButton);
            else if (release == "note Aceptar")
                Driving::press(TestSession::window(PowerSupplyNames::startupNote), ObjectNames::noteAcceptButton);
            else if (release == "Volver")
                trigger(supply, ObjectNames::backMenuItem);
            else if (release == "close box")
                supply->close();
            else if (release == "instrument menu")
                trigger(chooser, PowerSupplyNames::chooserMenuItem);
            else
                for (int i = 0; i < 4; ++i)
                    ShellTesting::tick(chooser);
        };

        const QList<QPointer<QWidget>> before = aliveWindows();
        withBoxUp(openBox, [&] {
            fireRelease();
            letReleasesHappen();
            for (const QPointer<QWidget>& w : before)
                QVERIFY2(w, "a window was destroyed while a modal box was up");
            QVERIFY(ModalLoops::running());
        });
        TestSession::settle();
        QVERIFY(!ModalLoops::running());
        QVERIFY(oneMainWindow());
    }
};

QTEST_MAIN(ModalBoxesTest)
#include "tst_modal_boxes.moc"
