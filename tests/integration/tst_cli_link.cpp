// varko-cli's read, program and verify against varko-sim: exit status and texts as scripts
// see them.

#include "CliProcess.h"
#include "CodeNames.h"
#include "ScopedConfigDir.h"
#include "SimulatorProcess.h"

#include <QTest>

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

    void verifyOfAnotherImageFails() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort));
        const QString file = config_->path() + "/preset.ign";
        // Another model's preset differs from what the simulated unit holds.
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
