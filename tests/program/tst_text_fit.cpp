#include "Driving.h"
#include "TestSession.h"
#include "TextFit.h"
#include "instruments/fg110/Fg110Window.h"
#include "instruments/fluke45/Fluke45Window.h"
#include "instruments/power_supply/PowerSupplyStartupNote.h"
#include "instruments/power_supply/PowerSupplyPanel.h"
#include "instruments/power_supply/PowerSupplyWindow.h"
#include "instruments/simple/SimpleMultimeterWindows.h"
#include "core/FormReference.h"
#include "core/Navigation.h"
#include "shell/AboutBox.h"

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
        SensitiveMap* map = Driving::mapOf(panel.get());
        for (int n = 1; map && n <= map->regionCount(); ++n) {
            Driving::click(map, map->region(n).center());
            look(panel.get(), QStringLiteral(" after a click on ") + map->regionCaption(n).trimmed());
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
        QWidget* about = formReference<AboutBox>();
        about->show();
        look(about, {});
        about->hide();

        lookAt<Fluke45Window>();
        lookAt<Fg110Window>();
        lookAt<PowerSupplyWindow>();
        lookAt<Fluke73Window>();
        lookAt<Demestres2001Window>();
        lookAt<PhyweWindow>();
        lookAt<Hc6000Window>();
        lookAtPanel<Fluke73Panel>();
        lookAtPanel<Hc6000Panel>();
        lookAtPanel<PhywePanel>();
        lookAtPanel<Demestres2001Panel>();
        lookAtPanel<PowerSupplyPanel>();
        lookAt<PowerSupplyStartupNote>();

        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
