// varko-cli monitor: its CSV as a script reads it, against varko-sim on a pseudo-terminal.

#include "CliProcess.h"
#include "ScopedConfigDir.h"
#include "SimulatorProcess.h"
#include "cli/MonitorSession.h"

#include <QTest>

using namespace varko;

namespace {

const QString kHeader = "rpm,tps_percent,tps_mv,supply_mv,advance1,advance2,advance3,advance4,"
                        "pickup1,pickup2,kill_switch,clutch_master,shift_light,motor_off,"
                        "servo_desired_mv,servo_measured_mv,program_count,saving_count,"
                        "data_error,protocol_version";

} // namespace

class TestCliMonitor : public QObject {
    Q_OBJECT
private slots:
    void init() { config_ = std::make_unique<ScopedConfigDir>(); }
    void cleanup() { config_.reset(); }

    void csvLine() {
        MonitorData d;
        d.rpm = 3000;
        d.tpsPercent = 45;
        d.tpsRaw = 430;
        d.supplyMillivolts = 13500;
        d.channelAdvance = {110, 100, 95, 130};
        d.pickupRunning = {7, 0};
        d.killSwitch = 2;
        d.shiftLight = 1;
        d.servoDesiredRaw = 800;
        d.servoMeasuredRaw = 528;
        d.programCount = 12;
        d.savingCount = 414;
        d.dataError = 9;
        d.protocolVersion = 74;
        QCOMPARE(cli::monitorCsvHeader(), kHeader);
        QCOMPARE(cli::monitorCsvLine(d),
                 QString("3000,45,2101,13500,10,0,-5,30,1,0,1,0,1,0,3910,2580,12,414,1,74"));
    }

    void framesFromTheSimulator() {
        SimulatorProcess simulator;
        QVERIFY(
            simulator.start(kSimulatorPort, {"--rpm", "3000", "--throttle", "45", "--data-error",
                                             "--live-version", "74", "--seed", "5"}));
        const CliRun run = runCli({"monitor", "--port", simulatorPortName(), "--frames", "3"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], kHeader);
        for (int i = 1; i < 4; ++i) {
            const QStringList fields = lines[i].split(',');
            QCOMPARE(fields.size(), 20);
            QCOMPARE(fields[0], "3000");
            QCOMPARE(fields[1], "45");
            QCOMPARE(fields[8], "1"); // pick-up 1 runs
            QCOMPARE(fields[18], "1");
            QCOMPARE(fields[19], "74");
        }
        QVERIFY(simulator.stop());
    }

    // 3 s without a live-data frame end the monitor, at the start or after frames came; the
    // rows already printed stay.
    void unitGoesSilent_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<int>("leastRows");
        QTest::newRow("silent from the start") << QStringList{"--silent"} << 0;
        QTest::newRow("vanishes after 4 frames") << QStringList{"--vanish-after", "4"} << 3;
    }
    void unitGoesSilent() {
        QFETCH(QStringList, faults);
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, faults));
        const CliRun run = runCli({"monitor", "--port", simulatorPortName(), "--frames", "100"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QString("No connection with PC\n"));
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), kHeader);
        QFETCH(int, leastRows);
        QVERIFY(lines.size() - 1 >= leastRows);
        simulator.stop();
    }

    void wrongFrames() {
        const CliRun run = runCli({"monitor", "--port", simulatorPortName(), "--frames", "none"});
        QCOMPARE(run.status, 2);
    }

private:
    std::unique_ptr<ScopedConfigDir> config_;
};

QTEST_GUILESS_MAIN(TestCliMonitor)
#include "tst_cli_monitor.moc"
