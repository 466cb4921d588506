// The simulator's live data as the PC decodes them: a running engine through the map, the
// options that hold it steady or report faults, and the same frames for the same seed.

#include "SimulatedUnit.h"
#include "link/LiveMonitor.h"
#include "link/OperatingPoint.h"

#include <QTest>
#include <set>

using namespace varko;
using namespace varko::sim;

namespace {

LinkFrame ask(SimulatedUnit& unit) {
    return unit.answer(buildIdleFrame()).value_or(LinkFrame{});
}

LiveOptions seededOptions(std::uint32_t seed) {
    LiveOptions options;
    options.seed = seed;
    return options;
}

LiveOptions steadyOptions(int rpm, int throttle) {
    LiveOptions options;
    options.steadyRpm = rpm;
    options.steadyThrottle = throttle;
    return options;
}

DecodedMonitor askAndDecode(SimulatedUnit& unit) {
    return decodeMonitorFrame(ask(unit), unit.store(), Language::English)
        .value_or(DecodedMonitor{});
}

} // namespace

class TestSimulatedEngine : public QObject {
    Q_OBJECT
private slots:
    void cycleRunsThroughTheMap() {
        SimulatedUnit unit({}, seededOptions(7));
        unit.store() = SimulatedUnit::factoryImage();
        unit.store().throttleMap() = 1;
        std::set<int> columns, rows;
        int lowest = 65535, highest = 0;
        for (int i = 0; i < 2 * EngineModel::kCycleSteps; ++i) {
            const DecodedMonitor live = askAndDecode(unit);
            lowest = std::min<int>(lowest, live.values.liveRpm);
            highest = std::max<int>(highest, live.values.liveRpm);
            const OperatingPoint point = findOperatingPoint(live.values, unit.store(), true);
            if (!point.opBelowMap)
                columns.insert(point.opColumn);
            rows.insert(point.opRow);
        }
        QVERIFY2(lowest < 1500, qPrintable(QString::number(lowest)));
        QVERIFY2(highest > 10000, qPrintable(QString::number(highest)));
        QVERIFY(columns.size() >= 8);
        QVERIFY(rows.contains(0) && rows.contains(9));
    }

    void sameSeedSameFrames() {
        SimulatedUnit first({}, seededOptions(42));
        SimulatedUnit second({}, seededOptions(42));
        SimulatedUnit other({}, seededOptions(43));
        bool differs = false;
        for (int i = 0; i < 20; ++i) {
            const LinkFrame frame = ask(first);
            QCOMPARE(ask(second), frame);
            differs = differs || ask(other) != frame;
        }
        QVERIFY(differs);
    }

    void advanceComesFromTheProgrammedMap() {
        SimulatedUnit unit({}, steadyOptions(4000, 100));
        ParamImage& map = unit.store();
        map = SimulatedUnit::factoryImage();
        map.throttleMap() = 0;
        map.channelCount() = 2;
        for (int c = 0; c < kBreakpoints; ++c) {
            map.rpmAdv(c) = std::uint8_t(10 * (c + 1));
            map.advance(9, c) = std::uint8_t(20 + c);
        }
        const MonitorData live = parseMonitorFrame(ask(unit));
        QCOMPARE(live.rpm, 4000);
        QCOMPARE(live.tpsPercent, 100);
        // 4000 rpm is column 3 of row 9; unused channels report 0 degrees.
        QCOMPARE(live.channelAdvance, (std::array<std::uint8_t, 4>{123, 123, 100, 100}));
    }

    void faultsOnRequest() {
        UnitFaults faults;
        faults.liveProtocolVersion = 74;
        faults.dataError = true;
        LiveOptions live = steadyOptions(3000, 20);
        live.pickupError = true;
        live.throttleSensorError = true;
        SimulatedUnit unit(faults, live);
        unit.store() = SimulatedUnit::factoryImage();
        const LiveDisplay display = askAndDecode(unit).display;
        QVERIFY(display.advance[0].text.startsWith("Pick up system error"));
        QVERIFY(display.tps.text.startsWith("TP=error"));
        QVERIFY(display.dataErrorVisible);
        QVERIFY(display.versionText.endsWith("PC-75, IGN-74"));
        // Only live data speak the other version: the information record still says 75.
        const LinkFrame info =
            unit.answer(buildBlockFrame(Command::readBlock0, TransferMode::Read, unit.store()))
                .value_or(LinkFrame{});
        QCOMPARE(info.bytes[1 + 10], kProtocolVersion);
    }

    // The saving countdown runs with the unit's clock from the store on, however often (or
    // rarely) the PC asks for live data meanwhile.
    void countersReachTheLiveData_data() {
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<int>("liveRequestsBetween");
        QTest::addColumn<int>("savingCount");
        QTest::newRow("at once") << 0 << 0 << 414;
        QTest::newRow("one request period") << 330 << 0 << 368;
        QTest::newRow("same time, many requests") << 330 << 20 << 368;
        QTest::newRow("half-way") << 1485 << 1 << 207;
        QTest::newRow("done") << 2970 << 0 << 0;
        QTest::newRow("long after") << 60000 << 0 << 0;
    }
    void countersReachTheLiveData() {
        QFETCH(int, elapsedMs);
        QFETCH(int, liveRequestsBetween);
        std::int64_t now = 1000;
        SimulatedUnit unit({}, {}, [&now] { return now; });
        unit.store() = SimulatedUnit::factoryImage();
        QCOMPARE(parseMonitorFrame(ask(unit)).savingCount, 0); // nothing stored yet
        const ParamImage image = unit.store();
        unit.answer(buildBlockFrame(0x01, TransferMode::Program, image));
        unit.answer(buildBlockFrame(0x02, TransferMode::Program, image));
        for (int i = 0; i < liveRequestsBetween; ++i)
            ask(unit);
        now += elapsedMs;
        const MonitorData live = parseMonitorFrame(ask(unit));
        QCOMPARE(live.programCount, 1);
        QTEST(int(live.savingCount), "savingCount");
        QCOMPARE(live.protocolVersion, kProtocolVersion);
    }
};

QTEST_GUILESS_MAIN(TestSimulatedEngine)
#include "tst_simulated_engine.moc"
