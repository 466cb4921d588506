// varko-cli monitor: its CSV as a script reads it, against varko-sim on a pseudo-terminal.

#include "CliProcess.h"
#include "FullFileSystem.h"
#include "PipeWithoutWriter.h"
#include "ScopedConfigDir.h"
#include "SimulatorProcess.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

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

    // Lines that cannot be written end the monitor at once with the reason and exit 1; on a full
    // disk the line the system took in part is taken back, so the file ends on a whole line. The
    // file already holds most of a page, and the disk has no other: the header still fits, the
    // first frame's line does not.
    void outputThatCannotBeWritten_data() {
        QTest::addColumn<bool>("fullDisk"); // or the full device
        QTest::newRow("full device") << false;
        QTest::newRow("full disk") << true;
    }
    void outputThatCannotBeWritten() {
        QFETCH(bool, fullDisk);
        FullFileSystem disk;
        if (!disk.problem().isEmpty())
            QFAIL(qPrintable(disk.problem()));
        const QByteArray header = ("time_ms," + kHeader + '\n').toUtf8();
        const QByteArray before(4096 - header.size() - 20, '#');
        CliOutputFiles files{"/dev/full", {}, false};
        if (fullDisk) {
            files = {disk.filePath("monitor.csv"), {}, true};
            QFile earlier(files.out);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            QCOMPARE(earlier.write(before), before.size());
            earlier.close();
            QVERIFY(disk.fill());
        }
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "3000"}));
        const CliRun run =
            runCli({"monitor", "--port", simulatorPortName(), "--timestamps"}, {}, files);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, "varko-cli: write error: No space left on device\n");
        if (fullDisk) {
            QFile written(files.out);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), before + header);
        }
        QVERIFY(simulator.stop());
    }

    // A reader that goes away (head -3): the write into its pipe fails as any write does, and
    // does not kill the program by SIGPIPE.
    void readerGoesAway() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "3000"}));
        QTemporaryDir dir;
        const QString pipe = dir.filePath("lines");
        QVERIFY(makePipeWithoutWriter(pipe));
        // Closed on exec: the monitor must not hold the reading end itself.
        const int reader =
            ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        QProcess monitor;
        monitor.setStandardOutputFile(pipe);
        monitor.start(QStringLiteral(VARKO_BINARY_DIR "/src/varko-cli"),
                      {"monitor", "--port", simulatorPortName()});
        QByteArray lines;
        const bool frameCame = QTest::qWaitFor(
            [&] {
                char buffer[4096];
                const ssize_t got = ::read(reader, buffer, sizeof buffer);
                lines.append(buffer, std::max<ssize_t>(got, 0));
                return lines.contains("\n3000,");
            },
            kCliTimeoutMs);
        ::close(reader);
        QVERIFY(frameCame);
        QVERIFY(monitor.waitForFinished(kCliTimeoutMs));
        QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(monitor.exitCode(), 1);
        QCOMPARE(monitor.readAllStandardError(), "varko-cli: write error: Broken pipe\n");
        QVERIFY(simulator.stop());
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
