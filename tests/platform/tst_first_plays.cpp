#include "SinkListener.h"
#include "SinkRecorder.h"
#include "WavBytes.h"
#include "platform/AudioOutput.h"
#include "platform/SoundCue.h"
#include "platform/SoundPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

// The first plays after the program starts, heard by a recorder that was listening before
// the output opened and that does not wait for the sink to play anything: the first play,
// made as the output opens, is heard, and every play from a second after it reaches the
// sink within the latency goal. Each round starts on an idle sink, as a program started
// on a quiet machine finds it. This program keeps no other recorder running, since a
// recording sink is not an idle one.
class FirstPlaysTest : public QObject
{
    Q_OBJECT
    QTemporaryDir folder;

    static constexpr int ToneMs = 300;
    static constexpr std::int64_t Ms = 1000000;
    static constexpr int Rounds = 3;
    // When each play is made, from the moment the output starts opening: one at once,
    // then four once the stream has been open for a second.
    static constexpr int PlayAtMs[] = {0, 1000, 1400, 1800, 2200};
    static constexpr std::int64_t GoalMs = 30;

private slots:
    void initTestCase()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server to listen to");
        QVERIFY(QDir(folder.path()).mkpath("SOND"));
        QFile file(folder.filePath("SOND/TONE.WAV"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        WavBytes tone;
        tone.samples = 22050 * ToneMs / 1000;
        file.write(tone.build());
        file.close();
        SoundPaths::overrideSearchFolders({folder.path()});
    }
    void cleanupTestCase() { SoundPaths::overrideSearchFolders({}); }

    void everyPlayFromTheFirstIsHeardPromptly()
    {
        QStringList faults;
        QList<std::int64_t> firstDelays, laterDelays;
        for (int round = 0; round < Rounds; ++round) {
            AudioOutput::shutdown(); // as at the end of a run: nothing of ours on the sink
            QTest::qWait(150);       // the sink, idle, goes on rendering ahead of time
            SinkListener listener;
            QVERIFY(listener.start("test.monitor", false));
            const std::int64_t opened = SinkListener::now();
            std::vector<std::unique_ptr<SoundCue>> cues; // a window's cue each, as windows open
            QList<std::int64_t> plays;
            for (int atMs : PlayAtMs) {
                QTest::qWait(int(std::max<std::int64_t>(0, atMs - (SinkListener::now() - opened) / Ms)));
                cues.push_back(std::make_unique<SoundCue>());
                QVERIFY(cues.back()->open("SOND\\TONE.WAV")); // the first opens the output
                plays.append(SinkListener::now());
                cues.back()->play();
            }
            QTest::qWait(ToneMs + 400);
            listener.waitUntilRecorded(SinkListener::now());
            const auto sounds = listener.soundsBetween(opened, SinkListener::now(), HeardPeak, 2);
            listener.stop();
            // Each play owns the sounds that start between it and the next play.
            for (int i = 0; i < plays.size(); ++i) {
                const std::int64_t until = i + 1 < plays.size() ? plays[i + 1] : SinkListener::now();
                const auto own = std::count_if(sounds.begin(), sounds.end(), [&](const SinkListener::Sound& s) {
                    return s.startNs >= plays[i] - 10 * Ms && s.startNs < until - 10 * Ms;
                });
                const auto first = std::find_if(sounds.begin(), sounds.end(), [&](const SinkListener::Sound& s) {
                    return s.startNs >= plays[i] - 10 * Ms;
                });
                if (own != 1 || first == sounds.end()) {
                    faults << QStringLiteral("round %1, play %2: %3 sounds").arg(round).arg(i).arg(own);
                    continue;
                }
                (i == 0 ? firstDelays : laterDelays).append((first->startNs - plays[i]) / Ms);
            }
        }
        qInfo() << "the first play after opening reached the sink after" << firstDelays << "ms; the later ones"
                << laterDelays << "ms; underruns counted:" << AudioOutput::health().underruns;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        std::sort(laterDelays.begin(), laterDelays.end());
        QVERIFY2(laterDelays[laterDelays.size() / 2] <= GoalMs && laterDelays.back() <= 4 * GoalMs,
                 "later plays came late");
        QVERIFY2(*std::max_element(firstDelays.begin(), firstDelays.end()) <= 500, "the first play came late");
    }
};

QTEST_MAIN(FirstPlaysTest)
#include "tst_first_plays.moc"
