// A Qt plugin that the package test loads into the packaged program (QT_PLUGIN_PATH and
// Qt's own argument "-plugin trivanewindowprobe"), so that the program runs as shipped and is
// still watched: once it shows a window, the probe prints "window: <title>" for each
// window shown and then closes them as a user would, a message box by its OK button.
#include <QApplication>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class WindowProbe : public QObject {
public:
    WindowProbe()
    {
        connect(&m_timer, &QTimer::timeout, this, &WindowProbe::look);
        m_timer.start(100);
    }

private:
    void look()
    {
        QWidgetList shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                shown << window;
        if (shown.isEmpty())
            return;
        for (QWidget* window : shown)
            std::printf("window: %s\n", qUtf8Printable(window->windowTitle()));
        std::fflush(stdout);
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept(); // and look again at what follows it
            return;
        }
        m_timer.stop();
        for (QWidget* window : shown)
            window->close();
    }

    QTimer m_timer;
};

} // namespace

class WindowProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "WindowProbe.json")
public:
    QObject* create(const QString& key, const QString&) override
    {
        return key.compare(QLatin1String("trivanewindowprobe"), Qt::CaseInsensitive) == 0 ? new WindowProbe : nullptr;
    }
};

#include "WindowProbe.moc"
