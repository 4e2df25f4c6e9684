#include "ShellTesting.h"
#include "core/FormReference.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "instruments/InstrumentWindows.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/InstrumentDefinition.h"
#include "instruments/common/practice/PracticeWindow.h"
#include "instruments/fluke45/Fluke45Notes.h"
#include "instruments/power_supply/PowerSupplyStartupNote.h"
#include "quiz/QuestionnaireWindow.h"
#include "shell/AboutBox.h"
#include "shell/HelpContent.h"
#include "shell/HelpWindow.h"
#include "shell/progress/ProgressWindow.h"
#include "widgets/SensitiveMap.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <functional>

namespace {

// Every window of the program, each opened the shortest way.
std::vector<std::pair<QString, std::function<QWidget*()>>> allWindows()
{
    std::vector<std::pair<QString, std::function<QWidget*()>>> windows{
        {"chooser", [] { return ShellTesting::chooser(); }},
        {"about box",
         [] {
             formReference<AboutBox>()->show();
             return formReference<AboutBox>().data();
         }},
        {"help", [] { return HelpWindow::showHelp(); }},
        {"progress", [] { return ProgressWindow::showProgress(); }},
        {"Fluke 45 note 1", [] { return Navigation::present(new Fluke45Note(Fluke45NoteSubject::NumberEditor)); }},
        {"Fluke 45 note 2", [] { return Navigation::present(new Fluke45Note(Fluke45NoteSubject::ListEditor)); }},
        {"power supply note", [] { return Navigation::navigate<PowerSupplyStartupNote>(); }},
    };
    for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all()) {
        const InstrumentDefinition& d = entry.definition;
        windows.emplace_back(d.name + " window", [id = entry.id] { return InstrumentWindows::open(id, nullptr); });
        if (d.panel.layout)
            windows.emplace_back(d.name + " panel", [id = entry.id] { return InstrumentWindows::openFrontPanel(id); });
        if (d.panel.layout && d.panel.layout().whereIsButton)
            // Asking "¿Dónde está…?", one question answered, so that "&Siguiente" shows.
            windows.emplace_back(d.name + " panel asking", [id = entry.id] {
                QWidget* panel = InstrumentWindows::openFrontPanel(id);
                panel->findChild<QPushButton*>(ObjectNames::whereIsButton)->click();
                SensitiveMap* map = static_cast<FrontPanelExplorer*>(panel)->shownMap();
                map->pressRegion(1);
                return panel;
            });
        if (d.questionBank) {
            windows.emplace_back(d.name + " questionnaire",
                                 [&d] { return Navigation::present(new QuestionnaireWindow(d.questionBank())); });
            // Every page answered with its first option (a wrong one on the last page, so
            // that its explanation and link show), then reviewing with an answer given.
            const auto answered = [&d] {
                auto* quiz = Navigation::present(new QuestionnaireWindow(d.questionBank()));
                auto* notebook = quiz->findChild<QTabWidget*>(ObjectNames::questionNotebook);
                for (int page = 0; page < notebook->count(); ++page) {
                    notebook->setCurrentIndex(page);
                    notebook->widget(page)->findChildren<QRadioButton*>().first()->click();
                }
                return quiz;
            };
            windows.emplace_back(d.name + " questionnaire answered", answered);
            windows.emplace_back(d.name + " review", [answered] {
                QuestionnaireWindow* quiz = answered();
                quiz->findChild<QPushButton*>(ObjectNames::reviewButton)->click();
                quiz->findChild<QTabWidget*>(ObjectNames::reviewPage)
                    ->widget(0)
                    ->findChildren<QRadioButton*>()
                    .first()
                    ->click();
                return quiz;
            });
        }
        if (d.practice.create)
            windows.emplace_back(d.name + " practice", [&d] { return PracticeWindow::open(d.practice); });
        for (int topic = 1; d.panel.layout && d.panel.layout().openRelatedTopic && topic <= d.panel.relatedTopicCount;
             ++topic)
            windows.emplace_back(d.name + " link " + QString::number(topic), [&d, topic]() -> QWidget* {
                const QList<QWidget*> before = QApplication::topLevelWidgets();
                d.panel.layout().openRelatedTopic(topic);
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (!before.contains(window) && window->isVisible())
                        return window;
                return nullptr;
            });
    }
    return windows;
}

QRect inWindow(const QWidget* w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Whether b comes before a as a page is read: wholly above it, or level with it on its left.
bool readsBefore(const QWidget* before, const QWidget* after)
{
    const QRect b = inWindow(before), a = inWindow(after);
    return b.bottom() < a.top() || (b.top() <= a.bottom() && a.top() <= b.bottom() && b.right() < a.left());
}

// The texts whose underlined letter Alt presses in a window: its visible buttons, labels
// with a buddy, group boxes, tabs and menu bar titles.
QStringList mnemonicTexts(QWidget* window)
{
    QStringList texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            texts << label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (qobject_cast<QMenuBar*>(w))
            for (QAction* menu : w->actions())
                texts << (menu->isVisible() ? menu->text() : QString());
    }
    return texts;
}

// One Tab stop for a group of exclusive options (the arrows move within it), as for a map.
QObject* tabStop(QWidget* w)
{
    auto* option = qobject_cast<QAbstractButton*>(w);
    return option && option->autoExclusive() ? w->parent() : w;
}

} // namespace

// The chooser's pictures, the questionnaires and the help window driven by keys alone,
// and what a screen reader is told of the pictures and the verdict.
class KeyboardTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSession> session;

    static const InstrumentDefinition& instrument(const QString& name)
    {
        const auto& all = InstrumentRegistry::all();
        return std::find_if(all.begin(), all.end(), [&](const auto& e) { return e.definition.name == name; })
            ->definition;
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
    static QString accessible(QWidget* widget, QAccessible::Text text = QAccessible::Name)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    }

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
    }
    void cleanup() { session.reset(); }

    // Each window Tabbed through: every control that takes the focus is reached, the focus
    // never leaves the window nor sticks anywhere (a map, a text), it comes back to where it
    // started, and it goes round in reading order.
    void tabWalk_data()
    {
        QTest::addColumn<int>("index");
        const auto windows = allWindows();
        for (std::size_t i = 0; i < windows.size(); ++i)
            QTest::newRow(qPrintable(windows[i].first)) << int(i);
    }
    void tabWalk()
    {
        QFETCH(int, index);
        QWidget* window = allWindows()[std::size_t(index)].second();
        QVERIFY(window);
        QApplication::setActiveWindow(window);
        QSet<QObject*> stops;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                stops.insert(tabStop(w));
        if (stops.isEmpty())
            return; // pictures and menus only: Alt reaches the menu bar
        if (!window->focusWidget())
            key(Qt::Key_Tab);
        QList<QWidget*> cycle{QApplication::focusWidget()};
        for (key(Qt::Key_Tab); QApplication::focusWidget() != cycle.first(); key(Qt::Key_Tab)) {
            QWidget* now = QApplication::focusWidget();
            QVERIFY2(now && now->window() == window, "the focus left the window");
            QVERIFY2(!cycle.contains(now), qPrintable("a trap before " + now->objectName()));
            cycle.append(now);
        }
        for (QWidget* w : cycle)
            stops.remove(tabStop(w));
        QVERIFY2(stops.isEmpty(), "a control Tab never reaches");
        // Read from the control that reads first; no step goes back.
        std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end(), readsBefore), cycle.end());
        QString wrongStep;
        for (int i = 1; i < cycle.size() && wrongStep.isEmpty(); ++i)
            if (readsBefore(cycle[i], cycle[i - 1]))
                wrongStep = cycle[i]->objectName() + " after " + cycle[i - 1]->objectName();
        QVERIFY2(wrongStep.isEmpty(), qPrintable(wrongStep));
    }

    // No window has two mnemonics on one letter (Alt+letter would only move the focus
    // between them). Letters compare as Qt matches them, by the key typed: "&c" and "&C"
    // are one letter, "&á" and "&a" are two.
    void mnemonicsDistinct_data() { tabWalk_data(); }
    void mnemonicsDistinct()
    {
        QFETCH(int, index);
        QWidget* window = allWindows()[std::size_t(index)].second();
        QVERIFY(window);
        QHash<QKeySequence, QString> owner;
        QStringList clashes;
        for (const QString& text : mnemonicTexts(window)) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty())
                continue;
            if (owner.contains(key))
                clashes << owner[key] + " / " + text;
            owner.insert(key, text);
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(", ")));
    }

    // Tab reaches the pictures in reading order, each a button named after its instrument;
    // the focus ring shows only while a picture has the keyboard's focus; Enter or Space
    // turns the page as a click does, and the window opens with its photograph named and
    // its title art hidden from screen readers.
    void chooserPictureByKeys_data()
    {
        QTest::addColumn<QString>("name");
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
            QTest::newRow(qPrintable(entry.definition.name)) << entry.definition.name;
    }
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
            if (tabs > 0 || !focus || focus->objectName() != entry.definition.chooser.mainObjectName)
                key(Qt::Key_Tab), ++tabs;
            QCOMPARE(QApplication::focusWidget()->objectName(), entry.definition.chooser.mainObjectName);
            if (&entry.definition == &d)
                break;
        }
        QVERIFY(tabs == 0 || picture->grab().toImage() != unfocused);
        QCOMPARE(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Button);
        QCOMPARE(accessible(picture), d.chooser.hint);
        key(Qt::Key_Tab);
        QCOMPARE(picture->grab().toImage(), unfocused);
        key(Qt::Key_Backtab);
        key(tabs % 2 ? Qt::Key_Space : Qt::Key_Return);
        QVERIFY(chooser->animationTimer()->isActive());
        for (int tick = 0; tick < 4; ++tick)
            ShellTesting::tick(chooser);
        TestSession::settle();
        QWidget* window = TestSession::window(d.window.frame.objectName);
        QVERIFY(window);
        QCOMPARE(accessible(window->findChild<QLabel*>(ObjectNames::photograph)), d.chooser.hint);
        QVERIFY(QAccessible::queryAccessibleInterface(window->findChild<QLabel*>(ObjectNames::titleArt))
                    ->state()
                    .invisible);
    }

    // Every option chosen with the arrows and Space, judged and announced on the option;
    // Ctrl+Tab and Ctrl+Shift+Tab turn the page from an option and from "&Aceptar"; Alt+A closes.
    void questionnaireByKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Fluke 45") << QStringLiteral("Fluke 45");
        QTest::newRow("FG110") << QStringLiteral("FG110");
    }
    void questionnaireByKeys()
    {
        QFETCH(QString, name);
        const QuestionBank& bank = instrument(name).questionBank();
        TestSession::choose(openInstrument(instrument(name)), ObjectNames::questionsMenuItem);
        TestSession::settle();
        QWidget* quiz = TestSession::window(bank.layout.frame.objectName);
        QApplication::setActiveWindow(quiz);
        auto* notebook = quiz->findChild<QTabWidget*>(ObjectNames::questionNotebook);
        auto* verdict = quiz->findChild<QLabel*>(ObjectNames::verdictLabel);
        for (int page = 0; page < int(bank.questions.size()); ++page) {
            QCOMPARE(notebook->currentIndex(), page);
            for (int n = 0; n < 4 && !qobject_cast<QRadioButton*>(QApplication::focusWidget()); ++n)
                key(Qt::Key_Tab);
            for (std::size_t i = 0; i < bank.questions[std::size_t(page)].options.size(); ++i) {
                auto* option = quiz->findChild<QRadioButton*>(ObjectNames::optionButton(page * 4 + int(i) + 1));
                if (i > 0)
                    key(Qt::Key_Down);
                QCOMPARE(QApplication::focusWidget(), option);
                key(Qt::Key_Space);
                const bool correct = bank.questions[std::size_t(page)].options[i].correct;
                const QString line = QStringLiteral("Respuesta: ") + (correct ? "CORRECTA" : "INCORRECTA");
                QVERIFY(option->isChecked());
                QCOMPARE("Respuesta: " + verdict->text(), line);
                QCOMPARE(accessible(verdict), line);
                // After INCORRECTA, the option's description goes on with why.
                const WrongAnswerNote* why = findWrongAnswerNote(bank.wrongAnswerNotes(), page + 1, int(i) + 1);
                QCOMPARE(accessible(option, QAccessible::Description), why ? line + ". " + why->text : line);
                QCOMPARE(accessible(
                             quiz->findChild<QLabel*>(correct ? bank.layout.happyFaceName : bank.layout.angryFaceName)),
                         QString::fromUtf8(correct ? "Cara sonriente" : "Cara enfadada"));
            }
            key(Qt::Key_Tab, Qt::ControlModifier);
            QVERIFY(verdict->text().isEmpty());
        }
        QCOMPARE(notebook->currentIndex(), 0);
        quiz->findChild<QWidget*>(ObjectNames::quizAcceptButton)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(notebook->currentIndex(), int(bank.questions.size()) - 1);
        key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(notebook->currentIndex(), 0);
        key(Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!TestSession::window(bank.layout.frame.objectName));
    }

    // A screen reader reading the help hears each key, then its meaning, and nothing that
    // is not text between them.
    void helpReadsCleanly()
    {
        QWidget* help = HelpWindow::showHelp();
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(help->findChild<QWidget*>(ObjectNames::helpText))->textInterface();
        const QString heard = text->text(0, text->characterCount());
        QVERIFY(!heard.contains(QChar(0xfdd0)) && !heard.contains(QChar(0xfdd1)));
        for (const HelpSection& section : helpContent().sections)
            for (const HelpKey& key : section.keys)
                QVERIFY2(heard.contains(key.keys + '\t' + key.action), qPrintable(key.keys));
    }

    // The help is read, not written: no caret shows before its first word, yet the arrows
    // still move the point a screen reader reads from, the text scrolling under it as it
    // goes down, and the end of the text, reached from the keyboard, shows its last row
    // clear of the bottom edge.
    void helpShowsNoCaret()
    {
        QWidget* help = HelpWindow::showHelp();
        QApplication::setActiveWindow(help);
        auto* text = help->findChild<QTextBrowser*>(ObjectNames::helpText);
        QCOMPARE(QApplication::focusWidget(), text);
        const QImage focused = text->viewport()->grab().toImage();
        key(Qt::Key_Tab);
        QVERIFY(!text->hasFocus());
        QCOMPARE(text->viewport()->grab().toImage(), focused);

        key(Qt::Key_Backtab);
        QAccessibleTextInterface* read = QAccessible::queryAccessibleInterface(text)->textInterface();
        const int start = read->cursorPosition();
        const QRect caret = text->cursorRect();
        for (int line = 0; line < 3; ++line)
            key(Qt::Key_Down);
        QVERIFY(read->cursorPosition() > start);
        QVERIFY(text->verticalScrollBar()->value() > 0);
        QCOMPARE(text->cursorRect().top(), caret.top());
        key(Qt::Key_End, Qt::ControlModifier);
        QVERIFY2(text->viewport()->height() - text->cursorRect().bottom() >= 12,
                 qPrintable(QString::number(text->viewport()->height() - text->cursorRect().bottom())));
    }

    // "&Ayuda" opens one help window at a time, in front; Esc, "&Cerrar" (Alt+C) and the
    // close box close it; with it open the instrument window is left as ever, and it stays.
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
        QVERIFY(!accessible(help->focusWidget()).isEmpty());
        if (closing.isEmpty()) {
            TestSession::choose(window, ObjectNames::backMenuItem);
            TestSession::settle();
            QVERIFY(ShellTesting::chooser() && session->boxes().isEmpty());
            QVERIFY(TestSession::window(ObjectNames::helpWindow));
            return;
        }
        if (closing == "close box")
            help->close();
        else
            closing == "Esc" ? key(Qt::Key_Escape) : key(Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!TestSession::window(ObjectNames::helpWindow));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
