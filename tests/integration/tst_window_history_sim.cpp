// The history of the main window on a unit simulated by varko-sim: a read and a program that end
// OK are kept with the unit's identity and the window's file, and a history that cannot be
// written leaves the transfer alone.

#include "Controls.h"
#include "FlowsFixture.h"
#include "SimulatorProcess.h"
#include "app/WindowLink.h"
#include "storage/ConfigPaths.h"
#include "storage/History.h"
#include "storage/ParamFile.h"

#include <QDir>
#include <QStatusBar>
#include <QtTest>

using namespace varko;

namespace {

constexpr int kWaitMs = 15000;

QString statusText(const FlowsFixture& f) {
    return f.window.find<QLabel>(Control::statusLine)->text();
}

bool connectToSimulator(FlowsFixture& f) {
    f.trigger(Control::portItem(kSimulatorPort));
    return QTest::qWaitFor([&] { return f.window.find(Control::connectionLabel)->isHidden(); },
                           kWaitMs);
}

// Starts the transfer from its menu item and waits for its OK on the status line.
bool runTransfer(FlowsFixture& f, const char* menuItem, const QString& ok) {
    f.trigger(menuItem);
    return QTest::qWaitFor([&] { return statusText(f) == ok; }, kWaitMs);
}

ParamImage keptImage(const History& history, const HistoryEntry& entry) {
    ParamImage image;
    std::uint8_t version = 0;
    loadParamFile(history.filePath(entry), image, version, [](FileMessage) {});
    return image;
}

} // namespace

class TestWindowHistorySim : public QObject {
    Q_OBJECT
private slots:
    void readAndProgramAreKept() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "4"}));
        QVERIFY(connectToSimulator(f));

        QVERIFY(runTransfer(f, Control::readItem, "Verify:: OK"));
        const ParamImage read = f.window.document().image();
        f.window.document().setFile("/tunes/mine.ign");
        f.type(Control::limiterEdit, read.limiter() == 90 ? "8000" : "9000");
        QVERIFY(runTransfer(f, Control::programItem, "Program device:: OK"));
        const ParamImage programmed = f.window.document().image();
        QVERIFY(programmed != read);

        const History history(historyDir());
        // The program's entry waits for the live data after it, which carry the unit's new count.
        QVERIFY(QTest::qWaitFor([&] { return history.entries().size() == 2; }, kWaitMs));
        const QList<HistoryEntry> entries = history.entries();
        QCOMPARE(entries[0].event, HistoryEvent::Programmed);
        QCOMPARE(entries[0].openFile, "/tunes/mine.ign");
        QCOMPARE(keptImage(history, entries[0]), programmed);
        QCOMPARE(entries[1].event, HistoryEvent::Read);
        QCOMPARE(entries[1].openFile, QString()); // a read takes the set away from its file
        QCOMPARE(keptImage(history, entries[1]), read);
        for (const HistoryEntry& entry : entries) {
            QCOMPARE(entry.unit.name, "SIM01");
            QCOMPARE(entry.unit.date, "9.12.2026");
        }
        // The unit's count as it reported it after each: the program's own store counted.
        QCOMPARE(entries[0].unit.programmingCount, 1);
        QCOMPARE(entries[1].unit.programmingCount, 0);

        // A verify keeps nothing.
        QVERIFY(runTransfer(f, Control::verifyItem, "Verify:: OK"));
        QTest::qWait(500);
        QCOMPARE(history.entries().size(), 2);
        QVERIFY(simulator.stop());
    }

    // A unit that goes before its live data tell the count after a program: the entry is kept
    // with the count not known, never with the one from before.
    void programmedWithoutLiveDataAfter() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "5"}));
        QVERIFY(connectToSimulator(f));
        f.programWithoutBackup();
        const History history(historyDir());
        QObject::connect(&f.window.link(), &WindowLink::transferSucceeded, &f.window.link(),
                         [&] { simulator.kill(); });
        QVERIFY(runTransfer(f, Control::programItem, "Program device:: OK"));
        QVERIFY(QTest::qWaitFor([&] { return history.entries().size() == 1; }, kWaitMs));
        QCOMPARE(history.entries()[0].event, HistoryEvent::Programmed);
        QCOMPARE(history.entries()[0].unit.programmingCount, -1);
    }

    // A plain file where the history folder belongs: the read ends OK as ever, and only the
    // status bar says that its set was not kept.
    void failedHistoryLeavesTheTransferAlone() {
        FlowsFixture f;
        QVERIFY(QDir().mkpath(QFileInfo(historyDir()).path()));
        QFile blocker(historyDir());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "6"}));
        QVERIFY(connectToSimulator(f));

        QVERIFY(runTransfer(f, Control::readItem, "Verify:: OK"));
        const ParamImage read = f.window.document().image();
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 "The set could not be kept in the history.");
        QTest::qWait(500);
        QCOMPARE(statusText(f), "Verify:: OK");
        QVERIFY(!f.window.find(Control::statusLine)->isHidden());
        QCOMPARE(f.window.document().image(), read);
        QVERIFY2(f.window.boxes.shown.isEmpty(), qPrintable(f.window.boxes.shown.join(" | ")));
        QVERIFY(simulator.stop());
    }
};

QTEST_MAIN(TestWindowHistorySim)
#include "tst_window_history_sim.moc"
