#include "ShellTesting.h"
#include "TestSession.h"
#include "core/ObjectNames.h"
#include "instruments/InstrumentRegistry.h"
#include "instruments/common/InstrumentDefinition.h"

#include <QAccessible>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

// The windows driven by keys alone: the chooser's pictures, the questionnaires and the
// help window; and what a screen reader is told about the pictures and the verdict.
class KeyboardTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestSession> session;

    static const InstrumentDefinition& instrument(const QString& name)
    {
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
            if (entry.definition.name == name)
                return entry.definition;
        qFatal("no instrument %s", qPrintable(name));
    }
    static QWidget* openInstrument(const InstrumentDefinition& d)
    {
        TestSession::choose(ShellTesting::chooser(), d.chooser.menuObjectName);
        TestSession::settle();
        return TestSession::window(d.window.frame.objectName);
    }
    static void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), Qt::Key(key), modifiers);
        TestSession::settle();
    }
    static QAccessibleInterface* accessible(QWidget* window, const QString& name)
    {
        auto* widget = window->findChild<QWidget*>(name);
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }
    static void addInstrumentRows()
    {
        QTest::addColumn<QString>("name");
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
            QTest::newRow(qPrintable(entry.definition.name)) << entry.definition.name;
    }

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
    }
    void cleanup() { session.reset(); }

    // Tab reaches the pictures in reading order; the focus ring shows only while a
    // picture has the keyboard's focus; Enter or Space turns the page as a click does.
    void chooserPictureByKeys_data() { addInstrumentRows(); }
    void chooserPictureByKeys()
    {
        QFETCH(QString, name);
        const InstrumentDefinition& d = instrument(name);
        ChooserWindow* chooser = ShellTesting::chooser();
        ShellTesting::holdAnimationTimer(chooser);
        QApplication::setActiveWindow(chooser);
        auto* picture = chooser->findChild<QLabel*>(d.chooser.mainObjectName);
        const QImage unfocused = picture->grab().toImage();
        int tabs = 0; // the chooser may have given the first picture the focus as it opened
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all()) {
            const QWidget* focus = QApplication::focusWidget();
            if (tabs > 0 || !focus || focus->objectName() != entry.definition.chooser.mainObjectName) {
                key(Qt::Key_Tab);
                ++tabs;
            }
            QCOMPARE(QApplication::focusWidget()->objectName(), entry.definition.chooser.mainObjectName);
            if (&entry.definition == &d)
                break;
        }
        QVERIFY(picture->hasFocus());
        if (tabs > 0)
            QVERIFY(picture->grab().toImage() != unfocused);
        QCOMPARE(accessible(chooser, d.chooser.mainObjectName)->role(), QAccessible::Button);
        QCOMPARE(accessible(chooser, d.chooser.mainObjectName)->text(QAccessible::Name), d.chooser.hint);
        key(Qt::Key_Tab);
        QCOMPARE(picture->grab().toImage(), unfocused);
        key(Qt::Key_Backtab);
        key(tabs % 2 ? Qt::Key_Space : Qt::Key_Return);
        QVERIFY(chooser->animationTimer()->isActive());
        for (int tick = 0; tick < 4; ++tick)
            ShellTesting::tick(chooser);
        TestSession::settle();
        QVERIFY(TestSession::window(d.window.frame.objectName));
    }

    // The title art is hidden from screen readers, the photograph named after the instrument.
    void instrumentPictures_data() { addInstrumentRows(); }
    void instrumentPictures()
    {
        QFETCH(QString, name);
        const InstrumentDefinition& d = instrument(name);
        QWidget* window = openInstrument(d);
        QVERIFY(window);
        QCOMPARE(accessible(window, ObjectNames::photograph)->text(QAccessible::Name), d.chooser.hint);
        QAccessibleInterface* art = accessible(window, ObjectNames::titleArt);
        QVERIFY(art->state().invisible);
        QVERIFY(art->text(QAccessible::Name).isEmpty());
    }

    // Every option chosen with the arrows and Space, judged and announced; Ctrl+Tab and
    // Ctrl+Shift+Tab turn the page from an option and from "&Aceptar"; Alt+A closes.
    void questionnaireByKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Fluke 45") << QStringLiteral("Fluke 45");
        QTest::newRow("FG110") << QStringLiteral("FG110");
    }
    void questionnaireByKeys()
    {
        QFETCH(QString, name);
        const InstrumentDefinition& d = instrument(name);
        const QuestionBank& bank = d.questionBank();
        TestSession::choose(openInstrument(d), ObjectNames::questionsMenuItem);
        TestSession::settle();
        QWidget* quiz = TestSession::window(bank.layout.frame.objectName);
        QVERIFY(quiz);
        QApplication::setActiveWindow(quiz);
        auto* notebook = quiz->findChild<QTabWidget*>(ObjectNames::questionNotebook);
        auto* verdict = quiz->findChild<QLabel*>(ObjectNames::verdictLabel);
        for (int page = 0; page < int(bank.questions.size()); ++page) {
            QCOMPARE(notebook->currentIndex(), page);
            for (int n = 0; n < 4 && !qobject_cast<QRadioButton*>(QApplication::focusWidget()); ++n)
                key(Qt::Key_Tab);
            const auto& options = bank.questions[std::size_t(page)].options;
            for (int i = 0; i < int(options.size()); ++i) {
                auto* option = quiz->findChild<QRadioButton*>(ObjectNames::optionButton(page * 4 + i + 1));
                if (i > 0)
                    key(Qt::Key_Down);
                QCOMPARE(QApplication::focusWidget(), option);
                key(Qt::Key_Space);
                QVERIFY(option->isChecked());
                const QString line = QStringLiteral("Respuesta: ") + (options[std::size_t(i)].correct ? "CORRECTA" : "INCORRECTA");
                QCOMPARE(QStringLiteral("Respuesta: ") + verdict->text(), line);
                QCOMPARE(QAccessible::queryAccessibleInterface(verdict)->text(QAccessible::Name), line);
                QCOMPARE(QAccessible::queryAccessibleInterface(option)->text(QAccessible::Description), line);
                const char* face = options[std::size_t(i)].correct ? "Cara sonriente" : "Cara enfadada";
                QCOMPARE(QAccessible::queryAccessibleInterface(
                             quiz->findChild<QLabel*>(options[std::size_t(i)].correct ? bank.layout.happyFaceName
                                                                                      : bank.layout.angryFaceName))
                             ->text(QAccessible::Name),
                         QString::fromUtf8(face));
            }
            key(Qt::Key_Tab, Qt::ControlModifier);
            QVERIFY(verdict->text().isEmpty());
        }
        QCOMPARE(notebook->currentIndex(), 0);
        auto* accept = quiz->findChild<QPushButton*>(ObjectNames::quizAcceptButton);
        accept->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(notebook->currentIndex(), int(bank.questions.size()) - 1);
        key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(notebook->currentIndex(), 0);
        key(Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!TestSession::window(bank.layout.frame.objectName));
    }

    // "&Ayuda" opens one help window at a time, in front; Esc, "&Cerrar" (Alt+C) and the
    // close box close it; with it open the instrument window is left as ever, and the help stays.
    void helpWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("closing");
        QTest::newRow("Esc") << QStringLiteral("HC-6000") << QStringLiteral("Esc");
        QTest::newRow("Alt+C") << QStringLiteral("FG110") << QStringLiteral("Alt+C");
        QTest::newRow("close box") << QStringLiteral("power supply") << QStringLiteral("close box");
        QTest::newRow("left open") << QStringLiteral("Fluke 45") << QString();
    }
    void helpWindow()
    {
        QFETCH(QString, name);
        QFETCH(QString, closing);
        QWidget* window = openInstrument(instrument(name));
        for (int time = 0; time < 2; ++time) {
            TestSession::choose(window, ObjectNames::helpMenuItem);
            TestSession::settle();
        }
        QCOMPARE(TestSession::windows(ObjectNames::helpWindow).size(), 1);
        QWidget* help = TestSession::window(ObjectNames::helpWindow);
        QCOMPARE(QApplication::activeWindow(), help);
        QVERIFY(!QAccessible::queryAccessibleInterface(help->focusWidget())->text(QAccessible::Name).isEmpty());
        if (closing == "Esc")
            key(Qt::Key_Escape);
        else if (closing == "Alt+C")
            key(Qt::Key_C, Qt::AltModifier);
        else if (closing == "close box")
            help->close();
        else {
            TestSession::choose(window, ObjectNames::backMenuItem);
            TestSession::settle();
            QVERIFY(ShellTesting::chooser());
            QVERIFY(session->boxes().isEmpty());
            QVERIFY(TestSession::window(ObjectNames::helpWindow));
            return;
        }
        QTRY_VERIFY(!TestSession::window(ObjectNames::helpWindow));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
