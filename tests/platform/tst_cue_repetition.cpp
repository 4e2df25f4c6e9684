#include "AudioTestMain.h"
#include "SinkRecorder.h"
#include "WavBytes.h"
#include "platform/AudioOutput.h"
#include "platform/SoundCue.h"
#include "platform/SoundPaths.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

// Sound cues over many plays, as a class clicking for a lesson plays them: every play
// made when the cue has ended is heard, once; a play while it still sounds lets it go on
// undisturbed. Each play's moment is matched against what the private sink played.
class CueRepetitionTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

    static constexpr int CueMs = 300;
    static constexpr int Loudness = 0x30 << 8; // the tone's amplitude (see WavBytes)
    static constexpr std::int64_t Ms = 1000000;
    // Time allowed from a play to its first sound on the sink, and before it (see Slack).
    static constexpr std::int64_t StartWindow = 120 * Ms;
    static constexpr std::int64_t EarlyStart = 10 * Ms;
    // Tolerance on a sound's start and length, and on a play landing as the cue ends: the
    // sink rewinds what it has already rendered when a sound comes, so its monitor tells
    // moments only to within a few tens of milliseconds.
    static constexpr std::int64_t Slack = 40 * Ms;

    struct Play {
        std::int64_t at;
        int player;
    };

    // Plays given players at the spacings given, recording each play's moment.
    static QList<Play> playAll(const QList<SoundCue*>& players, const QList<int>& spacingsMs)
    {
        QList<Play> plays;
        for (int i = 0; i < spacingsMs.size(); ++i) {
            const int which = i % int(players.size());
            plays.append({SinkListener::now(), which});
            players[which]->play();
            QTest::qWait(spacingsMs[i]);
        }
        QTest::qWait(CueMs + 300);
        SinkRecorder::listener().waitUntilRecorded(SinkListener::now());
        return plays;
    }

    struct Verdict {
        int mustBeHeard = 0;
        int heard = 0;
        QStringList faults;
        int starved = 0; // sounds broken where the mixer found its stream had run dry
    };

    // Whether the mixer counted an underrun while the sound (or what remains of it)
    // played: a machine too busy to run the mixing in time, not a fault of the program.
    static bool starvedDuring(const SinkListener::Sound& sound)
    {
        const std::vector<std::int64_t> moments = AudioOutput::health().underrunMoments;
        return std::any_of(moments.begin(), moments.end(), [&](std::int64_t at) {
            return at >= sound.startNs - CueMs * Ms && at <= sound.endNs + StartWindow;
        });
    }

    // Fails on the faults found; sounds broken by underruns the mixer counted are only
    // told, since they say that the machine was starving the output.
    static void report(const Verdict& v)
    {
        if (v.starved > 0)
            qWarning("%d sounds broken where the machine kept the mixer from running in time (%llu underruns)",
                     v.starved, static_cast<unsigned long long>(AudioOutput::health().underruns));
        QVERIFY2(v.faults.isEmpty(), qPrintable(v.faults.join(QStringLiteral("; "))));
    }

    // Checks what the sink played against the plays: each sound whole (not cut, not
    // lengthened by a restart, not doubled) and started by a play; every play made when
    // its player's cue had ended heard; no play made while it sounded starting it again.
    static Verdict check(const QList<Play>& plays)
    {
        Verdict v;
        const auto sounds =
            SinkRecorder::listener().soundsBetween(plays.first().at - 50 * Ms, SinkListener::now(), 1000, 2);
        // Each sound belongs to the last play made before it began.
        QList<int> soundsOfPlay(plays.size(), 0);
        QList<std::int64_t> delayOfPlay(plays.size(), 0);
        QList<bool> starvedPlay(plays.size(), false);
        for (const auto& sound : sounds) {
            const std::int64_t ms = (sound.endNs - sound.startNs) / Ms;
            const bool broken = ms < (CueMs * Ms - Slack) / Ms || ms > (CueMs * Ms + Slack) / Ms;
            const bool starved = broken && starvedDuring(sound);
            if (broken && !starved)
                v.faults << QStringLiteral("a sound of %1 ms").arg(ms);
            v.starved += starved ? 1 : 0;
            if (sound.peak > Loudness * 3 / 2)
                v.faults << QStringLiteral("a sound twice as loud as the cue");
            int owner = -1;
            for (int i = 0; i < plays.size() && plays[i].at - EarlyStart <= sound.startNs; ++i)
                owner = i;
            if (owner < 0 || sound.startNs - plays[owner].at > StartWindow) {
                if (!starved)
                    v.faults << QStringLiteral("a sound that no play started");
                continue;
            }
            starvedPlay[owner] = starvedPlay[owner] || starved;
            ++soundsOfPlay[owner];
            delayOfPlay[owner] = (sound.startNs - plays[owner].at) / Ms;
        }
        QList<std::int64_t> lastStart(4, -1);
        for (int i = 0; i < plays.size(); ++i) {
            const Play& p = plays[i];
            std::int64_t& last = lastStart[p.player];
            const bool ended = last < 0 || p.at - last >= CueMs * Ms + Slack;
            const bool sounding = last >= 0 && p.at - last < CueMs * Ms - Slack;
            const bool started = soundsOfPlay[i] > 0;
            if (soundsOfPlay[i] > 1 && !starvedPlay[i])
                v.faults << QStringLiteral("play %1 started %2 sounds").arg(i).arg(soundsOfPlay[i]);
            if (ended) {
                ++v.mustBeHeard;
                v.heard += started ? 1 : 0;
                if (!started)
                    v.faults << QStringLiteral("play %1 not heard").arg(i);
            }
            if (sounding && started)
                v.faults << QStringLiteral("play %1, %2 ms after the cue started, restarted it %3 ms later")
                                .arg(i)
                                .arg((p.at - last) / Ms)
                                .arg(delayOfPlay[i]);
            if (started || ended)
                last = p.at;
        }
        return v;
    }

    QList<int> randomSpacings(int count, int fromMs, int toMs, quint32 seed)
    {
        QRandomGenerator random(seed);
        QList<int> spacings;
        for (int i = 0; i < count; ++i)
            spacings.append(random.bounded(fromMs, toMs + 1));
        return spacings;
    }

private slots:
    void initTestCase()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server to listen to");
        SinkRecorder::prepare();
        QFile file(folder.filePath("SOND/TONE.WAV"));
        QVERIFY(QDir(folder.path()).mkpath("SOND"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        WavBytes tone;
        tone.samples = 22050 * CueMs / 1000;
        file.write(tone.build());
        file.close();
        SoundPaths::overrideSearchFolders({folder.path()});
    }
    void cleanupTestCase() { SoundPaths::overrideSearchFolders({}); }

    // Two hundred plays from 0.05 s to 1.5 s apart, some while the cue still sounds.
    void everyPlayAfterTheCueHasEndedIsHeardOnce()
    {
        SoundCue player;
        QVERIFY(player.open("SOND\\TONE.WAV"));
        const QList<Play> plays = playAll({&player}, randomSpacings(200, 50, 1500, 45));
        const Verdict v = check(plays);
        qInfo("heard %d of the %d plays made after the cue had ended, of 200", v.heard, v.mustBeHeard);
        report(v);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(v.mustBeHeard > 100);
    }

    // The chooser's page sound and an instrument's cue, one after the other, as a user
    // going back and forth hears them.
    void twoPlayersTakingTurnsAreBothHeard()
    {
        SoundCue page, instrument;
        QVERIFY(page.open("SOND\\TONE.WAV"));
        QVERIFY(instrument.open("SOND\\TONE.WAV"));
        const QList<Play> plays = playAll({&page, &instrument}, randomSpacings(100, CueMs + 40, 1500, 110));
        const Verdict v = check(plays);
        report(v);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(v.heard, 100);
    }

    // A window closed while its cue sounds silences it at once, and the next window's
    // cue is heard.
    void aPlayerDestroyedWhileSoundingLeavesTheNextOneHeard()
    {
        const QList<int> lives = randomSpacings(30, 20, CueMs - 60, 7);
        QList<Play> plays;
        for (int life : lives) {
            auto player = std::make_unique<SoundCue>();
            QVERIFY(player->open("SOND\\TONE.WAV"));
            const std::int64_t at = SinkListener::now();
            player->play();
            QTest::qWait(life);
            player.reset();
            const std::int64_t destroyed = SinkListener::now();
            QTest::qWait(400);
            SinkRecorder::listener().waitUntilRecorded(SinkListener::now());
            const auto sounds = SinkRecorder::listener().soundsBetween(at, SinkListener::now(), 1000, 2);
            QVERIFY2(sounds.size() == 1, qPrintable(QString::number(sounds.size())));
            QVERIFY(sounds[0].startNs >= at - EarlyStart && sounds[0].startNs <= at + StartWindow);
            // What was already on its way to the sink may still come out.
            QVERIFY2(sounds[0].endNs <= destroyed + 80 * Ms,
                     qPrintable(QString::number((sounds[0].endNs - destroyed) / Ms)));
        }
    }
};

TRIVANE_AUDIO_TEST_MAIN(CueRepetitionTest)
#include "tst_cue_repetition.moc"
