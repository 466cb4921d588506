// The live plot's data: samples from live readings, the ring they are kept in, the time window
// and its pause, the lines thinned to the plot's width, and the advance map as curves with the
// operating point on them.

#include "link/AdvanceCurves.h"
#include "link/LiveHistory.h"

#include <QTest>
#include <cmath>

using namespace varko;

namespace {

PlotSample sampleAt(qint64 timeMs, float rpm) {
    LiveReading reading;
    reading.rpm = int(rpm);
    reading.tpsPercent = 10;
    reading.supplyMillivolts = 13000;
    reading.advance[0] = 20;
    return plotSampleOf(timeMs, reading);
}

// Samples every step ms from 0 to lastMs, the speed counting up from 1 with each.
LiveHistory historyOf(qint64 lastMs, qint64 stepMs, int capacity = LiveHistory::kDefaultCapacity) {
    LiveHistory history(capacity);
    int n = 0;
    for (qint64 t = 0; t <= lastMs; t += stepMs)
        history.append(sampleAt(t, float(++n)));
    return history;
}

QList<qint64> timesOf(const SampleRing& ring) {
    QList<qint64> times;
    for (int i = 0; i < ring.size(); ++i)
        times << ring[i].timeMs;
    return times;
}

QList<double> valuesOf(const std::vector<TraceRun>& runs) {
    QList<double> values;
    for (const TraceRun& run : runs)
        for (const QPointF& point : run)
            values << point.y();
    return values;
}

// A map whose speed breakpoints run 1000..10000 rpm and whose cell (r, c) holds r + 2c degrees.
ParamImage curveImage() {
    ParamImage image;
    for (int c = 0; c < kBreakpoints; ++c) {
        image.rpmAdv(c) = std::uint8_t(10 * (c + 1));
        for (int r = 0; r < kBreakpoints; ++r)
            image.advance(r, c) = std::uint8_t(r + 2 * c);
    }
    return image;
}

} // namespace

class TestLiveHistory : public QObject {
    Q_OBJECT
private slots:
    void sampleOfAReading() {
        LiveReading reading;
        reading.rpm = 5400;
        reading.supplyMillivolts = 13250;
        reading.advance = {12, 14, std::nullopt, 16};
        reading.channels = 4;
        const PlotSample sample = plotSampleOf(77, reading);
        QCOMPARE(sample.timeMs, 77);
        QCOMPARE(sample.value(PlotSeries::Speed), 5400.0f);
        QVERIFY(std::isnan(sample.value(PlotSeries::Throttle))); // a sensor error: no value
        QCOMPARE(sample.value(PlotSeries::Advance2), 14.0f);
        QVERIFY(std::isnan(sample.value(PlotSeries::Advance3)));
        QCOMPARE(sample.value(PlotSeries::Advance4), 16.0f);
        QCOMPARE(sample.value(PlotSeries::Supply), 13.25f);
        // One label stands for all channels: the other three are not drawn.
        reading.channels = 1;
        QVERIFY(std::isnan(plotSampleOf(0, reading).value(PlotSeries::Advance2)));
    }

    void ringKeepsTheNewest() {
        const LiveHistory history = historyOf(900, 100, 4);
        QCOMPARE(timesOf(history.viewSamples()), (QList<qint64>{600, 700, 800, 900}));
        const SampleRing& ring = history.viewSamples();
        QCOMPARE(ring.firstAtOrAfter(650), 1);
        QCOMPARE(ring.firstAtOrAfter(0), 0);
        QCOMPARE(ring.firstAtOrAfter(901), 4);
        QCOMPARE(ring.nearest(749), 1);
        QCOMPARE(ring.nearest(750), 1); // halfway goes to the older one
        QCOMPARE(ring.nearest(5000), 3);
        QCOMPARE(SampleRing(4).nearest(0), -1);
    }

    void timeNeverRunsBackwards() {
        LiveHistory history;
        history.append(sampleAt(500, 1));
        history.append(sampleAt(200, 2));
        QCOMPARE(timesOf(history.viewSamples()), (QList<qint64>{500, 500}));
    }

    void windowLength_data() {
        QTest::addColumn<qint64>("asked");
        QTest::addColumn<qint64>("kept");
        QTest::newRow("default kept") << qint64(60'000) << qint64(60'000);
        QTest::newRow("shortest") << qint64(10'000) << qint64(10'000);
        QTest::newRow("below shortest") << qint64(9'999) << qint64(10'000);
        QTest::newRow("zero") << qint64(0) << qint64(10'000);
        QTest::newRow("negative") << qint64(-5) << qint64(10'000);
        QTest::newRow("longest") << qint64(600'000) << qint64(600'000);
        QTest::newRow("above longest") << qint64(3'600'000) << qint64(600'000);
    }
    void windowLength() {
        QFETCH(qint64, asked);
        QFETCH(qint64, kept);
        LiveHistory history = historyOf(700'000, 1000);
        QCOMPARE(LiveHistory().windowMs(), 60'000);
        history.setWindowMs(asked);
        QCOMPARE(history.windowMs(), kept);
        QCOMPARE(history.viewEndMs(), 700'000);
        QCOMPARE(history.viewStartMs(), 700'000 - kept);
    }

    // The view ends at the newest sample, so each frame moves it on.
    void viewScrollsWithTheSamples() {
        LiveHistory history = historyOf(60'000, 500);
        QCOMPARE(history.viewStartMs(), 0);
        history.append(sampleAt(61'000, 1));
        QCOMPARE(history.viewEndMs(), 61'000);
        QCOMPARE(history.viewStartMs(), 1'000);
        QCOMPARE(LiveHistory().viewEndMs(), 0);
    }

    void pauseKeepsTheViewAndTheData() {
        LiveHistory history = historyOf(30'000, 1000);
        history.setPaused(true);
        for (qint64 t = 31'000; t <= 40'000; t += 1000)
            history.append(sampleAt(t, 0));
        QCOMPARE(history.viewEndMs(), 30'000);
        QCOMPARE(history.viewSamples().size(), 31);
        // The window can be changed over what was kept while paused.
        history.setWindowMs(10'000);
        QCOMPARE(history.viewStartMs(), 20'000);
        history.setPaused(false);
        QCOMPARE(history.viewEndMs(), 40'000);
        QCOMPARE(history.viewSamples().size(), 41);
    }

    void laneAxes() {
        LiveHistory history;
        QCOMPARE(history.laneAxis(PlotLane::Throttle), (AxisRange{0, 100, 25}));
        QCOMPARE(history.laneAxis(PlotLane::Speed), (AxisRange{0, 1000, 500}));
        history.append(sampleAt(0, 11'800));
        QCOMPARE(history.laneAxis(PlotLane::Speed), (AxisRange{0, 15'000, 5'000}));
        // A speed that left the view no longer stretches the axis (the sample just before the
        // view still does: the line runs in from it).
        history.append(sampleAt(5'000, 2'000));
        history.append(sampleAt(70'000, 3'000));
        QCOMPARE(history.laneAxis(PlotLane::Speed).high, 3'000);
        const AxisRange supply = history.laneAxis(PlotLane::Supply);
        QVERIFY(supply.low <= 12.5 && supply.high >= 13.5 && supply.high - supply.low <= 4);
    }

    void traceOfFewSamplesKeepsThemAll() {
        const LiveHistory history = historyOf(10'000, 1000);
        const auto runs = traceOf(history.viewSamples(), PlotSeries::Speed, 2'000, 5'000, 300);
        // One sample either side of the view, so the line reaches its edges.
        QCOMPARE(valuesOf(runs), (QList<double>{2, 3, 4, 5, 6, 7}));
        QCOMPARE(runs.front().front(), QPointF(1'000, 2));
    }

    void traceIsThinnedToTheWidth() {
        LiveHistory history;
        // 1000 samples in 10 columns, a lone peak in the fourth.
        for (int i = 0; i < 1000; ++i)
            history.append(sampleAt(i, i == 345 ? 9000.0f : 100.0f + float(i % 7)));
        const auto runs = traceOf(history.viewSamples(), PlotSeries::Speed, 0, 1000, 10);
        QCOMPARE(runs.size(), std::size_t(1));
        QVERIFY(runs.front().size() <= 40);
        QVERIFY(valuesOf(runs).contains(9000.0));
        QVERIFY(valuesOf(runs).contains(100.0));
        for (std::size_t i = 1; i < runs.front().size(); ++i)
            QVERIFY(runs.front()[i].x() >= runs.front()[i - 1].x());
    }

    void traceBreaksAtGapsAndMissingValues() {
        LiveHistory history;
        history.append(sampleAt(0, 1));
        history.append(sampleAt(100, 2));
        history.append(sampleAt(100 + LiveHistory::kGapMs + 1, 3)); // the unit was silent
        LiveReading error;
        error.rpm = 4;
        history.append(plotSampleOf(1200, error)); // no throttle value
        history.append(sampleAt(1300, 5));
        const SampleRing& samples = history.viewSamples();
        QCOMPARE(traceOf(samples, PlotSeries::Speed, 0, 2000, 100).size(), std::size_t(2));
        const auto throttle = traceOf(samples, PlotSeries::Throttle, 0, 2000, 100);
        QCOMPARE(throttle.size(), std::size_t(3));
        QCOMPARE(throttle.back().size(), std::size_t(1));
        QVERIFY(traceOf(samples, PlotSeries::Speed, 500, 500, 100).empty());
        QVERIFY(traceOf(SampleRing(8), PlotSeries::Speed, 0, 1000, 100).empty());
    }

    void curvesPerRow_data() {
        QTest::addColumn<bool>("tpsRowsInUse");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("throttle rows in use") << true << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("one curve") << false << QList<int>{9};
    }
    void curvesPerRow() {
        QFETCH(bool, tpsRowsInUse);
        QFETCH(QList<int>, rows);
        const auto curves = advanceCurves(curveImage(), tpsRowsInUse);
        QList<int> got;
        for (const AdvanceCurve& curve : curves) {
            got << curve.row;
            QCOMPARE(curve.throttlePercent, int(kThrottleAxis[curve.row]));
            for (int c = 0; c < kBreakpoints; ++c)
                QCOMPARE(curve.points[c], QPointF(1000.0 * (c + 1), curve.row + 2 * c));
        }
        QCOMPARE(got, rows);
    }

    // Steps of (wall clock, log time or -1 for a live reading) and the axis times they get.
    void plotClock_data() {
        QTest::addColumn<QList<qint64>>("wall");
        QTest::addColumn<QList<qint64>>("log");
        QTest::addColumn<QList<qint64>>("axis");
        constexpr qint64 gap = LiveHistory::kGapMs + 1;
        QTest::newRow("live follows the clock")
            << QList<qint64>{100, 155, 210} << QList<qint64>{-1, -1, -1}
            << QList<qint64>{100, 155, 210};
        QTest::newRow("a 16x replay keeps the log's spacing")
            << QList<qint64>{500, 520, 540} << QList<qint64>{0, 330, 660}
            << QList<qint64>{500, 830, 1160};
        QTest::newRow("a seek back starts after a gap")
            << QList<qint64>{500, 520, 540, 560} << QList<qint64>{0, 330, 0, 330}
            << QList<qint64>{500, 830, 830 + gap, 1160 + gap};
        QTest::newRow("replay after live starts after a gap")
            << QList<qint64>{100, 200} << QList<qint64>{-1, 5000} << QList<qint64>{100, 100 + gap};
        QTest::newRow("live after a fast replay goes on after it")
            << QList<qint64>{0, 10, 20, 30} << QList<qint64>{0, 3000, -1, -1}
            << QList<qint64>{0, 3000, 3000 + gap, 3010 + gap};
    }
    void plotClock() {
        QFETCH(QList<qint64>, wall);
        QFETCH(QList<qint64>, log);
        QFETCH(QList<qint64>, axis);
        PlotClock clock;
        for (int i = 0; i < wall.size(); ++i) {
            const std::optional<qint64> logTime =
                log[i] < 0 ? std::nullopt : std::optional<qint64>(log[i]);
            QCOMPARE(clock.timeOf(wall[i], logTime), axis[i]);
        }
    }

    void curveFollowsAnEdit() {
        ParamImage image = curveImage();
        const auto before = advanceCurves(image, true);
        image.advance(3, 7) = 44;
        const auto after = advanceCurves(image, true);
        QCOMPARE(after[3].points[7], QPointF(8000, 44));
        QCOMPARE(after[3].points[6], before[3].points[6]);
        QCOMPARE(after[4], before[4]);
    }

    void operatingMark_data() {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("below");
        QTest::addColumn<QPointF>("mark");
        QTest::newRow("on a breakpoint") << 3000 << 2 << false << QPointF(3000, 2 + 4);
        QTest::newRow("between two") << 3500 << 2 << false << QPointF(3500, 2 + 5);
        QTest::newRow("first breakpoint") << 1000 << 0 << false << QPointF(1000, 0);
        QTest::newRow("above the map") << 14000 << 9 << false << QPointF(10000, 9 + 18);
    }
    void operatingMark() {
        QFETCH(int, rpm);
        QFETCH(int, row);
        QFETCH(bool, below);
        QFETCH(QPointF, mark);
        OperatingPoint point;
        point.opRow = row;
        point.opBelowMap = below;
        QCOMPARE(varko::operatingMark(curveImage(), point, rpm), std::optional<QPointF>(mark));
    }

    void noMarkBelowTheMap() {
        OperatingPoint point;
        point.opBelowMap = true;
        QCOMPARE(varko::operatingMark(curveImage(), point, 500), std::nullopt);
    }
};

QTEST_MAIN(TestLiveHistory)
#include "tst_live_history.moc"
