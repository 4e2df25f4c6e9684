#include "AudioTestMain.h"
#include "SinkRecorder.h"
#include "WavBytes.h"
#include "platform/AudioOutput.h"
#include "platform/MessageBoxes.h"
#include "platform/SoundCue.h"
#include "platform/SoundPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The media player: files that cannot be played are reported at once in the error box;
// cues that can are really heard, rewound when they have ended and cut short when the
// player goes.
class SoundCueTest : public QObject {
    Q_OBJECT
    QList<MessageBoxes::Shown> boxes;
    QTemporaryDir folder;
    static constexpr int ToneMs = 300;
    static constexpr std::int64_t Ms = 1000000;
    // The largest file the player reads: 16 MiB.
    static constexpr qint64 LargestCue = 16 * 1024 * 1024;

    void writeCue(const QString& name, const QByteArray& bytes, qint64 fileSize = -1)
    {
        QFile file(folder.filePath("SOND/" + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        if (fileSize >= 0) // trailing bytes after the RIFF chunk, which the player tolerates
            QVERIFY(file.resize(fileSize));
    }

private slots:
    void initTestCase()
    {
        SinkRecorder::prepare();
        QVERIFY(QDir(folder.path()).mkpath("SOND/DIR.WAV"));
        writeCue("EMPTY.WAV", {});
        writeCue("TEXT.WAV", "no soy un sonido");
        writeCue("CUT.WAV", WavBytes{}.build().chopped(10));
        WavBytes compressed;
        compressed.format = 2;
        writeCue("ADPCM.WAV", compressed.build());
        writeCue("GOOD.WAV", WavBytes{}.build());
        WavBytes extensible;
        extensible.subFormat = WavBytes::pcmSubFormat();
        writeCue("EXTENSIBLE.WAV", extensible.build());
        writeCue("LIMIT.WAV", WavBytes{}.build(), LargestCue);
        writeCue("OVER.WAV", WavBytes{}.build(), LargestCue + 1);
        WavBytes tone;
        tone.samples = 22050 * ToneMs / 1000;
        writeCue("TONE.WAV", tone.build());
        // A valid header in front of far more than any cue holds (the rest never written).
        WavBytes huge;
        huge.samples = 9 * 1024 * 1024;
        const QByteArray header = huge.build().left(44);
        QFile hugeFile(folder.filePath("SOND/HUGE.WAV"));
        QVERIFY(hugeFile.open(QIODevice::WriteOnly));
        hugeFile.write(header);
        QVERIFY(hugeFile.resize(44 + qint64(huge.samples) * 2));
        MessageBoxes::setWatcher([this](const MessageBoxes::Shown& shown) { boxes.append(shown); });
    }
    void cleanupTestCase()
    {
        MessageBoxes::setWatcher({});
        SoundPaths::overrideSearchFolders({});
    }
    void init()
    {
        boxes.clear();
        SoundPaths::overrideSearchFolders({folder.path()});
    }

    void unplayableFilesAreReported_data()
    {
        QTest::addColumn<QString>("cue");
        QTest::addColumn<QString>("reason");
        QTest::addRow("missing") << "SOND\\NADA.WAV"
                                 << "No se encuentra el archivo especificado. Asegúrese de que la ruta y el nombre "
                                    "del archivo son correctos.";
        QTest::addRow("a folder") << "SOND\\DIR.WAV"
                                  << "No se puede leer el archivo. Compruebe que tiene permiso para abrirlo.";
        QTest::addRow("empty") << "SOND\\EMPTY.WAV"
                               << "El archivo está vacío.";
        QTest::addRow("not a WAV") << "SOND\\TEXT.WAV"
                                   << "El archivo no es un archivo de sonido WAV.";
        QTest::addRow("cut short") << "SOND\\CUT.WAV"
                                   << "El archivo WAV está dañado: sus bloques no caben en el archivo.";
        QTest::addRow("compressed") << "SOND\\ADPCM.WAV"
                                    << "El archivo WAV no está en formato PCM.";
        QTest::addRow("far too large") << "SOND\\HUGE.WAV"
                                       << "El archivo es demasiado grande para ser un sonido breve.";
        QTest::addRow("one byte over the limit") << "SOND\\OVER.WAV"
                                                 << "El archivo es demasiado grande para ser un sonido breve.";
    }
    void unplayableFilesAreReported()
    {
        QFETCH(QString, cue);
        QFETCH(QString, reason);
        SoundCue player;
        QVERIFY(!player.open(cue));
        QVERIFY(!player.isOpen());
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].caption, QString("Error"));
        QCOMPARE(boxes[0].icon, MessageBoxes::Icon::Error);
        QCOMPARE(boxes[0].text, "No se puede abrir el archivo de sonido " + cue + ".\n" + reason);
        player.play(); // a closed player stays silent and does not fail
        player.stop();
    }

    void aGoodFileOpensSilently_data()
    {
        QTest::addColumn<QString>("cue");
        QTest::addRow("a short cue") << "SOND/GOOD.WAV";
        QTest::addRow("extensible PCM") << "SOND/EXTENSIBLE.WAV";
        QTest::addRow("a file of exactly the size limit") << "SOND/LIMIT.WAV";
    }
    void aGoodFileOpensSilently()
    {
        QFETCH(QString, cue);
        SoundCue player;
        QVERIFY(player.open(cue));
        QVERIFY(player.isOpen());
        QVERIFY(boxes.isEmpty());
    }

    void theProgramsOwnCuesAllOpen()
    {
        SoundPaths::overrideSearchFolders({});
        for (const char* cue :
             {"PAGINA", "FLUKE45S", "FG110S", "PROMAXS", "FLUKE43S", "DEMESTS", "HC6000S", "HOLYVISN", "PITIDO"}) {
            SoundCue player;
            QVERIFY2(player.open(QStringLiteral("SOND\\%1.WAV").arg(cue)), cue);
        }
        QVERIFY(boxes.isEmpty());
    }

    void aPlayedCueIsHeard()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server to listen to");
        SoundPaths::overrideSearchFolders({});
        SoundCue player;
        QVERIFY(player.open("SOND\\HOLYVISN.WAV"));
        const int first = SinkRecorder::peakDuring([&] { player.play(); });
        QVERIFY2(first > HeardPeak, qPrintable(QString::number(first)));
        // Once it has ended, playing it again rewinds it and it is heard again.
        QVERIFY(SinkRecorder::peakDuring([&] { player.play(); }) > HeardPeak);
    }

    // Two cues started together are mixed, not one written over the other: louder than one.
    void twoCuesTogetherAreLouderThanOne()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server to listen to");
        SoundCue first, second;
        QVERIFY(first.open("SOND\\TONE.WAV"));
        QVERIFY(second.open("SOND\\TONE.WAV"));
        const int alone = SinkRecorder::peakDuring([&] { first.play(); }, ToneMs + 300);
        const int together = SinkRecorder::peakDuring(
            [&] {
                first.play();
                second.play();
            },
            ToneMs + 300);
        QVERIFY2(alone > HeardPeak && together > alone * 3 / 2,
                 qPrintable(QStringLiteral("%1, %2").arg(alone).arg(together)));
    }

    void nothingIsHeardWithoutPlay()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server to listen to");
        SoundPaths::overrideSearchFolders({});
        SoundCue player;
        QVERIFY(player.open("SOND\\HOLYVISN.WAV"));
        QCOMPARE(SinkRecorder::peakDuring([] {}, 400), 0);
    }

    void destroyingThePlayerSilencesItsCueAtOnce()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server to listen to");
        SoundPaths::overrideSearchFolders({});
        auto* player = new SoundCue;
        QVERIFY(player->open("SOND\\FLUKE45S.WAV")); // about two and a half seconds
        player->play();
        QTest::qWait(400);
        delete player;
        QTest::qWait(150); // what was already on its way out of the buffer
        QCOMPARE(SinkRecorder::peakDuring([] {}, 600), 0);
    }

    // The first play after the output has opened afresh is heard whole: made at once,
    // while the output is still opening, it sounds as soon as the output flows; made after
    // the output has stood idle, it sounds at once.
    void theFirstPlayAfterAFreshStartIsHeardWhole_data()
    {
        QTest::addColumn<int>("idleMs");
        for (int start = 1; start <= 8; ++start)
            QTest::addRow("at once, start %d", start) << 0;
        for (int seconds : {1, 5, 30})
            QTest::addRow("after %d s idle", seconds) << seconds * 1000;
    }
    void theFirstPlayAfterAFreshStartIsHeardWhole()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server to listen to");
        QFETCH(int, idleMs);
        SinkListener& listener = SinkRecorder::listener();
        AudioOutput::shutdown(); // as at the end of a run: the next cue opens the output anew
        SoundCue player;
        QVERIFY(player.open("SOND\\TONE.WAV"));
        AudioOutput::prepare(); // as the program asks once its first window has painted
        QTest::qWait(idleMs);
        const std::int64_t played = SinkListener::now();
        player.play();
        QTest::qWait(1000 + ToneMs);
        listener.waitUntilRecorded(SinkListener::now());
        const auto sounds = listener.soundsBetween(played - 10 * Ms, SinkListener::now(), 1000, 2);
        QCOMPARE(int(sounds.size()), 1);
        const std::int64_t lengthMs = (sounds[0].endNs - sounds[0].startNs) / Ms;
        QVERIFY2(std::abs(lengthMs - ToneMs) <= 40, qPrintable(QString::number(lengthMs)));
        const std::int64_t delayMs = (sounds[0].startNs - played) / Ms;
        QVERIFY2(delayMs <= (idleMs > 0 ? 120 : 1000), qPrintable(QString::number(delayMs)));
    }

    // A steady level in any PCM format comes out at the output's rate and in stereo, at
    // the same level, in a buffer of exactly the sound's length (none over-allocated).
    void conversionKeepsTheLevelAndTheLength_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("level"); // 16-bit
        QTest::addColumn<int>("convertedFrames");
        QTest::addRow("22,050 Hz mono, as the cues") << 22050 << 1 << 16 << 2205 << -1000 << 4410;
        QTest::addRow("44,100 Hz stereo") << 44100 << 2 << 16 << 441 << 12345 << 441;
        QTest::addRow("11,025 Hz 8-bit") << 11025 << 1 << 8 << 1102 << 2560 << 4408;
        QTest::addRow("48,000 Hz 24-bit stereo") << 48000 << 2 << 24 << 480 << -300 << 441;
        QTest::addRow("four channels, mixed down") << 22050 << 4 << 16 << 100 << 700 << 200;
    }
    void conversionKeepsTheLevelAndTheLength()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(int, frames);
        QFETCH(int, level);
        QFETCH(int, convertedFrames);
        const int width = bits / 8;
        QByteArray sample(width, 0); // little-endian: the level in the top two bytes
        if (width == 1)
            sample[0] = char(128 + level / 256);
        else {
            sample[width - 2] = char(level & 0xff);
            sample[width - 1] = char((level >> 8) & 0xff);
        }
        const QByteArray data = sample.repeated(frames * channels);
        wav::Check wav;
        wav.sampleRate = std::uint32_t(rate);
        wav.channels = std::uint16_t(channels);
        wav.bitsPerSample = std::uint16_t(bits);
        wav.dataBytes = std::uint32_t(data.size());
        const auto converted =
            AudioOutput::convert(std::as_bytes(std::span(data.constData(), std::size_t(data.size()))), wav);
        QCOMPARE(converted->frames.size(), std::size_t(convertedFrames) * AudioOutput::Samples::Channels);
        QCOMPARE(converted->frames.capacity(), converted->frames.size());
        for (const std::int16_t value : converted->frames)
            QCOMPARE(int(value), level);
    }

    void stopSilencesTheCue()
    {
        if (!SinkRecorder::available())
            QSKIP("no audio server to listen to");
        SoundPaths::overrideSearchFolders({});
        SoundCue player;
        QVERIFY(player.open("SOND\\FLUKE45S.WAV"));
        player.play();
        QTest::qWait(400);
        player.stop();
        QTest::qWait(150);
        QCOMPARE(SinkRecorder::peakDuring([] {}, 600), 0);
    }
};

TRIVANE_AUDIO_TEST_MAIN(SoundCueTest)
#include "tst_sound_cue.moc"
