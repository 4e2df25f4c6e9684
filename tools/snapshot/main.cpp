// Opens the program's windows one by one and saves a picture of each, so that they can
// be compared by eye with what they should look like:
//
//   snapshot <output folder>
//
// Front panels are saved twice: as they open, and with every hot region outlined in red.
#include "instruments/power_supply/UPromMarcha.h"
#include "instruments/power_supply/UPromPan.h"
#include "instruments/power_supply/Unit2.h"
#include "instruments/simple/SimpleMultimeterWindows.h"
#include "instruments/fg110/Ufg110.h"
#include "instruments/fluke45/Uf45.h"
#include "shell/ChooserTable.h"
#include "shell/Navigation.h"
#include "shell/PageCurl.h"
#include "platform/Pictures.h"
#include "shell/Startup.h"
#include "shell/Uacerca.h"
#include "shell/Unit1.h"
#include "widgets/SensMap.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

namespace {

QString folder;

void save(QWidget* window, const QString& name)
{
    QCoreApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void saveWithRegions(QWidget* window, const QString& name)
{
    save(window, name);
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    painter.setPen(Qt::red);
    for (auto* map : window->findChildren<TSensitiveMap*>()) {
        if (!map->isVisible())
            continue;
        for (int n = 1; n <= map->NumCuadros(); ++n)
            painter.drawRect(map->Cuadro(n).translated(map->pos()));
    }
    painter.end();
    picture.save(QDir(folder).filePath(name + QStringLiteral("-regions.png")));
}

template <class Form>
void snap(const QString& name, bool regions = false)
{
    Form* form = Navigation::navigate<Form>();
    if (!form)
        return;
    regions ? saveWithRegions(form, name) : save(form, name);
    delete form;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    if (!Startup::start(QStringLiteral("trivane")))
        return 1;
    snap<TForm1>("chooser");
    for (const ChooserEntry& entry : chooserTable()) {
        // The picture and its three page-turn frames side by side.
        const QPixmap page = Pictures::get(entry.pictureName, entry.main.size());
        QPixmap strip(QSize(entry.main.width() * 4 + 12, entry.main.height()));
        strip.fill(QColor(192, 192, 192));
        QPainter painter(&strip);
        painter.drawPixmap(0, 0, page);
        for (int step = 1; step <= 3; ++step)
            painter.drawPixmap(step * (entry.main.width() + 4), 0,
                               PageCurl::frame(page, entry.frameSizes[step - 1], step));
        painter.end();
        strip.save(QDir(folder).filePath(QStringLiteral("frames-%1.png").arg(entry.tag)));
    }
    snap<TFormAcerca>("about");
    snap<TFormFluke45>("window-fluke45");
    snap<TFormfg110>("window-fg110");
    snap<TForm2>("window-power-supply");
    snap<TFormFluke73>("window-fluke73");
    snap<TFormDemestres2001>("window-demestres2001");
    snap<TFormPHYWE>("window-phywe");
    snap<TFormHC6000>("window-hc6000");
    snap<TFormFluke73Panel>("panel-fluke73");
    snap<TFormHC6000Panel>("panel-hc6000");
    snap<TFormPHYWEPanel>("panel-phywe");
    snap<TFormDemestres2001Panel>("panel-demestres2001");
    snap<TFormPromaxPanel>("panel-power-supply", true);
    snap<TFormPromaxPuestaMarcha>("note-power-supply-startup");
    Startup::closeAllWindows();
    return 0;
}
