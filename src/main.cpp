#include "platform/AudioOutput.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!Startup::start(QCoreApplication::applicationFilePath()))
        return 1;
    const int status = QApplication::exec();
    Startup::closeAllWindows();
    AudioOutput::shutdown();
    return status;
}
