// The replay's clock: records come at their recorded times, scaled by the speed, each exactly
// once and in order, and a seek shows the chosen record at once.

#include "link/LiveReplay.h"

#include <QTest>

using namespace varko;

namespace {

// Records at 1000, 1300, 1600 ... ms: a log whose first frame came a second after it began.
LiveReplay replayOf(int count) {
    std::vector<LiveRecord> records(count);
    for (int i = 0; i < count; ++i) {
        records[i].timeMs = 1000 + 300 * i;
        records[i].data.rpm = std::uint16_t(i);
    }
    return LiveReplay(std::move(records));
}

// The rpm of each record handed over, which is its index.
QList<int> indexes(std::span<const LiveRecord> records) {
    QList<int> list;
    for (const LiveRecord& record : records)
        list << record.data.rpm;
    return list;
}

} // namespace

class TestLiveReplay : public QObject {
    Q_OBJECT
private slots:
    void pace_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QList<int>>("steps"); // wall milliseconds of each step
        QTest::addColumn<QList<QList<int>>>("handed");
        QTest::newRow("as recorded")
            << 1 << QList<int>{0, 299, 1, 600} << QList<QList<int>>{{0}, {}, {1}, {2, 3}};
        QTest::newRow("four times as fast")
            << 4 << QList<int>{0, 75, 150, 1000} << QList<QList<int>>{{0}, {1}, {2, 3}, {4, 5}};
        QTest::newRow("sixteen times: all at once")
            << 16 << QList<int>{0, 100} << QList<QList<int>>{{0}, {1, 2, 3, 4, 5}};
        QTest::newRow("a clock going back stands still")
            << 1 << QList<int>{0, -5000, 300} << QList<QList<int>>{{0}, {}, {1}};
    }
    void pace() {
        QFETCH(int, speed);
        QFETCH(QList<int>, steps);
        QFETCH(QList<QList<int>>, handed);
        LiveReplay replay = replayOf(6);
        replay.setSpeed(speed);
        for (int i = 0; i < steps.size(); ++i)
            QCOMPARE(indexes(replay.advance(steps[i])), handed[i]);
    }

    void seek() {
        LiveReplay replay = replayOf(6);
        replay.advance(0);
        replay.seek(4);
        QCOMPARE(indexes(replay.advance(0)), QList<int>{4});
        QCOMPARE(replay.playedMs(), 1200);
        replay.seek(1); // back
        QCOMPARE(indexes(replay.advance(300)), (QList<int>{1, 2}));
        replay.seek(99);
        QVERIFY(replay.atEnd());
        QVERIFY(replay.advance(1000).empty());
    }

    void emptyLog() {
        LiveReplay replay({});
        QVERIFY(replay.atEnd());
        QVERIFY(replay.advance(1000).empty());
        QCOMPARE(replay.playedMs(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLiveReplay)
#include "tst_live_replay.moc"
