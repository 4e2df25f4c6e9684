#include "SinkRecorder.h"

#include <QStandardPaths>
#include <QTest>

namespace SinkRecorder {
namespace {

SinkListener* running = nullptr;

} // namespace

bool available()
{
    return qEnvironmentVariableIsSet("TRIVANE_TEST_AUDIO") && !QStandardPaths::findExecutable("parec").isEmpty();
}

SinkListener& listener()
{
    if (!running) {
        running = new SinkListener;
        if (!running->start("test.monitor"))
            qWarning("the private sink's monitor cannot be recorded");
    }
    return *running;
}

void prepare()
{
    if (available())
        listener();
}

void finish()
{
    if (running) {
        running->stop();
        delete running;
        running = nullptr;
    }
}

int peakDuring(const std::function<void()>& action, int listenMs)
{
    SinkListener& l = listener();
    QTest::qWait(100);
    const std::int64_t from = SinkListener::now();
    action();
    QTest::qWait(listenMs);
    const std::int64_t until = SinkListener::now();
    l.waitUntilRecorded(until);
    return l.peakBetween(from, until);
}

} // namespace SinkRecorder
