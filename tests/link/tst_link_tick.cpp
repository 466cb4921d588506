// The link tick counted tick by tick on a scripted port: pacing, re-sends, failures, the status
// display, the watchdog, re-opening and the port scan.

#include "LinkRig.h"
#include "ScopedConfigDir.h"

#include <QTest>

using namespace varko;

Q_DECLARE_METATYPE(varko::TransferMode)
Q_DECLARE_METATYPE(varko::PortError)

namespace {

// Port selections and scan positions count from 0 for COM1.
constexpr int kCom1 = 0;
constexpr int kCom3 = 2;
constexpr int kCom5 = 4;
constexpr int kCom20 = 19;

std::vector<int> ticksOfTransferSends(LinkRig& rig, int ticks) {
    std::vector<int> sendTicks;
    for (int t = 1; t <= ticks; ++t) {
        const std::size_t before = rig.port->written.size();
        rig.tick();
        if (rig.port->written.size() > before && rig.port->written.back().command() != 0x30)
            sendTicks.push_back(t);
    }
    return sendTicks;
}

} // namespace

class TestLinkTick : public QObject {
    Q_OBJECT
private slots:
    void init() { config_ = std::make_unique<ScopedConfigDir>(); }
    void cleanup() { config_.reset(); }

    void idleRequestEverySixTicks() {
        LinkRig rig;
        rig.engine->openPort();
        rig.tick(17);
        QCOMPARE(rig.port->commandsWritten(), (std::vector<std::uint8_t>{0x30, 0x30}));
        rig.tick();
        QCOMPARE(rig.port->written.size(), std::size_t(3));
        QCOMPARE(rig.port->written.back(), buildIdleFrame());
    }

    void unansweredTransferFails_data() {
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<int>("firstCommand");
        QTest::addColumn<QString>("error");
        QTest::newRow("read") << TransferMode::Read << 0x40 << "Read error!";
        QTest::newRow("verify") << TransferMode::Verify << 0x41 << "Verify error!";
        QTest::newRow("program") << TransferMode::Program << 0x00 << "Program error!";
    }
    void unansweredTransferFails() {
        QFETCH(TransferMode, mode);
        QFETCH(int, firstCommand);
        LinkRig rig;
        rig.engine->openPort();
        rig.start(mode);
        QCOMPARE(rig.state().transferMode(), mode);
        QCOMPARE(rig.state().sendAttempts, 0);
        QVERIFY(rig.status().statusVisible && rig.status().gaugeVisible);

        const auto sends = ticksOfTransferSends(rig, 23);
        QCOMPARE(sends, (std::vector<int>{4, 8, 12, 16, 20}));
        for (const auto& frame : rig.port->written)
            QCOMPARE(int(frame.command()), firstCommand);
        QCOMPARE(rig.state().transferMode(), mode);

        rig.tick(); // tick 24: the sixth count
        QCOMPARE(rig.state().transferMode(), TransferMode::Idle);
        QTEST(rig.status().statusText, "error");
        QCOMPARE(rig.status().statusColour, StatusColour::Red);
        QCOMPARE(rig.state().statusTicks, 199);
        QCOMPARE(rig.owner.results.back(), mode == TransferMode::Read ? TransferResult::ReadError
                                           : mode == TransferMode::Verify
                                               ? TransferResult::VerifyError
                                               : TransferResult::ProgramError);
        rig.tick(6); // back to live requests
        QCOMPARE(rig.port->written.back().command(), 0x30);
    }

    // The pacing counter continues from the idle count; at 4 or 5 the request goes out at once.
    void startedLateInTheIdleCycle_data() {
        QTest::addColumn<int>("idleTicks");
        QTest::addColumn<int>("firstSendTick");
        QTest::newRow("counter 0") << 0 << 4;
        QTest::newRow("counter 3") << 3 << 1;
        QTest::newRow("counter 4") << 4 << 1;
        QTest::newRow("counter 5") << 5 << 1;
    }
    void startedLateInTheIdleCycle() {
        QFETCH(int, idleTicks);
        LinkRig rig;
        rig.engine->openPort();
        rig.tick(idleTicks);
        QCOMPARE(int(rig.state().ticksSinceSend), idleTicks);
        rig.engine->startRead();
        const auto sends = ticksOfTransferSends(rig, 4);
        QVERIFY(!sends.empty());
        QTEST(sends.front(), "firstSendTick");
    }

    // A request sent from the reply step is counted by the same tick's pacing: its first repeat
    // comes 3 ticks later and the transfer fails 19 ticks after it first went out.
    void requestFromTheReplyStepRepeatsAfterThreeTicks() {
        LinkRig rig;
        rig.engine->openPort();
        rig.engine->startVerify(rig.image);
        rig.tick(4); // the first request, 0x41, goes out
        rig.port->feed(buildBlockFrame(0xC1, TransferMode::Verify, rig.image));
        const auto sends = ticksOfTransferSends(rig, 19);
        QCOMPARE(sends, (std::vector<int>{1, 4, 8, 12, 16}));
        QCOMPARE(rig.port->written.back().command(), 0x42);
        QCOMPARE(rig.state().transferMode(), TransferMode::Verify);
        rig.tick();
        QCOMPARE(rig.state().transferMode(), TransferMode::Idle);
        QCOMPARE(rig.status().statusText, QString("Verify error!"));
    }

    void noConnectionAfterEighteenSilentTicks() {
        LinkRig rig;
        rig.engine->openPort();
        rig.tick();
        QVERIFY(rig.status().connectionVisible); // silent since start-up
        rig.port->feed(buildFrame(0xB0, std::array<std::uint8_t, 100>{}));
        rig.tick();
        QCOMPARE(rig.owner.monitorFrames, 1);
        QVERIFY(!rig.status().connectionVisible);
        rig.tick(17);
        QVERIFY(!rig.status().connectionVisible);
        rig.tick();
        QVERIFY(rig.status().connectionVisible);
        QVERIFY(rig.owner.lastStatus.connectionVisible);
    }

    void silentPortReopenedEveryThirtyTicks() {
        LinkRig rig(kCom3);
        rig.engine->openPort();
        QCOMPARE(rig.port->openedPaths, QStringList{"COM3"});
        rig.tick(29);
        QCOMPARE(rig.port->openedPaths.size(), 1);
        rig.tick();
        QCOMPARE(rig.port->openedPaths, (QStringList{"COM3", "COM3"}));
        QCOMPARE(rig.port->closeCount, 1);
        QVERIFY(rig.state().quietOpen);
        QCOMPARE(int(rig.settings.scanIndex), 1); // advances whatever the selection
        rig.tick(30);
        QCOMPARE(rig.port->openedPaths.size(), 3);
        QVERIFY(rig.owner.messages.empty());
    }

    void failedOpenMessage_data() {
        QTest::addColumn<int>("portSelection");
        QTest::addColumn<PortError>("error");
        QTest::addColumn<bool>("message");
        QTest::addColumn<bool>("dialoutAdvice");
        QTest::addColumn<int>("reconnectTicks");
        QTest::newRow("numbered port") << kCom1 << PortError::NotFound << true << false << 0;
        // The dialout advice is given only for a device of that group (tst_port_links).
        QTest::newRow("no permission")
            << kCom1 << PortError::PermissionDenied << true << false << 0;
        QTest::newRow("automatic")
            << int(kPortAuto) << PortError::PermissionDenied << false << false << 200;
    }
    void failedOpenMessage() {
        QFETCH(int, portSelection);
        QFETCH(PortError, error);
        LinkRig rig{std::uint8_t(portSelection)};
        rig.port->openResult = [error](const QString&) { return error; };
        rig.engine->openPort();
        QFETCH(bool, message);
        QCOMPARE(rig.owner.messages.size(), std::size_t(message ? 1 : 0));
        if (message) {
            const QString text = rig.owner.messages.front().text;
            QVERIFY(text.startsWith("Com opening error!"));
            QTEST(text.contains("dialout"), "dialoutAdvice");
        }
        QTEST(int(rig.state().reconnectTicks), "reconnectTicks");
        QVERIFY(!rig.engine->portOpen());
        rig.tick(29); // the watchdog's quiet re-opens show nothing more
        QCOMPARE(rig.owner.messages.size(), std::size_t(message ? 1 : 0));
    }

    void automaticScanWrapsFromTwentyOneToOne() {
        LinkRig rig(kPortAuto, kCom20);
        rig.port->openResult = [](const QString&) { return PortError::NotFound; };
        rig.engine->openPort();
        QCOMPARE(rig.status().comLabel, QString("COM= COM20"));
        rig.tick();
        QCOMPARE(rig.status().comLabel, QString("COM= COM21"));
        rig.tick();
        QCOMPARE(rig.status().comLabel, QString("COM= COM1"));
        rig.tick(20);
        QCOMPARE(rig.port->openedPaths.size(), 23);
        QCOMPARE(rig.port->openedPaths.mid(0, 4), (QStringList{"COM20", "COM21", "COM1", "COM2"}));
        QVERIFY(rig.status().portMenu[20].checked);
        QVERIFY(rig.owner.messages.empty());
    }

    void portMenuClickReopensWithMessagesEnabled() {
        LinkRig rig;
        rig.engine->openPort();
        rig.tick(30); // a quiet re-open
        QVERIFY(rig.state().quietOpen);
        rig.port->openResult = [](const QString&) { return PortError::Busy; };
        rig.engine->selectPort(kCom5);
        QCOMPARE(int(rig.settings.portSelection), kCom5);
        QCOMPARE(rig.port->openedPaths.back(), QString("COM5"));
        QCOMPARE(rig.owner.messages.size(), std::size_t(1));
        QCOMPARE(rig.status().comLabel, QString("COM= COM5"));
        for (int i = 0; i < kPortCount; ++i)
            QCOMPARE(rig.owner.lastStatus.portMenu[i].checked, i == kCom5);
        rig.engine->selectPort(kPortCount); // no such item
        QCOMPARE(int(rig.settings.portSelection), kCom5);
    }

    void savingGauge_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");
        QTest::newRow("414") << 414 << 0;
        QTest::newRow("207") << 207 << 50;
        QTest::newRow("1") << 1 << 99;
        QTest::newRow("above the scale") << 1000 << 0;
    }
    void savingGauge() {
        QFETCH(int, count);
        LinkRig rig;
        rig.engine->setUnitSavingCount(std::uint16_t(count));
        rig.tick();
        QCOMPARE(rig.status().statusText, QString("Saving:"));
        QCOMPARE(rig.status().gaugeMaximum, 100);
        QTEST(rig.status().gaugePosition, "position");
        QVERIFY(rig.status().statusVisible);
        QCOMPARE(rig.state().statusTicks, 199);
    }

    void readOnlyWhenAFrameHasArrived() {
        LinkRig rig;
        rig.engine->openPort();
        const LinkFrame monitor = buildFrame(0xB0, std::array<std::uint8_t, 100>{});
        rig.port->incoming.assign(monitor.bytes.begin(), monitor.bytes.end() - 1);
        rig.tick();
        QCOMPARE(rig.port->incoming.size(), std::size_t(101));
        QCOMPARE(rig.owner.monitorFrames, 0);
        rig.port->feed(monitor); // 203 bytes: a misaligned frame first
        rig.tick();
        QCOMPARE(rig.owner.monitorFrames, 0);
        QVERIFY(rig.port->incoming.empty());

        rig.port->feed(monitor);
        rig.port->feed(monitor);
        rig.tick();
        QCOMPARE(rig.owner.monitorFrames, 1); // the second frame of the read is dropped
        QVERIFY(rig.port->incoming.empty());
    }

    void printingHidesLabelsButCountersRun() {
        LinkRig rig;
        rig.engine->openPort();
        rig.engine->startRead();
        rig.engine->setPrinting(true);
        rig.tick(2);
        QVERIFY(!rig.status().statusVisible);
        QVERIFY(!rig.status().connectionVisible);
        QCOMPARE(rig.state().statusTicks, 198);
        QCOMPARE(rig.state().reconnectTicks, 2);
        rig.engine->setPrinting(false);
        rig.tick();
        QVERIFY(rig.status().statusVisible && rig.status().connectionVisible);
    }

    void statusHidesAfterItsTime() {
        LinkRig rig;
        rig.engine->openPort();
        rig.engine->startRead();
        rig.tick(24); // fails
        rig.tick(199);
        QVERIFY(rig.status().statusVisible);
        rig.tick();
        QVERIFY(!rig.status().statusVisible);
        QVERIFY(!rig.status().gaugeVisible);
    }

    void vanishedPortIsClosedAndReopened() {
        LinkRig rig;
        rig.engine->openPort();
        rig.port->gone = true;
        rig.tick();
        QVERIFY(!rig.engine->portOpen());
        QCOMPARE(rig.port->closeCount, 1);
        rig.tick(28); // nothing touches the closed port
        QCOMPARE(rig.port->openedPaths.size(), 1);
        rig.port->gone = false;
        rig.tick();
        QCOMPARE(rig.port->openedPaths.size(), 2);
        QVERIFY(rig.engine->portOpen());
        QVERIFY(rig.owner.messages.empty());
    }

private:
    std::unique_ptr<ScopedConfigDir> config_;
};

QTEST_GUILESS_MAIN(TestLinkTick)
#include "tst_link_tick.moc"
