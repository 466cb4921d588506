// Backup before programming end to end: the window on a unit simulated by varko-sim, which logs
// every request it receives, so what reached the unit's memory is known from the log.

#include "Controls.h"
#include "SimulatedUnit.h"
#include "SimulatorProcess.h"
#include "WindowFixture.h"
#include "app/WindowLink.h"
#include "storage/ConfigPaths.h"
#include "storage/FileIo.h"
#include "storage/History.h"
#include "storage/ParamFile.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

using namespace varko;

namespace {

constexpr int kWaitMs = 15000;

QString statusText(const WindowFixture& window) {
    return window.find<QLabel>(Control::statusLine)->text();
}

void trigger(const WindowFixture& window, const char* menuItem) {
    window.find<QAction>(menuItem)->trigger();
}

// Chooses the simulator's port (again) and waits for the unit's answer on the new connection.
bool connectTo(const WindowFixture& window) {
    const std::uint32_t before = window.link().engine().state().connection;
    window.find<QAction>(Control::portItem(kSimulatorPort))->trigger();
    return QTest::qWaitFor([&] { return window.link().engine().state().connection != before; },
                           kWaitMs);
}

bool waitForStatus(const WindowFixture& window, const QString& text) {
    return QTest::qWaitFor([&] { return statusText(window) == text; }, kWaitMs);
}

QList<HistoryEntry> backups() {
    QList<HistoryEntry> found = History(historyDir()).entries();
    found.removeIf(
        [](const HistoryEntry& e) { return e.event != HistoryEvent::BeforeProgramming; });
    return found;
}

// The transfer requests the simulator received, without the live-data requests.
QStringList transferRequests(SimulatorProcess& simulator) {
    QStringList requests = simulator.requests();
    requests.removeAll("0x30");
    return requests;
}

int storeRequests(SimulatorProcess& simulator) {
    const QStringList requests = transferRequests(simulator);
    return int(requests.count("0x00") + requests.count("0x01") + requests.count("0x02"));
}

} // namespace

class TestProgramBackupSim : public QObject {
    Q_OBJECT
private slots:
    // The first program on a connection reads the unit's set into the history first; the second
    // does not; a new connection does again.
    void backupOncePerConnection() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "3", "--log-requests"}));
        QVERIFY(connectTo(window));
        window.document().setFile("/tmp/tuned.ign");
        window.showWith([](ParamImage& image) { image.limiter() = 100; });

        trigger(window, Control::programItem);
        QCOMPARE(statusText(window), "Backup of the unit's set:");
        QVERIFY2(waitForStatus(window, "Program device:: OK"), qPrintable(statusText(window)));
        QCOMPARE(transferRequests(simulator),
                 (QStringList{"0x40", "0x41", "0x42", "0x00", "0x01", "0x02", "0x41", "0x42"}));
        // The backup's read is no read of the window's: the history holds no read entry for it.
        // (The program's entry waits for the unit's count after it.)
        QVERIFY(
            QTest::qWaitFor([] { return History(historyDir()).entries().size() == 2; }, kWaitMs));
        QList<HistoryEvent> events;
        for (const HistoryEntry& entry : History(historyDir()).entries())
            events << entry.event;
        QCOMPARE(events,
                 (QList<HistoryEvent>{HistoryEvent::Programmed, HistoryEvent::BeforeProgramming}));
        const QList<HistoryEntry> kept = backups();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].unit.name, "SIM01");
        QCOMPARE(kept[0].unit.date, "9.12.2026");
        QCOMPARE(kept[0].unit.programmingCount, 0);
        QCOMPARE(kept[0].openFile, "/tmp/tuned.ign");
        ParamImage backedUp;
        std::uint8_t version = 0;
        QVERIFY(loadParamFile(History(historyDir()).filePath(kept[0]), backedUp, version));
        QCOMPARE(backedUp, sim::SimulatedUnit::factoryImage());

        trigger(window, Control::programItem);
        QCOMPARE(statusText(window), "Program device:");
        QVERIFY(waitForStatus(window, "Program device:: OK"));
        QCOMPARE(backups().size(), 1);

        QVERIFY(connectTo(window)); // the same port chosen again: a new connection
        trigger(window, Control::programItem);
        QCOMPARE(statusText(window), "Backup of the unit's set:");
        QVERIFY(waitForStatus(window, "Program device:: OK"));
        QCOMPARE(backups().size(), 2);
        QVERIFY(simulator.stop());
    }

    // Programming after change is a first program on the connection as well.
    void backupBeforeProgrammingAfterChange() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "3", "--log-requests"}));
        QVERIFY(connectTo(window));
        window.find<QCheckBox>(Control::programAfterChange)->setChecked(true);
        window.change(
            [](ParamImage& image) { image.advance(2, 3) = image.advance(2, 3) == 41 ? 42 : 41; });
        QCOMPARE(statusText(window), "Backup of the unit's set:");
        QVERIFY2(waitForStatus(window, "Program device:: OK"), qPrintable(statusText(window)));
        QCOMPARE(backups().size(), 1);
        QCOMPARE(storeRequests(simulator), 3);
        QVERIFY(simulator.stop());
    }

    // A read on the connection has brought the unit's set already.
    void noBackupAfterARead() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "3", "--log-requests"}));
        QVERIFY(connectTo(window));
        trigger(window, Control::readItem);
        QVERIFY(waitForStatus(window, "Verify:: OK"));
        trigger(window, Control::programItem);
        QCOMPARE(statusText(window), "Program device:");
        QVERIFY(waitForStatus(window, "Program device:: OK"));
        QVERIFY(backups().isEmpty());
        QVERIFY(simulator.stop());
    }

    // A read started while the backup runs takes its place: nothing is kept or programmed.
    void readDuringTheBackupDropsTheProgram() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "3", "--log-requests"}));
        QVERIFY(connectTo(window));
        trigger(window, Control::programItem);
        QCOMPARE(statusText(window), "Backup of the unit's set:");
        trigger(window, Control::readItem);
        QVERIFY(waitForStatus(window, "Verify:: OK"));
        QTest::qWait(1000); // time for anything that would still follow
        QCOMPARE(storeRequests(simulator), 0);
        QVERIFY(backups().isEmpty());
        QVERIFY(simulator.stop());
    }

    // Nothing reaches the unit's memory when the backup cannot be made.
    void failedBackupProgramsNothing_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<bool>("historyBlocked");
        QTest::addColumn<QString>("statusText");
        QTest::newRow("reading refused")
            << QStringList{"--refuse-reading"} << false << "No reading!";
        QTest::newRow("history cannot keep it") << QStringList{} << true << "Backup not saved!";
    }
    void failedBackupProgramsNothing() {
        QFETCH(QStringList, faults);
        QFETCH(bool, historyBlocked);
        QFETCH(QString, statusText);
        WindowFixture window;
        if (historyBlocked) // a file where the folder would be
            QVERIFY(replaceFile(historyDir(), "in the way", MissingFolder::Create));
        SimulatorProcess simulator;
        QVERIFY(
            simulator.start(kSimulatorPort, QStringList{"--seed", "3", "--log-requests"} + faults));
        QVERIFY(connectTo(window));
        window.showWith([](ParamImage& image) { image.limiter() = 100; });

        trigger(window, Control::programItem);
        QVERIFY2(waitForStatus(window, statusText), qPrintable(::statusText(window)));
        QTest::qWait(1000); // time for anything that would still follow
        QCOMPARE(storeRequests(simulator), 0);
        QCOMPARE(window.link().engine().state().transferMode(), TransferMode::Idle);
        QVERIFY(backups().isEmpty());
        QCOMPARE(window.boxes.warnings.size(), 1);
        QVERIFY(window.boxes.warnings[0].startsWith("Nothing was programmed: the unit's set could "
                                                    "not be kept in the history first."));
        QCOMPARE(window.boxes.warnings[0].endsWith(historyDir()), historyBlocked);
        QVERIFY(simulator.stop());
    }

    // Turned off in the Tools menu, programming goes straight on; the choice is kept.
    void settingOffProgramsWithoutBackup() {
        WindowFixture window;
        auto* item = window.find<QAction>(Control::backupBeforeProgrammingItem);
        QVERIFY(item->isChecked());
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "3", "--log-requests"}));
        QVERIFY(connectTo(window));
        item->trigger();
        QVERIFY(!item->isChecked());

        trigger(window, Control::programItem);
        QCOMPARE(statusText(window), "Program device:");
        QVERIFY(waitForStatus(window, "Program device:: OK"));
        QVERIFY(!transferRequests(simulator).contains("0x40"));
        QVERIFY(backups().isEmpty());
        QVERIFY(simulator.stop());

        window->close();
        const auto settings = readSmallFile(settingsFilePath());
        QVERIFY(settings && settings->contains("BackupBeforeProgramming=0"));
    }
};

QTEST_MAIN(TestProgramBackupSim)
#include "tst_program_backup_sim.moc"
