#include "TestSession.h"
#include "core/FormReference.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "instruments/InstrumentWindows.h"
#include "instruments/common/HelpWindow.h"
#include "instruments/common/InstrumentDefinition.h"
#include "instruments/fluke45/Fluke45Notes.h"
#include "instruments/power_supply/PowerSupplyStartupNote.h"
#include "quiz/QuestionnaireWindow.h"
#include "shell/AboutBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <functional>

namespace {

// Every window of the program, each opened the shortest way.
struct WindowToWalk {
    QString name;
    std::function<QWidget*()> open;
};

QWidget* newWindowFrom(const std::function<void()>& opening)
{
    const QList<QWidget*> before = QApplication::topLevelWidgets();
    opening();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!before.contains(window) && window->isVisible())
            return window;
    return nullptr;
}

std::vector<WindowToWalk> allWindows()
{
    std::vector<WindowToWalk> windows{
        {"chooser", [] { return TestSession::window(ObjectNames::chooserWindow); }},
        {"about box", [] { formReference<AboutBox>()->show(); return static_cast<QWidget*>(formReference<AboutBox>()); }},
        {"help", [] { return static_cast<QWidget*>(HelpWindow::showHelp()); }},
        {"Fluke 45 note 1", [] { return static_cast<QWidget*>(Navigation::present(new Fluke45Note(Fluke45NoteSubject::NumberEditor))); }},
        {"Fluke 45 note 2", [] { return static_cast<QWidget*>(Navigation::present(new Fluke45Note(Fluke45NoteSubject::ListEditor))); }},
        {"power supply note", [] { return static_cast<QWidget*>(Navigation::navigate<PowerSupplyStartupNote>()); }},
    };
    for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all()) {
        const InstrumentDefinition& d = entry.definition;
        const InstrumentId id = entry.id;
        windows.push_back({d.name + " window", [id] { return InstrumentWindows::open(id, nullptr); }});
        if (d.panel.layout)
            windows.push_back({d.name + " panel", [id] { return InstrumentWindows::openFrontPanel(id); }});
        if (d.questionBank)
            windows.push_back({d.name + " questionnaire", [&d] {
                                   return static_cast<QWidget*>(Navigation::present(new QuestionnaireWindow(d.questionBank())));
                               }});
        for (int topic = 1; d.panel.layout && d.panel.layout().openRelatedTopic && topic <= d.panel.relatedTopicCount; ++topic)
            windows.push_back({d.name + " link " + QString::number(topic), [&d, topic] {
                                   return newWindowFrom([&] { d.panel.layout().openRelatedTopic(topic); });
                               }});
    }
    return windows;
}

bool canTakeTabFocus(const QWidget* w, const QWidget* window)
{
    return w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

// Whether b comes before a as a page is read: wholly above it, or beside it on its left.
bool readsBefore(const QRect& b, const QRect& a)
{
    const bool level = b.top() <= a.bottom() && a.top() <= b.bottom();
    return b.bottom() < a.top() || (level && b.right() < a.left());
}

QRect inWindow(const QWidget* w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

} // namespace

// Each window Tabbed through as a user would: every control that takes the focus is
// reached, the focus never leaves the window nor sticks in a control (a map, a text), it
// comes back to where it started, and it moves in reading order on the way round.
class TabWalkTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestSession> session;

private slots:
    void init() { session = std::make_unique<TestSession>(); QVERIFY(session->started()); }
    void cleanup() { session.reset(); }

    void tabsRoundEveryWindow_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<WindowToWalk> windows = allWindows();
        for (std::size_t i = 0; i < windows.size(); ++i)
            QTest::newRow(qPrintable(windows[i].name)) << int(i);
    }
    void tabsRoundEveryWindow()
    {
        QFETCH(int, index);
        QWidget* window = allWindows()[std::size_t(index)].open();
        QVERIFY(window);
        window->raise();
        QApplication::setActiveWindow(window);
        QList<QWidget*> expected;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (canTakeTabFocus(w, window))
                expected.append(w);
        if (expected.isEmpty())
            return; // a window of pictures and menus only: the menu bar is reached with Alt

        if (!window->focusWidget())
            QTest::keyClick(window, Qt::Key_Tab);
        QWidget* start = QApplication::focusWidget();
        QVERIFY(start && start->window() == window);
        QList<QWidget*> cycle{start};
        for (int step = 0;; ++step) {
            QVERIFY2(step <= 2 * expected.size(), "the focus never comes back: a trap");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            QVERIFY2(now && now->window() == window, "the focus left the window");
            if (now == start)
                break;
            QVERIFY2(!cycle.contains(now), qPrintable("a trap before " + now->objectName()));
            cycle.append(now);
        }
        // Tab stops once in a group of exclusive options (the arrows move within it), as in a map.
        const auto reached = [&cycle](QWidget* w) {
            auto* option = qobject_cast<QAbstractButton*>(w);
            if (!option || !option->autoExclusive())
                return cycle.contains(w);
            return std::any_of(cycle.begin(), cycle.end(), [w](QWidget* c) {
                auto* reachedOption = qobject_cast<QAbstractButton*>(c);
                return reachedOption && reachedOption->autoExclusive() && c->parent() == w->parent();
            });
        };
        for (QWidget* w : expected)
            QVERIFY2(reached(w), qPrintable("never reached: " + w->objectName() + " " + w->metaObject()->className()));

        // Read from the control that reads first; every step goes on, none goes back.
        const auto first = std::min_element(cycle.begin(), cycle.end(), [](QWidget* a, QWidget* b) {
            return readsBefore(inWindow(a), inWindow(b));
        });
        std::rotate(cycle.begin(), first, cycle.end());
        QString wrongStep;
        for (int i = 1; i < cycle.size() && wrongStep.isEmpty(); ++i)
            if (readsBefore(inWindow(cycle[i]), inWindow(cycle[i - 1])))
                wrongStep = cycle[i]->objectName() + " is reached after " + cycle[i - 1]->objectName();
        // The explorer's own order (its file is being reworked for keyboard use of the maps).
        for (const char* row : {"FG110 panel", "Fluke 45 link 1", "Fluke 45 link 2", "Fluke 45 link 3"})
            QEXPECT_FAIL(row, "the explorer Tabs to its check box and its close button after both memos", Abort);
        QVERIFY2(wrongStep.isEmpty(), qPrintable(wrongStep));
    }
};

QTEST_MAIN(TabWalkTest)
#include "tst_tab_walk.moc"
