#include "platform/VoiceMix.h"

#include <QTest>

#include <vector>

// The mixing step: cues sounding together are added, clipped at full scale.
class VoiceMixTest : public QObject {
    Q_OBJECT
    using Samples = QList<int>;

private slots:
    void voicesAreAddedAndClipped_data()
    {
        QTest::addColumn<Samples>("buffer");
        QTest::addColumn<Samples>("voice");
        QTest::addColumn<Samples>("mixed");
        QTest::addRow("into silence") << Samples{0, 0, 0} << Samples{100, -200, 300} << Samples{100, -200, 300};
        QTest::addRow("two cues") << Samples{1000, -1000, 500, 0} << Samples{2000, 3000, -500, -7}
                                  << Samples{3000, 2000, 0, -7};
        QTest::addRow("clipped") << Samples{30000, -30000, 32767, -32768} << Samples{5000, -5000, 1, -1}
                                 << Samples{32767, -32768, 32767, -32768};
        QTest::addRow("a shorter voice") << Samples{10, 10, 10} << Samples{5} << Samples{15, 10, 10};
        QTest::addRow("a longer voice") << Samples{10} << Samples{5, 5, 5} << Samples{15};
    }
    void voicesAreAddedAndClipped()
    {
        QFETCH(Samples, buffer);
        QFETCH(Samples, voice);
        QFETCH(Samples, mixed);
        std::vector<std::int16_t> into(buffer.begin(), buffer.end());
        mixVoice(into, std::vector<std::int16_t>(voice.begin(), voice.end()));
        QCOMPARE(Samples(into.begin(), into.end()), mixed);
    }
};

QTEST_APPLESS_MAIN(VoiceMixTest)
#include "tst_voice_mix.moc"
