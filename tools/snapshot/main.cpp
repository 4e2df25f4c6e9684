// Opens the program's windows one by one and saves a picture of each, so that they can
// be compared by eye with what they should look like:
//
//   snapshot <output folder>
//
// Front panels are saved twice: as they open, and with every hot region outlined in red.
#include "instruments/power_supply/PowerSupplyStartupNote.h"
#include "instruments/power_supply/PowerSupplyPanel.h"
#include "instruments/power_supply/PowerSupplyWindow.h"
#include "instruments/simple/SimpleMultimeterWindows.h"
#include "instruments/fg110/Fg110Window.h"
#include "instruments/fluke45/Fluke45Window.h"
#include "shell/ChooserTable.h"
#include "core/Navigation.h"
#include "shell/PageCurl.h"
#include "platform/Pictures.h"
#include "shell/Startup.h"
#include "shell/AboutBox.h"
#include "shell/ChooserWindow.h"
#include "widgets/SensitiveMap.h"

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
    for (auto* map : window->findChildren<SensitiveMap*>()) {
        if (!map->isVisible())
            continue;
        for (int n = 1; n <= map->regionCount(); ++n)
            painter.drawRect(map->region(n).translated(map->pos()));
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
    snap<ChooserWindow>("chooser");
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
    snap<AboutBox>("about");
    snap<Fluke45Window>("window-fluke45");
    snap<Fg110Window>("window-fg110");
    snap<PowerSupplyWindow>("window-power-supply");
    snap<Fluke73Window>("window-fluke73");
    snap<Demestres2001Window>("window-demestres2001");
    snap<PhyweWindow>("window-phywe");
    snap<Hc6000Window>("window-hc6000");
    snap<Fluke73Panel>("panel-fluke73");
    snap<Hc6000Panel>("panel-hc6000");
    snap<PhywePanel>("panel-phywe");
    snap<Demestres2001Panel>("panel-demestres2001");
    snap<PowerSupplyPanel>("panel-power-supply", true);
    snap<PowerSupplyStartupNote>("note-power-supply-startup");
    Startup::closeAllWindows();
    return 0;
}
