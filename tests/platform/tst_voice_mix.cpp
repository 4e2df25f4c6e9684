#include "platform/VoiceMix.h"

#include <QTest>

#include <vector>

// The mixing step: cues sounding together are added, clipped at full scale.
class VoiceMixTest : public QObject
{
    Q_OBJECT

private slots:
    void voicesAreAddedAndClipped_data()
    {
        QTest::addColumn<QList<int>>("buffer");
        QTest::addColumn<QList<int>>("voice");
        QTest::addColumn<QList<int>>("mixed");
        QTest::addRow("into silence") << QList<int>{0, 0, 0} << QList<int>{100, -200, 300} << QList<int>{100, -200, 300};
        QTest::addRow("two cues add") << QList<int>{1000, -1000, 500, 0} << QList<int>{2000, 3000, -500, -7}
                                      << QList<int>{3000, 2000, 0, -7};
        QTest::addRow("clipped at full scale") << QList<int>{30000, -30000, 32767, -32768}
                                               << QList<int>{5000, -5000, 1, -1}
                                               << QList<int>{32767, -32768, 32767, -32768};
        QTest::addRow("a voice shorter than the buffer") << QList<int>{10, 10, 10} << QList<int>{5}
                                                         << QList<int>{15, 10, 10};
        QTest::addRow("a voice longer than the buffer") << QList<int>{10} << QList<int>{5, 5, 5} << QList<int>{15};
    }
    void voicesAreAddedAndClipped()
    {
        QFETCH(QList<int>, buffer);
        QFETCH(QList<int>, voice);
        QFETCH(QList<int>, mixed);
        std::vector<std::int16_t> into(buffer.begin(), buffer.end());
        const std::vector<std::int16_t> samples(voice.begin(), voice.end());
        mixVoice(into, samples);
        QCOMPARE(QList<int>(into.begin(), into.end()), mixed);
    }
};

QTEST_APPLESS_MAIN(VoiceMixTest)
#include "tst_voice_mix.moc"
