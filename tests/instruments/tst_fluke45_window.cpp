// The Fluke 45's window: its two notes, and when it may be left with its notes, panel
// and questionnaire open.

#include "Driving.h"
#include "InstrumentTestCase.h"

#include "core/AppState.h"
#include "core/ObjectNames.h"
#include "instruments/fluke45/Fluke45ObjectNames.h"

#include <QMenu>

using namespace Driving;

namespace {

using Box = MessageBoxes::Shown;

Box exclamation(const char* caption, const char* text)
{
    return {caption, text, MessageBoxes::Icon::Exclamation};
}

QStringList memoLines(const QWidget* note, const QString& memo)
{
    return note->findChild<QPlainTextEdit*>(memo)->toPlainText().split('\n');
}

} // namespace

class Fluke45WindowTest : public InstrumentTestCase {
    Q_OBJECT

    QWidget*& fluke45 = instrument; // the Fluke 45's window

    void choose(const char* item)
    {
        TestSession::choose(fluke45, item);
        TestSession::settle();
    }

    QList<Box> leave(bool closeBox)
    {
        session->clearBoxes();
        if (closeBox)
            fluke45->close();
        else
            TestSession::choose(fluke45, ObjectNames::backMenuItem);
        TestSession::settle();
        return session->boxes();
    }

public:
    Fluke45WindowTest()
        : InstrumentTestCase(InstrumentId::Fluke45)
    { }

private slots:
    void numberEditorNote()
    {
        QStringList items;
        for (const QAction* action : fluke45->findChild<QMenu*>(ObjectNames::generalNotesMenu)->actions())
            items << action->text();
        QCOMPARE(items, (QStringList{"Editor de números", "Editor de listas"}));
        choose(Fluke45Names::numberEditorMenuItem);
        choose(Fluke45Names::numberEditorMenuItem);
        QCOMPARE(TestSession::windows(Fluke45Names::numberEditorNote).size(), 1);
        QWidget* note = TestSession::window(Fluke45Names::numberEditorNote);
        QCOMPARE(note->windowTitle(), QStringLiteral("El editor de números del Fluke 45"));
        QVERIFY(!(note->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(note->findChild<QLabel*>(ObjectNames::noteLabel(1))->text(), QStringLiteral("EL EDITOR DE NÚMEROS"));
        QCOMPARE(note->findChild<QLabel*>(ObjectNames::noteLabel(2))->text(), QStringLiteral("Forma de empleo:"));
        QCOMPARE(memoLines(note, ObjectNames::noteMemo(2)),
                 (QStringList{"Se puede utilizar cuando se debe determinar la base relativa, o los ",
                              "puntos Alto y Bajo para operaciones de comparación (botón COMP)."}));
        QCOMPARE(memoLines(note, ObjectNames::noteMemo(3)),
                 (QStringList{"Pulsar la tecla 2ND y después la Flecha Arriba o la Flecha Abajo ",
                              "para editar el punto alto o bajo respectivamente de la operación ", "de Comparación.",
                              "Pulsar 2ND y botón REL (REF #) para editar la base relativa."}));
        QCOMPARE(memoLines(note, ObjectNames::noteMemo(5)),
                 QStringList{"Se puede salvar el valor pulsando el botón AUTO."});
        for (int memo = 1; memo <= 6; ++memo)
            QVERIFY2(!note->findChild<QPlainTextEdit*>(ObjectNames::noteMemo(memo))->isEnabled(),
                     qPrintable(ObjectNames::noteMemo(memo)));
        QCOMPARE(note->findChildren<QLabel*>().size(), 2 + 4); // two texts, four bullets
        // Esc does nothing; "&Cerrar" closes it and lets the window be left.
        QTest::keyClick(note, Qt::Key_Escape);
        TestSession::settle();
        QVERIFY(TestSession::window(Fluke45Names::numberEditorNote));
        press(note, ObjectNames::noteCloseButton);
        QVERIFY(!TestSession::window(Fluke45Names::numberEditorNote));
        QCOMPARE(leave(false), QList<Box>{});
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
    }

    void listEditorNote()
    {
        choose(Fluke45Names::listEditorMenuItem);
        QWidget* note = TestSession::window(Fluke45Names::listEditorNote);
        QVERIFY(note);
        QCOMPARE(note->windowTitle(), QStringLiteral("El Editor de listas del Fluke 45"));
        QCOMPARE(note->findChild<QLabel*>(ObjectNames::noteLabel(1))->text(), QStringLiteral("EL EDITOR DE LISTAS"));
        QCOMPARE(memoLines(note, ObjectNames::noteMemo(4)),
                 (QStringList{"Recorrer la lista con los botones de flecha arriba y abajo.",
                              "Seleccionar la opción deseada con la tecla AUTO."}));
        QCOMPARE(
            memoLines(note, ObjectNames::noteMemo(6)),
            (QStringList{"Para abortar la operación, pulsar cualquier botón excepto el", "botón AUTO y las flechas."}));
        QCOMPARE(note->findChildren<QLabel*>().size(), 2 + 3);
        // Each note closes on its own; the other stays and still holds the window.
        choose(Fluke45Names::numberEditorMenuItem);
        press(note, ObjectNames::noteCloseButton);
        QCOMPARE(TestSession::openWindowNames(), (QStringList{Fluke45Names::window, Fluke45Names::numberEditorNote}));
        QCOMPARE(leave(true), QList<Box>{exclamation("Existen notas abiertas", "Cierre antes las notas abiertas.")});
    }

    void leavingWithWindowsOpen_data()
    {
        QTest::addColumn<QStringList>("open"); // menu items chosen first
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addRow("list note and panel")
            << QStringList{Fluke45Names::listEditorMenuItem, ObjectNames::frontPanelMenuItem} << false
            << "Existen notas abiertas"
            << "Cierre antes las notas abiertas y el panel frontal.";
        QTest::addRow("note and questionnaire")
            << QStringList{Fluke45Names::numberEditorMenuItem, ObjectNames::questionsMenuItem} << true
            << "Existen notas abiertas"
            << "Cierre antes las notas abiertas.";
        QTest::addRow("panel and questionnaire")
            << QStringList{ObjectNames::frontPanelMenuItem, ObjectNames::questionsMenuItem} << false
            << "El panel está abierto"
            << "Cierre antes el panel frontal.";
        QTest::addRow("questionnaire, close box")
            << QStringList{ObjectNames::questionsMenuItem} << true << "Las cuestiones están abiertas"
            << "Cierre antes la ventana de cuestiones.";
    }

    // The window stays, with the first refusal that holds; the open windows stay too.
    void leavingWithWindowsOpen()
    {
        QFETCH(QStringList, open);
        QFETCH(bool, closeBox);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        for (const QString& item : open)
            choose(qPrintable(item));
        const QStringList before = TestSession::openWindowNames();
        QCOMPARE(before.size(), open.size() + 1);
        QCOMPARE(leave(closeBox), QList<Box>{(Box{caption, text, MessageBoxes::Icon::Exclamation})});
        QCOMPARE(TestSession::openWindowNames(), before);
        QVERIFY(fluke45->isVisible());
    }

    void oneQuestionnaireAtATime()
    {
        choose(ObjectNames::questionsMenuItem);
        choose(ObjectNames::questionsMenuItem);
        QCOMPARE(TestSession::windows(Fluke45Names::questionnaire).size(), 1);
        QWidget* quiz = TestSession::window(Fluke45Names::questionnaire);
        QCOMPARE(quiz->windowTitle(), QStringLiteral("Cuestiones sobre el Fluke 45"));
        press(quiz, ObjectNames::quizAcceptButton);
        QCOMPARE(leave(false), QList<Box>{});
    }
};

QTEST_MAIN(Fluke45WindowTest)
#include "tst_fluke45_window.moc"
