#include "platform/StreamFlowWatch.h"

#include <QTest>

// The mixer's count of the times its stream ran dry, from the moments of its requests.
class StreamFlowWatchTest : public QObject {
    Q_OBJECT

    static constexpr int Rate = 44100;
    static constexpr int Frames = 441; // 10 ms a request
    static constexpr double QueuedMs = 10;

private slots:
    void underrunsAreCountedWhenARequestComesTooLate_data()
    {
        // The milliseconds between one request and the next; each request asks for 10 ms.
        // A negative gap: the output opens a new stream there.
        QTest::addColumn<QList<double>>("gapsMs");
        QTest::addColumn<int>("underruns");
        QList<double> steady(300, 10.0);
        QTest::addRow("steady") << steady << 0;
        QTest::addRow("a stream slow to start") << (QList<double>{2000.0} + steady) << 0;
        QTest::addRow("a first fill held before playing") << (QList<double>{0.05, 0.05, 2000.0} + steady) << 0;
        QTest::addRow("a new stream, held before playing")
            << (steady + QList<double>{-1.0, 3000.0, 0.05, 0.05, 2000.0} + steady) << 0;
        QList<double> bursts;
        for (int i = 0; i < 100; ++i)
            bursts << 0.1 << 19.9; // the service asks for two at once, all it queues
        QTest::addRow("requests in bursts") << bursts << 0;
        QTest::addRow("one late, within the queue") << (steady + QList<double>{18.0} + steady) << 0;
        QTest::addRow("one late, past the queue") << (steady + QList<double>{25.0} + steady) << 1;
        QTest::addRow("late twice") << (steady + QList<double>{40.0} + steady + QList<double>{60.0} + steady) << 2;
        QList<double> drifting(3000, 10.005); // a listener's clock slower by 0.05 %
        QTest::addRow("a slow listener's clock") << drifting << 0;
    }

    void underrunsAreCountedWhenARequestComesTooLate()
    {
        QFETCH(QList<double>, gapsMs);
        QFETCH(int, underruns);
        StreamFlowWatch watch(Rate, QueuedMs);
        double nowMs = 1000;
        watch.requested(Frames, std::int64_t(nowMs * 1e6));
        QList<std::int64_t> lateMoments;
        for (double gap : gapsMs) {
            if (gap < 0) {
                watch.newStream();
                continue;
            }
            nowMs += gap;
            if (gap > 10 + QueuedMs)
                lateMoments << std::int64_t(nowMs * 1e6);
            watch.requested(Frames, std::int64_t(nowMs * 1e6));
        }
        QCOMPARE(int(watch.underruns()), underruns);
        if (underruns > 0) {
            const std::vector<std::int64_t> moments = watch.underrunMoments();
            QCOMPARE(QList<std::int64_t>(moments.begin(), moments.end()), lateMoments);
        }
    }
};

QTEST_APPLESS_MAIN(StreamFlowWatchTest)
#include "tst_stream_flow_watch.moc"
