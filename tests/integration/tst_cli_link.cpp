// varko-cli's read, program and verify against varko-sim: exit status and texts as scripts
// see them.

#include "CliProcess.h"
#include "CodeNames.h"
#include "ScopedConfigDir.h"
#include "SimulatorProcess.h"
#include "storage/ConfigPaths.h"
#include "storage/History.h"
#include "storage/ParamFile.h"

#include <QTest>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// The terminal's exclusive-open flag as the kernel keeps it; -1 when it cannot be read.
int exclusiveFlag(const QString& terminal) {
    const int fd = ::open(terminal.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    int flag = -1;
    if (fd >= 0 && ioctl(fd, TIOCGEXCL, &flag) != 0)
        flag = -1;
    if (fd >= 0)
        ::close(fd);
    return flag;
}

} // namespace

class TestCliLink : public QObject {
    Q_OBJECT
private slots:
    void init() { config_ = std::make_unique<ScopedConfigDir>(); }
    void cleanup() { config_.reset(); }

    void readProgramVerify() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort));
        const QString file = config_->path() + "/unit.ign";
        CliRun run = runCli({"read", "--port", simulatorPortName(), "-o", file});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString("Verify:: OK\n"));

        run = runCli({"program", "--port", simulatorPortName().toLower(), file});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString("Verify:: OK\n"));

        QVERIFY(varko::History(varko::historyDir()).entries().isEmpty()); // no backup asked for
        QCOMPARE(runCli({"verify", "--port", simulatorPortName(), file}).status, 0);
        const QString linkPath = simulatorPortLink(config_->path());
        run = runCli({"verify", "--port", QFileInfo(linkPath).symLinkTarget(), file});
        QCOMPARE(run.status, 0); // a device path works as well
        QVERIFY(simulator.stop());
    }

    void failures_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("version 74") << QStringList{"--protocol-version", "74"} << "read"
                                    << "Unmatched version of PC and Ignition programs!  PC-75, "
                                       "IGN-74\n";
        QTest::newRow("reading refused") << QStringList{"--refuse-reading"} << "read"
                                         << "No reading!\n";
        QTest::newRow("echo never matches") << QStringList{"--flip-echo"} << "program"
                                            << "Program error!\n";
        QTest::newRow("silent unit") << QStringList{"--silent"} << "verify"
                                     << "No connection with PC\n";
        QTest::newRow("silent unit, read") << QStringList{"--silent"} << "read"
                                           << "No connection with PC\n";
        QTest::newRow("verify against version 74")
            << QStringList{"--protocol-version", "74"} << "verify"
            << "Unmatched version of PC and Ignition programs!  PC-75, IGN-74\n";
        // The throttle's 0 % calibration (offset 20) is brought down to 250 after the read, so
        // the verify of what was read finds the unit's 255.
        QTest::newRow("unit's set out of range")
            << QStringList{"--set-byte", "20=255"} << "read"
            << "Verify error!\nThe unit's parameter set changed when brought into range (offset: "
               "unit -> now): 20: 255 -> 250\n";
    }
    void failures() {
        QFETCH(QStringList, faults);
        QFETCH(QString, command);
        SimulatorProcess good;
        QVERIFY(good.start(kSimulatorPort));
        const QString file = config_->path() + "/unit.ign";
        QCOMPARE(runCli({"read", "--port", simulatorPortName(), "-o", file}).status, 0);
        QVERIFY(good.stop());

        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, faults));
        const QStringList fileWords =
            command == "read" ? QStringList{"-o", config_->path() + "/out.ign"} : QStringList{file};
        const CliRun run = runCli(QStringList{command, "--port", simulatorPortName()} + fileWords);
        QCOMPARE(run.status, 1);
        QTEST(run.err, "message");
        QVERIFY(!QFile::exists(config_->path() + "/out.ign"));
        QVERIFY(simulator.stop());
    }

    // The transfer starts at the first tick after the port opens: the unit sees no live-data
    // request before it, except that a verify first learns the unit's version from live data.
    void transferStartsAtOnce_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("requests");
        QTest::newRow("read") << "read" << QStringList{"0x40", "0x41", "0x42", "0x41", "0x42"};
        QTest::newRow("program") << "program"
                                 << QStringList{"0x00", "0x01", "0x02", "0x41", "0x42"};
        QTest::newRow("verify") << "verify" << QStringList{"0x30", "0x41", "0x42"};
    }
    void transferStartsAtOnce() {
        QFETCH(QString, command);
        const QString file = config_->path() + "/preset.ign";
        QCOMPARE(runCli({"preset", "20", "-o", file}).status, 0);
        SimulatorProcess simulator;
        QVERIFY(simulator.start(4, {"--log-requests"}));
        const QStringList fileWords =
            command == "read" ? QStringList{"-o", config_->path() + "/out.ign"} : QStringList{file};
        const CliRun run = runCli(QStringList{command, "--port", "COM4"} + fileWords);
        QCOMPARE(run.out, QString("Verify:: OK\n"));
        QTEST(simulator.requests(), "requests");
        QVERIFY(simulator.stop());
    }

    // The unit's set as it was goes into the history before the program overwrites it.
    void programWithBackup() {
        const QString file = config_->path() + "/preset.ign";
        QCOMPARE(runCli({"preset", "20", "-o", file}).status, 0);
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--log-requests"}));
        const QString before = config_->path() + "/before.ign";
        QCOMPARE(runCli({"read", "--port", simulatorPortName(), "-o", before}).status, 0);

        const CliRun run = runCli(
            {"program", "--backup", "--port", simulatorPortName(), "preset.ign"}, config_->path());
        QCOMPARE(run.status, 0);
        const varko::History history(varko::historyDir());
        const QList<varko::HistoryEntry> entries = history.entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].event, varko::HistoryEvent::BeforeProgramming);
        QCOMPARE(entries[0].unit.name, "SIM01");
        QCOMPARE(entries[0].openFile, file);
        QCOMPARE(run.out, "Backup: " + history.filePath(entries[0]) + "\nVerify:: OK\n");
        varko::ParamImage backedUp, read;
        std::uint8_t version = 0;
        QVERIFY(varko::loadParamFile(history.filePath(entries[0]), backedUp, version));
        QVERIFY(varko::loadParamFile(before, read, version));
        QCOMPARE(backedUp, read);
        const QStringList requests = simulator.requests();
        QCOMPARE(requests.mid(requests.size() - 8),
                 (QStringList{"0x40", "0x41", "0x42", "0x00", "0x01", "0x02", "0x41", "0x42"}));
        QVERIFY(simulator.stop());
    }

    void failedBackupProgramsNothing_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<bool>("historyBlocked");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("requests");
        const QString noBackup = "varko-cli: no backup of the unit's set, nothing programmed\n";
        QTest::newRow("reading refused") << QStringList{"--refuse-reading"} << false
                                         << "No reading!\n" + noBackup << QStringList{"0x40"};
        QTest::newRow("version 74")
            << QStringList{"--protocol-version", "74"} << false
            << "Unmatched version of PC and Ignition programs!  PC-75, IGN-74\n" + noBackup
            << QStringList{"0x40"};
        QTest::newRow("history cannot keep it")
            << QStringList{} << true << QString() << QStringList{"0x40", "0x41", "0x42"};
    }
    void failedBackupProgramsNothing() {
        QFETCH(QStringList, faults);
        QFETCH(bool, historyBlocked);
        QFETCH(QString, message);
        const QString file = config_->path() + "/preset.ign";
        QCOMPARE(runCli({"preset", "20", "-o", file}).status, 0);
        if (historyBlocked) { // a file where the folder would be
            QVERIFY(QDir().mkpath(QFileInfo(varko::historyDir()).path()));
            QFile blocker(varko::historyDir());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            message = "varko-cli: cannot keep the backup in " + varko::historyDir() +
                      ", nothing programmed\n";
        }
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, QStringList{"--log-requests"} + faults));
        const CliRun run = runCli({"program", "--port", simulatorPortName(), "--backup", file});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, message);
        QCOMPARE(run.out, QString());
        QTEST(simulator.requests(), "requests");
        QVERIFY(simulator.stop());
    }

    // A client killed while it holds the line leaves the terminal's exclusive flag behind; the
    // simulator clears it once the client's lock is gone, so the next client (not root) gets in.
    void killedClientLeavesTheLineFree() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(7));
        QProcess client;
        client.start(QStringLiteral(VARKO_BINARY_DIR "/src/varko-cli"),
                     {"monitor", "--port", "COM7"});
        QVERIFY(
            QTest::qWaitFor([&] { return client.readAllStandardOutput().contains('\n'); }, 5000));
        const QString terminal = QFileInfo(config_->path() + "/varko/ports/COM7").symLinkTarget();
        QCOMPARE(exclusiveFlag(terminal), 1); // the client holds the line
        client.kill();
        client.waitForFinished(5000);
        QVERIFY(simulator.waitForLine("client gone, line released"));
        QCOMPARE(exclusiveFlag(terminal), 0);
        QCOMPARE(runCli({"monitor", "--port", "COM7", "--frames", "1"}).status, 0);
        QVERIFY(simulator.stop());
    }

    void verifyOfAnotherImageNamesTheDifferences() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort));
        const QString file = config_->path() + "/preset.ign";
        // Another model's preset differs from what the simulated unit holds.
        QCOMPARE(runCli({"preset", QString::number(BikeCode::classic), "-o", file}).status, 0);
        const CliRun run = runCli({"verify", "--port", simulatorPortName(), file});
        QCOMPARE(run.status, 1);
        // After the message, the bytes that differ, as diff lists them between the file and
        // what the unit holds.
        const QString unitFile = config_->path() + "/unit.ign";
        QCOMPARE(runCli({"read", "--port", simulatorPortName(), "-o", unitFile}).status, 0);
        const CliRun diff = runCli({"diff", file, unitFile});
        QVERIFY2(diff.out.startsWith(QString("0\tbike\t%1\t").arg(BikeCode::classic)),
                 qPrintable(diff.out));
        QCOMPARE(run.err, "Verify error!\n" + diff.out);
        QVERIFY(simulator.stop());
    }

    // A unit that refuses reading still answers a verify; its set cannot be read to name the
    // differences, so none are named.
    void verifyOfAnUnreadableUnitNamesNoDifferences() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--refuse-reading"}));
        const QString file = config_->path() + "/preset.ign";
        QCOMPARE(runCli({"preset", QString::number(BikeCode::classic), "-o", file}).status, 0);
        const CliRun run = runCli({"verify", "--port", simulatorPortName(), file});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QString("Verify error!\n"));
        QVERIFY(simulator.stop());
    }

private:
    std::unique_ptr<ScopedConfigDir> config_;
};

QTEST_GUILESS_MAIN(TestCliLink)
#include "tst_cli_link.moc"
