#include "Driving.h"
#include "TestSession.h"
#include "TextFit.h"
#include "instruments/fg110/Ufg110.h"
#include "instruments/fluke45/Uf45.h"
#include "instruments/power_supply/UPromMarcha.h"
#include "instruments/power_supply/UPromPan.h"
#include "instruments/power_supply/Unit2.h"
#include "instruments/simple/SimpleMultimeterWindows.h"
#include "shell/FormReference.h"
#include "shell/Navigation.h"
#include "shell/Uacerca.h"

#include <QTest>

#include <memory>

// Every text of every window fits the box it is drawn in: nothing is cut at the right
// edge of a label, a memo, a group box's title or a button. A window added to the
// program joins the list below.
class TextFitTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestSession> session;
    QStringList faults;

    void look(const QWidget* window, const QString& when)
    {
        QCoreApplication::processEvents();
        for (const QString& fault : textsThatDoNotFit(window))
            faults << window->objectName() + when + QStringLiteral(" ") + fault;
    }

    template <class Form>
    void lookAt()
    {
        std::unique_ptr<Form> form(Navigation::navigate<Form>());
        QVERIFY(form);
        look(form.get(), {});
    }

    // A front panel as it opens and after a click on each of its controls.
    template <class Panel>
    void lookAtPanel()
    {
        std::unique_ptr<Panel> panel(Navigation::navigate<Panel>());
        QVERIFY(panel);
        look(panel.get(), {});
        TSensitiveMap* map = Driving::mapOf(panel.get());
        for (int n = 1; map && n <= map->NumCuadros(); ++n) {
            Driving::click(map, map->Cuadro(n).center());
            look(panel.get(), QStringLiteral(" after a click on ") + map->Texto_Cuadro(n).trimmed());
        }
    }

private slots:
    void init()
    {
        session = std::make_unique<TestSession>();
        QVERIFY(session->started());
        faults.clear();
    }
    void cleanup() { session.reset(); }

    void everyTextFitsItsBox()
    {
        look(TestSession::window("Form1"), {});
        QWidget* about = formReference<TFormAcerca>();
        about->show();
        look(about, {});
        about->hide();

        lookAt<TFormFluke45>();
        lookAt<TFormfg110>();
        lookAt<TForm2>();
        lookAt<TFormFluke73>();
        lookAt<TFormDemestres2001>();
        lookAt<TFormPHYWE>();
        lookAt<TFormHC6000>();
        lookAtPanel<TFormFluke73Panel>();
        lookAtPanel<TFormHC6000Panel>();
        lookAtPanel<TFormPHYWEPanel>();
        lookAtPanel<TFormDemestres2001Panel>();
        lookAtPanel<TFormPromaxPanel>();
        lookAt<TFormPromaxPuestaMarcha>();

        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
