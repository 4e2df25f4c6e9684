#include "WavBytes.h"
#include "platform/WavCheck.h"

#include <QTest>

#include <cstring>

Q_DECLARE_METATYPE(wav::Problem)

namespace {
wav::Check checkBytes(const QByteArray& bytes)
{
    return wav::check(std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
}
} // namespace

class WavCheckTest : public QObject {
    Q_OBJECT
private slots:
    // The check reads the chunks' headers and the format, never the sound itself.
    void readsOnlyTheHeaders()
    {
        WavBytes big;
        big.samples = 2'000'000;
        big.extraChunk = QByteArray("LIST") + WavBytes::le32(4) + "abcd";
        const QByteArray bytes = big.build();
        qint64 read = 0;
        const wav::Check check = wav::check(
            [&](std::uint64_t offset, std::span<std::byte> into) {
                read += qint64(into.size());
                std::memcpy(into.data(), bytes.constData() + offset, into.size());
                return true;
            },
            std::uint64_t(bytes.size()));
        QVERIFY(check.ok());
        QCOMPARE(check.dataBytes, 4'000'000u);
        QCOMPARE(bytes.mid(qsizetype(check.dataOffset) - 8, 4), QByteArray("data"));
        QVERIFY2(read <= 12 + 3 * 8 + 16, qPrintable(QString::number(read)));
    }

    void verdicts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<wav::Problem>("problem");

        const auto with = [](auto change) {
            WavBytes w;
            change(w);
            return w.build();
        };
        QTest::addRow("good mono 16-bit") << WavBytes{}.build() << wav::Problem::None;
        QTest::addRow("good stereo 8-bit") << with([](WavBytes& w) {
            w.channels = 2;
            w.bits = 8;
        }) << wav::Problem::None;
        QTest::addRow("odd chunk padded before data")
            << with([](WavBytes& w) { w.extraChunk = QByteArray("LIST") + WavBytes::le32(3) + "abc" + '\0'; })
            << wav::Problem::None;
        QTest::addRow("trailing bytes after the RIFF chunk") << WavBytes{}.build() + "junk" << wav::Problem::None;
        QTest::addRow("empty") << QByteArray() << wav::Problem::Empty;
        QTest::addRow("text") << QByteArray("Hola, esto no es un sonido.") << wav::Problem::NotRiffWave;
        QTest::addRow("RIFF but not WAVE") << QByteArray("RIFF\x04\0\0\0AVI ", 12) << wav::Problem::NotRiffWave;
        QTest::addRow("truncated header") << QByteArray("RIFF\x04\0\0", 7) << wav::Problem::NotRiffWave;
        QTest::addRow("RIFF size beyond the file")
            << with([](WavBytes& w) { w.riffSizeDelta = 1; }) << wav::Problem::ChunkOutsideFile;
        QTest::addRow("data size beyond the file")
            << with([](WavBytes& w) { w.dataSizeDelta = 2; }) << wav::Problem::ChunkOutsideFile;
        QTest::addRow("huge chunk size") << with([](WavBytes& w) { w.dataSizeDelta = 0x7fffffff; })
                                         << wav::Problem::ChunkOutsideFile;
        QTest::addRow("cut in the middle of the data")
            << WavBytes{}.build().chopped(100) << wav::Problem::ChunkOutsideFile;
        QTest::addRow("no fmt chunk") << with([](WavBytes& w) { w.withFormat = false; }) << wav::Problem::NoFormat;
        QTest::addRow("data before fmt") << with([](WavBytes& w) { w.dataBeforeFormat = true; })
                                         << wav::Problem::NoFormat;
        QTest::addRow("compressed") << with([](WavBytes& w) { w.format = 2; }) << wav::Problem::NotPcm;
        QTest::addRow("extensible PCM") << with([](WavBytes& w) { w.subFormat = WavBytes::pcmSubFormat(); })
                                        << wav::Problem::None;
        QTest::addRow("extensible float")
            << with([](WavBytes& w) { w.subFormat = WavBytes::floatSubFormat(); }) << wav::Problem::NotPcm;
        // PCM's GUID with its last byte changed: the whole GUID counts, not its first field.
        QTest::addRow("extensible, another sub-format") << with([](WavBytes& w) {
            w.subFormat = WavBytes::pcmSubFormat();
            w.subFormat[15] = 0x72;
        }) << wav::Problem::NotPcm;
        QTest::addRow("extensible without its sub-format") << with([](WavBytes& w) {
            w.subFormat = WavBytes::pcmSubFormat();
            w.extensionSize = 0;
        }) << wav::Problem::BadFormat;
        QTest::addRow("extensible tag in a 16-byte format")
            << with([](WavBytes& w) { w.format = 0xFFFE; }) << wav::Problem::BadFormat;
        QTest::addRow("zero channels") << with([](WavBytes& w) { w.channels = 0; }) << wav::Problem::BadFormat;
        QTest::addRow("12-bit samples") << with([](WavBytes& w) { w.bits = 12; }) << wav::Problem::BadFormat;
        QTest::addRow("zero rate") << with([](WavBytes& w) { w.rate = 0; }) << wav::Problem::BadFormat;
        QTest::addRow("no data chunk") << with([](WavBytes& w) { w.withData = false; }) << wav::Problem::NoData;
    }

    void verdicts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(wav::Problem, problem);
        QCOMPARE(checkBytes(bytes).problem, problem);
    }

    void durationOfAGoodFile()
    {
        WavBytes w;
        w.samples = 11025; // half a second at 22050 Hz
        QCOMPARE(checkBytes(w.build()).durationMs(), 500);
        w.format = 3;
        QCOMPARE(checkBytes(w.build()).durationMs(), 0);
    }

    void everyPrefixOfAGoodFileIsJudgedSafely()
    {
        const QByteArray good = WavBytes{}.build();
        for (qsizetype n = 0; n < good.size(); ++n)
            QVERIFY(!checkBytes(good.first(n)).ok());
    }
};

QTEST_APPLESS_MAIN(WavCheckTest)
#include "tst_wavcheck.moc"
