// The yardstick of the start-up benchmark: a bare Qt Widgets window of the chooser's size,
// empty, which quits as soon as it has painted. A program of its own,
// linking Qt Widgets alone, so that it loads nothing of Trivane's.
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            QCoreApplication::quit();
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(475, 331);
    QuitAfterPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
