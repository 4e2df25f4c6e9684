#include "SinkRecorder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>
#include <QTest>

#include <cstdlib>
#include <cstring>

namespace SinkRecorder {
namespace {

QAudioDevice recordingDevice()
{
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        if (device.id() == QByteArrayLiteral("test_rec"))
            return device;
    return {};
}

// The recording, started on first use and kept running.
struct Recording {
    QAudioSource* source = nullptr;
    QIODevice* input = nullptr;
    int peak = 0;
    bool receiving = false;

    Recording()
    {
        QAudioFormat format;
        format.setSampleRate(22050);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        source = new QAudioSource(recordingDevice(), format, qApp);
        input = source->start();
        QObject::connect(input, &QIODevice::readyRead, input, [this] {
            take();
            receiving = true;
        });
        // Let the recording settle before anything plays: the first stretch of a new
        // stream can be lost.
        QTest::qWaitFor([this] { return receiving; }, 3000);
        QTest::qWait(500);
    }

    void take()
    {
        const QByteArray samples = input->readAll();
        for (qsizetype i = 0; i + 1 < samples.size(); i += 2) {
            qint16 value;
            std::memcpy(&value, samples.constData() + i, 2);
            peak = std::max(peak, std::abs(int(value)));
        }
    }
};

Recording& recording()
{
    static Recording* running = new Recording;
    return *running;
}

} // namespace

bool available()
{
    return qEnvironmentVariableIsSet("TRIVANE_TEST_AUDIO") && !recordingDevice().isNull();
}

int peakDuring(const std::function<void()>& action, int listenMs)
{
    Recording& r = recording();
    QTest::qWait(100);
    r.take();
    r.peak = 0;
    action();
    QTest::qWait(listenMs);
    r.take();
    return r.peak;
}

} // namespace SinkRecorder
