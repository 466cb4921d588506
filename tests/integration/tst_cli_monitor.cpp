// varko-cli monitor: its CSV as a script reads it, against varko-sim on a pseudo-terminal.

#include "CliProcess.h"
#include "ScopedConfigDir.h"
#include "SimulatorProcess.h"

#include <QTest>

namespace {

const QString kHeader = "rpm,tps_percent,tps_mv,supply_mv,advance1,advance2,advance3,advance4,"
                        "pickup1,pickup2,kill_switch,clutch_master,shift_light,motor_off,"
                        "servo_desired_mv,servo_measured_mv,program_count,saving_count,"
                        "data_error,protocol_version,pickup_error";

} // namespace

class TestCliMonitor : public QObject {
    Q_OBJECT
private slots:
    void init() { config_ = std::make_unique<ScopedConfigDir>(); }
    void cleanup() { config_.reset(); }

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
            QCOMPARE(fields.size(), 21);
            QCOMPARE(fields[0], "3000");
            QCOMPARE(fields[1], "45");
            QCOMPARE(fields[8], "1"); // pick-up 1 runs
            QCOMPARE(fields[18], "1");
            QCOMPARE(fields[19], "74");
            QCOMPARE(fields[20], "0");
        }
        QVERIFY(simulator.stop());
    }

    // --timestamps puts time_ms before the very columns and values the plain output has.
    void timestamps() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "3000", "--throttle", "45"}));
        const CliRun run =
            runCli({"monitor", "--port", simulatorPortName(), "--frames", "4", "--timestamps"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], "time_ms," + kHeader);
        qint64 previous = -1;
        for (int i = 1; i < 5; ++i) {
            const QStringList fields = lines[i].split(',');
            QCOMPARE(fields.size(), 22);
            bool ok = false;
            const qint64 time = fields[0].toLongLong(&ok);
            QVERIFY(ok);
            QVERIFY2(time > previous, qPrintable(lines[i]));
            previous = time;
            QCOMPARE(fields[1], "3000");
            QCOMPARE(fields[2], "45");
        }
        QVERIFY(simulator.stop());
    }

    // The unit's pick-up counts judged against the set: the simulator counts lobes without a
    // revolution, an error for any set that expects at least one revolution.
    void pickupError_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("expected");
        QTest::newRow("counts fine") << QStringList{} << "0";
        QTest::newRow("pick-up error") << QStringList{"--pickup-error"} << "1";
    }
    void pickupError() {
        QFETCH(QStringList, faults);
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, faults));
        const CliRun run = runCli({"monitor", "--port", simulatorPortName(), "--frames", "2"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QFETCH(QString, expected);
        QCOMPARE(lines[1].split(',').last(), expected);
        QCOMPARE(lines[2].split(',').last(), expected);
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
