#include "SinkRecorder.h"

#include "WavBytes.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>
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
        (void)QTest::qWaitFor([this] { return receiving; }, 3000);
        warmUpPlayback();
    }

    // The first sound a process plays can be late, or lost, while the audio output is
    // set up. A short tone is played until it is heard, so that measures start on an
    // output known to work (as the program's own first cue is long loaded by the time it
    // plays).
    void warmUpPlayback()
    {
        static QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tone.wav"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            WavBytes tone;
            tone.samples = 22050 * 3 / 10;
            file.write(tone.build());
            file.close();
        }
        QSoundEffect tone;
        tone.setSource(QUrl::fromLocalFile(path));
        for (int attempt = 0; attempt < 5; ++attempt) {
            peak = 0;
            tone.stop();
            tone.play();
            if (QTest::qWaitFor([this] { return peak > 1000; }, 1500))
                break;
        }
        QTest::qWait(400); // let the tone end
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

Recording* running = nullptr;

Recording& recording()
{
    if (!running)
        running = new Recording;
    return *running;
}

} // namespace

bool available()
{
    return qEnvironmentVariableIsSet("TRIVANE_TEST_AUDIO") && !recordingDevice().isNull();
}

void prepare()
{
    if (available())
        recording();
}

void finish()
{
    if (!qEnvironmentVariableIsSet("TRIVANE_TEST_AUDIO"))
        return;
    // Outputs of players that went last are released by deferred deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (running) {
        running->source->stop();
        delete running->source;
        delete running;
        running = nullptr;
    }
    // Qt 6.4's PulseAudio engine is torn down when the process exits; if that happens
    // while the server is still answering a stream that was just closed, libpulse's
    // main loop aborts. Give the server time to finish with every closed stream.
    QTest::qWait(500);
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
