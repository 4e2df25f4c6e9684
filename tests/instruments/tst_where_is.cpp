// "¿Dónde está…?": the questions made from the catalogues, the rounds drawn from them, and
// a front panel asking as a student answers it, by mouse and by keyboard.

#include "Driving.h"
#include "core/LearningProgress.h"
#include "instruments/InstrumentRegistry.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/whereis/WhereIsRound.h"
#include "instruments/fg110/Fg110ObjectNames.h"

#include <QSet>
#include <queue>

using namespace Driving;
using WhereIsQuestions::Map;

namespace {

std::vector<WhereIsQuestions::Question> questionsOf(const FrontPanelDefinition& panel)
{
    const auto& stacked = panel.layout().stackedMap;
    return WhereIsQuestions::questions(panel.catalogue(), panel.stackedCatalogue ? &panel.stackedCatalogue() : nullptr,
                                       stacked ? stacked->checkBoxCaption : QString());
}

// The control asked for, found as the student finds it: by the question's text.
QString askedCaption(const QWidget* panel, const FrontPanelDefinition& definition)
{
    const QString shown = panel->findChild<QLabel*>(ObjectNames::whereIsQuestion)->text();
    for (const WhereIsQuestions::Question& question : questionsOf(definition))
        if (shown.endsWith(question.text))
            return question.caption;
    return {};
}

// Moves the keyboard on a map to a region with Home and the arrows, as a student would:
// the shortest way from the first region, found by trying each key from each region met.
bool reachByKeys(SensitiveMap* map, int region)
{
    const auto play = [map](const QList<Qt::Key>& keys) {
        QTest::keyClick(map, Qt::Key_Home);
        for (Qt::Key key : keys)
            QTest::keyClick(map, key);
        return map->focusedRegion();
    };
    QMap<int, QList<Qt::Key>> way{{play({}), {}}};
    std::queue<int> met;
    met.push(way.firstKey());
    for (; !met.empty() && !way.contains(region); met.pop())
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
            const QList<Qt::Key> keys = way[met.front()] + QList<Qt::Key>{key};
            if (const int reached = play(keys); !way.contains(reached)) {
                way.insert(reached, keys);
                met.push(reached);
            }
        }
    return way.contains(region) && play(way[region]) == region;
}

} // namespace

class WhereIsTest : public QObject {
    Q_OBJECT
private slots:
    void question_data()
    {
        QTest::addColumn<QStringList>("description");
        QTest::addColumn<QString>("ownClause");
        QTest::addColumn<bool>("onStackedOnly");
        QTest::addColumn<QString>("asked"); // empty: the row is not asked
        QTest::addRow("subject left out") << QStringList{"Esta tecla permite fijar la fase."} << QString() << false
                                          << "Señala el mando que permite fijar la fase.";
        QTest::addRow("first sentence, over lines")
            << QStringList{"Es el display más grande, en", "el que se leen medidas.", "Las demás no."} << QString()
            << false << "Señala el mando que es el display más grande, en el que se leen medidas.";
        QTest::addRow("colon ends it; plural verb")
            << QStringList{"Sirven para dar dos márgenes: el de la izquierda, 15 V."} << QString() << false
            << "Señala los mandos que sirven para dar dos márgenes.";
        QTest::addRow("point inside a number")
            << QStringList{"Este mando sirve para elegir entre 0-0.1 y 0-4 A."} << QString() << false
            << "Señala el mando que sirve para elegir entre 0-0.1 y 0-4 A.";
        QTest::addRow("noun and purpose") << QStringList{"Mando para fijar la tensión."} << QString() << false
                                          << "Señala el mando que sirve para fijar la tensión.";
        QTest::addRow("noun with an accent, and que") << QStringList{"Botón que enciende el aparato."} << QString()
                                                      << false << "Señala el mando que enciende el aparato.";
        QTest::addRow("reflexive plural") << QStringList{"Se usan para elegir el rango."} << QString() << false
                                          << "Señala los mandos que se usan para elegir el rango.";
        QTest::addRow("parentheses spaced")
            << QStringList{"Sirve para fijar el muestreo(medida) de la función( voltaje)."} << QString() << false
            << "Señala el mando que sirve para fijar el muestreo (medida) de la función (voltaje).";
        QTest::addRow("own clause first") << QStringList{"Por él saldrá la señal."} << "entrega la señal" << false
                                          << "Señala el mando que entrega la señal.";
        QTest::addRow("only on the stacked picture") << QStringList{"Permite fijar el período."} << QString() << true
                                                     << "Señala el mando que, con SHIFT, permite fijar el período.";
        QTest::addRow("nothing to say") << QStringList{"  "} << QString() << false << QString();
    }

    void question()
    {
        QFETCH(QStringList, description);
        QFETCH(QString, ownClause);
        QFETCH(bool, onStackedOnly);
        QFETCH(QString, asked);
        const ControlCatalogue rows{{0, 0, 9, 9, "Mando", "Mando", description, {""}, {}, ownClause}};
        const ControlCatalogue none;
        const auto questions = WhereIsQuestions::questions(onStackedOnly ? none : rows, &(onStackedOnly ? rows : none),
                                                           QStringLiteral("SHIFT"));
        QCOMPARE(questions.empty() ? QString() : questions.front().text, asked);
    }

    void everyControlAsked_data()
    {
        QTest::addColumn<int>("instrument");
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
            if (entry.definition.panel.layout && entry.definition.panel.layout().whereIsButton)
                QTest::addRow("%s", qPrintable(entry.definition.name)) << int(entry.id);
    }

    // Every control of every catalogue the panel explains is asked for once, on the
    // picture that has it, and no question gives away its name or its caption.
    void everyControlAsked()
    {
        QFETCH(int, instrument);
        const FrontPanelDefinition& panel = InstrumentRegistry::definition(InstrumentId(instrument)).panel;
        const auto questions = questionsOf(panel);
        QMap<QString, const WhereIsQuestions::Question*> byCaption;
        for (const auto& q : questions) {
            QVERIFY2(!byCaption.contains(q.caption), qPrintable(q.caption + " asked twice"));
            byCaption.insert(q.caption, &q);
        }
        std::vector<std::pair<const ControlCatalogue*, Map>> catalogues{{&panel.catalogue(), Map::Top}};
        if (panel.stackedCatalogue)
            catalogues.emplace_back(&panel.stackedCatalogue(), Map::Stacked);
        for (const auto& [catalogue, map] : catalogues)
            for (const ControlRow& row : *catalogue) {
                const auto* q = byCaption.value(row.caption);
                QVERIFY2(q, qPrintable(row.caption + " is never asked"));
                QVERIFY2(q->map == map || q->map == Map::Either, qPrintable(row.caption));
                QString name = row.name.trimmed();
                if (name.endsWith(QLatin1Char('.')))
                    name.chop(1);
                for (const QString& giveaway : {name, row.caption})
                    QVERIFY2(!q->text.contains(giveaway, Qt::CaseInsensitive), qPrintable(q->text));
                QVERIFY2(q->text.startsWith(QStringLiteral("Señala ")) && q->text.endsWith(QLatin1Char('.'))
                             && !q->text.endsWith(QStringLiteral("..")),
                         qPrintable(q->text));
            }
    }

    void rounds_data()
    {
        QTest::addColumn<int>("poolSize");
        QTest::addRow("fewer controls than a round") << 3;
        QTest::addRow("as many as a round") << 10;
        QTest::addRow("more") << 35;
    }

    // A round asks ten distinct questions of the pool (all of a smaller one), in an order
    // that changes from round to round, and counts the right answers.
    void rounds()
    {
        QFETCH(int, poolSize);
        std::vector<WhereIsQuestions::Question> pool;
        for (int i = 0; i < poolSize; ++i)
            pool.push_back({QString::number(i), Map::Top, {}});
        QSet<QString> firstAsked;
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator random(seed);
            WhereIsRound round(pool, random);
            QCOMPARE(round.length(), std::min(poolSize, WhereIsRound::Length));
            firstAsked.insert(round.current().caption);
            QSet<QString> asked;
            while (!round.isOver()) {
                const QString caption = round.current().caption;
                asked.insert(caption);
                round.answer(asked.size() % 3 == 0 ? caption : QStringLiteral("otro"));
            }
            QCOMPARE(asked.size(), round.length());
            QCOMPARE(round.right(), round.length() / 3);
        }
        QVERIFY(firstAsked.size() >= std::min(poolSize, 3));
    }

    // The FG110's panel, with a control explained and its links showing, asks by Alt+D; a
    // wrong answer by mouse names both controls and frames the one asked for; a right
    // answer reached by keyboard is explained; the tenth gives the score, every answer is
    // recorded, and letting the button up gives back the panel exactly.
    void answeringOnThePanel()
    {
        TestSession session;
        QVERIFY(session.started());
        QWidget* window = openInstrument(Fg110Names::chooserMenuItem, Fg110Names::window);
        QVERIFY(window);
        TestSession::choose(window, ObjectNames::frontPanelMenuItem);
        TestSession::settle();
        auto* panel = qobject_cast<FrontPanelExplorer*>(TestSession::window(Fg110Names::panel));
        QVERIFY(panel);
        const FrontPanelDefinition& definition = InstrumentRegistry::definition(InstrumentId::Fg110).panel;
        click(mapOf(panel), mapOf(panel)->region(10).center()); // PHASE, with two links
        const Fields explained = fieldsOf(panel);
        // The pictures compare what the panel shows; where the focus is, is the student's.
        const auto withoutFocus = [panel] {
            if (QWidget* focus = panel->focusWidget())
                focus->clearFocus();
            return panel->grab().toImage();
        };
        const QImage before = withoutFocus();
        QApplication::setActiveWindow(panel);

        QTest::keyClick(panel, Qt::Key_D, Qt::AltModifier);
        auto* question = panel->findChild<QLabel*>(ObjectNames::whereIsQuestion);
        auto* verdict = panel->findChild<QLabel*>(ObjectNames::whereIsVerdict);
        auto* outline = panel->findChild<QWidget*>(ObjectNames::whereIsOutline);
        QTRY_VERIFY(question->isVisible()); // a mnemonic clicks as the button is seen to go down
        QVERIFY(question->text().startsWith(QStringLiteral("Pregunta 1 de 10. Señala ")));
        QCOMPARE(fieldsOf(panel), Fields{});

        SensitiveMap* map = panel->shownMap();
        QCOMPARE(map->accessibleDescription(), question->text()); // what a screen reader hears of the picture
        const int asked = panel->regionOf(map, askedCaption(panel, definition));
        QVERIFY(asked > 0);
        const int wrong = asked == 1 ? 2 : 1;
        click(map, map->region(wrong).center());
        QCOMPARE(verdict->text(),
                 QStringLiteral("Eso es «%1». Lo que se pedía, «%2», queda recuadrado en rojo.")
                     .arg(panel->rowAt(map, wrong)->name.chopped(panel->rowAt(map, wrong)->name.endsWith('.')),
                          panel->rowAt(map, asked)->name.chopped(panel->rowAt(map, asked)->name.endsWith('.'))));
        QVERIFY(outline->isVisible());
        QVERIFY(outline->geometry().contains(map->regionOnMap(asked).translated(map->pos())));
        QVERIFY(
            map->regionDescription(asked).endsWith(QStringLiteral("Recuadrado en rojo: es el mando que se pedía.")));
        QCOMPARE(fieldsOf(panel), Fields{});

        QTest::keyClick(panel, Qt::Key_S, Qt::AltModifier); // "&Siguiente"
        QTRY_VERIFY(!outline->isVisible());
        map = panel->shownMap();
        const int next = panel->regionOf(map, askedCaption(panel, definition));
        map->setFocus(Qt::TabFocusReason);
        QVERIFY(reachByKeys(map, next));
        QTest::keyClick(map, Qt::Key_Return);
        QCOMPARE(verdict->text(), QStringLiteral("¡Correcto!"));
        QCOMPARE(fieldsOf(panel).name, panel->rowAt(map, next)->name);

        // The rest by mouse, the keyboard gone from the picture with its caption.
        QTest::keyClick(map, Qt::Key_Tab);
        for (int answered = 2; answered < 10; ++answered) {
            QTest::mouseClick(panel->findChild<QPushButton*>(ObjectNames::whereIsNextButton), Qt::LeftButton);
            map = panel->shownMap();
            click(map, map->region(panel->regionOf(map, askedCaption(panel, definition))).center());
        }
        QCOMPARE(question->text(), QStringLiteral("Ronda terminada: has acertado 9 de 10."));
        const LearningProgress::Figures figures = learningProgress().figures(QStringLiteral("fg110"));
        QCOMPARE(figures.whereAsked, 10);
        QCOMPARE(figures.whereRight, 9);

        QTest::mouseClick(panel->findChild<QPushButton*>(ObjectNames::whereIsButton), Qt::LeftButton);
        QTest::mouseMove(panel, {5, 300}); // the pointer off the button, as when the first picture was taken
        QVERIFY(!question->isVisible());
        QCOMPARE(fieldsOf(panel), explained);
        QCOMPARE(withoutFocus(), before);
    }
};

QTEST_MAIN(WhereIsTest)
#include "tst_where_is.moc"
