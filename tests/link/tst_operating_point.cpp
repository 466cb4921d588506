// The live operating point: nearest breakpoints of speed and throttle, and the marked controls.

#include "link/OperatingPoint.h"

#include <QTest>
#include <algorithm>

using namespace varko;

namespace {

// Speed breakpoints 1000, 2000, ... 10000 rpm for the map and the servo curve.
ParamImage testImage() {
    ParamImage image;
    for (int i = 0; i < kBreakpoints; ++i) {
        image.rpmAdv(i) = std::uint8_t(10 * (i + 1));
        image.servoRpm(i) = std::uint8_t(10 * (i + 1));
    }
    return image;
}

OperatingPoint pointAt(int rpm, int tpsPercent, bool tpsRowsInUse) {
    LiveValues live;
    live.liveRpm = std::uint16_t(rpm);
    live.liveTpsPercent = std::uint8_t(tpsPercent);
    return findOperatingPoint(live, testImage(), tpsRowsInUse);
}

} // namespace

class TestOperatingPoint : public QObject {
    Q_OBJECT
private slots:
    void speedColumn_data() {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<bool>("below");
        QTest::addColumn<int>("column");
        QTest::newRow("stopped") << 0 << true << 0;
        QTest::newRow("900") << 900 << true << 0;
        QTest::newRow("1000") << 1000 << false << 0;
        QTest::newRow("1500, the midpoint goes down") << 1500 << false << 0;
        QTest::newRow("1600") << 1600 << false << 1;
        QTest::newRow("1599, whole hundreds") << 1599 << false << 0;
        QTest::newRow("10000") << 10000 << false << 9;
        QTest::newRow("12000") << 12000 << false << 9;
        QTest::newRow("25500") << 25500 << false << 9;
        QTest::newRow("25600 does not wrap") << 25600 << false << 9;
        QTest::newRow("26000 does not wrap") << 26000 << false << 9;
        QTest::newRow("65535") << 65535 << false << 9;
    }
    void speedColumn() {
        QFETCH(int, rpm);
        const OperatingPoint point = pointAt(rpm, 0, false);
        QTEST(point.opBelowMap, "below");
        QTEST(point.opColumn, "column");
        // The servo curve has the same breakpoints but no "below": it marks point 0 there.
        QTEST(point.opServoPoint, "column");
    }

    void throttleRow_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("rowsInUse");
        QTest::addColumn<int>("row");
        QTest::newRow("0 %") << 0 << true << 0;
        QTest::newRow("1 %") << 1 << true << 0;
        QTest::newRow("2 %") << 2 << true << 1;
        QTest::newRow("3 %") << 3 << true << 1;
        QTest::newRow("4 %") << 4 << true << 2;
        QTest::newRow("50 %, the midpoint goes down") << 50 << true << 6;
        QTest::newRow("95 %") << 95 << true << 9;
        QTest::newRow("sensor error") << 255 << true << 9;
        QTest::newRow("rows not in use") << 30 << false << 9;
    }
    void throttleRow() {
        QFETCH(int, percent);
        QFETCH(bool, rowsInUse);
        QTEST(pointAt(5000, percent, rowsInUse).opRow, "row");
    }

    void nearestBreakpointOfUnsortedTable() {
        // A table that is not increasing stops the scan at the first breakpoint above the value.
        const std::array<std::uint8_t, kBreakpoints> table = {10, 50, 20, 30, 40,
                                                              60, 70, 80, 90, 100};
        QCOMPARE(nearestBreakpoint(25, table), 0);
        QCOMPARE(nearestBreakpoint(5, table), -1);
    }

    void marks_data() {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("greenCells");
        QTest::newRow("in the map") << 3000 << 1;
        QTest::newRow("below the map") << 500 << 0;
        QTest::newRow("above the map") << 30000 << 1;
    }
    void marks() {
        QFETCH(int, rpm);
        QFETCH(int, greenCells);
        const OperatingPoint point = pointAt(rpm, 20, true);
        const OperatingMarks marks = marksOf(point);
        const auto count = [](const auto& flags) { return std::ranges::count(flags, true); };
        QCOMPARE(count(marks.map), greenCells);
        QCOMPARE(count(marks.rpmAdv), greenCells);
        QCOMPARE(count(marks.tpsRow), 1);
        QCOMPARE(count(marks.servoPoints), 1);
        QVERIFY(marks.tpsRow[point.opRow]);
        QVERIFY(marks.servoPoints[point.opServoPoint]);
        if (greenCells == 1) {
            QVERIFY(marks.map[10 * point.opRow + point.opColumn]);
            QVERIFY(marks.rpmAdv[point.opColumn]);
        }
    }

    void beforeTheFirstFrame() {
        // All live values 0: below the map, servo point 0, row 9 while the rows are off.
        const OperatingPoint point = findOperatingPoint(LiveValues{}, testImage(), false);
        QCOMPARE(point, OperatingPoint{});
        QVERIFY(point.opBelowMap);
        QCOMPARE(point.opRow, 9);
    }
};

QTEST_GUILESS_MAIN(TestOperatingPoint)
#include "tst_operating_point.moc"
