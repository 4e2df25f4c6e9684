#include "platform/AudioOutput.h"
#include "shell/CommandLine.h"
#include "shell/Startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Answered before Qt starts, so that they need no display.
    if (const auto text = CommandLine::answer(argc, argv)) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trivane.trivane"));
    if (!Startup::start(QCoreApplication::applicationFilePath()))
        return 1;
    const int status = QApplication::exec();
    Startup::closeAllWindows();
    AudioOutput::shutdown();
    return status;
}
